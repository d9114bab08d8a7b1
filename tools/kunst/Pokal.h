#pragma once

class Ausgabe;

// The trophy of the hall of fame and the game controller of the main menu.
// Both only ever stand on the white background, so their edges are blended
// into white and the white around them becomes the key colour.
namespace Pokal
{
bool Mache(Ausgabe& aus);
}
