// "einstellungen.konfig" through each of its three readers: the start-up's
// video and audio values, the font folder and the input manager's five image
// folders.
#include "FuzzHilfe.h"

#include "VOQ_OGL_Eingabe.h"
#include "VOQ_OGL_Init.h"
#include "VOQ_OGL_Schrift.h"

#include <cctype>
#include <cstdlib>
#include <string>

namespace
{
// A value read with the pattern "KEY=%s" is one word.
void PruefeWort(const std::string& wort)
{
    for (char c : wort) {
        if (std::isspace(static_cast<unsigned char>(c)) || c == '\0')
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
    FuzzHilfe::Schreibe("einstellungen.konfig", daten, groesse);

    VOQ_OGL_Init init;
    if (!init.LeseEinstellungen("einstellungen.konfig"))
        std::abort();
    // Blanks may stand in the title, other white space may not.
    for (char c : init.GetEinstellungen().titelbeschriftung) {
        if (c != ' ' && (std::isspace(static_cast<unsigned char>(c)) || c == '%'))
            std::abort();
    }

    VOQ_OGL_Schrift schrift;
    if (!schrift.InitPfade())
        std::abort();
    PruefeWort(schrift.folder);

    VOQ_OGL_Eingabe eingabe;
    for (const std::string* pfad : {&eingabe.maus.pfad, &eingabe.radioPfad, &eingabe.checkBoxPfad,
                                    &eingabe.buttonPfad, &eingabe.editPfad})
        PruefeWort(*pfad);
    return 0;
}
