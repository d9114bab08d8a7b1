#pragma once

class Ausgabe;

// The widget image folders "block" of the four widget kinds: button, check
// box, radio button and text field, each with the state images 1, 2 and 3.
namespace Eingabeflaechen
{
// Visible width of buttons, check boxes and radio buttons: 17 cells of the
// small font and a margin, so that the longest captions fit.
constexpr int BREITE = 176;
// The text field: 200 pixels hold 21 characters of the small font.
constexpr int FELDBREITE = 200;
constexpr int HOEHE = 32;

bool Mache(Ausgabe& aus);
}
