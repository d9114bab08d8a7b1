#pragma once

#include <cstdint>
#include <vector>

// Loudness as EBU R128 measures it (libebur128: K-weighted, in LUFS) of
// interleaved 44100 Hz stereo, and what small speakers leave of a sound: the
// same through a 150 Hz high-pass.
namespace Lautheit
{
constexpr int RATE = 44100;
// What a window of digital silence measures.
constexpr double STILLE = -200.0;

// Second-order Butterworth high-pass at `grenze` Hz (the generators' filter).
std::vector<int16_t> Hochpass(const std::vector<int16_t>& stereo, double grenze);
// Integrated loudness, with the standard's gates.
double Integriert(const std::vector<int16_t>& stereo);
// The loudness of every 100 ms window, one every 10 ms.
std::vector<double> Fenster(const std::vector<int16_t>& stereo);
// The value below which the given share (0..1) of the values lie.
double Anteil(std::vector<double> werte, double anteil);
}
