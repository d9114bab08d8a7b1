#pragma once

class Ausgabe;

// The plain white and black backgrounds (menus, veils, flashes).
namespace Hintergruende
{
bool Mache(Ausgabe& aus);
}
