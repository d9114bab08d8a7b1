#include "VOQ_Bedienelement.h"

#include "VOQ_Konfig.h"
#include "VOQ_Log.h"
#include "VOQ_OGL_Bildlauf.h"
#include "VOQ_OGL_Schrift.h"

#include "SDL.h"
#include "SDL_mixer.h"

#include <cstddef>

namespace
{
const char* const ECHTGROESSE = "ECHTGROESSE";

// One description file: the last ECHTGROESSE line read gives the click size.
bool LeseEchtgroesse(const std::string& datei, int& width, int& height)
{
    VOQ_Konfig konfig(VOQ_Konfig::ZEILE_LANG);
    if (!konfig.Oeffne(datei))
        return false;
    std::string zeile;
    while (konfig.NaechsteZeile(zeile)) {
        if (VOQ_Konfig::FindeSchluessel(zeile, &ECHTGROESSE, 1) != 0)
            continue;
        int groesse[2] = {width, height};
        VOQ_Konfig::LeseZahlen(zeile, ECHTGROESSE, groesse, 2);
        width = groesse[0];
        height = groesse[1];
    }
    return true;
}
}

bool VOQ_Bedienelement::LeseOrdner(const std::string& ordner, const char* art,
                                   VOQ_OGL_Bildlauf bilder[3], int& width, int& height)
{
    VOQ_Log::Aus("#o> VOQ_OGL_Eingabe\n\t>Einlesen der " + std::string(art) + " '" + ordner + "' ...");
    for (int n = 1; n <= 3; ++n) {
        const std::string basis = ordner + "/" + std::to_string(n);
        const std::string datei = basis + ".konfig";
        if (!LeseEchtgroesse(datei, width, height)) {
            VOQ_Log::Fehler("\n#o> VOQ_OGL_Eingabe - FEHLER: Datei '" + datei
                            + "' kann nicht geöffnet werden.\n\n");
            return false;
        }
        bilder[n - 1].Init(basis);
    }
    VOQ_Log::Aus("\t(erledigt)\n");
    return true;
}

void VOQ_Bedienelement::Zeiger(VOQ_Maus* maus, int& mx, int& my)
{
    if (maus) {
        mx = maus->GetPosX();
        my = maus->GetPosY();
    } else {
        SDL_GetMouseState(&mx, &my);
    }
}

bool VOQ_Bedienelement::Ueber(int mx, int my, int x, int y, int width, int height)
{
    // 64 bits: a click size from a description file may reach the int limit.
    const long long rechts = static_cast<long long>(x) + width;
    const long long unten = static_cast<long long>(y) + height;
    return x <= mx && mx <= rechts && y <= my && my <= unten;
}

bool VOQ_Bedienelement::Gedrueckt(VOQ_Maus* maus)
{
    if (SDL_GetMouseState(nullptr, nullptr) & SDL_BUTTON(SDL_BUTTON_LEFT))
        return true;
    return maus && maus->WasSimClicked();
}

int VOQ_Bedienelement::BildNummer(bool ueber, bool gedrueckt, An an)
{
    if (gedrueckt)
        return GEDRUECKT;
    if (ueber)
        return an == An::IMMER ? GEDRUECKT : DARUEBER;
    return an == An::NIE ? NORMAL : GEDRUECKT;
}

void VOQ_Bedienelement::SpieleKlang(bool soundOn, Mix_Chunk* sound)
{
    if (soundOn && sound)
        Mix_PlayChannelTimed(-1, sound, 0, -1);
}

void VOQ_Bedienelement::ZeichneText(VOQ_OGL_Schrift* schrift, const std::string& text, int x, int y,
                                    int height)
{
    if (!schrift)
        return;
    // 64 bits: sizes and spacing come from description files and may reach the int limits.
    const long long zelle = static_cast<long long>(schrift->GetWidthDraw()) + schrift->GetCharAbstand();
    const long long textX = x + zelle / 2;
    const long long textY = static_cast<long long>(y) + height / 2 - schrift->GetHeightDraw() / 2;
    // The font keeps a glyph index per character for this many characters;
    // anything beyond lies far outside the window anyway.
    // Set straight from the caption, as every frame draws it: a copy of a
    // caption longer than the string's own room would cost an allocation.
    const std::size_t laenge = VOQ_OGL_Schrift::TEXTLAENGE - 1;
    if (text.size() <= laenge)
        schrift->SetText(text.c_str());
    else
        schrift->SetText(text.substr(0, laenge).c_str());
    schrift->Draw(static_cast<float>(textX), static_cast<float>(textY));
}
