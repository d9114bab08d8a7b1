#include "Intro.h"

#include "Ausgabe.h"
#include "Bloecke.h"
#include "Formen.h"
#include "Leinwand.h"
#include "Palette.h"
#include "Schriftsatz.h"

#include <cmath>
#include <cstring>

namespace
{
constexpr int ZEICHEN_X = 400, ZEICHEN_Y = 40, ZEICHEN_S = 256;
constexpr int MITTE_X = 512;
const Farbe SCHEIN{236, 240, 248};

Farbe Grund(int x, int y)
{
    if (y >= 768)
        return Farbe{8, 11, 24};
    const double d = std::hypot((x - 512) / 620.0, (y - 330) / 520.0);
    return Mische(Farbe{40, 56, 104}, Farbe{8, 11, 24}, d);
}

// Anti-aliased text with extra spacing, centred on x; false if the font fails.
bool Schreibe(Leinwand& bild, const std::string& datei, int pixel, const char* text, int sperrung,
              int mitte, int grundlinie, Farbe farbe)
{
    Schriftsatz satz;
    if (!satz.Oeffne(datei, pixel))
        return false;
    const size_t n = std::strlen(text);
    int breite = 0;
    Glyphe g;
    for (size_t i = 0; i < n; ++i)
    {
        if (!satz.Lade(static_cast<unsigned char>(text[i]), false, 0, g))
            return false;
        breite += g.vorschub + (i + 1 < n ? sperrung : 0);
    }
    int stift = mitte - breite / 2;
    for (size_t i = 0; i < n; ++i)
    {
        satz.Lade(static_cast<unsigned char>(text[i]), false, 0, g);
        for (int y = 0; y < g.hoehe; ++y)
            for (int x = 0; x < g.breite; ++x)
                bild.Decke(stift + g.links + x, grundlinie - g.oben + y, farbe,
                           g.deckung[static_cast<size_t>(y) * g.breite + x] / 255.0);
        stift += g.vorschub + sperrung;
    }
    return true;
}

// The emblem: a ring closed by a block into a Q, four blocks inside it.
void Emblem(Leinwand& bild, int cx, int cy)
{
    bild.Form(cx - 110, cy - 110, 220, 220, Formen::Ring(Formen::Kreis(cx, cy, 92), 10), SCHEIN, true);
    const Farbe farben[] = {Palette::ROT, Palette::GELB, Palette::BLAU, Palette::GRUEN};
    for (int i = 0; i < 4; ++i)
        Bloecke::Male(bild, cx - 44 + (i % 2) * 44, cy - 44 + (i / 2) * 44, 44, 6, farben[i]);
    Bloecke::Male(bild, cx + 50, cy + 50, 32, 4, Palette::LILA);
}
}

namespace Intro
{
bool Mache(Ausgabe& aus, const std::string& sansFett)
{
    Leinwand logo(1024, 1024, Farbe{8, 11, 24});
    logo.Male(0, 0, 1024, 1024, Grund);
    bool gut = Schreibe(logo, sansFett, 104, "QUENTABOR", 14, MITTE_X, 470, SCHEIN);
    const Farbe farben[] = {Palette::ROT,  Palette::GELB,  Palette::GRUEN, Palette::BLAU,
                            Palette::LILA, Palette::BRAUN, Palette::GRAU};
    for (int i = 0; i < 7; ++i)
        Bloecke::Male(logo, MITTE_X - 7 * 30 / 2 + i * 30 + 3, 504, 24, 4, farben[i]);
    gut = Schreibe(logo, sansFett, 22, "PR\xc4SENTIERT", 10, MITTE_X, 590, Farbe{150, 166, 204}) && gut;

    // The sign carries the logo's own background, so it fades in seamlessly.
    Leinwand zeichen(ZEICHEN_S, ZEICHEN_S, Palette::NACHT);
    for (int y = 0; y < ZEICHEN_S; ++y)
        for (int x = 0; x < ZEICHEN_S; ++x)
            zeichen.Setze(x, y, logo.Hole(ZEICHEN_X + x, ZEICHEN_Y + y));
    Emblem(zeichen, MITTE_X - ZEICHEN_X, 128);

    Beschreibung b;
    b.bildBreite = b.bildHoehe = 1024;
    b.anzeigeBreite = b.anzeigeHoehe = 1024;
    b.schluessel = false;
    gut = aus.Bild("bilder/eingabe/intro/quentabor", logo, b) && gut;
    Beschreibung z;
    z.bildBreite = z.bildHoehe = ZEICHEN_S;
    z.anzeigeBreite = z.anzeigeHoehe = ZEICHEN_S;
    z.schluessel = false;
    return aus.Bild("bilder/eingabe/intro/zeichen", zeichen, z) && gut;
}
}
