// Key events through the input manager into a text field, as the event pump
// hands them over. Input: two bytes of the field's character limit (signed,
// little endian), one byte of flags (bit 0: digits only), then events of three
// bytes: key symbol (16 bits, little endian) and kind. Kind 2 is a press, 3 a
// release; 4 clicks the field (selects it), any other kind is handed over as
// it is and must change nothing of the field.
//
// After every event: the text is never longer than the limit and holds only
// printable Latin-1 (only digits in a digits-only field); while the field is
// selected the screens' key queries answer -1; Enter and Escape end the
// editing and are consumed.
#include "FuzzHilfe.h"

#include "VOQ_Edit.h"
#include "VOQ_OGL_Eingabe.h"

#include <cstdlib>
#include <string>

namespace
{
const int KLICK = 4;

bool Erlaubt(unsigned char c, bool nurZiffern)
{
    if (nurZiffern)
        return c >= '0' && c <= '9';
    return (c >= 32 && c < 127) || c >= 160;
}

void Pruefe(VOQ_OGL_Eingabe& eingabe, VOQ_Edit& feld)
{
    const std::string text = feld.GetText();
    const int grenze = feld.GetTextSize() > 0 ? feld.GetTextSize() : 0;
    if (text.size() > static_cast<std::size_t>(grenze))
        std::abort();
    for (char c : text) {
        if (!Erlaubt(static_cast<unsigned char>(c), feld.IsOnlyNumerics()))
            std::abort();
    }
    if (feld.IsSelected()
        && (eingabe.GetInput() != -1 || eingabe.GetKeyUp() != -1 || eingabe.GetKeyDown() != -1))
        std::abort();
    if (!feld.IsSelected() && eingabe.GetInput() != eingabe.GetAllInput())
        std::abort();
}

bool BeendetEingabe(int taste)
{
    return taste == 13 || taste == 271 || taste == 27;
}
}

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    FuzzHilfe::StilleLog();
    // The field's image folder stays missing: typing needs no pictures.
    FuzzHilfe::Schreibe("einstellungen.konfig", "TEXTEINGABEBILDER=felder\n");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse)
{
    if (groesse < 3)
        return 0;
    FuzzHilfe::ImVerzeichnis hier;

    VOQ_OGL_Eingabe eingabe;
    eingabe.CreateEdit("feld", 300, 400, "");
    VOQ_Edit& feld = *eingabe.edits[eingabe.GetLastEdit()];
    feld.SetTextSize(static_cast<short>(daten[0] | (daten[1] << 8)));
    feld.SetOnlyNumerics((daten[2] & 1) != 0);
    feld.Select();

    for (std::size_t i = 3; i + 3 <= groesse; i += 3) {
        const int taste = daten[i] | (daten[i + 1] << 8);
        const int art = daten[i + 2];
        const bool warGewaehlt = feld.IsSelected();
        const std::string vorher = feld.GetText();

        if (art == KLICK)
            feld.Select();
        else
            eingabe.InputBuffer(taste, art);

        if (art != KLICK && art != VOQ_OGL_Eingabe::TASTE_GEDRUECKT && feld.GetText() != vorher)
            std::abort();
        if (warGewaehlt && art == VOQ_OGL_Eingabe::TASTE_GEDRUECKT && BeendetEingabe(taste)
            && (feld.IsSelected() || eingabe.GetInput() != 0 || eingabe.GetKeyDown() != 0))
            std::abort();
        Pruefe(eingabe, feld);
    }
    return 0;
}
