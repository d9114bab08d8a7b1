#pragma once

class Ausgabe;

// The mouse cursor "zeiger_001" (nine pointer frames, the pointer's tip at
// the centre of each frame, as the cursor is drawn centred on the pointer)
// and the four tile markers.
namespace Mauszeiger
{
bool Mache(Ausgabe& aus);
}
