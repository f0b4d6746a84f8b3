// Purpose: the catalogue loader (being written; for now the empty catalogue and its lookups).
#include "catalogue/Catalogue.h"

#include <cstring>

Catalogue gCatalogue;

void ClearCatalogue() { std::memset(&gCatalogue, 0, sizeof gCatalogue); }
void LoadCatalogue() { ClearCatalogue(); }
void LoadCatalogueFile(const char*) { ClearCatalogue(); }
void LoadCatalogueText(const char*, size_t) { ClearCatalogue(); }

const TileType* TileTypeAt(int family, int type) {
    if (family < 0 || family >= kMaxFamilies) return nullptr;
    const TileFamily& f = gCatalogue.families[family];
    if (type < 0 || type >= f.typeCount) return nullptr;
    return &f.types[type];
}

const TileType* FindTileType(const char* code, int* familyIndex, int* typeIndex) {
    for (int f = 0; f < kMaxFamilies; ++f)
        for (int t = 0; t < gCatalogue.families[f].typeCount; ++t)
            if (std::strcmp(gCatalogue.families[f].types[t].code, code) == 0) {
                if (familyIndex) *familyIndex = f;
                if (typeIndex) *typeIndex = t;
                return &gCatalogue.families[f].types[t];
            }
    return nullptr;
}

const ColouredKind* FindColouredKind(const ColouredKind* kinds, int32_t count, const char* code) {
    for (int32_t i = 0; i < count; ++i)
        if (std::strcmp(kinds[i].code, code) == 0) return &kinds[i];
    return nullptr;
}
