// Purpose: the edge codes of the roof model (EdgeStatus, EdgeKind, DummyStatus) and their mappings.
#include "polytopo/EdgeCodes.h"

int16_t DummyStatusOf(int16_t edgeStatus) {
    switch (edgeStatus) {
        case 11: return dummystatus_eaves;
        case 12: return dummystatus_shed_with_tiles;
        case 21:
        case 22: return dummystatus_gable;
        case 31: return dummystatus_ridge_with_tiles;
        case 32:
        case 33:
        case 43: return dummystatus_dome;
        case 41: return dummystatus_hip_with_tiles;
        case 42: return dummystatus_valley;
        case 51:
        case 52:
        case 53:
        case 54:
        case 55:
        case 56: return dummystatus_skylight;
        case 131:
        case 132:
        case 141:
        case 142:
        case 231:
        case 232:
        case 241:
        case 242:
        case 331:
        case 332:
        case 341:
        case 342:
        case 431:
        case 432:
        case 441:
        case 442: return dummystatus_wall;
        default: return dummystatus_free;
    }
}

int16_t EdgeStatusOf(int16_t dummyStatus, int16_t edgeKind) {
    switch (dummyStatus) {
        case dummystatus_ridge_without_tiles: return kStatusNearFlatHorizontal;
        case dummystatus_ridge_with_tiles: return kStatusRidge;
        case dummystatus_shed_without_tiles: return kStatusShedTopNoTiles;
        case dummystatus_shed_with_tiles: return kStatusShedTop;
        case dummystatus_hip_without_tiles: return kStatusNearFlatSloped;
        case dummystatus_hip_with_tiles: return kStatusHip;
        case dummystatus_gable: return edgeKind == kKindFreeFallLine ? kStatusVerge : kStatusFreeSloped;
        case dummystatus_eaves: return kStatusEave;
        case dummystatus_valley: return kStatusValley;
        case dummystatus_wall: return kStatusWallEave;
        case dummystatus_dome:
        case dummystatus_hollow:
            switch (edgeKind) {
                // A break chosen on an outer eave or top edge is a horizontal break of an
                // outer edge, not an edge of a hole.
                case kKindFreeUpper:
                case kKindFreeLower: return kStatusSlopeBreak;
                case kKindHoleUpper: return kStatusHoleSharedUpper;
                case kKindHoleLower: return kStatusHoleSharedLower;
                case kKindHoleSloped: return kStatusHoleSharedSloped;
                case kKindSharedConvexHorizontal: return kStatusSlopeBreak;
                case kKindSharedBreakHorizontal: return kStatusNearFlatHorizontal;
                default: return kStatusNearFlatSloped;
            }
        case dummystatus_skylight:
            switch (edgeKind) {
                case kKindFreeUpper:
                case kKindHoleUpper: return kStatusHoleUpper;
                case kKindFreeLower:
                case kKindHoleLower: return kStatusHoleLower;
                default: return kStatusHoleSloped;
            }
        default: return kStatusUnclassified;
    }
}
