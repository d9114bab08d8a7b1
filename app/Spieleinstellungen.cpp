#include "Spieleinstellungen.h"

#include "VOQ_Konfig.h"
#include "VOQ_Log.h"

namespace
{
// SCHATTEN first, then the six keys in the order of Spieltasten's actions.
const char* const SCHLUESSEL[] = {
    "SCHATTEN",     "TASTE_LINKS",  "TASTE_RECHTS",        "TASTE_DREHEN",     "TASTE_SENKEN",
    "TASTE_FALLEN", "TASTE_PAUSE",  "LAUTSTAERKE_KLAENGE", "LAUTSTAERKE_MUSIK",
};
enum { SCHATTEN, ERSTE_TASTE, KLAENGE = ERSTE_TASTE + Spieltasten::AKTIONEN, MUSIK, SCHLUESSEL_ANZAHL };
}

bool Spieleinstellungen::Lies(const std::string& pfad)
{
    if (!VOQ_Konfig::JedeZeile(pfad, VOQ_Konfig::ZEILE_KURZ, [this](const std::string& zeile) { LeseZeile(zeile); }))
        return false;
    tasten.Entwirre();
    return true;
}

void Spieleinstellungen::LeseZeile(const std::string& zeile)
{
    const int k = VOQ_Konfig::FindeSchluessel(zeile, SCHLUESSEL, SCHLUESSEL_ANZAHL);
    std::string text;
    int wert = 0;
    if (k == SCHATTEN && LeseBereich(zeile, SCHLUESSEL[k], 0, 1, wert))
        schatten = wert == 1;
    else if (k == KLAENGE && LeseBereich(zeile, SCHLUESSEL[k], 0, VOLL, wert))
        klang = wert;
    else if (k == MUSIK && LeseBereich(zeile, SCHLUESSEL[k], 0, VOLL, wert))
        musik = wert;
    else if (k >= ERSTE_TASTE && k < KLAENGE && VOQ_Konfig::LeseText(zeile, SCHLUESSEL[k], text))
        tasten.Setze(static_cast<Spieltasten::Aktion>(k - ERSTE_TASTE), text);
}

bool Spieleinstellungen::LeseBereich(const std::string& zeile, const char* schluessel, int von, int bis,
                                     int& wert)
{
    std::string text;
    // A line that names the key somewhere else than at its start is no line of it.
    if (!VOQ_Konfig::LeseText(zeile, schluessel, text))
        return false;
    if (VOQ_Konfig::LeseZahl(zeile, schluessel, wert) && wert >= von && wert <= bis)
        return true;
    VOQ_Log::Fehler("\n#o> Spieleinstellungen - FEHLER: " + std::string(schluessel) + "=" + VOQ_Log::AlsUtf8(text)
                    + ": ERLAUBT SIND " + std::to_string(von) + " BIS " + std::to_string(bis)
                    + ", DIE ZEILE BLEIBT UNBEACHTET\n\n");
    return false;
}

bool Spieleinstellungen::Schatten() const { return schatten; }
int Spieleinstellungen::KlangProzent() const { return klang; }
int Spieleinstellungen::MusikProzent() const { return musik; }
const Spieltasten& Spieleinstellungen::Tasten() const { return tasten; }
