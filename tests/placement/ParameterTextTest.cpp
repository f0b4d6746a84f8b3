// Purpose: tests of the loss-multiplier reading and of texts passed to and from the host's Unicode.
#include <gtest/gtest.h>

#include <string>

#include "placement/LibraryObjects.h"

namespace {

TEST(LossMultiplier, TakesTheLongestLeadingDecimalNumber) {
    EXPECT_DOUBLE_EQ(LossMultiplierValue("1.05"), 1.05);
    EXPECT_DOUBLE_EQ(LossMultiplierValue("  \t1.10 (10%)"), 1.10);
    EXPECT_DOUBLE_EQ(LossMultiplierValue("1.2.3"), 1.2);
    EXPECT_DOUBLE_EQ(LossMultiplierValue(".5x"), 0.5);
    EXPECT_DOUBLE_EQ(LossMultiplierValue("+1.5"), 1.5);
    EXPECT_DOUBLE_EQ(LossMultiplierValue("2e1"), 20.0);
    EXPECT_DOUBLE_EQ(LossMultiplierValue("3e"), 3.0);
}

TEST(LossMultiplier, TextThatDoesNotBeginWithANumberGivesZero) {
    EXPECT_EQ(LossMultiplierValue("nincs"), 0.0);
    EXPECT_EQ(LossMultiplierValue(""), 0.0);
    EXPECT_EQ(LossMultiplierValue("x1.05"), 0.0);
    EXPECT_EQ(LossMultiplierValue("inf"), 0.0);
    EXPECT_EQ(LossMultiplierValue("nan"), 0.0);
    EXPECT_EQ(LossMultiplierValue("."), 0.0);
    EXPECT_EQ(LossMultiplierValue("1,05"), 1.0);  // a decimal comma ends the number
}

TEST(HostText, AccentedCodesSurviveTheRoundTrip) {
    char16_t wide[16];
    ToHostText("Tégla", wide, 16);
    EXPECT_EQ(std::u16string(wide), u"Tégla");
    char back[16];
    FromHostText(wide, back, sizeof back);
    EXPECT_STREQ(back, "Tégla");
}

TEST(HostText, LongTextIsCutAtAWholeCharacter) {
    // A code field holds 7 bytes and the terminator: "ÁÁÁÁ" needs 8 bytes, so one letter is dropped.
    char field[8];
    FromHostText(u"ÁÁÁÁ", field, sizeof field);
    EXPECT_STREQ(field, "ÁÁÁ");
    FromHostText(u"ABCDEFGHIJ", field, sizeof field);
    EXPECT_STREQ(field, "ABCDEFG");

    char16_t wide[4];
    ToHostText("abcdef", wide, 4);
    EXPECT_EQ(std::u16string(wide), u"abc");
    ToHostText("ab\xF0\x9F\x8F\xA0", wide, 4);  // a character outside the basic plane needs two units
    EXPECT_EQ(std::u16string(wide), u"ab");
}

}  // namespace
