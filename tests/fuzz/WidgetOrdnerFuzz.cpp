// A widget image folder: the input holds its description files 1.konfig,
// 2.konfig and 3.konfig, separated by form feeds ('\f'; the last keeps any
// further ones); files the input does not reach are missing. The three state
// images are fixed. The button is loaded, placed where a screen would put one
// and drawn twice with the pointer over its top-left part.
#include "FuzzHilfe.h"

#include "VOQ_Button.h"
#include "VOQ_Maus.h"

#include <cstdio>
#include <string>

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    const std::string bild = fuzz::Testbild();
    return fuzz::Beginne(true, {{"knopf/1.bmp", bild}, {"knopf/2.bmp", bild}, {"knopf/3.bmp", bild}});
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse)
{
    const fuzz::Hier hier;
    std::string teil[3];
    int letzter = 0;
    for (std::size_t i = 0; i < groesse; ++i) {
        if (daten[i] == '\f' && letzter < 2)
            ++letzter;
        else
            teil[letzter] += static_cast<char>(daten[i]);
    }
    for (int n = 0; n < 3; ++n) {
        const std::string datei = "knopf/" + std::to_string(n + 1) + ".konfig";
        if (n <= letzter)
            fuzz::Schreibe(datei, teil[n]);
        else
            std::remove(datei.c_str());
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
