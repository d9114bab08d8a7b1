// Key events through the input manager into a text field, as the event pump
// hands them over. Input: two bytes of the field's character limit (signed,
// little endian), one byte of flags (bit 0: digits only), then events of three
// bytes: key symbol (16 bits, little endian) and kind. Kind 2 is a press, 3 a
// release; 4 clicks the field (selects it); any other kind is handed over as
// it is and must change nothing of the field.
//
// After every event: the text is never longer than the limit and holds only
// printable Latin-1 (only digits in a digits-only field); while the field is
// selected the screens' key queries answer -1; Enter and Escape end the
// editing and are consumed.
#include "FuzzHilfe.h"

#include "VOQ_Edit.h"
#include "VOQ_OGL_Eingabe.h"

#include <algorithm>
#include <string>

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    // The field's image folder stays missing: typing needs no pictures.
    return fuzz::Beginne(false, {{"einstellungen.konfig", "TEXTEINGABEBILDER=felder\n"}});
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse)
{
    if (groesse < 3)
        return 0;
    const fuzz::Hier hier;
    VOQ_OGL_Eingabe eingabe;
    eingabe.CreateEdit("feld", 300, 400, "");
    VOQ_Edit& feld = *eingabe.edits[eingabe.GetLastEdit()];
    feld.SetTextSize(static_cast<short>(daten[0] | (daten[1] << 8)));
    feld.SetOnlyNumerics((daten[2] & 1) != 0);
    feld.Select();

    for (std::size_t i = 3; i + 3 <= groesse; i += 3) {
        const int taste = daten[i] | (daten[i + 1] << 8);
        const int art = daten[i + 2];
        const bool gedrueckt = art == VOQ_OGL_Eingabe::TASTE_GEDRUECKT;
        const bool warGewaehlt = feld.IsSelected();
        const std::string vorher = feld.GetText();
        if (art == 4)
            feld.Select();
        else
            eingabe.InputBuffer(taste, art);

        fuzz::Pruefe(art == 4 || gedrueckt || feld.GetText() == vorher);
        fuzz::Pruefe(!(warGewaehlt && gedrueckt && (taste == 13 || taste == 271 || taste == 27))
                     || (!feld.IsSelected() && eingabe.GetInput() == 0 && eingabe.GetKeyDown() == 0));
        fuzz::Pruefe(feld.GetText().size() <= static_cast<std::size_t>(std::max<int>(feld.GetTextSize(), 0)));
        for (unsigned char c : feld.GetText())
            fuzz::Pruefe(feld.IsOnlyNumerics() ? c >= '0' && c <= '9' : (c >= 32 && c < 127) || c >= 160);
        fuzz::Pruefe(feld.IsSelected()
                         ? eingabe.GetInput() == -1 && eingabe.GetKeyUp() == -1 && eingabe.GetKeyDown() == -1
                         : eingabe.GetInput() == eingabe.GetAllInput());
    }
    return 0;
}
