#pragma once

#include <string>
#include <vector>

// What the menus show of the game controllers that SDL found.
namespace Spielsteuerung
{
// The names of all controllers present, in SDL's order, as Latin-1 for
// the bitmap fonts; empty without controllers.
std::vector<std::string> Namen();
// The name of controller `index`, "" when it has none.
std::string Name(int index);

// SDL reports names in UTF-8. Characters beyond Latin-1 become "?",
// control characters a blank; a byte that starts no valid UTF-8
// sequence is taken as Latin-1 already.
std::string AlsLatin1(const char* utf8);
}
