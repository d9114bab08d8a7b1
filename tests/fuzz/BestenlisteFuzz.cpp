// The hall-of-fame file "quaderfall.dll": read it, place a game as the results
// screen does, write the list back and read it again, which must give the
// same list. A name comes back without line breaks, tabs and separators.
#include "FuzzHilfe.h"

#include "Bestenliste.h"

#include <string>

namespace
{
struct Liste
{
    std::string namen[BESTENLISTE_PLAETZE];
    int punkte[BESTENLISTE_PLAETZE] = {};
    int anzahl = LeseBestenliste(namen, punkte);
};
}

extern "C" int LLVMFuzzerInitialize(int*, char***) { return fuzz::Beginne(false); }

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse)
{
    const fuzz::Hier hier(BESTENLISTE_DATEI, daten, groesse);
    Liste liste;
    fuzz::Pruefe(liste.anzahl >= 0 && liste.anzahl <= BESTENLISTE_PLAETZE);
    for (int k = 0; k < liste.anzahl; ++k)
        fuzz::Pruefe(liste.namen[k].find_first_of("|;\t\n\v\f\r") == std::string::npos);
    // A game of a few rows, as many as the file is long.
    const int reihen = static_cast<int>(groesse % 60);
    const int platz = PlatzFuer(liste.punkte, liste.anzahl, reihen);
    fuzz::Pruefe(platz >= 0 && platz <= BESTENLISTE_PLAETZE);
    liste.anzahl = TrageEin(liste.namen, liste.punkte, liste.anzahl, platz, reihen);
    fuzz::Pruefe(liste.anzahl >= 0 && liste.anzahl <= BESTENLISTE_PLAETZE
                 && (platz == BESTENLISTE_PLAETZE || liste.punkte[platz] == reihen));
    fuzz::Pruefe(SchreibeBestenliste(liste.namen, liste.punkte, liste.anzahl));
    const Liste wieder;
    fuzz::Pruefe(wieder.anzahl == liste.anzahl);
    for (int k = 0; k < liste.anzahl; ++k)
        fuzz::Pruefe(wieder.namen[k] == liste.namen[k] && wieder.punkte[k] == liste.punkte[k]);
    return 0;
}
