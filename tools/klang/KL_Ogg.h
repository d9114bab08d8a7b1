#pragma once

#include <cstdint>
#include <string>
#include <vector>

class KL_Puffer;

// Ogg Vorbis encoding with libvorbisenc. A fixed stream serial number keeps
// the bytes identical from run to run.
class KL_Ogg
{
public:
    // Quality -0.1 to 1.0 as libvorbisenc's VBR mode takes it; an empty
    // result means the encoder refused the set-up.
    static std::vector<uint8_t> Kodiere(const KL_Puffer& puffer, float qualitaet, int seriennummer);
    static bool Schreibe(const KL_Puffer& puffer, float qualitaet, int seriennummer, const std::string& pfad);
};
