#include "KL_Wav.h"

#include "KL_Datei.h"
#include "KL_Puffer.h"

#include <cmath>

namespace
{
void Wort(std::vector<uint8_t>& aus, uint16_t w)
{
    aus.push_back(static_cast<uint8_t>(w & 0xff));
    aus.push_back(static_cast<uint8_t>(w >> 8));
}

void Langwort(std::vector<uint8_t>& aus, uint32_t w)
{
    Wort(aus, static_cast<uint16_t>(w & 0xffff));
    Wort(aus, static_cast<uint16_t>(w >> 16));
}

void Kennung(std::vector<uint8_t>& aus, const char* vier)
{
    aus.insert(aus.end(), vier, vier + 4);
}
}

std::vector<int16_t> KL_Wav::AlsGanzzahl(const KL_Puffer& puffer)
{
    std::vector<int16_t> werte;
    werte.reserve(puffer.Daten().size());
    for (float w : puffer.Daten()) {
        const double s = std::lround(static_cast<double>(w) * 32767.0);
        werte.push_back(static_cast<int16_t>(s > 32767.0 ? 32767 : (s < -32767.0 ? -32767 : s)));
    }
    return werte;
}

std::vector<uint8_t> KL_Wav::Bytes(const KL_Puffer& puffer)
{
    const std::vector<int16_t> werte = AlsGanzzahl(puffer);
    const uint32_t datenbytes = static_cast<uint32_t>(werte.size() * 2);
    const uint16_t kanaele = static_cast<uint16_t>(puffer.Kanaele());
    const uint32_t rate = static_cast<uint32_t>(puffer.Rate());

    std::vector<uint8_t> aus;
    aus.reserve(44 + datenbytes);
    Kennung(aus, "RIFF");
    Langwort(aus, 36 + datenbytes);
    Kennung(aus, "WAVE");
    Kennung(aus, "fmt ");
    Langwort(aus, 16);
    Wort(aus, 1);  // PCM
    Wort(aus, kanaele);
    Langwort(aus, rate);
    Langwort(aus, rate * kanaele * 2);
    Wort(aus, static_cast<uint16_t>(kanaele * 2));
    Wort(aus, 16);
    Kennung(aus, "data");
    Langwort(aus, datenbytes);
    for (int16_t w : werte) {
        Wort(aus, static_cast<uint16_t>(w));
    }
    return aus;
}

bool KL_Wav::Schreibe(const KL_Puffer& puffer, const std::string& pfad)
{
    return KL_Datei::Schreibe(pfad, Bytes(puffer));
}
