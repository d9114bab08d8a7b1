#pragma once

#include "KL_Puffer.h"

#include <vector>

// The nine sound effects: 44100 Hz, mono, each brought to the same loudness
// (its loudest 50 ms) with soft edges at both ends.
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

// Brings the loudest 50 ms to `ziel` (RMS, full scale 1.0) without letting
// the peak pass `spitzeGrenze`, and softens start and end.
void Angleichen(KL_Puffer& p, double ziel, double spitzeGrenze);
}
