#pragma once

#include "KL_Puffer.h"

// The two pieces rendered as audio (and shipped as Ogg Vorbis): 44100 Hz
// stereo.
namespace KL_Orchester
{
constexpr int RATE = 44100;

// Eight seconds: a rising swell under the logo, the full chord at two
// seconds when the sign appears, a brass call, then it fades with the picture
// and is silent from about 7.4 s.
KL_Puffer Intro();

// A festive march in D major, 116 beats a minute, 24 bars (about 50 s),
// made to loop: its end leads into its start and the tails wrap around.
KL_Puffer Ruhmeshalle();

// Scales to the wanted RMS over the whole piece, keeping the peak below
// the given ceiling.
void AufPegel(KL_Puffer& p, double effektivwert, double spitzeGrenze);
}
