// Purpose: the edge codes of the roof model (EdgeStatus, EdgeKind, DummyStatus) and their mappings.
#include "polytopo/EdgeCodes.h"

#include "polytopo/EdgeGroups.h"

int16_t DummyStatusOf(int16_t edgeStatus) {
    // The setter has no fold at hand: a fold-dependent status shows as a positive break. A stored
    // shed top without ridge tiles shows as a free edge there (the roofer's type tells it apart).
    if (edgeStatus == kStatusShedTopNoTiles) return dummystatus_free;
    return int16_t(RooferTypeOf(edgeStatus, kFoldUnknown));
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
