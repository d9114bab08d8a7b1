#pragma once

#include <string>

class Ausgabe;

// The intro's two pictures: the maker's logo "QUENTABOR" (full screen) and
// the sign that fades in over it later at (400, 40).
namespace Intro
{
bool Mache(Ausgabe& aus, const std::string& sansFett);
}
