// The description of a font (folder of SCHRIFTBILDER + "/" + name + ".konfig")
// beside a fixed 64 x 64 bitmap: load it, draw a text of two lines with
// letters, digits and umlauts, measure it, and hand the font to what lays text
// out with its sizes: a widget caption and a text field, which takes its
// character limit from the cell width.
#include "FuzzHilfe.h"

#include "VOQ_Bedienelement.h"
#include "VOQ_Edit.h"
#include "VOQ_OGL_Schrift.h"

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    return fuzz::Beginne(
        true, {{"einstellungen.konfig", "SCHRIFTBILDER=schriften\n"}, {"schriften/probe.bmp", fuzz::Testbild()}});
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse)
{
    const fuzz::Hier hier("schriften/probe.konfig", daten, groesse);
    VOQ_OGL_Schrift schrift;
    schrift.Init("probe");
    schrift.SetText("Quaderfall 1:0\nGEL\xd6" "STE REIHEN \xc4\xdc\xdf");
    schrift.Draw(10.0f, 20.0f);
    schrift.GetTextWidth();
    schrift.GetTextHeight();
    VOQ_Bedienelement::ZeichneText(&schrift, "SPIELEN", 412, 300, 40);
    VOQ_Edit feld;
    feld.width = 300;
    feld.GiveSchrift(&schrift);
    fuzz::Pruefe(feld.GetTextSize() >= 0 && feld.GetTextSize() <= VOQ_Edit::MAX_TEXTGROESSE);
    return 0;
}
