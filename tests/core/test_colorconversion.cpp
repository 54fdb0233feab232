#include <gtest/gtest.h>

#include "model/colorconversion.h"

namespace {

std::string Lighten(const std::string& hex) { return ColorToHex(LightenColor(HexToColor(hex))); }
std::string Darken(const std::string& hex) { return ColorToHex(DarkenColor(HexToColor(hex))); }

}  // namespace

TEST(ColorConversion, ColorToHexPutsRedFirst)
{
    EXPECT_EQ(ColorToHex(0x00BA7938u), "3879BA");
    EXPECT_EQ(ColorToHex(0x00000000u), "000000");
}

TEST(ColorConversion, HexToColorReadsRedGreenBlue)
{
    EXPECT_EQ(HexToColor("3879BA"), 0x00BA7938u);
    EXPECT_EQ(HexToColor("ff8000"), 0x000080FFu);
    EXPECT_EQ(ColorToHex(HexToColor("ff8000")), "FF8000");
}

TEST(ColorConversion, ShortAndLongTexts)
{
    EXPECT_EQ(HexToColor(""), 0u);
    EXPECT_EQ(HexToColor("FFF"), 0x00000FFFu);
    EXPECT_EQ(ColorToHex(HexToColor("FFF")), "FF0F00");
    EXPECT_EQ(HexToColor("1234567"), 0x00563412u);
}

TEST(ColorConversion, NonHexTextNamesTheReorderedText)
{
    try {
        HexToColor("#FF0000");
        FAIL() << "no conversion error";
    } catch (const TConversionError& e) {
        EXPECT_STREQ(e.what(), "'$0000F0#F' is not a valid integer value");
    }
    EXPECT_THROW(HexToColor("GG0000"), TConversionError);
    EXPECT_THROW(HexToColor(" 12345"), TConversionError);
}

TEST(ColorConversion, ShadesFollowTheChannelRules)
{
    EXPECT_EQ(Lighten("3879BA"), "54B5FF");
    EXPECT_EQ(Darken("3879BA"), "275482");
    EXPECT_EQ(Lighten("C0C0C0"), "FFFFFF");
    EXPECT_EQ(Darken("C0C0C0"), "868686");
    EXPECT_EQ(Darken(Darken("C0C0C0")), "5D5D5D");
    EXPECT_EQ(Lighten("010203"), "010304");
    EXPECT_EQ(Darken("FFFFFF"), "B2B2B2");
    EXPECT_EQ(Lighten("000000"), "000000");
    EXPECT_EQ(Darken("000000"), "000000");
}

TEST(ColorConversion, ShadesDropTheTopByte)
{
    EXPECT_EQ(LightenColor(0xFF000000u), 0u);
    EXPECT_EQ(DarkenColor(0x80FFFFFFu), 0x00B2B2B2u);
}

TEST(ColorConversion, RoundTripsBothWays)
{
    for (TColorValue v : {0x00000000u, 0x00FFFFFFu, 0x00BA7938u, 0x00010203u, 0x00A0B0C0u, 0x000F0E0Du}) {
        EXPECT_EQ(HexToColor(ColorToHex(v)), v);
    }
    for (const char* t : {"000000", "FFFFFF", "3879BA", "0A0B0C", "FF0000", "00FF00", "0000FF"}) {
        EXPECT_EQ(ColorToHex(HexToColor(t)), t);
    }
}

TEST(StrictInteger, AcceptsDecimalAndDollarHex)
{
    EXPECT_EQ(StrToIntStrict("1000"), 1000);
    EXPECT_EQ(StrToIntStrict("-5"), -5);
    EXPECT_EQ(StrToIntStrict("$ff"), 255);
    EXPECT_EQ(StrToIntStrict("2147483647"), 2147483647);
    EXPECT_EQ(StrToIntStrict("-2147483648"), -2147483647 - 1);
}

TEST(StrictInteger, RefusesEverythingElse)
{
    for (const char* bad : {"", "-", "$", "12a", " 12", "12 ", "+5", "1.5", "2147483648", "99999999999", "$100000000"}) {
        try {
            StrToIntStrict(bad);
            ADD_FAILURE() << "accepted '" << bad << "'";
        } catch (const TConversionError& e) {
            EXPECT_EQ(std::string(e.what()), "'" + std::string(bad) + "' is not a valid integer value");
        }
    }
}
