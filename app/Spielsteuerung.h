#pragma once

#include <string>
#include <vector>

// The game controllers SDL finds: the one the game reads (`joy`), and what
// the menus show of them.
namespace Spielsteuerung
{
// Opens the first controller SDL found as `joy`, if there is one.
void Oeffne();
// Without an open controller, lets SDL look for controllers anew, so that
// one plugged in since the start is found, and opens the first. A controller
// that is open stays as it is.
void SucheNeu();

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
