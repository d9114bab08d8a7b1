// The hall-of-fame file "quaderfall.dll": read it, check the records, place a
// game as the results screen does, write the list back and read it again,
// which must give the same list.
#include "FuzzHilfe.h"

#include "Bestenliste.h"

#include <cctype>
#include <cstdlib>
#include <string>

namespace
{
// A name comes back without white space and without the two separators.
void PruefeName(const std::string& name)
{
    for (char c : name) {
        if (c == '|' || c == ';' || std::isspace(static_cast<unsigned char>(c)))
            std::abort();
    }
}
}

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    FuzzHilfe::StilleLog();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse)
{
    FuzzHilfe::ImVerzeichnis hier;
    FuzzHilfe::Schreibe(BESTENLISTE_DATEI, daten, groesse);

    std::string namen[BESTENLISTE_PLAETZE];
    int punkte[BESTENLISTE_PLAETZE] = {};
    int anzahl = LeseBestenliste(namen, punkte);
    if (anzahl < 0 || anzahl > BESTENLISTE_PLAETZE)
        std::abort();
    for (int k = 0; k < anzahl; ++k)
        PruefeName(namen[k]);

    // A game of a few rows, as many as the file is long.
    const int reihen = static_cast<int>(groesse % 60);
    const int platz = PlatzFuer(punkte, anzahl, reihen);
    if (platz < 0 || platz > BESTENLISTE_PLAETZE)
        std::abort();
    anzahl = TrageEin(namen, punkte, anzahl, platz, reihen);
    if (anzahl < 0 || anzahl > BESTENLISTE_PLAETZE || (platz < BESTENLISTE_PLAETZE && punkte[platz] != reihen))
        std::abort();

    if (!SchreibeBestenliste(namen, punkte, anzahl))
        std::abort();
    std::string wieder[BESTENLISTE_PLAETZE];
    int wiederPunkte[BESTENLISTE_PLAETZE] = {};
    if (LeseBestenliste(wieder, wiederPunkte) != anzahl)
        std::abort();
    for (int k = 0; k < anzahl; ++k) {
        if (wieder[k] != namen[k] || wiederPunkte[k] != punkte[k])
            std::abort();
    }
    return 0;
}
