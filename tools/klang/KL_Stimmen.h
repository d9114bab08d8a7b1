#pragma once

#include <cstdint>
#include <string>

class KL_Puffer;

// The voices of the two rendered pieces, each playing one note into a
// stereo buffer. Times in seconds, strength about 0..1, pan -1 (left) to 1.
class KL_Stimmen
{
public:
    enum Art { BLECH, STREICHER, GLOCKE, BASS, PAUKE, SCHNARRE, BECKEN, ANSTIEG };

    explicit KL_Stimmen(KL_Puffer& ziel);

    void Spiele(Art art, double ab, double dauer, double frequenz, double staerke, double panorama);

    // A line in the note shorthand (KL_Noten), one token per step; a note
    // lasts until the next note or "=".
    void Zeile(Art art, const std::string& zeile, double ab, double schritt, double staerke, double panorama,
               int transponieren = 0);

private:
    void Schreibe(std::size_t frame, double wert, double panorama);
    void Blech(double ab, double dauer, double f, double staerke, double pan);
    void Streicher(double ab, double dauer, double f, double staerke, double pan);
    void Glocke(double ab, double f, double staerke, double pan);
    void Bass(double ab, double dauer, double f, double staerke, double pan);
    void Pauke(double ab, double f, double staerke, double pan);
    void Schnarre(double ab, double staerke, double pan);
    void Becken(double ab, double dauer, double staerke, double pan);
    void Anstieg(double ab, double dauer, double staerke);

    KL_Puffer& ziel;
    uint32_t saat = 1;
};
