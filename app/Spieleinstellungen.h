#pragma once

#include "Spieltasten.h"

#include <string>

// What the settings file says about playing: the landing shadow
// ("SCHATTEN=1"), the game screen's keys ("TASTE_LINKS=left,a" and the other
// five) and the volume of effects and music ("LAUTSTAERKE_KLAENGE=50",
// "LAUTSTAERKE_MUSIK=0", percent of the full level). Without these lines the
// game plays as it always has; a line with a bad value gets one error line
// naming key and value and changes nothing.
class Spieleinstellungen
{
public:
    static constexpr int VOLL = 100;

    // False if the file does not open; everything then keeps its default.
    bool Lies(const std::string& pfad);

    bool Schatten() const;
    int KlangProzent() const;
    int MusikProzent() const;
    const Spieltasten& Tasten() const;

private:
    void LeseZeile(const std::string& zeile);
    // A number from von to bis, else an error line; false then.
    static bool LeseBereich(const std::string& zeile, const char* schluessel, int von, int bis, int& wert);

    bool schatten = false;
    int klang = VOLL;
    int musik = VOLL;
    Spieltasten tasten;
};
