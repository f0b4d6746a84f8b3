// Purpose: the edge statuses grouped as a roofer counts them (eave, verge, ridge, hip, valley,
// break, wall junction, hole edge), and the roofer's name of an edge from its stored status
// together with how its two planes fold. Defined once here, beside the codes in EdgeCodes.h;
// the object library, the placement and the program all read the groups from this list.
#pragma once

#include <cstdint>

#include "polytopo/EdgeCodes.h"

// What a roofer measures an edge as.
enum EdgeGroup : int8_t {
    kGroupEave,
    kGroupTopEdge,       // free top of a single-slope roof
    kGroupVerge,
    kGroupRidge,
    kGroupHip,
    kGroupValley,
    kGroupBreak,         // slope break, positive or negative
    kGroupWallJunction,  // an edge along a wall, a chimney or a fill
    kGroupHoleEdge,      // the edge of a skylight or other roof opening
    kGroupOther,         // not classified, free-standing
    kEdgeGroupCount
};

// How the two planes of a shared edge meet, measured on the roof. Unknown where the geometry is
// not at hand (one plane alone): the status alone then decides.
enum EdgeFold : int8_t {
    kFoldUnknown = 0,
    kFoldRidge = 1,    // convex, and the highest edge of both planes: water runs off both ways
    kFoldConvex = 2,   // convex, the planes fall the same way (a mansard's break)
    kFoldConcave = 3,  // concave (a kicked eave's break)
};

// The first and last wall-junction status a wall or fill step writes (131...242), and the block
// the edge-type mapping accepts as wall junctions though nothing writes it (331...442).
constexpr int kFirstWallStatus = kStatusWallEave;
constexpr int kLastWallStatus = kStatusWallHoleSlopedSide;
constexpr int kFirstForeignWallStatus = 331;
constexpr int kLastForeignWallStatus = 442;

// True for an edge along a wall, a chimney or a fill.
constexpr bool IsWallJunction(int status) {
    // statuses of the accepted wall blocks have a tens digit of 3 or 4 (x31, x32, x41, x42)
    const int tail = status % 100;
    const bool wallTail = tail == 31 || tail == 32 || tail == 41 || tail == 42;
    const bool written = status >= kFirstWallStatus && status <= kLastWallStatus;
    const bool accepted = status >= kFirstForeignWallStatus && status <= kLastForeignWallStatus;
    return wallTail && (written || accepted);
}

// True for an edge of a hole contour (skylight, chimney opening), free or shared.
constexpr bool IsHoleEdge(int status) { return status >= kStatusHoleLower && status <= kStatusHoleSharedSloped; }

// True for a free lower edge of the roof: an eave (not one along a wall).
constexpr bool IsEave(int status) { return status == kStatusEave; }

// True for a verge: a free sloped edge of the outer contour (not one along a wall).
constexpr bool IsVerge(int status) { return status == kStatusVerge || status == kStatusFreeSloped; }

// True for a free top edge of a single-slope roof, with or without ridge tiles.
constexpr bool IsTopEdge(int status) { return status == kStatusShedTop || status == kStatusShedTopNoTiles; }

// True for the statuses whose edge carries ridge tiles: a single-slope roof's top, a ridge, a hip.
constexpr bool CarriesRidgeTiles(int status) {
    return status == kStatusShedTop || status == kStatusRidge || status == kStatusHip;
}

// True for the statuses of an edge that two planes share (each plane counts half of it).
constexpr bool IsSharedStatus(int status) {
    const bool levelShared = status >= kStatusRidge && status <= kStatusNearFlatHorizontal;  // ridge, breaks
    const bool slopedShared = status >= kStatusHip && status <= kStatusNearFlatSloped;       // hip, valley, fold
    const bool holeShared = status >= kStatusHoleSharedLower && status <= kStatusHoleSharedSloped;
    return levelShared || slopedShared || holeShared;
}

// True for the statuses whose meaning depends on the fold: a ridge or hip chosen without ridge
// tiles is stored like a slight fold of the roof.
constexpr bool IsFoldDependent(int status) {
    return status == kStatusSlopeBreak || status == kStatusNearFlatHorizontal || status == kStatusNearFlatSloped;
}

// The roofer's edge type (the 14 types of the edge setter, DummyStatus) of a stored status and
// the fold of its planes. Where the fold is unknown a fold-dependent status reads as a positive
// break, as the edge setter shows it.
constexpr int RooferTypeOf(int status, EdgeFold fold) {
    if (IsFoldDependent(status)) {
        const bool level = status != kStatusNearFlatSloped;
        // a ridge stored as a break: 33 is what "ridge without ridge tiles" becomes (32 is a
        // positive break the user chose on a ridge, and stays one)
        if (fold == kFoldRidge && status == kStatusNearFlatHorizontal) return dummystatus_ridge_without_tiles;
        // a hip stored as a fold: convex and not a break between planes falling the same way
        if (fold == kFoldRidge && !level) return dummystatus_hip_without_tiles;
        return fold == kFoldConcave ? dummystatus_hollow : dummystatus_dome;
    }
    if (status == kStatusShedTopNoTiles) return dummystatus_shed_without_tiles;
    if (status == kStatusShedTop) return dummystatus_shed_with_tiles;
    if (status == kStatusEave) return dummystatus_eaves;
    if (IsVerge(status)) return dummystatus_gable;
    if (status == kStatusRidge) return dummystatus_ridge_with_tiles;
    if (status == kStatusHip) return dummystatus_hip_with_tiles;
    if (status == kStatusValley) return dummystatus_valley;
    if (IsHoleEdge(status)) return dummystatus_skylight;
    if (IsWallJunction(status)) return dummystatus_wall;
    return dummystatus_free;
}

// The group a roofer counts an edge in, from its status and the fold of its planes.
constexpr EdgeGroup GroupOf(int status, EdgeFold fold) {
    switch (RooferTypeOf(status, fold)) {
        case dummystatus_eaves: return kGroupEave;
        case dummystatus_shed_with_tiles:
        case dummystatus_shed_without_tiles: return kGroupTopEdge;
        case dummystatus_gable: return kGroupVerge;
        case dummystatus_ridge_with_tiles:
        case dummystatus_ridge_without_tiles: return kGroupRidge;
        case dummystatus_hip_with_tiles:
        case dummystatus_hip_without_tiles: return kGroupHip;
        case dummystatus_valley: return kGroupValley;
        case dummystatus_dome:
        case dummystatus_hollow: return kGroupBreak;
        case dummystatus_wall: return kGroupWallJunction;
        case dummystatus_skylight: return kGroupHoleEdge;
        default: return kGroupOther;
    }
}

// The number of roofer's edge types (1..kRooferTypeCount).
constexpr int kRooferTypeCount = 14;

// The roofer's name of an edge type 1..14 (UTF-8, Hungarian as the user reads it); "" outside.
constexpr const char* RooferName(int type) {
    constexpr const char* kNames[kRooferTypeCount] = {
        "gerinc (gerincelem nélkül)",
        "gerinc (gerincelemmel)",
        "félnyereg gerinc (gerincelem nélkül)",
        "félnyereg gerinc (gerincelemmel)",
        "élgerinc (gerincelem nélkül)",
        "élgerinc (gerincelemmel)",
        "oromszegély",
        "eresz",
        "vápa",
        "falcsatlakozás, kéményszegély",
        "pozitív törés",
        "negatív törés",
        "tetőablak",
        "szabadon álló",
    };
    return type >= 1 && type <= kRooferTypeCount ? kNames[type - 1] : "";
}
