// Purpose: reads the product catalogue "Tevaro.ini" into the fixed-size tables of gCatalogue.
//
// The file is a list of sections, each a header line (one of message rows 51-70, compared byte
// for byte) followed by data lines and closed by an empty line. Data fields are separated by
// commas, spaces included. Lists take their count from the closing empty line (the end of the
// file closes an open section the same way); tile types and loss multipliers are counted as they
// are stored, since an entry whose numbers cannot work is reported and left out. Nothing is ever written past a field or a table: over-long texts
// are cut (and stay zero-terminated), surplus entries are dropped.
#include "catalogue/Catalogue.h"

#include <algorithm>
#include <cstdio>
#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <new>
#include <string>
#include <system_error>
#include <vector>

#include "Common_src/AddOnState.h"
#include "Common_src/Messages.h"
#include "Common_src/UserTexts.h"

Catalogue gCatalogue;

namespace {

constexpr int kLineBufferSize = 512;  // a line longer than 511 bytes is cut to 511 bytes
constexpr int kMaxFields = 8;         // no section defines more than 8 fields
constexpr int kMinPitchField = 7;     // a tile-type line's optional minimum pitch, degrees
constexpr int kHeaderCount = kMsgLastCatalogueHeader - kMsgFirstCatalogueHeader + 1;
constexpr const char* kCatalogueFileName = "Tevaro.ini";
constexpr size_t kReportLineSize = 600;  // a catalogue report line with its arguments

// The sections in the order of their header rows 51-70.
enum class Section {
    None = -1,
    Families,           // "[Cserepcsaladok]"
    TileTypes,          // "[Csereptipusok]"
    TileColours,        // "[Szinek]"
    RidgeTiles,         // "[Gerinccserepek]"
    TypeAccessories,    // "[Kiegeszitok]"
    Paths,              // "[Utvonal]"
    LayingModes,        // "[Rakasi mod]"
    RidgeColours,       // "[Gerinc szin]"
    RidgeTypes,         // "[Gerinctipusok]"
    ValleyColours,      // "[Vapa szin]"
    AccessoryTypes,     // "[Kiegeszitotipusok]"
    AccessoryColours,   // "[Kiegeszito szin]"
    Display2D,          // "[2D megjelenites]"
    Foils,              // "[Folia]"
    LossMultipliers,    // "[Vesztesegszorzo]"
    SnowGuardingModes,  // "[Hofogas]"
    ValleyTypes,        // "[Vapatipus]"
    SnowGuards,         // "[Hofogo]"
    SolarCollectors,    // "[Naptetok]"
    SolarPanels,        // "[Napelemek]"
};

// What the loader remembers between lines.
struct LoaderState {
    char headers[kHeaderCount][256];  // the header texts of message rows 51-70
    Section section = Section::None;
    int32_t lineCounter = -1;           // -1 right after a header; the first data line is 0
    TileType* keyType = nullptr;        // the tile type a per-type section writes to
    ColouredKind* keyKind = nullptr;    // the kind a colour section writes to
    int familiesFilled = 0;             // family slots given a line so far
};

// One data line split at its commas (the line buffer is cut in place).
struct Fields {
    const char* text[kMaxFields];
    int count = 0;
};

// Splits a line at every comma into at most kMaxFields fields; the last field keeps any rest.
Fields SplitFields(char* line) {
    Fields fields;
    fields.text[fields.count++] = line;
    for (char* p = line; *p != '\0' && fields.count < kMaxFields; ++p) {
        if (*p == ',') {
            *p = '\0';
            fields.text[fields.count++] = p + 1;
        }
    }
    return fields;
}

// Copies field i into a fixed-size text, cut to size - 1 bytes; a missing field gives "".
void CopyField(const Fields& f, int i, char* out, size_t size) {
    const char* src = i < f.count ? f.text[i] : "";
    const size_t n = std::min(std::strlen(src), size - 1);
    std::memcpy(out, src, n);
    out[n] = '\0';
}

// A 16-bit number field (leading spaces skipped, trailing text ignored); a missing or unreadable
// field, or one beyond 16 bits, gives 0.
int16_t ShortField(const Fields& f, int i) {
    if (i >= f.count) return 0;
    char* end = nullptr;
    errno = 0;
    const long value = std::strtol(f.text[i], &end, 10);
    const bool read = end != f.text[i] && errno == 0;
    const bool fits = value >= INT16_MIN && value <= INT16_MAX;
    return read && fits ? int16_t(value) : int16_t(0);
}

// A real field in single precision, then widened (leading spaces skipped, trailing text
// ignored); missing or unreadable gives 0, a value beyond single precision gives infinity, which
// the entry's own check then refuses.
double RealField(const Fields& f, int i) {
    if (i >= f.count) return 0.0;
    char* end = nullptr;
    const float value = std::strtof(f.text[i], &end);
    return end != f.text[i] ? double(value) : 0.0;
}

// A flag field: 0 when it starts with "0", else 1 (an empty field is 1); a missing field gives 0.
int32_t FlagField(const Fields& f, int i) {
    if (i >= f.count) return 0;
    return f.text[i][0] == '0' ? 0 : 1;
}

// Copies a zero-terminated text into a fixed-size field, cut to size - 1 bytes.
void CopyText(char* out, size_t size, const char* src) {
    const size_t n = std::min(std::strlen(src), size - 1);
    std::memcpy(out, src, n);
    out[n] = '\0';
}

// The section a line names when it equals one of the header texts byte for byte, else None.
Section HeaderSection(const LoaderState& st, const char* line) {
    for (int i = 0; i < kHeaderCount; ++i)
        if (st.headers[i][0] != '\0' && std::strcmp(line, st.headers[i]) == 0) return Section(i);
    return Section::None;
}

// The mutable tile type with this code: first match, family 0 first, types in order.
TileType* FindTileTypeForWriting(const char* code) {
    int family = 0, type = 0;
    if (FindTileType(code, &family, &type) == nullptr) return nullptr;
    return &gCatalogue.families[family].types[type];
}

// The mutable kind with this code among the stored kinds of a list.
ColouredKind* FindKindForWriting(ColouredKind* kinds, int32_t count, const char* code) {
    for (int32_t i = 0; i < count; ++i)
        if (std::strcmp(kinds[i].code, code) == 0) return &kinds[i];
    return nullptr;
}

// Per-key sections: the key line names the tile type or kind that the following lines fill.
bool IsPerKeySection(Section s) {
    switch (s) {
        case Section::TileColours: case Section::RidgeTiles: case Section::TypeAccessories:
        case Section::LayingModes: case Section::SnowGuards: case Section::RidgeColours:
        case Section::ValleyColours: case Section::AccessoryColours:
            return true;
        default:
            return false;
    }
}

// Reads the key line of a per-key section and remembers its target (null when nothing matches).
void TakeKeyLine(LoaderState& st, const char* key) {
    st.keyType = nullptr;
    st.keyKind = nullptr;
    switch (st.section) {
        case Section::RidgeColours:
            st.keyKind = FindKindForWriting(gCatalogue.ridgeTypes, gCatalogue.ridgeTypeCount, key);
            break;
        case Section::ValleyColours:
            st.keyKind = FindKindForWriting(gCatalogue.valleyTypes, gCatalogue.valleyTypeCount, key);
            break;
        case Section::AccessoryColours:
            st.keyKind = FindKindForWriting(gCatalogue.accessoryTypes, gCatalogue.accessoryTypeCount, key);
            break;
        default:
            st.keyType = FindTileTypeForWriting(key);
            break;
    }
}

// Writes one colour line (name, code, number) into a colour slot.
void StoreColour(ColourEntry& c, const Fields& f) {
    std::memset(&c, 0, sizeof c);
    CopyField(f, 0, c.name, sizeof c.name);
    CopyField(f, 1, c.code, sizeof c.code);
    c.number = ShortField(f, 2);
}

// Writes one name-and-code line into a slot.
void StoreNamedCode(NamedCode& n, const Fields& f) {
    std::memset(&n, 0, sizeof n);
    CopyField(f, 0, n.name, sizeof n.name);
    CopyField(f, 1, n.code, sizeof n.code);
}

// Stores entry `index` of a per-key section into its target; entries past the list's end are dropped.
void StorePerKeyEntry(LoaderState& st, int32_t index, const Fields& f) {
    if (st.keyKind != nullptr) {
        if (index < kMaxListEntries) StoreColour(st.keyKind->colours[index], f);
        return;
    }
    TileType* t = st.keyType;
    if (t == nullptr) return;  // the key matched nothing: its lines are ignored
    switch (st.section) {
        case Section::TileColours:
            if (index < kMaxListEntries) StoreColour(t->colours[index], f);
            break;
        case Section::SnowGuards:
            if (index < kMaxListEntries) StoreNamedCode(t->snowGuards[index], f);
            break;
        case Section::RidgeTiles:
            if (index < kMaxListEntries) StoreNamedCode(t->ridgeTiles[index], f);
            break;
        case Section::LayingModes:
            if (index < kMaxLayingModes) StoreNamedCode(t->layingModes[index], f);
            break;
        case Section::TypeAccessories:
            if (index < kMaxTypeAccessories) {
                TypeAccessory& a = t->accessories[index];
                std::memset(&a, 0, sizeof a);
                CopyField(f, 0, a.name, sizeof a.name);
                CopyField(f, 1, a.code, sizeof a.code);
                a.image = ShortField(f, 2);
                a.rowAllowed = FlagField(f, 3);
                a.rowByCount = FlagField(f, 4);
                a.rowCount = ShortField(f, 5);
                a.flag3 = FlagField(f, 6);
            }
            break;
        default:
            break;
    }
}

// The closing empty line of a per-key section writes the number of entries read, capped at the list.
void ClosePerKeySection(LoaderState& st) {
    const int32_t entries = st.lineCounter;  // lines after the key line
    if (entries < 0) return;                 // no key line at all
    auto capped = [entries](int limit) { return int16_t(std::min(entries, int32_t(limit))); };
    if (st.keyKind != nullptr) {
        st.keyKind->colourCount = capped(kMaxListEntries);
        return;
    }
    TileType* t = st.keyType;
    if (t == nullptr) return;
    switch (st.section) {
        case Section::TileColours: t->colourCount = capped(kMaxListEntries); break;
        case Section::SnowGuards: t->snowGuardCount = capped(kMaxListEntries); break;
        case Section::RidgeTiles: t->ridgeTileCount = capped(kMaxListEntries); break;
        case Section::LayingModes: t->layingModeCount = capped(kMaxLayingModes); break;
        case Section::TypeAccessories: t->accessoryCount = capped(kMaxTypeAccessories); break;
        default: break;
    }
}

// The count field that a plain list section's closing empty line writes; null for none.
int32_t* PlainListCount(Section s) {
    switch (s) {
        case Section::RidgeTypes: return &gCatalogue.ridgeTypeCount;
        case Section::ValleyTypes: return &gCatalogue.valleyTypeCount;
        case Section::AccessoryTypes: return &gCatalogue.accessoryTypeCount;
        case Section::Foils: return &gCatalogue.foilCount;
        case Section::SolarCollectors: return &gCatalogue.solarCollectorCount;
        case Section::SolarPanels: return &gCatalogue.solarPanelCount;
        case Section::SnowGuardingModes: return &gCatalogue.snowGuardingModeCount;
        case Section::Display2D: return &gCatalogue.display2DCount;
        default: return nullptr;
    }
}

// Shows one catalogue report line built from a row of resource 140 and its arguments.
template <typename... Args>
void ReportCatalogueLine(int32_t row, Args... args) {
    const std::string format = GetUserText(row);
    char line[kReportLineSize];
    std::snprintf(line, sizeof line, format.c_str(), args...);
    ReportMessage(line);
}

// A tile size a roof can be laid with: finite and within the catalogue's tile-size limits.
bool UsableTileSize(double size) { return std::isfinite(size) && size >= kMinTileSize && size <= kMaxTileSize; }

// Appends a tile-type line to every filled family with its family code (127 types at most each);
// a type whose width or length cannot work is reported and left out.
void StoreTileType(LoaderState& st, const Fields& f) {
    const double tileX = RealField(f, 3), tileY = RealField(f, 4);
    if (!UsableTileSize(tileX) || !UsableTileSize(tileY)) {
        char code[kCatCodeLen];
        CopyField(f, 1, code, sizeof code);
        char width[kCatNameLen], length[kCatNameLen];
        CopyField(f, 3, width, sizeof width);
        CopyField(f, 4, length, sizeof length);
        ReportCatalogueLine(kTextCatalogueBadTileSize, code, width, length);
        return;
    }
    char familyCode[kCatCodeLen];
    CopyField(f, 5, familyCode, sizeof familyCode);
    for (int i = 0; i < st.familiesFilled; ++i) {
        TileFamily& fam = gCatalogue.families[i];
        if (std::strcmp(fam.code, familyCode) != 0) continue;
        if (fam.typeCount >= kMaxTypesPerFamily) {
            gCatalogue.familyOverflow = true;
            continue;
        }
        TileType& t = fam.types[fam.typeCount];
        std::memset(&t, 0, sizeof t);
        CopyField(f, 0, t.name, sizeof t.name);
        CopyField(f, 1, t.code, sizeof t.code);
        t.icon = ShortField(f, 2);
        t.tileX = tileX;
        t.tileY = tileY;
        CopyField(f, 6, t.link, sizeof t.link);
        gCatalogue.typeMinPitchDeg[i][fam.typeCount] = RealField(f, kMinPitchField);
        ++fam.typeCount;
    }
}

// A loss multiplier text that reads as a number within the catalogue's loss-multiplier limits.
bool UsableLossMultiplier(const char* text) {
    char* end = nullptr;
    const double value = std::strtod(text, &end);
    const bool isNumber = end != text;  // something was read as a number
    return isNumber && std::isfinite(value) && value >= kMinLossMultiplier && value <= kMaxLossMultiplier;
}

// Appends a loss-multiplier line (its first field, kept as written) after checking its value;
// one that cannot work is reported and left out, surplus lines are dropped.
void StoreLossMultiplier(const Fields& f) {
    Catalogue& c = gCatalogue;
    char text[kCatNameLen];
    CopyField(f, 0, text, sizeof text);
    if (!UsableLossMultiplier(text)) {
        ReportCatalogueLine(kTextCatalogueBadLoss, text, kMinLossMultiplier, kMaxLossMultiplier);
        return;
    }
    if (c.lossMultiplierCount >= kMaxListEntries) return;
    CopyText(c.lossMultipliers[c.lossMultiplierCount], sizeof c.lossMultipliers[0], text);
    ++c.lossMultiplierCount;
}

// Stores data line number `index` (0-based) of a plain list section; surplus lines are dropped.
void StorePlainEntry(LoaderState& st, int32_t index, char* line) {
    Catalogue& c = gCatalogue;
    if (st.section == Section::Paths) {
        if (index < 2) CopyText(c.paths[index], sizeof c.paths[index], line);
        return;
    }
    Fields f = SplitFields(line);
    switch (st.section) {
        case Section::Families:
            if (index < kMaxFamilies) {
                TileFamily& fam = c.families[index];
                std::memset(&fam, 0, sizeof fam);
                CopyField(f, 0, fam.name, sizeof fam.name);
                CopyField(f, 1, fam.code, sizeof fam.code);
                fam.number1 = ShortField(f, 2);
                fam.number2 = ShortField(f, 3);
                st.familiesFilled = std::max(st.familiesFilled, int(index) + 1);
            }
            break;
        case Section::TileTypes:
            StoreTileType(st, f);
            break;
        case Section::RidgeTypes:
        case Section::ValleyTypes:
        case Section::AccessoryTypes:
            if (index < kMaxListEntries) {
                ColouredKind* list = st.section == Section::RidgeTypes    ? c.ridgeTypes
                                     : st.section == Section::ValleyTypes ? c.valleyTypes
                                                                          : c.accessoryTypes;
                ColouredKind& k = list[index];
                std::memset(&k, 0, sizeof k);
                CopyField(f, 0, k.name, sizeof k.name);
                CopyField(f, 1, k.code, sizeof k.code);
            }
            break;
        case Section::Foils:
            if (index < kMaxListEntries) {
                FoilEntry& e = c.foils[index];
                std::memset(&e, 0, sizeof e);
                CopyField(f, 0, e.name, sizeof e.name);
                CopyField(f, 1, e.code, sizeof e.code);
                e.number = ShortField(f, 2);
                CopyField(f, 3, e.link, sizeof e.link);
            }
            break;
        case Section::SolarCollectors:
        case Section::SolarPanels:
            if (index < kMaxListEntries) {
                SolarEntry& e = (st.section == Section::SolarCollectors ? c.solarCollectors : c.solarPanels)[index];
                std::memset(&e, 0, sizeof e);
                CopyField(f, 0, e.name, sizeof e.name);
                CopyField(f, 1, e.code, sizeof e.code);
                e.image = ShortField(f, 2);
                CopyField(f, 3, e.colourCode, sizeof e.colourCode);
            }
            break;
        case Section::LossMultipliers:
            StoreLossMultiplier(f);
            break;
        case Section::SnowGuardingModes:
            if (index < kMaxListEntries) StoreNamedCode(c.snowGuardingModes[index], f);
            break;
        case Section::Display2D:
            if (index < kMaxListEntries) StoreNamedCode(c.display2D[index], f);
            break;
        default:
            break;
    }
}

// Ends the current section at an empty line: writes its count and returns to "between sections".
void CloseSection(LoaderState& st) {
    if (IsPerKeySection(st.section)) {
        ClosePerKeySection(st);
    } else if (int32_t* count = PlainListCount(st.section)) {
        *count = std::min(st.lineCounter + 1, int32_t(kMaxListEntries));
    }
    st.section = Section::None;
    st.keyType = nullptr;
    st.keyKind = nullptr;
}

// Handles one line, already cut at its first carriage return or line feed.
void ProcessLine(LoaderState& st, char* line) {
    if (line[0] == '\0') {
        if (st.section != Section::None) CloseSection(st);
        return;
    }
    if (st.section == Section::None) {
        const Section header = HeaderSection(st, line);
        if (header != Section::None) {
            st.section = header;
            st.lineCounter = -1;
            st.keyType = nullptr;
            st.keyKind = nullptr;
        }
        return;  // stray text between sections is ignored
    }
    if (st.lineCounter < 0x7FFFFFFF) ++st.lineCounter;
    if (IsPerKeySection(st.section)) {
        if (st.lineCounter == 0) {
            TakeKeyLine(st, line);
        } else {
            Fields f = SplitFields(line);
            StorePerKeyEntry(st, st.lineCounter - 1, f);
        }
        return;
    }
    StorePlainEntry(st, st.lineCounter, line);
}

// Reads the header texts from the message table once per load.
void LoadHeaders(LoaderState& st) {
    for (int i = 0; i < kHeaderCount; ++i) CopyText(st.headers[i], sizeof st.headers[i], GetMessage(kMsgFirstCatalogueHeader + i));
}

// Reports a family overflow once the whole file was read.
void ReportFamilyOverflow() {
    if (gCatalogue.familyOverflow) ReportMessage(GetMessage(kMsgFamilyOverflow));
}

// Parses a whole catalogue text into the (already emptied) catalogue.
void ParseCatalogueText(const char* text, size_t length) {
    LoaderState st;
    LoadHeaders(st);
    const char* end = static_cast<const char*>(std::memchr(text, '\0', length));
    if (end == nullptr) end = text + length;
    const char* p = text;
    char line[kLineBufferSize];
    while (p < end) {
        const char* lf = static_cast<const char*>(std::memchr(p, '\n', size_t(end - p)));
        const char* lineEnd = lf != nullptr ? lf : end;
        size_t n = size_t(lineEnd - p);
        if (n > kLineBufferSize - 1) n = kLineBufferSize - 1;
        std::memcpy(line, p, n);
        line[n] = '\0';
        if (char* cr = std::strchr(line, '\r')) *cr = '\0';
        ProcessLine(st, line);
        if (lf == nullptr) break;
        p = lf + 1;
    }
    // The end of the file closes the last section as an empty line would.
    if (st.section != Section::None) CloseSection(st);
}

// True when the catalogue holds at least one tile type.
bool HasTileTypes() {
    for (const TileFamily& f : gCatalogue.families)
        if (f.typeCount > 0) return true;
    return false;
}

// Reads a whole regular file into buffer; false when it is missing, not a regular file or unreadable.
bool ReadRegularFile(const char* path, std::vector<char>& buffer) {
    std::error_code ec;
    const bool regular = std::filesystem::is_regular_file(path, ec);  // a folder or device is no catalogue
    if (ec || !regular) return false;
    const std::uintmax_t size = std::filesystem::file_size(path, ec);
    if (ec) return false;
    std::ifstream file(path, std::ios::binary);
    if (!file) return false;
    try {
        buffer.resize(size_t(size));
    } catch (const std::exception&) {
        return false;  // a file too large to hold in memory cannot be the catalogue
    }
    if (size > 0) file.read(buffer.data(), std::streamsize(size));
    buffer.resize(size_t(file.gcount() > 0 ? file.gcount() : 0));
    return !file.bad();
}

}  // namespace

void ClearCatalogue() { std::memset(&gCatalogue, 0, sizeof gCatalogue); }

bool CatalogueCleared() {
    const unsigned char* bytes = reinterpret_cast<const unsigned char*>(&gCatalogue);
    return std::all_of(bytes, bytes + sizeof gCatalogue, [](unsigned char b) { return b == 0; });
}

void LoadCatalogueText(const char* text, size_t length) {
    ClearCatalogue();
    if (text == nullptr || length == 0) return;
    ParseCatalogueText(text, length);
    ReportFamilyOverflow();
}

void LoadCatalogueFile(const char* path) {
    ClearCatalogue();
    std::vector<char> buffer;
    if (!ReadRegularFile(path, buffer)) {
        ReportCatalogueLine(kTextCatalogueMissing, path);
        return;
    }
    if (!buffer.empty()) {
        ParseCatalogueText(buffer.data(), buffer.size());
        ReportFamilyOverflow();
    }
    if (!HasTileTypes()) ReportCatalogueLine(kTextCatalogueEmpty, path);
}

void LoadCatalogue() {
    std::string path = gState.addOnFolder;
    path += kCatalogueFileName;
    LoadCatalogueFile(path.c_str());
}

const TileType* TileTypeAt(int family, int type) {
    if (family < 0 || family >= kMaxFamilies) return nullptr;
    const TileFamily& f = gCatalogue.families[family];
    if (type < 0 || type >= f.typeCount) return nullptr;
    return &f.types[type];
}

const TileType* FindTileType(const char* code, int* familyIndex, int* typeIndex) {
    for (int f = 0; f < kMaxFamilies; ++f) {
        const TileFamily& fam = gCatalogue.families[f];
        for (int t = 0; t < fam.typeCount; ++t) {
            if (std::strcmp(fam.types[t].code, code) != 0) continue;
            if (familyIndex) *familyIndex = f;
            if (typeIndex) *typeIndex = t;
            return &fam.types[t];
        }
    }
    return nullptr;
}

const ColouredKind* FindColouredKind(const ColouredKind* kinds, int32_t count, const char* code) {
    for (int32_t i = 0; i < count; ++i)
        if (std::strcmp(kinds[i].code, code) == 0) return &kinds[i];
    return nullptr;
}

double LowestTileTypeMinPitch() {
    double lowest = 0;
    for (int f = 0; f < kMaxFamilies; ++f)
        for (int t = 0; t < gCatalogue.families[f].typeCount && t < kTypeSlotsPerFamily; ++t) {
            const double pitch = gCatalogue.typeMinPitchDeg[f][t];
            // a pitch the line gives, lower than any found so far
            if (pitch > 0 && (lowest == 0 || pitch < lowest)) lowest = pitch;
        }
    return lowest;
}

double TileTypeMinPitch(const char* code) {
    int family = 0, type = 0;
    if (FindTileType(code, &family, &type) == nullptr) return 0;
    return gCatalogue.typeMinPitchDeg[family][type];
}
