#pragma once

#include "Farbe.h"

// The one palette of the game's pictures: ink for text and frames, white
// panels, the seven block colours, and the colour key of keyed pictures.
namespace Palette
{
constexpr Farbe TINTE{24, 33, 64};         // glyphs, frames, pointer
constexpr Farbe TINTE_HELL{58, 72, 112};   // softer frames
constexpr Farbe WEISS{255, 255, 255};
constexpr Farbe PAPIER{243, 245, 249};     // field well, insets
constexpr Farbe NEBEL{226, 231, 239};      // grid lines, tracks
constexpr Farbe STAHL{196, 205, 220};      // panel borders
constexpr Farbe NACHT{30, 42, 78};         // game background, top
constexpr Farbe NACHT_TIEF{19, 27, 52};    // game background, bottom
constexpr Farbe AKZENT{47, 111, 219};      // hover and selection

// The block colours stand apart in lightness as well as in hue, so that
// players who confuse red and green, or blue and yellow, still tell every
// kind from every other: dark braun and lila, middle rot, blau and grau,
// light gruen and gelb (tests/kunst measures the distances).
constexpr Farbe ROT{226, 68, 70};
constexpr Farbe GRUEN{126, 224, 106};
constexpr Farbe BLAU{64, 136, 255};
constexpr Farbe LILA{122, 52, 170};
constexpr Farbe BRAUN{108, 52, 2};
constexpr Farbe GELB{244, 192, 40};
constexpr Farbe GRAU{139, 148, 161};

constexpr Farbe SCHLUESSEL{255, 0, 255};      // transparent in keyed pictures
constexpr Farbe SCHRIFTSCHLUESSEL{0, 0, 0};   // transparent in font sheets
}
