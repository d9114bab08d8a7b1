#include "Eingabeflaechen.h"

#include "Ausgabe.h"
#include "Formen.h"
#include "Leinwand.h"
#include "Palette.h"

#include <string>

namespace
{
// The frames are 256 x 32 (both sides powers of two, drawn 1:1); the widget
// fills the left part, the rest is key colour.
constexpr int RAHMEN_B = 256;
constexpr int RAHMEN_H = 32;
constexpr int H = Eingabeflaechen::HOEHE;

enum class Zustand
{
    NORMAL,
    UEBER,
    GEDRUECKT
};

struct Ton
{
    Farbe rand, oben, unten, kante;
};

Ton TonVon(Zustand z)
{
    switch (z)
    {
    case Zustand::UEBER:
        return Ton{Palette::AKZENT, Farbe{240, 246, 255}, Farbe{208, 224, 251}, Farbe{170, 196, 240}};
    case Zustand::GEDRUECKT:
        return Ton{Palette::TINTE, Farbe{188, 201, 224}, Farbe{214, 223, 238}, Farbe{160, 174, 200}};
    default:
        return Ton{Palette::TINTE, Palette::WEISS, Palette::NEBEL, Palette::STAHL};
    }
}

// A raised (or, pressed, sunken) rounded plate of width w.
void Platte(Leinwand& bild, int w, Zustand z, double radius)
{
    const Ton t = TonVon(z);
    const auto aussen = Formen::RundRechteck(0, 0, w, H, radius);
    const auto innen = Formen::RundRechteck(2, 2, w - 2, H - 2, radius - 2);
    bild.Form(0, 0, w, H, aussen, t.rand, false);
    const bool gedrueckt = z == Zustand::GEDRUECKT;
    bild.Form(0, 0, w, H, innen, [&](int, int y) {
        // A lip of two rows: below when raised, above when pressed.
        if (!gedrueckt && y >= H - 5)
            return t.kante;
        if (gedrueckt && y <= 4)
            return t.kante;
        if (!gedrueckt && y == 2)
            return Palette::WEISS;
        return Mische(t.oben, t.unten, (y - 2) / double(H - 4));
    }, false);
}

Leinwand Rahmen()
{
    return Leinwand(RAHMEN_B, RAHMEN_H, Palette::SCHLUESSEL);
}

bool Schreibe(Ausgabe& aus, const std::string& ordner, int nummer, const Leinwand& bild, int breite)
{
    Beschreibung b;
    b.bildBreite = RAHMEN_B;
    b.bildHoehe = RAHMEN_H;
    b.anzeigeBreite = RAHMEN_B;
    b.anzeigeHoehe = RAHMEN_H;
    b.echtBreite = breite;
    b.echtHoehe = H;
    return aus.Bild(ordner + "/block/" + std::to_string(nummer), bild, b);
}

// The small mark at the left of check boxes and radio buttons, inside the
// caption's leading blanks.
void Haken(Leinwand& bild, Zustand z, bool an, bool rund)
{
    const double x0 = 9, y0 = 8, s = 16;
    const Farbe rand = z == Zustand::UEBER ? Palette::AKZENT : Palette::TINTE;
    const auto feld = rund ? Formen::Kreis(x0 + s / 2, y0 + s / 2, s / 2)
                           : Formen::RundRechteck(x0, y0, x0 + s, y0 + s, 3);
    const auto innen = Formen::Versetzt(feld, -2);
    bild.Form(0, 0, 40, H, feld, rand, false);
    // The block green is light: darkened, the white mark keeps its contrast.
    bild.Form(0, 0, 40, H, innen, an ? Dunkler(Palette::GRUEN, 0.35) : Palette::WEISS, false);
    if (!an)
        return;
    if (rund)
    {
        bild.Form(0, 0, 40, H, Formen::Kreis(x0 + s / 2, y0 + s / 2, 3.6), Palette::WEISS, false);
        return;
    }
    const auto strich1 = Formen::Vieleck({{12.0, 15.5}, {14.5, 13.5}, {17.5, 17.0}, {16.0, 20.0}});
    const auto strich2 = Formen::Vieleck({{15.0, 19.0}, {22.0, 10.5}, {24.0, 12.5}, {16.5, 21.5}});
    bild.Form(0, 0, 40, H, Formen::Vereinigt(strich1, strich2), Palette::WEISS, false);
}

bool Schaltflaechen(Ausgabe& aus)
{
    const std::string ordner = "bilder/eingabe/schaltflaechen";
    bool gut = true;
    const Zustand zustaende[] = {Zustand::NORMAL, Zustand::UEBER, Zustand::GEDRUECKT};
    for (int n = 0; n < 3; ++n)
    {
        Leinwand bild = Rahmen();
        Platte(bild, Eingabeflaechen::BREITE, zustaende[n], 7);
        gut = Schreibe(aus, ordner, n + 1, bild, Eingabeflaechen::BREITE) && gut;
    }
    return gut;
}

// Check boxes and radio buttons: 1 off, 2 off with the pointer over it, 3 on.
bool Waehlflaechen(Ausgabe& aus, const std::string& ordner, bool rund)
{
    bool gut = true;
    const Zustand zustaende[] = {Zustand::NORMAL, Zustand::UEBER, Zustand::NORMAL};
    for (int n = 0; n < 3; ++n)
    {
        Leinwand bild = Rahmen();
        Platte(bild, Eingabeflaechen::BREITE, zustaende[n], 7);
        Haken(bild, zustaende[n], n == 2, rund);
        gut = Schreibe(aus, ordner, n + 1, bild, Eingabeflaechen::BREITE) && gut;
    }
    return gut;
}

// The text field: a sunken white slot; 3 is the field being edited.
bool Texteingaben(Ausgabe& aus)
{
    const std::string ordner = "bilder/eingabe/texteingaben";
    const int w = Eingabeflaechen::FELDBREITE;
    bool gut = true;
    for (int n = 1; n <= 3; ++n)
    {
        Leinwand bild = Rahmen();
        const Farbe rand = n == 1 ? Palette::TINTE_HELL : Palette::AKZENT;
        const Farbe grund = n == 3 ? Farbe{236, 244, 255} : Palette::WEISS;
        const auto aussen = Formen::RundRechteck(0, 0, w, H, 4);
        const auto innen = Formen::RundRechteck(2, 2, w - 2, H - 2, 2);
        bild.Form(0, 0, w, H, aussen, rand, false);
        bild.Form(0, 0, w, H, innen, [&](int, int y) {
            if (y == 2)
                return Palette::STAHL;
            if (y == 3)
                return Mische(Palette::STAHL, grund, 0.6);
            return grund;
        }, false);
        if (n == 3)
        {
            // A second ring marks the field that takes the keys.
            bild.Form(0, 0, w, H, Formen::Ring(innen, 1), Farbe{150, 186, 245}, false);
        }
        gut = Schreibe(aus, ordner, n, bild, w) && gut;
    }
    return gut;
}
}

namespace Eingabeflaechen
{
bool Mache(Ausgabe& aus)
{
    bool gut = Schaltflaechen(aus);
    gut = Waehlflaechen(aus, "bilder/eingabe/anwaehlflaechen", false) && gut;
    gut = Waehlflaechen(aus, "bilder/eingabe/einzelwaehlflaechen", true) && gut;
    gut = Texteingaben(aus) && gut;
    return gut;
}
}
