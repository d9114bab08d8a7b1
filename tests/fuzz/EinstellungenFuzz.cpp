// "einstellungen.konfig" through each of its four readers: the start-up's
// video and audio values, the font folder, the input manager's five image
// folders and the settings of play. A path read with "KEY=%s" is one word;
// the title may hold blanks; volumes stay in 0..100, and every action of the
// game screen has keys, none of them another action's.
#include "FuzzHilfe.h"
#include "Spieleinstellungen.h"

#include "VOQ_OGL_Eingabe.h"
#include "VOQ_OGL_Init.h"
#include "VOQ_OGL_Schrift.h"

#include <algorithm>
#include <cctype>
#include <string>
#include <vector>

namespace
{
bool Wort(const std::string& wort, bool titel = false)
{
    return std::none_of(wort.begin(), wort.end(), [titel](unsigned char c) {
        return c == '\0' || (std::isspace(c) && !(titel && c == ' ')) || (titel && c == '%');
    });
}

bool Spielbar(const Spieleinstellungen& e)
{
    bool gut = e.KlangProzent() >= 0 && e.KlangProzent() <= 100 && e.MusikProzent() >= 0 && e.MusikProzent() <= 100;
    std::vector<int> alle;
    for (int a = 0; a < Spieltasten::AKTIONEN; ++a) {
        const std::vector<int>& t = e.Tasten().Tasten(static_cast<Spieltasten::Aktion>(a));
        gut = gut && !t.empty();
        alle.insert(alle.end(), t.begin(), t.end());
    }
    std::sort(alle.begin(), alle.end());
    return gut && std::adjacent_find(alle.begin(), alle.end()) == alle.end();
}
}

extern "C" int LLVMFuzzerInitialize(int*, char***) { return fuzz::Beginne(false); }

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse)
{
    const fuzz::Hier hier("einstellungen.konfig", daten, groesse);
    VOQ_OGL_Init init;
    VOQ_OGL_Schrift schrift;
    VOQ_OGL_Eingabe eingabe;
    Spieleinstellungen spiel;
    bool gut = init.LeseEinstellungen("einstellungen.konfig") && Wort(init.GetEinstellungen().titelbeschriftung, true)
               && spiel.Lies("einstellungen.konfig") && Spielbar(spiel)
               && schrift.InitPfade() && Wort(schrift.folder);
    for (const std::string* pfad : {&eingabe.maus.pfad, &eingabe.radioPfad, &eingabe.checkBoxPfad,
                                    &eingabe.buttonPfad, &eingabe.editPfad})
        gut = gut && Wort(*pfad);
    fuzz::Pruefe(gut);
    return 0;
}
