#pragma once

class Ausgabe;

// The background of the game screen, drawn at (0, 0): deep blue with white
// panels for the field, the next piece, the counts and the clock.
namespace Spielfeld
{
bool Mache(Ausgabe& aus);
}
