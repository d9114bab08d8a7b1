#include "Spielsteuerung.h"

#include <gtest/gtest.h>

namespace
{

TEST(Steuerungsname, UmlauteWerdenLatin1)
{
    EXPECT_EQ("Gr\xf6\xdf" "e \xc4\xe9", Spielsteuerung::AlsLatin1("Gr\xc3\xb6\xc3\x9f" "e \xc3\x84\xc3\xa9"));
    EXPECT_EQ("Pad 2", Spielsteuerung::AlsLatin1("Pad 2"));
    EXPECT_EQ("", Spielsteuerung::AlsLatin1(nullptr));
}

TEST(Steuerungsname, ZeichenJenseitsVonLatin1WerdenFragezeichen)
{
    EXPECT_EQ("? Pad ?", Spielsteuerung::AlsLatin1("\xe2\x82\xac Pad \xf0\x9f\x8e\xae"));
    EXPECT_EQ("A B", Spielsteuerung::AlsLatin1("A\nB")) << "a line feed would break the layout";
}

TEST(Steuerungsname, KeinGueltigesUtf8BleibtWieEsIst)
{
    // A lone Latin-1 byte, a sequence cut off by the end, an overlong form.
    EXPECT_EQ("Gr\xf6" "sse", Spielsteuerung::AlsLatin1("Gr\xf6" "sse"));
    EXPECT_EQ("Pad\xc3", Spielsteuerung::AlsLatin1("Pad\xc3"));
    EXPECT_EQ("\xc0\xaf", Spielsteuerung::AlsLatin1("\xc0\xaf"));
}

}
