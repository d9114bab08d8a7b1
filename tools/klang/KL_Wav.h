#pragma once

#include <cstdint>
#include <string>
#include <vector>

class KL_Puffer;

// 16-bit PCM WAV files.
class KL_Wav
{
public:
    // Rounds to 16 bit, clamping at full scale.
    static std::vector<int16_t> AlsGanzzahl(const KL_Puffer& puffer);
    static std::vector<uint8_t> Bytes(const KL_Puffer& puffer);
    // False if the file could not be written.
    static bool Schreibe(const KL_Puffer& puffer, const std::string& pfad);
};
