// Purpose: the product catalogue read from "Tevaro.ini": fixed-size tables and their lookups.
//
// Every entry pairs a display name (what the dialogs show) with a short code (what the library
// objects receive). Texts are byte strings in the file's own encoding, zero-terminated inside
// fixed-size fields. The whole catalogue is one static global, zero at load (about 19 MB).
#pragma once

#include <cstddef>
#include <cstdint>

constexpr int kCatNameLen = 64;    // display names, loss-multiplier texts
constexpr int kCatCodeLen = 8;     // codes: at most 7 characters
constexpr int kCatLinkLen = 256;   // document links of tile types and foils
constexpr int kCatPathLen = 1024;  // the two texts of "[Utvonal]"

constexpr int kMaxFamilies = 4;
constexpr int kTypeSlotsPerFamily = 128;
constexpr int kMaxTypesPerFamily = 127;  // one slot of each family is never filled
constexpr int kMaxListEntries = 128;     // every list and colour list
constexpr int kMaxTypeAccessories = 100;
constexpr int kMaxLayingModes = 4;

// Limits of the numbers a catalogue entry must meet to be used; an entry outside them is reported
// and left out. Real roof tiles are a few centimetres to under a metre wide and long; a loss
// multiplier adds cutting waste to the counted tiles: 1 adds none, 2 doubles the order.
constexpr double kMinTileSize = 0.01;       // metres
constexpr double kMaxTileSize = 5.0;        // metres
constexpr double kMinLossMultiplier = 1.0;
constexpr double kMaxLossMultiplier = 2.0;

struct NamedCode {
    char name[kCatNameLen];
    char code[kCatCodeLen];
};

struct ColourEntry {
    char name[kCatNameLen];
    char code[kCatCodeLen];
    int16_t number;  // image resource shown with the colour
};

// An accessory offered for one tile type.
struct TypeAccessory {
    char name[kCatNameLen];
    char code[kCatCodeLen];
    int16_t image;     // "number a": picture resource shown in the accessory list
    int32_t rowAllowed;  // "flag 1": may be laid in a row
    int32_t rowByCount;  // "flag 2": a row may be given by a count
    int16_t rowCount;  // "number b": default count of a row
    int32_t flag3;     // stored, read by nobody
};

struct TileType {
    char name[kCatNameLen];
    char code[kCatCodeLen];
    int16_t icon;            // icon resource shown in the main dialog's type pop-up
    char link[kCatLinkLen];  // document opened from the main dialog
    int16_t colourCount;
    ColourEntry colours[kMaxListEntries];
    int16_t snowGuardCount;
    NamedCode snowGuards[kMaxListEntries];
    int16_t ridgeTileCount;
    NamedCode ridgeTiles[kMaxListEntries];
    int16_t accessoryCount;
    TypeAccessory accessories[kMaxTypeAccessories];
    double tileX;  // tile width, metres
    double tileY;  // tile length, metres
    int16_t layingModeCount;
    NamedCode layingModes[kMaxLayingModes];
};

struct TileFamily {
    char name[kCatNameLen];
    char code[kCatCodeLen];
    int16_t number1;  // stored, read by nobody
    int16_t number2;
    TileType types[kTypeSlotsPerFamily];
    int32_t typeCount;
};

// A ridge, valley or accessory type with its colours.
struct ColouredKind {
    char name[kCatNameLen];
    char code[kCatCodeLen];
    int16_t colourCount;
    ColourEntry colours[kMaxListEntries];
};

struct FoilEntry {
    char name[kCatNameLen];
    char code[kCatCodeLen];
    int16_t number;
    char link[kCatLinkLen];  // document opened from the main dialog
};

struct SolarEntry {
    char name[kCatNameLen];
    char code[kCatCodeLen];
    int16_t image;                 // picture resource shown in the list
    char colourCode[kCatCodeLen];  // handed on as the element's colour
};

struct Catalogue {
    TileFamily families[kMaxFamilies];  // no count: a slot never given a line stays zero

    int32_t ridgeTypeCount;
    ColouredKind ridgeTypes[kMaxListEntries];
    int32_t valleyTypeCount;
    ColouredKind valleyTypes[kMaxListEntries];
    int32_t accessoryTypeCount;
    ColouredKind accessoryTypes[kMaxListEntries];

    int32_t foilCount;
    FoilEntry foils[kMaxListEntries];
    int32_t solarCollectorCount;
    SolarEntry solarCollectors[kMaxListEntries];
    int32_t solarPanelCount;
    SolarEntry solarPanels[kMaxListEntries];

    int32_t lossMultiplierCount;
    char lossMultipliers[kMaxListEntries][kCatNameLen];  // decimal numbers kept as written
    int32_t snowGuardingModeCount;
    NamedCode snowGuardingModes[kMaxListEntries];
    int32_t display2DCount;
    NamedCode display2D[kMaxListEntries];

    char paths[2][kCatPathLen];

    bool familyOverflow;  // a type was dropped because its family already held 127 types

    // The optional eighth field of a tile-type line: the flattest pitch the type may be laid at,
    // degrees; 0 when the line gives none. Indexed like families[f].types[t].
    double typeMinPitchDeg[kMaxFamilies][kTypeSlotsPerFamily];
};

static_assert(sizeof(NamedCode) == 72);
static_assert(sizeof(ColourEntry) == 74);
static_assert(sizeof(TypeAccessory) == 92);
static_assert(sizeof(TileType) == 37760);
static_assert(sizeof(ColouredKind) == 9546);
static_assert(sizeof(FoilEntry) == 330);
static_assert(sizeof(SolarEntry) == 82);

extern Catalogue gCatalogue;

// Reads gState.addOnFolder + "Tevaro.ini" into gCatalogue (emptied first). A missing file, or
// anything that is not a readable regular file, leaves the catalogue empty; so does an empty one.
// Either is said once in the report window with the path looked at. A family overflow is reported
// once at the end; each entry left out for numbers that cannot work is reported once.
void LoadCatalogue();

// The same loading from any file path.
void LoadCatalogueFile(const char* path);

// The same loading from text already in memory (processed up to its first zero byte or its end).
void LoadCatalogueText(const char* text, size_t length);

// Empties gCatalogue.
void ClearCatalogue();

// True when the catalogue holds nothing (as before the first load).
bool CatalogueCleared();

// The tile type of a family slot and type index; null when either is out of the stored range.
const TileType* TileTypeAt(int family, int type);

// The first stored tile type with this code, family 0 first, each family's types in order;
// null when none. familyIndex / typeIndex (when given) receive its position.
const TileType* FindTileType(const char* code, int* familyIndex = nullptr, int* typeIndex = nullptr);

// The flattest pitch (degrees) the first stored tile type with this code may be laid at; 0 when
// the catalogue gives none or holds no such type.
double TileTypeMinPitch(const char* code);

// The lowest of the minimum pitches (degrees) the stored tile types give; 0 when none gives one.
double LowestTileTypeMinPitch();

// The first kind of a ridge / valley / accessory type list with this code; null when none.
const ColouredKind* FindColouredKind(const ColouredKind* kinds, int32_t count, const char* code);
