// Purpose: the catalogue's optional minimum pitch per tile type (the tile-type line's eighth field).
#include <gtest/gtest.h>

#include <cstring>

#include "catalogue/Catalogue.h"
#include "common/AddOnFixture.h"

namespace {

TEST(CatalogueMinimumPitch, TheEighthFieldIsTheTypesFlattestPitch) {
    tevaro_test::InstallHostOnly();  // the loader knows its section headers from the message table
    const char* text =
        "[Cserepcsaladok]\nAgyag,AGY,1,0\n\n"
        "[Csereptipusok]\nHullam,HULA,1,0.215,0.345,AGY,doc/hula.pdf\n"
        "Hodfarku,HODE,2,0.18,0.15,AGY,doc/hode.pdf,30\n"
        "Lapos,LAPS,3,0.3,0.4,AGY,doc/laps.pdf,nem szam\n\n";
    LoadCatalogueText(text, std::strlen(text));
    EXPECT_DOUBLE_EQ(TileTypeMinPitch("HODE"), 30);
    EXPECT_DOUBLE_EQ(TileTypeMinPitch("HULA"), 0);  // not given
    EXPECT_DOUBLE_EQ(TileTypeMinPitch("LAPS"), 0);  // no number
    EXPECT_DOUBLE_EQ(TileTypeMinPitch("NINCS"), 0);  // no such type
    // The field does not reach the link before it.
    ASSERT_NE(FindTileType("HODE"), nullptr);
    EXPECT_STREQ(FindTileType("HODE")->link, "doc/hode.pdf");
    ClearCatalogue();
    EXPECT_DOUBLE_EQ(TileTypeMinPitch("HODE"), 0);
}

}  // namespace
