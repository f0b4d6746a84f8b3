// Purpose: the edge codes of the roof model (EdgeStatus, EdgeKind, DummyStatus) and their mappings.
#pragma once

#include <cstdint>

// What an edge is on the roof, per edge of a RoofPlane (edgeStatus).
enum EdgeStatus : int16_t {
    kStatusNoEdge = -1,           // the vertex closes a contour
    kStatusEave = 11,
    kStatusShedTop = 12,          // top of a single-slope roof
    kStatusShedTopNoTiles = 13,   // the same without ridge tiles (user only)
    kStatusVerge = 21,
    kStatusFreeSloped = 22,
    kStatusRidge = 31,
    kStatusSlopeBreak = 32,
    kStatusNearFlatHorizontal = 33,  // also a ridge without ridge tiles
    kStatusHip = 41,
    kStatusValley = 42,
    kStatusNearFlatSloped = 43,      // also a hip without ridge tiles
    kStatusHoleLower = 51,
    kStatusHoleUpper = 52,
    kStatusHoleSloped = 53,
    kStatusHoleSharedLower = 54,
    kStatusHoleSharedUpper = 55,
    kStatusHoleSharedSloped = 56,
    kStatusUnclassified = 111,
    kStatusWallEave = 131,
    kStatusWallTop = 132,
    kStatusWallVerge = 141,
    kStatusWallVergeSide = 142,
    kStatusWallHoleLower = 231,
    kStatusWallHoleUpper = 232,
    kStatusWallHoleSloped = 241,
    kStatusWallHoleSlopedSide = 242,
};

// The geometric kind of an edge (edgeKind), kept so a user's choice can be mapped back.
enum EdgeKind : int16_t {
    kKindNone = 0,
    kKindFreeUpper = 1,
    kKindFreeLower = 2,
    kKindFreeFallLine = 3,
    kKindFreeSloped = 4,
    kKindSharedConvexHorizontal = 10,
    kKindSharedBreakHorizontal = 11,
    kKindSharedConvexSloped = 12,
    kKindSharedConcaveSloped = 13,
    kKindSharedNearFlatSloped = 14,
    kKindHoleUpper = 20,
    kKindHoleLower = 21,
    kKindHoleSloped = 22,
};

// The 14 edge types offered on an edge-setter object.
enum DummyStatus : int16_t {
    dummystatus_ridge_without_tiles = 1,
    dummystatus_ridge_with_tiles = 2,
    dummystatus_shed_without_tiles = 3,
    dummystatus_shed_with_tiles = 4,
    dummystatus_hip_without_tiles = 5,
    dummystatus_hip_with_tiles = 6,
    dummystatus_gable = 7,
    dummystatus_eaves = 8,
    dummystatus_valley = 9,
    dummystatus_wall = 10,
    dummystatus_dome = 11,
    dummystatus_hollow = 12,
    dummystatus_skylight = 13,
    dummystatus_free = 14,
};

// The edge type an edge setter shows for an edge status.
int16_t DummyStatusOf(int16_t edgeStatus);

// The edge status for an edge type chosen by the user; the edge's kind decides where the type
// alone does not.
int16_t EdgeStatusOf(int16_t dummyStatus, int16_t edgeKind);
