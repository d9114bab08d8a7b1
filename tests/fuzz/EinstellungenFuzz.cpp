// "einstellungen.konfig" through each of its three readers: the start-up's
// video and audio values, the font folder and the input manager's five image
// folders. A path read with "KEY=%s" is one word; the title may hold blanks.
#include "FuzzHilfe.h"

#include "VOQ_OGL_Eingabe.h"
#include "VOQ_OGL_Init.h"
#include "VOQ_OGL_Schrift.h"

#include <algorithm>
#include <cctype>
#include <string>

namespace
{
bool Wort(const std::string& wort, bool titel = false)
{
    return std::none_of(wort.begin(), wort.end(), [titel](unsigned char c) {
        return c == '\0' || (std::isspace(c) && !(titel && c == ' ')) || (titel && c == '%');
    });
}
}

extern "C" int LLVMFuzzerInitialize(int*, char***) { return fuzz::Beginne(false); }

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse)
{
    const fuzz::Hier hier("einstellungen.konfig", daten, groesse);
    VOQ_OGL_Init init;
    VOQ_OGL_Schrift schrift;
    VOQ_OGL_Eingabe eingabe;
    bool gut = init.LeseEinstellungen("einstellungen.konfig") && Wort(init.GetEinstellungen().titelbeschriftung, true)
               && schrift.InitPfade() && Wort(schrift.folder);
    for (const std::string* pfad : {&eingabe.maus.pfad, &eingabe.radioPfad, &eingabe.checkBoxPfad,
                                    &eingabe.buttonPfad, &eingabe.editPfad})
        gut = gut && Wort(*pfad);
    fuzz::Pruefe(gut);
    return 0;
}
