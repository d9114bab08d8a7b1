#include "Spielsteuerung.h"

#include <gtest/gtest.h>

namespace
{

TEST(Steuerungsname, Utf8WirdLatin1)
{
    const char* const faelle[][2] = {
        {"Gr\xc3\xb6\xc3\x9f" "e \xc3\x84\xc3\xa9", "Gr\xf6\xdf" "e \xc4\xe9"},
        {"Pad 2", "Pad 2"},
        // Beyond Latin-1 a question mark; a line feed would break the layout.
        {"\xe2\x82\xac Pad \xf0\x9f\x8e\xae", "? Pad ?"},
        {"A\nB", "A B"},
        // No valid UTF-8 stays as it is: a lone Latin-1 byte, a sequence cut
        // off by the end, an overlong form.
        {"Gr\xf6" "sse", "Gr\xf6" "sse"},
        {"Pad\xc3", "Pad\xc3"},
        {"\xc0\xaf", "\xc0\xaf"},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(f[1], Spielsteuerung::AlsLatin1(f[0])) << f[0];
    EXPECT_EQ("", Spielsteuerung::AlsLatin1(nullptr));
}

}
