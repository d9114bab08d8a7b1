#include "Symbol.h"

#include "Bloecke.h"
#include "Formen.h"
#include "Leinwand.h"
#include "Palette.h"
#include "PngDatei.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>

namespace
{
constexpr int SPALTEN = 5;
constexpr int ZEILEN = 5;

// The well, row by row from the top: one letter a piece, '.' an empty cell.
const char* const BRUNNEN[ZEILEN] = {
    ".TTT.",
    "..T..",
    "L...J",
    "L...J",
    "LL.JJ",
};

Farbe Stueckfarbe(char stueck)
{
    switch (stueck)
    {
    case 'T': return Palette::GELB;
    case 'L': return Palette::BLAU;
    default: return Palette::ROT;
    }
}

char Zelle(int spalte, int zeile)
{
    if (spalte < 0 || zeile < 0 || spalte >= SPALTEN || zeile >= ZEILEN)
        return '.';
    return BRUNNEN[zeile][spalte];
}

// Neighbours of a cell that belong to the same piece.
int Nachbarn(int spalte, int zeile)
{
    const char s = Zelle(spalte, zeile);
    int n = 0;
    if (Zelle(spalte, zeile - 1) == s)
        n |= Bloecke::OBEN;
    if (Zelle(spalte - 1, zeile) == s)
        n |= Bloecke::LINKS;
    if (Zelle(spalte, zeile + 1) == s)
        n |= Bloecke::UNTEN;
    if (Zelle(spalte + 1, zeile) == s)
        n |= Bloecke::RECHTS;
    return n;
}

// Sizes of the picture at one size; cells are whole pixels so the blocks stay sharp.
struct Masse
{
    double rand, radius, saum;  // the tile: inset from the border, corner radius, width of its light edge
    int zelle, links, oben;     // the well: cell size and the position of its top left cell
    int kante;                  // the bevel of a block
    int fuge;                   // gap around an empty cell's square
};

Masse Bemesse(int groesse)
{
    Masse m;
    m.rand = groesse / 32.0;
    m.radius = groesse * 44.0 / 256.0;
    m.saum = std::max(1.0, groesse / 128.0);
    m.zelle = static_cast<int>(std::lround(groesse * 40 / 256.0));
    m.links = (groesse - SPALTEN * m.zelle) / 2;
    m.oben = (groesse - ZEILEN * m.zelle) / 2;
    m.kante = std::max(1, m.zelle / 8);
    m.fuge = m.zelle >= 8 ? std::max(1, m.zelle / 20) : 0;
    return m;
}

// Below this cell size rim and bevel would swallow the colour: plain squares.
constexpr int KLEINSTER_BLOCK = 5;

const Farbe KACHEL_OBEN = Heller(Palette::NACHT, 0.06);
const Farbe KACHEL_UNTEN = Palette::NACHT_TIEF;
const Farbe KACHEL_SAUM = Heller(Palette::NACHT, 0.22);
const Farbe LEERE_ZELLE = Heller(Palette::NACHT, 0.05);

// Colours of a block, as Bloecke::MaleVerbunden paints them.
const double HELL_OBEN = 0.5, HELL_LINKS = 0.28, DUNKEL_UNTEN = 0.34, DUNKEL_RECHTS = 0.2;
const double RAND = 0.5, FLAECHE_HELL = 0.16, FLAECHE_DUNKEL = 0.06;

std::string Hex(Farbe c)
{
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", c.r, c.g, c.b);
    return text;
}

std::string Zahl(double v)
{
    std::ostringstream s;
    s << v;
    return s.str();
}

void SvgViereck(std::ostringstream& s, double x, double y, double w, double h, const std::string& fuellung)
{
    s << "  <rect x=\"" << Zahl(x) << "\" y=\"" << Zahl(y) << "\" width=\"" << Zahl(w) << "\" height=\""
      << Zahl(h) << "\" fill=\"" << fuellung << "\"/>\n";
}

void SvgVieleck(std::ostringstream& s, const std::vector<Formen::Punkt>& ecken, Farbe c)
{
    s << "  <polygon points=\"";
    for (size_t i = 0; i < ecken.size(); ++i)
        s << (i ? " " : "") << Zahl(ecken[i].first) << "," << Zahl(ecken[i].second);
    s << "\" fill=\"" << Hex(c) << "\"/>\n";
}

// One block with the bevel on its open sides, painted in the order in which
// the raster version lets one side win over another at the corners.
void SvgBlock(std::ostringstream& s, double x, double y, double c, double k, char stueck, int nachbarn)
{
    const Farbe basis = Stueckfarbe(stueck);
    const bool o = !(nachbarn & Bloecke::OBEN), l = !(nachbarn & Bloecke::LINKS);
    const bool u = !(nachbarn & Bloecke::UNTEN), r = !(nachbarn & Bloecke::RECHTS);
    SvgViereck(s, x, y, c, c, std::string("url(#flaeche_") + stueck + ")");
    if (nachbarn & Bloecke::RECHTS)
        s << "  <rect x=\"" << Zahl(x + c - 1) << "\" y=\"" << Zahl(y) << "\" width=\"1\" height=\"" << Zahl(c)
          << "\" fill=\"#000000\" fill-opacity=\"0.1\"/>\n";
    if (nachbarn & Bloecke::UNTEN)
        s << "  <rect x=\"" << Zahl(x) << "\" y=\"" << Zahl(y + c - 1) << "\" width=\"" << Zahl(c)
          << "\" height=\"1\" fill=\"#000000\" fill-opacity=\"0.1\"/>\n";
    if (r)
        SvgVieleck(s, {{x + c, y}, {x + c, y + c}, {x + c - k, y + c - (u ? k : 0)}, {x + c - k, y + (o ? k : 0)}},
                   Dunkler(basis, DUNKEL_RECHTS));
    if (u)
        SvgVieleck(s, {{x, y + c}, {x + c, y + c}, {x + c - (r ? k : 0), y + c - k}, {x + (l ? k : 0), y + c - k}},
                   Dunkler(basis, DUNKEL_UNTEN));
    if (l)
        SvgVieleck(s, {{x, y}, {x + k, y + (o ? k : 0)}, {x + k, y + c - (u ? k : 0)}, {x, y + c}},
                   Heller(basis, HELL_LINKS));
    if (o)
        SvgVieleck(s, {{x, y}, {x + c, y}, {x + c - (r ? k : 0), y + k}, {x + (l ? k : 0), y + k}},
                   Heller(basis, HELL_OBEN));
    const std::string rand = Hex(Dunkler(basis, RAND));
    if (o)
        SvgViereck(s, x, y, c, 1, rand);
    if (u)
        SvgViereck(s, x, y + c - 1, c, 1, rand);
    if (l)
        SvgViereck(s, x, y, 1, c, rand);
    if (r)
        SvgViereck(s, x + c - 1, y, 1, c, rand);
}

bool SchreibeText(const std::filesystem::path& pfad, const std::string& text)
{
    std::ofstream f(pfad, std::ios::binary | std::ios::trunc);
    f << text;
    f.close();
    return !f.fail();
}
}

namespace Symbol
{
const int GROESSEN[6] = {16, 32, 48, 64, 128, 256};

Leinwand Male(int groesse, std::vector<std::uint8_t>& deckung)
{
    const Masse m = Bemesse(groesse);
    Leinwand bild(groesse, groesse, KACHEL_UNTEN);
    deckung.assign(static_cast<size_t>(bild.Breite()) * bild.Hoehe(), 0);

    // The tile: its shape gives the alpha, the colour runs from top to bottom
    // over the whole picture so the blended edge has the tile's colour.
    const auto kachel = Formen::RundRechteck(m.rand, m.rand, groesse - m.rand, groesse - m.rand, m.radius);
    for (int y = 0; y < bild.Hoehe(); ++y)
        for (int x = 0; x < bild.Breite(); ++x)
        {
            const double t = (y + 0.5 - m.rand) / (groesse - 2 * m.rand);
            bild.Setze(x, y, Mische(KACHEL_OBEN, KACHEL_UNTEN, t));
            const double innen = std::clamp(0.5 - kachel(x + 0.5, y + 0.5), 0.0, 1.0);
            deckung[static_cast<size_t>(y) * bild.Breite() + x] = static_cast<std::uint8_t>(std::lround(255 * innen));
        }
    bild.Form(0, 0, groesse, groesse, Formen::Ring(kachel, m.saum), KACHEL_SAUM, true);

    for (int zeile = 0; zeile < ZEILEN; ++zeile)
        for (int spalte = 0; spalte < SPALTEN; ++spalte)
        {
            const int x = m.links + spalte * m.zelle, y = m.oben + zeile * m.zelle;
            const char stueck = Zelle(spalte, zeile);
            if (stueck != '.' && m.zelle < KLEINSTER_BLOCK)
                bild.Rechteck(x, y, m.zelle, m.zelle, Heller(Stueckfarbe(stueck), 0.1));
            else if (stueck != '.')
                Bloecke::MaleVerbunden(bild, x, y, m.zelle, m.kante, Stueckfarbe(stueck), Nachbarn(spalte, zeile));
            else if (m.fuge > 0)
                bild.Rechteck(x + m.fuge, y + m.fuge, m.zelle - 2 * m.fuge, m.zelle - 2 * m.fuge, LEERE_ZELLE);
        }
    return bild;
}

std::string Svg()
{
    const int groesse = 256;
    const Masse m = Bemesse(groesse);
    std::ostringstream s;
    s << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
      << "<!-- Quaderfall - erzeugt von tools/kunst, nicht von Hand bearbeiten -->\n"
      << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" << groesse << "\" height=\"" << groesse
      << "\" viewBox=\"0 0 " << groesse << " " << groesse << "\">\n"
      << " <defs>\n"
      << "  <linearGradient id=\"kachel\" gradientUnits=\"userSpaceOnUse\" x1=\"0\" y1=\"" << Zahl(m.rand)
      << "\" x2=\"0\" y2=\"" << Zahl(groesse - m.rand) << "\">\n"
      << "   <stop offset=\"0\" stop-color=\"" << Hex(KACHEL_OBEN) << "\"/>\n"
      << "   <stop offset=\"1\" stop-color=\"" << Hex(KACHEL_UNTEN) << "\"/>\n"
      << "  </linearGradient>\n";
    for (char stueck : {'T', 'L', 'J'})
    {
        const Farbe basis = Stueckfarbe(stueck);
        s << "  <linearGradient id=\"flaeche_" << stueck << "\" x1=\"0\" y1=\"0\" x2=\"1\" y2=\"1\">\n"
          << "   <stop offset=\"0\" stop-color=\"" << Hex(Heller(basis, FLAECHE_HELL)) << "\"/>\n"
          << "   <stop offset=\"1\" stop-color=\"" << Hex(Dunkler(basis, FLAECHE_DUNKEL)) << "\"/>\n"
          << "  </linearGradient>\n";
    }
    s << " </defs>\n";

    const double seite = groesse - 2 * m.rand;
    s << "  <rect x=\"" << Zahl(m.rand) << "\" y=\"" << Zahl(m.rand) << "\" width=\"" << Zahl(seite)
      << "\" height=\"" << Zahl(seite) << "\" rx=\"" << Zahl(m.radius) << "\" fill=\"url(#kachel)\"/>\n";
    const double innen = m.rand + m.saum / 2;
    s << "  <rect x=\"" << Zahl(innen) << "\" y=\"" << Zahl(innen) << "\" width=\"" << Zahl(seite - m.saum)
      << "\" height=\"" << Zahl(seite - m.saum) << "\" rx=\"" << Zahl(m.radius - m.saum / 2)
      << "\" fill=\"none\" stroke=\"" << Hex(KACHEL_SAUM) << "\" stroke-width=\"" << Zahl(m.saum) << "\"/>\n";

    for (int zeile = 0; zeile < ZEILEN; ++zeile)
        for (int spalte = 0; spalte < SPALTEN; ++spalte)
        {
            const int x = m.links + spalte * m.zelle, y = m.oben + zeile * m.zelle;
            const char stueck = Zelle(spalte, zeile);
            if (stueck != '.')
                SvgBlock(s, x, y, m.zelle, m.kante, stueck, Nachbarn(spalte, zeile));
            else
                SvgViereck(s, x + m.fuge, y + m.fuge, m.zelle - 2 * m.fuge, m.zelle - 2 * m.fuge, Hex(LEERE_ZELLE));
        }
    s << "</svg>\n";
    return s.str();
}

bool Mache(const std::string& ordner)
{
    namespace fs = std::filesystem;
    bool gut = true;
    for (int groesse : GROESSEN)
    {
        const std::string n = std::to_string(groesse);
        const fs::path pfad = fs::path(ordner) / (n + "x" + n) / "apps" / "quaderfall.png";
        std::error_code ec;
        fs::create_directories(pfad.parent_path(), ec);
        std::vector<std::uint8_t> deckung;
        const Leinwand bild = Male(groesse, deckung);
        if (ec || !PngDatei::Schreibe(pfad.string(), bild, deckung))
        {
            std::cerr << "qf_symbol - FEHLER: '" << pfad.string() << "' kann nicht geschrieben werden\n";
            gut = false;
        }
    }
    const fs::path svg = fs::path(ordner) / "scalable" / "apps" / "quaderfall.svg";
    std::error_code ec;
    fs::create_directories(svg.parent_path(), ec);
    if (ec || !SchreibeText(svg, Svg()))
    {
        std::cerr << "qf_symbol - FEHLER: '" << svg.string() << "' kann nicht geschrieben werden\n";
        gut = false;
    }
    return gut;
}
}
