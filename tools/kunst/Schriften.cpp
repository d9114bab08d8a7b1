#include "Schriften.h"

#include "Ausgabe.h"
#include "Leinwand.h"
#include "Palette.h"
#include "Schriftsatz.h"

#include <algorithm>
#include <iostream>

namespace
{
// One font: cell size in the sheet (drawn 1:1), the face's pixel size, and
// the steps from glyph to glyph and line to line on screen.
struct Schnitt
{
    const char* name;
    int zelle;
    int pixel;
    int schritt;
    int zeilenschritt;
    int staerker;  // extra stroke width, 64ths of a pixel
    bool einfarbig;
    int schwelle;  // coverage from which an anti-aliased pixel is ink
};

const Schnitt SCHNITTE[] = {
    {"bilder/eingabe/schriften/schrift_012", 16, 14, 9, 16, 12, false, 90},
    {"bilder/eingabe/schriften/schrift_020", 32, 24, 16, 28, 0, false, 90},
};

struct Glyphensatz
{
    Glyphe zeichen[256];
    bool da[256] = {};
};

// Makes the glyph hard (ink where the coverage reaches schwelle) and trims
// its box to the ink, so that placing it works on what will be visible.
void Haerte(Glyphe& g, int schwelle)
{
    int x0 = g.breite, x1 = -1, y0 = g.hoehe, y1 = -1;
    for (int y = 0; y < g.hoehe; ++y)
        for (int x = 0; x < g.breite; ++x)
        {
            std::uint8_t& d = g.deckung[static_cast<size_t>(y) * g.breite + x];
            d = d >= schwelle ? 255 : 0;
            if (d)
            {
                x0 = std::min(x0, x);
                x1 = std::max(x1, x);
                y0 = std::min(y0, y);
                y1 = std::max(y1, y);
            }
        }
    if (x1 < 0)
    {
        g.breite = g.hoehe = 0;
        g.deckung.clear();
        return;
    }
    Glyphe h = g;
    h.breite = x1 - x0 + 1;
    h.hoehe = y1 - y0 + 1;
    h.links = g.links + x0;
    h.oben = g.oben - y0;
    h.deckung.assign(static_cast<size_t>(h.breite) * h.hoehe, 0);
    for (int y = 0; y < h.hoehe; ++y)
        for (int x = 0; x < h.breite; ++x)
            h.deckung[static_cast<size_t>(y) * h.breite + x] =
                g.deckung[static_cast<size_t>(y + y0) * g.breite + x + x0];
    g = h;
}

// The face's zero carries a dot that, at these small sizes, runs into the
// ring and makes it look like an 8 ("V1.0" read as "V1.8"). Clears the inside
// of the ring, whose stroke is measured a quarter down from the top.
void OeffneNull(Glyphe& g)
{
    if (g.breite == 0)
        return;
    auto tinte = [&g](int x, int y) { return g.deckung[static_cast<size_t>(y) * g.breite + x] != 0; };
    const int zeile = g.hoehe / 4;
    int links = 0;
    while (links < g.breite && !tinte(links, zeile))
        ++links;
    int strich = 0;
    while (links + strich < g.breite && tinte(links + strich, zeile))
        ++strich;
    for (int y = strich; y < g.hoehe - strich; ++y)
        for (int x = strich; x < g.breite - strich; ++x)
            g.deckung[static_cast<size_t>(y) * g.breite + x] = 0;
}

// Baseline row in the cell: capitals centred, every glyph inside the cell.
int Grundlinie(const Glyphensatz& satz, int zelle, int versalhoehe)
{
    int hoechste = 0, tiefste = 0;
    for (int c = 0; c < 256; ++c)
        if (satz.da[c] && satz.zeichen[c].hoehe > 0)
        {
            hoechste = std::max(hoechste, satz.zeichen[c].oben);
            tiefste = std::min(tiefste, satz.zeichen[c].oben - satz.zeichen[c].hoehe);
        }
    int linie = (zelle + versalhoehe + 1) / 2;
    linie = std::max(linie, hoechste);
    linie = std::min(linie, zelle + tiefste);
    return linie;
}

// Left edge of the glyph in its cell: centred in the step, kept inside it.
int Linksbuendig(const Glyphe& g, int schritt)
{
    int x = (schritt - g.vorschub) / 2 + g.links;
    if (x + g.breite > schritt)
        x = schritt - g.breite;
    return std::max(x, 0);
}

// Renders every table glyph at the given pixel size; false if one is missing.
bool Rendere(const std::string& datei, const Schnitt& s, int pixel, Glyphensatz& glyphen)
{
    Schriftsatz satz;
    if (!satz.Oeffne(datei, pixel))
        return false;
    for (std::uint8_t code : Schriften::Zeichentabelle())
    {
        if (!satz.Lade(Schriften::Unicode(code), s.einfarbig, s.staerker, glyphen.zeichen[code]))
        {
            std::cerr << "qf_kunst - FEHLER: '" << datei << "' hat kein Zeichen " << int(code)
                      << "\n";
            return false;
        }
        Haerte(glyphen.zeichen[code], s.schwelle);
        if (code == '0')
            OeffneNull(glyphen.zeichen[code]);
        glyphen.da[code] = true;
    }
    return true;
}

// Rows from the highest to the lowest ink of all glyphs.
int Umfang(const Glyphensatz& satz)
{
    int hoechste = 0, tiefste = 0;
    for (int c = 0; c < 256; ++c)
        if (satz.da[c] && satz.zeichen[c].hoehe > 0)
        {
            hoechste = std::max(hoechste, satz.zeichen[c].oben);
            tiefste = std::min(tiefste, satz.zeichen[c].oben - satz.zeichen[c].hoehe);
        }
    return hoechste - tiefste;
}

bool Blatt(Ausgabe& aus, const std::string& datei, const Schnitt& s)
{
    // The largest size up to the wanted one whose glyphs all fit in a cell,
    // umlaut dots above the capitals and descenders below.
    Glyphensatz glyphen;
    int pixel = s.pixel;
    for (;; --pixel)
    {
        glyphen = Glyphensatz{};
        if (!Rendere(datei, s, pixel, glyphen))
            return false;
        if (Umfang(glyphen) <= s.zelle)
            break;
        if (pixel <= s.pixel / 2)
        {
            std::cerr << "qf_kunst - FEHLER: '" << s.name << "' passt in keine Zelle\n";
            return false;
        }
    }
    const int linie = Grundlinie(glyphen, s.zelle, glyphen.zeichen['H'].oben);

    Leinwand blatt(16 * s.zelle, 16 * s.zelle, Palette::SCHRIFTSCHLUESSEL);
    int abgeschnitten = 0;
    for (int code = 0; code < 256; ++code)
    {
        if (!glyphen.da[code] || code == ' ')
            continue;
        const Glyphe& g = glyphen.zeichen[code];
        const int zx = (code % 16) * s.zelle, zy = (code / 16) * s.zelle;
        const int gx = Linksbuendig(g, s.schritt);
        const int gy = linie - g.oben;
        for (int y = 0; y < g.hoehe; ++y)
            for (int x = 0; x < g.breite; ++x)
            {
                const int px = gx + x, py = gy + y;
                if (g.deckung[static_cast<size_t>(y) * g.breite + x] == 0)
                    continue;
                if (px < 0 || py < 0 || px >= s.zelle || py >= s.zelle)
                    ++abgeschnitten;
                else
                    blatt.Setze(zx + px, zy + py, Palette::TINTE);
            }
    }
    if (abgeschnitten > 0)
    {
        std::cerr << "qf_kunst - FEHLER: " << abgeschnitten << " Pixel von '" << s.name
                  << "' passen nicht in ihre Zellen\n";
        return false;
    }
    const Schriftbeschreibung b{s.zelle, s.zelle, s.zelle, s.zelle, s.schritt - s.zelle,
                                s.zeilenschritt - s.zelle};
    return aus.Schrift(s.name, blatt, b);
}
}

namespace Schriften
{
std::vector<std::uint8_t> Zeichentabelle()
{
    std::vector<std::uint8_t> t;
    for (int c = 'a'; c <= 'z'; ++c)
        t.push_back(static_cast<std::uint8_t>(c));
    t.push_back(' ');
    for (int c = 0x30; c <= 0x3F; ++c)
        t.push_back(static_cast<std::uint8_t>(c));
    for (int c = 0x21; c <= 0x2F; ++c)
        t.push_back(static_cast<std::uint8_t>(c));
    for (int c = 0x5B; c <= 0x5F; ++c)
        t.push_back(static_cast<std::uint8_t>(c));
    t.push_back('@');
    for (int c = 'A'; c <= 'Z'; ++c)
        t.push_back(static_cast<std::uint8_t>(c));
    for (int c = 0x7B; c <= 0x7E; ++c)
        t.push_back(static_cast<std::uint8_t>(c));
    for (std::uint8_t c : {0xDF, 0x80, 0xA7, 0xE4, 0xC4, 0xF6, 0xD6, 0xFC, 0xDC, 0xA9, 0xAE, 0xB5,
                           0xE6, 0xC6, 0xF8, 0xD8, 0xE5, 0xC5})
        t.push_back(c);
    // Then the rest of Latin-1's printable upper half, so that every name a
    // player types is shown: the 112 above keep their places in the table.
    for (int c = 0xA0; c <= 0xFF; ++c)
        if (std::find(t.begin(), t.end(), c) == t.end())
            t.push_back(static_cast<std::uint8_t>(c));
    return t;
}

std::uint32_t Unicode(std::uint8_t code)
{
    return code == 0x80 ? 0x20AC : code;
}

bool Mache(Ausgabe& aus, const std::string& monoFett)
{
    bool gut = true;
    for (const Schnitt& s : SCHNITTE)
        gut = Blatt(aus, monoFett, s) && gut;
    return gut;
}
}
