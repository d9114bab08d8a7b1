#include "Gamepad.h"

#include "Globale.h"
#include "VOQ_Konfig.h"

#include <climits>
#include <cstdio>
#include <string>

namespace
{
const char* const DATEI = "stg.konfig";
const char* const SCHLUESSEL[] = {"DREHTASTE", "PAUSETASTE", "STURZTASTE"};

short AlsKnopf(int wert)
{
    if (wert > SHRT_MAX)
        return SHRT_MAX;
    if (wert < SHRT_MIN)
        return SHRT_MIN;
    return static_cast<short>(wert);
}

void LeseZeile(const std::string& zeile)
{
    short* ziele[] = {&joy_drehen, &joy_pause, &joy_sturz};
    const int k = VOQ_Konfig::FindeSchluessel(zeile, SCHLUESSEL, 3);
    int wert = 0;
    if (k >= 0 && VOQ_Konfig::LeseZahl(zeile, SCHLUESSEL[k], wert))
        *ziele[k] = AlsKnopf(wert);
}
}

void GamepadEinlesen()
{
    VOQ_Konfig konfig(VOQ_Konfig::ZEILE_KURZ);
    if (!konfig.Oeffne(DATEI)) {
        joy_drehen = 0;
        return;
    }
    std::string zeile;
    while (konfig.NaechsteZeile(zeile))
        LeseZeile(zeile);
}

void GamepadSchreiben()
{
    std::FILE* datei = std::fopen(DATEI, "w");
    if (!datei)
        return;
    std::fprintf(datei, "DREHTASTE=%d\nPAUSETASTE=%d\nSTURZTASTE=%d\n", joy_drehen, joy_pause, joy_sturz);
    std::fclose(datei);
}
