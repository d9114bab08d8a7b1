// A widget image folder: the input holds its description files 1.konfig,
// 2.konfig and 3.konfig, separated by form feeds ('\f'); files the input does
// not reach are missing. The folder's three state images are fixed. The
// button is loaded, placed where a screen would put one and drawn twice with
// the pointer over its top-left part.
#include "FuzzHilfe.h"

#include "VOQ_Button.h"
#include "VOQ_Maus.h"

#include <string>
#include <vector>

extern "C" const char* __asan_default_options()
{
    return FuzzHilfe::ASAN_VORGABEN;
}

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    FuzzHilfe::StilleLog();
    FuzzHilfe::StarteGrafik();
    FuzzHilfe::LegeOrdnerAn("knopf");
    for (int n = 1; n <= 3; ++n)
        FuzzHilfe::Schreibe("knopf/" + std::to_string(n) + ".bmp", FuzzHilfe::Bmp24(24, 8));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse)
{
    FuzzHilfe::ImVerzeichnis hier;
    const std::vector<std::string> teile = FuzzHilfe::Teile(daten, groesse, '\f', 3);
    for (int n = 1; n <= 3; ++n) {
        const std::string datei = "knopf/" + std::to_string(n) + ".konfig";
        if (n <= static_cast<int>(teile.size()))
            FuzzHilfe::Schreibe(datei, teile[n - 1]);
        else
            FuzzHilfe::Entferne(datei);
    }

    VOQ_Maus zeiger;
    zeiger.SetPosXY(416, 302);
    VOQ_Button knopf;
    knopf.Init("knopf");
    knopf.GiveMouse(&zeiger);
    knopf.SetPosXY(412, 300);
    knopf.SetText("SPIELEN");
    knopf.Draw();
    knopf.Draw();
    return 0;
}
