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

constexpr Farbe ROT{222, 64, 58};
constexpr Farbe GRUEN{58, 178, 78};
constexpr Farbe BLAU{47, 111, 219};
constexpr Farbe LILA{142, 79, 201};
constexpr Farbe BRAUN{170, 106, 58};
constexpr Farbe GELB{244, 192, 40};
constexpr Farbe GRAU{132, 144, 166};

constexpr Farbe SCHLUESSEL{255, 0, 255};      // transparent in keyed pictures
constexpr Farbe SCHRIFTSCHLUESSEL{0, 0, 0};   // transparent in font sheets
}
