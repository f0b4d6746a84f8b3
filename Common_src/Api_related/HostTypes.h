// Purpose: the records, codes and error values that the add-on and the host exchange.
//
// These are plain records, shared byte for byte by both sides of the plug-in boundary. They
// hold only the fields the add-on and the host stand-in need. Keep every record trivially
// copyable: the host copies them with memcpy and applies change masks byte by byte.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

// ---------------------------------------------------------------------------------------------
// Error codes: 32-bit signed, 0 is success.
// ---------------------------------------------------------------------------------------------
using GSErrCode = int32_t;

constexpr GSErrCode NoError = 0;
constexpr GSErrCode APIERR_GENERAL = static_cast<GSErrCode>(0x81060001u);
constexpr GSErrCode APIERR_MEMFULL = static_cast<GSErrCode>(0x81060002u);
constexpr GSErrCode APIERR_CANCEL = static_cast<GSErrCode>(0x81060003u);
constexpr GSErrCode APIERR_BADID = static_cast<GSErrCode>(0x81060065u);
constexpr GSErrCode APIERR_BADINDEX = static_cast<GSErrCode>(0x81060066u);
constexpr GSErrCode APIERR_BADNAME = static_cast<GSErrCode>(0x81060067u);
constexpr GSErrCode APIERR_BADPARS = static_cast<GSErrCode>(0x81060068u);
constexpr GSErrCode APIERR_BADPOLY = static_cast<GSErrCode>(0x81060069u);
constexpr GSErrCode APIERR_BADDATABASE = static_cast<GSErrCode>(0x8106006Au);
constexpr GSErrCode APIERR_BADWINDOW = static_cast<GSErrCode>(0x8106006Bu);
constexpr GSErrCode APIERR_BADKEYCODE = static_cast<GSErrCode>(0x8106006Cu);
constexpr GSErrCode APIERR_BADPLANE = static_cast<GSErrCode>(0x8106006Eu);
constexpr GSErrCode APIERR_BADUSERID = static_cast<GSErrCode>(0x8106006Fu);
constexpr GSErrCode APIERR_NO3D = static_cast<GSErrCode>(0x810600C9u);
constexpr GSErrCode APIERR_NOMORE = static_cast<GSErrCode>(0x810600CAu);
constexpr GSErrCode APIERR_NOPLAN = static_cast<GSErrCode>(0x810600CBu);
constexpr GSErrCode APIERR_NOLIB = static_cast<GSErrCode>(0x810600CCu);
constexpr GSErrCode APIERR_NOLIBSECT = static_cast<GSErrCode>(0x810600CDu);
constexpr GSErrCode APIERR_NOSEL = static_cast<GSErrCode>(0x810600CEu);
constexpr GSErrCode APIERR_NOTEDITABLE = static_cast<GSErrCode>(0x810600CFu);
constexpr GSErrCode APIERR_NOUSERDATA = static_cast<GSErrCode>(0x810600DCu);
constexpr GSErrCode APIERR_MOREUSER = static_cast<GSErrCode>(0x810600DDu);
constexpr GSErrCode APIERR_WINDEXIST = static_cast<GSErrCode>(0x810600E0u);
constexpr GSErrCode APIERR_WINDNOTEXIST = static_cast<GSErrCode>(0x810600E1u);
constexpr GSErrCode APIERR_ATTREXIST = static_cast<GSErrCode>(0x8106012Du);
constexpr GSErrCode APIERR_DELETED = static_cast<GSErrCode>(0x8106012Eu);
constexpr GSErrCode APIERR_LOCKEDLAY = static_cast<GSErrCode>(0x8106012Fu);
constexpr GSErrCode APIERR_HIDDENLAY = static_cast<GSErrCode>(0x81060130u);
constexpr GSErrCode APIERR_NOTMINE = static_cast<GSErrCode>(0x81060132u);
constexpr GSErrCode APIERR_MODULNOTINSTALLED = static_cast<GSErrCode>(0x81060191u);
constexpr GSErrCode APIERR_MODULCMDNOTSUPPORTED = static_cast<GSErrCode>(0x81060193u);
constexpr GSErrCode APIERR_MODULCMDVERSNOTSUPPORTED = static_cast<GSErrCode>(0x81060194u);
constexpr GSErrCode APIERR_NOTINIT = static_cast<GSErrCode>(0x81060385u);
constexpr GSErrCode APIERR_NESTING = static_cast<GSErrCode>(0x81060386u);
constexpr GSErrCode APIERR_NOTSUPPORTED = static_cast<GSErrCode>(0x81060387u);
constexpr GSErrCode APIERR_REFUSEDCMD = static_cast<GSErrCode>(0x81060388u);
constexpr GSErrCode APIERR_REFUSEDPAR = static_cast<GSErrCode>(0x81060389u);
// The host answers this when a placed object's library part is no longer loaded.
constexpr GSErrCode APIERR_LIBPARTMISSING = static_cast<GSErrCode>(0x810603EAu);

// Four-character operation codes ('ISSG', 'GSTO', ...), built without multi-character literals.
constexpr uint32_t FourCC(const char (&s)[5]) {
    return (uint32_t(uint8_t(s[0])) << 24) | (uint32_t(uint8_t(s[1])) << 16) |
           (uint32_t(uint8_t(s[2])) << 8) | uint32_t(uint8_t(s[3]));
}

// ACAPI_Environment codes.
constexpr uint32_t APIEnv_IsSuspendGroupOnID = FourCC("ISSG");  // par1: bool* (out)
constexpr uint32_t APIEnv_GetStorySettingsID = FourCC("GSTO");  // par1: API_StoryInfo* (out; release data with BMKillHandle)
constexpr uint32_t APIEnv_GetLibrariesID = FourCC("GLIB");      // par1: GSHandle* (out) of API_LibraryInfo records
constexpr uint32_t APIEnv_AddLibrariesID = FourCC("ALIB");      // par1: const API_LibraryInfo*
// ACAPI_Element_Tool codes.
constexpr uint32_t APITool_SuspendGroups = FourCC("SUSP");   // toggles group suspension; no elements
constexpr uint32_t APITool_Ungroup = FourCC("UGRP");         // ungroups the listed elements
constexpr uint32_t APITool_Group = FourCC("GRUP");           // groups the listed elements
constexpr uint32_t APITool_BringToFront = FourCC("OFR0");    // draw order: bring to front
// ACAPI_Automate codes.
constexpr uint32_t APIDo_RedrawID = FourCC("RDRW");
// ACAPI_Goodies codes.
constexpr uint32_t APIAny_NeigIDToElemTypeID = FourCC("NTOE");  // par1: const API_Neig*, par2: API_ElemTypeID* (out)
constexpr uint32_t APIAny_RunGDLParScriptID = FourCC("RPAS");   // par1: const API_Elem_Head*, par2: (void*)(intptr_t) options
// ACAPI_Database codes.
constexpr uint32_t APIDb_GetElementInfoStringID = FourCC("GEIS");  // par1: const API_Guid*, par2: char[256] (out, UTF-8)
// ACAPI_Interface codes.
constexpr uint32_t APIIo_SetUserControlCallbackID = FourCC("SUCC");  // par1: API_UCCallbackType*
constexpr uint32_t APIIo_GetPointID = FourCC("IPOI");                // par1: API_GetPointType*, par2: RubberLineCallback (may be null)
constexpr uint32_t APIIo_DrawRubberLineID = FourCC("DRLI");          // par1: const API_RubberLineType*

// ---------------------------------------------------------------------------------------------
// Memory handles. A handle is a pointer to a master pointer; the block may move when it grows.
// ---------------------------------------------------------------------------------------------
using GSPtr = char*;
using GSHandle = char**;
using GSConstHandle = const char* const*;
constexpr int32_t ALLOCATE_CLEAR = 1;  // BMAllocateHandle / BMReallocHandle flag: zero the new bytes

// ---------------------------------------------------------------------------------------------
// Identifiers and geometry.
// ---------------------------------------------------------------------------------------------
struct API_Guid {
    uint64_t hi = 0;
    uint64_t lo = 0;
};
inline bool operator==(const API_Guid& a, const API_Guid& b) { return a.hi == b.hi && a.lo == b.lo; }
inline bool operator!=(const API_Guid& a, const API_Guid& b) { return !(a == b); }
inline bool IsNullGuid(const API_Guid& g) { return g.hi == 0 && g.lo == 0; }
constexpr API_Guid APINULLGuid{};

struct API_Coord {
    double x = 0, y = 0;
};
struct API_Coord3D {
    double x = 0, y = 0, z = 0;
};

// ---------------------------------------------------------------------------------------------
// Elements.
// ---------------------------------------------------------------------------------------------
enum API_ElemTypeID : int32_t {
    API_ZombieElemID = 0,
    API_WallID = 1,
    API_ObjectID = 6,
    API_RoofID = 9,
    API_HatchID = 18,  // a fill
    API_HotspotID = 20,
};

struct API_Elem_Head {
    API_ElemTypeID typeID = API_ZombieElemID;
    API_Guid guid;
    int16_t layer = 1;     // layer attribute index
    int16_t floorInd = 0;  // home story index
    uint32_t groupId = 0;  // host-owned: the group the element belongs to (0 none)
};

struct API_ObjectType {
    int32_t libInd = 0;        // index of the library part (ACAPI_LibPart_Search)
    API_Coord pos;             // plan position, metres
    double angle = 0;          // rotation, radians
    double level = 0;          // elevation above the home story, metres
    double xRatio = 1;         // A size
    double yRatio = 1;         // B size
    bool reflected = false;    // mirrored
    bool useObjSectAttrs = false;
    int16_t pen = 1;
};

enum API_RoofStructure : int32_t {
    API_BasicStructure = 0,
    API_CompositeStructure = 1,
    API_ProfileStructure = 2,
};

struct API_RoofType {
    double thickness = 0.3;
    API_RoofStructure modelElemStructureType = API_BasicStructure;
    int32_t buildingMaterial = 1;  // basic structure: building material attribute index
    int32_t composite = 0;         // composite structure: composite attribute index
    bool overrideTopMaterial = false;
    bool overrideSideMaterial = false;
    bool overrideBotMaterial = false;
    int32_t topMat = 0;   // material attribute indices of the overrides
    int32_t sideMat = 0;
    int32_t botMat = 0;
    bool materialsChained = false;  // top, side and bottom overrides chained together
};

struct API_WallType {
    double bottomOffset = 0;  // from the home story's level
    double height = 3;
    int32_t polyArcCount = 0;  // arc segments of the footprint; a wall with arcs is curved
};

struct API_HotspotType {
    API_Coord3D pos;
    int16_t pen = 1;
};

// One record for every element kind; only the part that matches header.typeID is meaningful.
struct API_Element {
    API_Elem_Head header;
    API_ObjectType object;
    API_RoofType roof;
    API_WallType wall;
    API_HotspotType hotspot;
};

// Change mask helpers: a mask record with a field's bytes all set marks that field as changed.
constexpr uint8_t ACAPI_ELEMENT_MASK_BYTE = 0xFF;
inline void ACAPI_ELEMENT_MASK_CLEAR(API_Element& mask) { std::memset(static_cast<void*>(&mask), 0, sizeof mask); }
inline void ACAPI_ELEMENT_MASK_SETFULL(API_Element& mask) { std::memset(static_cast<void*>(&mask), 0xFF, sizeof mask); }
template <typename Field>
inline void ACAPI_ELEMENT_MASK_SETFIELD(Field& field) { std::memset(static_cast<void*>(&field), 0xFF, sizeof field); }

// A placed library part's parameter ("additional parameter").
enum API_AddParID : int32_t {
    APIParT_Integer = 1,
    APIParT_Length = 2,
    APIParT_Angle = 3,
    APIParT_RealNum = 4,
    APIParT_LightSw = 5,
    APIParT_ColRGB = 6,
    APIParT_Intens = 7,
    APIParT_LineTyp = 8,
    APIParT_Mater = 9,
    APIParT_FillPat = 10,
    APIParT_PenCol = 11,
    APIParT_CString = 12,
    APIParT_Boolean = 13,
    APIParT_Separator = 14,
    APIParT_Title = 15,
};
constexpr int32_t API_ParSimple = 0;
constexpr int32_t API_ParArray = 2;
constexpr uint32_t API_ParFlg_Hidden = 1u << 0;
constexpr uint32_t API_ParFlg_BoldName = 1u << 1;

constexpr int32_t API_NameLen = 32;
constexpr int32_t API_UAddParStrLen = 256;

struct API_AddParType {
    char name[API_NameLen] = {};
    API_AddParID typeID = APIParT_RealNum;
    int32_t typeMod = API_ParSimple;  // API_ParSimple or API_ParArray
    uint32_t flags = 0;
    int32_t dim1 = 0;  // arrays: rows
    int32_t dim2 = 0;  // arrays: columns
    double real = 0;                              // simple numeric value
    char16_t uStr[API_UAddParStrLen] = {};        // simple text value (host Unicode)
    GSHandle array = nullptr;  // arrays: dim1*dim2 doubles (numeric) or dim1*dim2 zero-terminated char16_t texts packed one after the other (text)
};

// The variable-size data of an element.
struct API_ElementMemo {
    API_AddParType** params = nullptr;  // library part parameters (count = handle size / record size)
    API_Coord** coords = nullptr;       // polygon points, 1-based: coords[0][0] is unused, [1..n] the closed ring
    char elemInfoString[256] = {};      // element ID (UTF-8)
};
constexpr uint64_t APIMemoMask_AddPars = 1u << 0;
constexpr uint64_t APIMemoMask_Polygon = 1u << 1;
constexpr uint64_t APIMemoMask_ElemInfoString = 1u << 2;
constexpr uint64_t APIMemoMask_All = ~uint64_t(0);

// ---------------------------------------------------------------------------------------------
// Selection, stories, libraries.
// ---------------------------------------------------------------------------------------------
enum API_SelTypeID : int32_t {
    API_SelEmpty = 0,
    API_SelElems = 1,
    API_MarqueePoly = 2,
};
struct API_SelectionInfo {
    API_SelTypeID typeID = API_SelEmpty;
    int32_t sel_nElem = 0;
};
struct API_Neig {
    API_Guid guid;
};

struct API_StoryType {
    int16_t index = 0;
    double level = 0;
};
struct API_StoryInfo {
    int16_t firstStory = 0;
    int16_t lastStory = 0;
    int16_t actStory = 0;
    GSHandle data = nullptr;  // API_StoryType records, firstStory..lastStory in order
};

constexpr int32_t API_PathLen = 1024;
struct API_LibraryInfo {
    char location[API_PathLen] = {};  // file or folder path
    bool builtIn = false;
};

enum API_LibTypeID : int32_t {
    APILib_ObjectID = 4,
};
struct API_LibPart {
    int32_t index = 0;
    API_LibTypeID typeID = APILib_ObjectID;
    char ownUnID[128] = {};   // "{main}-{revision}"
    char docuName[128] = {};  // the part's name (UTF-8)
    char fileName[256] = {};
};

// ---------------------------------------------------------------------------------------------
// Attributes.
// ---------------------------------------------------------------------------------------------
enum API_AttrTypeID : int32_t {
    API_LayerID = 1,
    API_MaterialID = 2,
    API_BuildingMaterialID = 3,
    API_CompWallID = 4,
};
struct API_Attribute {
    API_AttrTypeID typeID = API_MaterialID;
    int32_t index = 0;
    char name[256] = {};
    int32_t surfaceMaterial = 0;  // building material: its surface material index
    int32_t nSkins = 0;           // composite: number of skins
};
struct API_CWallComponent {
    int32_t buildingMaterial = 0;
    double thickness = 0;
};
struct API_AttributeDef {
    API_CWallComponent** cwall_compItems = nullptr;  // composite skins
};

// ---------------------------------------------------------------------------------------------
// The 3D model of an element: bodies made of polygons, polygon edges, edges, vertices, normal
// vectors and materials. Indices are 1-based; a body's components are numbered within the body.
// ---------------------------------------------------------------------------------------------
struct API_ElemInfo3D {
    int32_t fbody = 0;
    int32_t lbody = -1;
};
enum API_3DTypeID : int32_t {
    API_BodyID = 1,
    API_PgonID = 2,
    API_PedgID = 3,
    API_EdgeID = 4,
    API_VertID = 5,
    API_VectID = 6,
    API_UmatID = 7,
};
struct API_Component3D {
    struct {
        API_3DTypeID typeID = API_BodyID;
        int32_t index = 0;
    } header;
    struct {
        int32_t nPgon = 0, nPedg = 0, nEdge = 0, nVert = 0, nVect = 0;
    } body;
    struct {
        int32_t fpedg = 0, lpedg = 0;  // range of the polygon's entries in the polygon-edge list
        int32_t ivect = 0;             // normal vector index; negative: the vector negated
        int32_t iumat = 0;             // material index (API_UmatID)
    } pgon;
    struct {
        int32_t pedg = 0;  // signed edge index; 0 separates contours
    } pedg;
    struct {
        int32_t vert1 = 0, vert2 = 0;
    } edge;
    struct {
        double x = 0, y = 0, z = 0;
    } vert, vect;
    struct {
        char name[256] = {};  // the material's name
    } umat;
    int32_t bodyIndex = 0;  // which body the component belongs to (set by the caller for non-body reads)
};

// ---------------------------------------------------------------------------------------------
// Menus, point input, user controls.
// ---------------------------------------------------------------------------------------------
struct API_MenuParams {
    struct {
        int16_t menuResID = 0;
        int16_t itemIndex = 0;
    } menuItemRef;
};
using APIMenuCommandProc = GSErrCode (*)(const API_MenuParams* menuParams);
using APICommandProc = GSErrCode (*)(void* context);

struct API_GetPointType {
    char prompt[256] = {};
    API_Coord3D pos;  // out: the picked point
};
struct API_RubberLineType {
    API_Coord3D c1;
    API_Coord3D c2;
    int16_t drawMode = 0;
};
struct API_RubberLineInfo {
    API_Coord3D actCoord;  // the cursor
};
using RubberLineInfoProc = void (*)(const API_RubberLineInfo* info);

enum API_UserControlKind : int32_t {
    APIUserControlType_Pen = 0,
    APIUserControlType_Layer = 18,
};
struct API_UCCallbackType {
    int16_t dialogID = 0;
    int16_t itemID = 0;
    API_UserControlKind type = APIUserControlType_Pen;
};

// ---------------------------------------------------------------------------------------------
// Add-on environment and export record.
// ---------------------------------------------------------------------------------------------
struct API_EnvirParams {
    char addOnName[256] = {};
    char addOnDescription[512] = {};
};
enum API_AddonType : int32_t {
    APIAddon_DontRegister = 0,
    APIAddon_Normal = 1,
};

// The add-on's resources as linked into the module (its "resource fork"): typed, numbered blobs.
struct ResourceEntry {
    uint32_t type;  // FourCC: 'STRS' string lists, 'DLGR' dialogs, 'LIBP' library parts, ...
    int32_t id;
    const unsigned char* data;
    uint32_t size;
};
struct ResourceFork {
    uint32_t count;
    const ResourceEntry* entries;
};
constexpr uint32_t ResType_Strings = FourCC("STRS");
constexpr uint32_t ResType_Dialog = FourCC("DLGR");
constexpr uint32_t ResType_LibPart = FourCC("LIBP");

// ---------------------------------------------------------------------------------------------
// Scripts of the add-on's own library parts (the edge setter): the add-on registers them with
// Register_LibPartScripts and the host runs them as the part's parameter script and 2D script.
// ---------------------------------------------------------------------------------------------
// Why a parameter script runs.
struct LibPartParamScriptEnv {
    const char* changedName = "";  // name of the parameter the user changed last ("" none)
    bool settingsDialog = false;   // the script runs for the object's settings dialog
    int32_t uiButtonId = 0;        // settings dialog: the button the user pressed (0 none)
};
// The view a 2D script draws for.
struct LibPartDrawEnv {
    double objectAngle = 0;      // the placed object's rotation, radians
    bool mirrored = false;       // the placed object is mirrored
    double viewRotation = 0;     // the plan view's rotation, radians
    double drawingScale = 100;   // the plan's scale is 1 : drawingScale
};
// Hotspot roles: a plain hotspot, or one of the three points of an editable (draggable) one.
constexpr int32_t LibPartHotspot_Plain = 0;
constexpr int32_t LibPartHotspot_Base = 1;
constexpr int32_t LibPartHotspot_Moving = 2;
constexpr int32_t LibPartHotspot_Reference = 3;
// Receives a 2D script's drawing primitives, in the object's own coordinates (metres, before the
// object's position, rotation and mirroring are applied); angles in radians. Null entries are
// not called.
struct LibPartDrawSink {
    void* context = nullptr;
    void (*line)(void* context, API_Coord from, API_Coord to, int16_t pen) = nullptr;
    void (*arc)(void* context, API_Coord centre, double radius, double startAngle, double endAngle, int16_t pen) = nullptr;
    void (*circle)(void* context, API_Coord centre, double radius, int16_t pen) = nullptr;
    void (*polygon)(void* context, const API_Coord* points, int32_t count, int16_t contourPen, int32_t fillType,
                    int16_t fillPen, int16_t fillBackPen) = nullptr;
    void (*text)(void* context, API_Coord at, double angle, double sizeMm, const char* utf8, int16_t pen) = nullptr;
    // paramName / paramIndex (1-based array element, 0 simple) name the parameter an editable
    // hotspot changes; null for a plain hotspot.
    void (*hotspot)(void* context, API_Coord at, int32_t role, const char* paramName, int32_t paramIndex) = nullptr;
};
// The scripts of one library part. Both get the placed object's parameter list (a handle of
// API_AddParType records); the parameter script may change values in place.
struct LibPartScriptHooks {
    GSErrCode (*parameterScript)(API_AddParType** params, const LibPartParamScriptEnv* env) = nullptr;
    GSErrCode (*draw2D)(API_AddParType** params, const LibPartDrawEnv* env, const LibPartDrawSink* sink) = nullptr;
    // The text the part shows for one value of a parameter's value list (its settings dialog's
    // pop-up entries): writes UTF-8 into `text` and returns true, or false for no text.
    bool (*valueText)(const char* paramName, double value, char* text, int32_t textSize) = nullptr;
};
