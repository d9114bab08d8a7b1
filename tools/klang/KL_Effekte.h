#pragma once

#include "KL_Puffer.h"

#include <vector>

// The nine sound effects: 44100 Hz, mono, each brought to the same loudness
// (its loudest 100 ms, weighted as the ear hears, as EBU R128 does) with
// soft edges at both ends. Loud enough to stand out from the music it plays
// over, with a peak low enough that no effect over any piece clips.
namespace KL_Effekte
{
constexpr int RATE = 44100;

struct Eintrag
{
    const char* datei;
    KL_Puffer (*erzeuge)();
};

const std::vector<Eintrag>& Alle();

KL_Puffer Mausklick();
KL_Puffer Steinklopf();
KL_Puffer MausKlack();
KL_Puffer BlockDreh();
KL_Puffer BlockAufschlag();
KL_Puffer Bonus();
KL_Puffer Stufe();
KL_Puffer Pause();
KL_Puffer Spielende();

// The loudness of the loudest 100 ms in LUFS, as the game plays the sound on
// both channels: K-weighted (EBU R128's high shelf and low cut).
double Lautheit(const KL_Puffer& p);

// Brings the loudest 100 ms to `zielLufs` and softens start and end; a
// limiter holds the peaks at `spitzeGrenze` (full scale 1.0), so that a sharp
// attack does not cost the body of the sound its loudness.
void Angleichen(KL_Puffer& p, double zielLufs, double spitzeGrenze);
}
