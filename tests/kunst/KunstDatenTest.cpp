// The art generator's output as the engine and the screens find it: every
// picture the game loads against its description, the colour key where the
// engine expects it, the font sheets, the widget folders, the cursor frames,
// the game background behind its texts, and the desktop icon read back with
// libpng.
#include "Leinwand.h"
#include "Symbol.h"

#include <SDL.h>
#include <gtest/gtest.h>
#include <png.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

namespace
{
using Rgb = std::array<int, 3>;

const char* const FARBEN[] = {"rot", "gruen", "blau", "lila", "braun", "gelb", "grau"};
// The folders the shipped settings name, below daten/.
const std::string EINGABE = "bilder/eingabe/", SCHRIFTEN = EINGABE + "schriften/", ZEIGER = EINGABE + "mauszeiger/";
const char* const WIDGETS[] = {"schaltflaechen", "anwaehlflaechen", "einzelwaehlflaechen", "texteingaben"};

int Hell(const Rgb& c) { return (3 * c[0] + 6 * c[1] + c[2]) / 10; }
bool Zweierpotenz(int n) { return n > 0 && (n & (n - 1)) == 0; }

// A picture: its strip bitmap and the numbers of its description, a key taken
// where it starts a line directly followed by "=", as the engine reads it.
// Sizes of 0 are resolved as the engine resolves them.
struct Bild
{
    std::map<std::string, std::vector<int>> werte;
    std::unique_ptr<SDL_Surface, void (*)(SDL_Surface*)> s;
    int breite, hoehe, anzeigeBreite, anzeigeHoehe;
    Rgb schluessel;  // the colour key (the description gives blue first)

    explicit Bild(const std::string& name)
        : s(SDL_LoadBMP((QF_DATEN_DIR "/" + name + ".bmp").c_str()), SDL_FreeSurface)
    {
        std::ifstream f(QF_DATEN_DIR "/" + name + ".konfig");
        for (std::string zeile; std::getline(f, zeile);) {
            const size_t gleich = zeile[0] == '#' ? std::string::npos : zeile.find('=');
            std::istringstream zahlen(gleich == std::string::npos ? "" : zeile.substr(gleich + 1));
            for (int n; zahlen >> n; zahlen.ignore())
                werte[zeile.substr(0, gleich)].push_back(n);
        }
        breite = W("ORIGINALGROESSE") > 0 ? W("ORIGINALGROESSE") : (s ? s->w : 0);
        hoehe = W("ORIGINALGROESSE", 1) > 0 ? W("ORIGINALGROESSE", 1) : (s ? s->h : 0);
        anzeigeBreite = W("ANZEIGEGROESSE") > 0 ? W("ANZEIGEGROESSE") : breite;
        anzeigeHoehe = W("ANZEIGEGROESSE", 1) > 0 ? W("ANZEIGEGROESSE", 1) : hoehe;
        schluessel = {W("UNSICHTBARKEIT", 2), W("UNSICHTBARKEIT", 1), W("UNSICHTBARKEIT")};
    }

    // The i-th number of a key; -1 if there is none.
    int W(const std::string& wort, size_t i = 0) const
    {
        const auto it = werte.find(wort);
        return it != werte.end() && i < it->second.size() ? it->second[i] : -1;
    }
    // SDL keeps a 24-bit bitmap as blue, green, red.
    Rgb P(int x, int y) const
    {
        if (!s || x < 0 || y < 0 || x >= s->w || y >= s->h || s->format->BytesPerPixel != 3)
            return {-1, -1, -1};
        const Uint8* p = static_cast<const Uint8*>(s->pixels) + y * s->pitch + 3 * x;
        return {p[2], p[1], p[0]};
    }
    bool Loch(int x, int y) const { return P(x, y) == schluessel; }
    int Schritt() const { return anzeigeBreite + W("ZEICHENABSTAND"); }
};
}

TEST(Bilder, JedesBildPasstZuSeinerBeschreibung)
{
    // Every picture the screens, the playfield, the cursor and the widgets
    // load: frames, the draw size a screen relies on (0: the frame size), and
    // whether it has transparent parts, its top-left corner among them.
    std::vector<std::tuple<std::string, int, int, int, bool>> bilder = {
        {"bilder/spielfeld", 1, 0, 0, false}, {"bilder/titel", 1, 0, 0, true}, {"bilder/pokal", 1, 0, 0, true},
        {"bilder/geraet", 1, 0, 0, true}, {EINGABE + "intro/quentabor", 1, 0, 0, false},
        {EINGABE + "intro/zeichen", 1, 0, 0, false}, {EINGABE + "hintergruende/weiss", 1, 1024, 768, false},
        {EINGABE + "hintergruende/schwarz", 1, 1024, 768, false}, {ZEIGER + "zeiger_001", 9, 0, 0, true}};
    for (const char* m : {"1", "4", "9", "x"})
        bilder.emplace_back(ZEIGER + "feldmarkierung" + m, 1, 0, 0, true);
    for (const char* f : FARBEN) {
        // The playfield and the piece step their cells by 32 pixels.
        bilder.emplace_back(std::string("bilder/block_") + f, 1, 32, 32, false);
        bilder.emplace_back(std::string("bilder/schatten_") + f, 1, 32, 32, true);
        bilder.emplace_back(std::string("bilder/zeitlauf_") + f, 1, 0, 0, false);
    }
    for (const char* art : WIDGETS)
        for (const char* n : {"/1", "/2", "/3"})
            bilder.emplace_back(EINGABE + art + "/block" + n, 1, 0, 0, true);
    for (const auto& [name, anzahl, anzeigeBreite, anzeigeHoehe, loecher] : bilder) {
        SCOPED_TRACE(name);
        const Bild b(name);
        ASSERT_TRUE(b.s);
        // Frames side by side, of power-of-two sides as any OpenGL takes them.
        EXPECT_TRUE(anzahl == b.W("BILDERANZAHL") && anzahl * b.breite == b.s->w && b.hoehe == b.s->h)
            << b.W("BILDERANZAHL") << " Bilder in " << b.s->w << "x" << b.s->h;
        EXPECT_TRUE(Zweierpotenz(b.breite) && Zweierpotenz(b.hoehe)) << b.breite << "x" << b.hoehe;
        EXPECT_EQ(anzeigeBreite ? anzeigeBreite : b.breite, b.anzeigeBreite);
        EXPECT_EQ(anzeigeHoehe ? anzeigeHoehe : b.hoehe, b.anzeigeHoehe);
        int loch = 0;
        for (int y = 0; y < b.s->h; ++y)
            for (int x = 0; x < b.s->w; ++x)
                loch += b.Loch(x, y);
        EXPECT_EQ(loecher, b.Loch(0, 0));
        EXPECT_TRUE(loecher ? loch < b.s->w * b.s->h : loch == 0) << loch << " Loecher";
    }
}

TEST(Bilder, WasDerSpielerSieht)
{
    // Faces lit from the top left; red, green, blue the strongest channel of
    // their blocks.
    for (int i = 0; i < 7; ++i) {
        const Bild b(std::string("bilder/block_") + FARBEN[i]);
        const Rgb m = b.P(16, 16);
        EXPECT_TRUE(i > 2 || std::max_element(m.begin(), m.end()) - m.begin() == i) << FARBEN[i];
        EXPECT_TRUE(Hell(b.P(16, 2)) > Hell(m) && Hell(b.P(2, 16)) > Hell(m)) << FARBEN[i];
        EXPECT_TRUE(Hell(b.P(16, 29)) < Hell(m) && Hell(b.P(29, 16)) < Hell(m)) << FARBEN[i];
        // Where the piece would land: a face paler than any block's in a
        // frame darker than the field, the field's grid around it.
        const Bild schatten(std::string("bilder/schatten_") + FARBEN[i]);
        EXPECT_TRUE(Hell(schatten.P(16, 16)) > 200 && Hell(schatten.P(2, 16)) < 200 && schatten.Loch(0, 16))
            << FARBEN[i];
    }

    // The black veil hides everything, the white flash is white.
    const Bild schwarz(EINGABE + "hintergruende/schwarz"), weiss(EINGABE + "hintergruende/weiss");
    int falsch = 0;
    for (int y = 0; y < weiss.hoehe; ++y)
        for (int x = 0; x < weiss.breite; ++x)
            falsch += schwarz.P(x, y) != Rgb{0, 0, 0} || Hell(weiss.P(x, y)) < 250;
    EXPECT_EQ(0, falsch);

    // Drawn at y 32, the title stays above the menu buttons at y 250.
    const Bild titel("bilder/titel");
    int oben = 0, unten = 0;
    for (int y = 0; y < titel.hoehe; ++y)
        for (int x = 0; x < titel.breite; ++x)
            (y < 210 ? oben : unten) += !titel.Loch(x, y);
    EXPECT_GT(oben, 10000);
    EXPECT_EQ(0, unten);

    // The intro's sign, drawn at (400, 40) over the logo, fades in without a seam.
    const Bild logo(EINGABE + "intro/quentabor"), zeichen(EINGABE + "intro/zeichen");
    const int s = zeichen.breite;
    int rand = 0, innen = 0;
    for (int y = 0; y < s; ++y)
        for (int x = 0; x < s; ++x)
            (x % (s - 1) == 0 || y % (s - 1) == 0 ? rand : innen) += zeichen.P(x, y) != logo.P(400 + x, 40 + y);
    EXPECT_EQ(0, rand);
    EXPECT_GT(innen, s * s / 10);

    // The game background is light where the game screen writes (x, y,
    // width, height), under the playfield, the next piece's box and the
    // title drawn at a quarter of its size.
    const Bild feld("bilder/spielfeld"), klein(SCHRIFTEN + "schrift_012"), gross(SCHRIFTEN + "schrift_020");
    const int k = klein.Schritt(), g = gross.Schritt(), kh = klein.hoehe * 7 / 8, gh = gross.hoehe * 7 / 8;
    const int flaechen[][4] = {{5, 5, 8 * k, kh},      {930, 740, 8 * k, kh}, {50 + 2 * k, 100, 15 * k, kh},
                               {750, 250, 16 * k, kh}, {820, 280, 4 * g, gh}, {750, 80, 16 * k, kh},
                               {370, 75, 24 * k, kh},  {380, 400, 5 * g, gh}, {340, 100, 320, 640},
                               {796, 100, 128, 128},   {20, 32, 256, 64}};
    for (const auto& f : flaechen) {
        int dunkel = 0;
        for (int y = f[1]; y < f[1] + f[3]; ++y)
            for (int x = f[0]; x < f[0] + f[2]; ++x)
                dunkel += Hell(feld.P(x, y)) < 200;
        EXPECT_EQ(0, dunkel) << "bei " << f[0] << "," << f[1];
    }
}

TEST(Bilder, JedeSorteAuchFarbenblindUnterscheidbar)
{
    // The mean colour of each kind's block and bar, seen with normal vision
    // and simulated for protanopia, deuteranopia and tritanopia (the matrices
    // at severity 1 of Machado, Oliveira, Fernandes: "A Physiologically-based
    // Model for Simulation of Color Vision Deficiency", IEEE TVCG 15(6), 2009,
    // on linear RGB), in CIELAB (sRGB of IEC 61966-2-1 -> XYZ, D65 -> L*a*b*
    // of CIE 15): every two kinds lie at least delta E 1976 15 apart.
    const double sicht[4][9] = {
        {1, 0, 0, 0, 1, 0, 0, 0, 1},
        {0.152286, 1.052583, -0.204868, 0.114503, 0.786281, 0.099216, -0.003882, -0.048116, 1.051998},
        {0.367322, 0.860646, -0.227968, 0.280085, 0.672501, 0.047413, -0.011820, 0.042940, 0.968881},
        {1.255528, -0.076749, -0.178779, -0.078411, 0.930809, 0.147602, 0.004733, 0.691367, 0.303900}};
    const double xyz[9] = {0.4124564, 0.3575761, 0.1804375, 0.2126729, 0.7151522,
                           0.0721750, 0.0193339, 0.1191920, 0.9503041};
    const double weiss[3] = {0.95047, 1.0, 1.08883};
    const char* const SICHT[] = {" normal", " protan", " deutan", " tritan"};
    const auto f = [](double t) { return t > 216 / 24389.0 ? std::cbrt(t) : (24389 / 27.0 * t + 16) / 116; };
    for (const std::string art : {"bilder/block_", "bilder/zeitlauf_"})
        for (int s = 0; s < 4; ++s) {
            std::array<double, 3> lab[7];
            for (int k = 0; k < 7; ++k) {
                const Bild b(art + FARBEN[k]);
                double lin[3] = {}, sim[3] = {}, v[3] = {};
                for (int i = 0; i < 3; ++i) {
                    for (int y = 0; y < b.hoehe; ++y)
                        for (int x = 0; x < b.breite; ++x)
                            lin[i] += b.P(x, y)[i] / 255.0 / (b.breite * b.hoehe);
                    lin[i] = lin[i] <= 0.04045 ? lin[i] / 12.92 : std::pow((lin[i] + 0.055) / 1.055, 2.4);
                }
                for (int i = 0; i < 9; ++i)
                    sim[i / 3] += sicht[s][i] * lin[i % 3];
                for (int i = 0; i < 9; ++i)
                    v[i / 3] += xyz[i] * std::clamp(sim[i % 3], 0.0, 1.0) / weiss[i / 3];
                lab[k] = {116 * f(v[1]) - 16, 500 * (f(v[0]) - f(v[1])), 200 * (f(v[1]) - f(v[2]))};
            }
            std::tuple<double, int, int> naechste{1e9, 0, 0};
            for (int a = 0; a < 7; ++a)
                for (int b = a + 1; b < 7; ++b)
                    naechste = std::min(naechste, {std::hypot(lab[a][0] - lab[b][0], lab[a][1] - lab[b][1],
                                                              lab[a][2] - lab[b][2]), a, b});
            const auto [de, a, b] = naechste;
            std::printf("%s%s: %s / %s %.1f\n", art.c_str() + 7, SICHT[s], FARBEN[a], FARBEN[b], de);
            EXPECT_GE(de, 15) << art << SICHT[s] << ": " << FARBEN[a] << " / " << FARBEN[b];
        }
}

TEST(Schriften, SechzehnMalSechzehnZellenJedeGlypheGeschwaerzt)
{
    for (const char* name : {"schrift_012", "schrift_020"}) {
        SCOPED_TRACE(name);
        const Bild b(SCHRIFTEN + name);
        ASSERT_TRUE(b.s);
        const int z = b.breite;
        // Square power-of-two cells, uploaded as they are and drawn unscaled.
        EXPECT_TRUE(16 * z == b.s->w && 16 * z == b.s->h && z == b.hoehe && Zweierpotenz(z)) << z;
        EXPECT_TRUE(z == b.anzeigeBreite && z == b.anzeigeHoehe);
        EXPECT_EQ((Rgb{0, 0, 0}), b.schluessel);
        std::vector<int> oben(256, z), unten(256, -1);
        int hell = 0;
        for (int code = 0; code < 256; ++code) {
            int tinte = 0, rechts = -1;
            for (int y = 0; y < z; ++y)
                for (int x = 0; x < z; ++x)
                    if (!b.Loch(code % 16 * z + x, code / 16 * z + y)) {
                        ++tinte;
                        hell += Hell(b.P(code % 16 * z + x, code / 16 * z + y)) > 100;
                        rechts = std::max(rechts, x);
                        oben[code] = std::min(oben[code], y);
                        unten[code] = std::max(unten[code], y);
                    }
            // The table characters but the two blanks have ink, no other cell has.
            EXPECT_EQ((code > 0x20 && code < 0x7F && code != 0x60) || code == 0x80 || code > 0xA0, tinte > 0)
                << code;
            EXPECT_LT(rechts, b.Schritt()) << "Zeichen " << code << " ragt in das naechste";
        }
        EXPECT_EQ(0, hell) << "helle Tinte";
        const int hoehe = *std::max_element(unten.begin(), unten.end()) - *std::min_element(oben.begin(), oben.end());
        EXPECT_LT(hoehe, z + b.W("ZEILENABSTAND")) << "Zeilen ueberlappen";
        // Captions are centred by their cells: so are the capitals.
        EXPECT_NEAR(z / 2.0, (oben['H'] + unten['H'] + 1) / 2.0, 1.5);
    }
}

TEST(Flaechen, KnoepfeUndZeiger)
{
    const Bild klein(SCHRIFTEN + "schrift_012");
    const int k = klein.Schritt();
    for (const std::string art : WIDGETS) {
        const std::string ordner = EINGABE + art + "/block/";
        const Bild normal(ordner + "1"), an(ordner + "3");
        for (const char* n : {"1", "2", "3"}) {
            SCOPED_TRACE(ordner + n);
            const Bild b(ordner + n);
            const int w = b.W("ECHTGROESSE"), h = b.W("ECHTGROESSE", 1);
            // Buttons stand 50 pixels apart; the longest caption has 17
            // cells and a margin, a name 20 characters.
            EXPECT_TRUE(w == normal.W("ECHTGROESSE") && h <= 40 && h >= klein.anzeigeHoehe) << w << "x" << h;
            EXPECT_GE(w, (art == "texteingaben" ? 21 : 18) * k);
            EXPECT_TRUE(!b.Loch(w - 1, h / 2) && b.Loch(w + 2, h / 2)) << "geklickt wird, was zu sehen ist";
            EXPECT_GT(Hell(b.P(w / 2, h / 2)), 170) << "dunkle Schrift auf hellem Grund";
        }
        // Check boxes and radio buttons show their state inside the four
        // leading blanks of their captions, and only there.
        int links = 0, rechts = 0;
        for (int y = 0; art.find("waehl") != std::string::npos && y < normal.hoehe; ++y)
            for (int x = 0; x < normal.breite; ++x)
                (x < k / 2 + 4 * k ? links : rechts) += normal.P(x, y) != an.P(x, y);
        EXPECT_TRUE(art.find("waehl") == std::string::npos || (links > 40 && rechts == 0)) << links << ", " << rechts;
    }

    // The cursor: paused, else it would run through its frames by itself.
    const Bild z(ZEIGER + "zeiger_001");
    EXPECT_EQ(1, z.W("PAUSIERT"));
    const int s = z.breite, m = s / 2;
    ASSERT_EQ(s, z.hoehe);
    // Drawn centred on the pointer: where each frame may show something
    // (-1 left of or above the tip, +1 right of or below it, 0 both).
    const int seite[9][2] = {{1, 1}, {0, 1}, {0, -1}, {-1, 0}, {1, 0}, {1, 1}, {-1, 1}, {1, -1}, {-1, -1}};
    for (int f = 0; f < 9; ++f) {
        int sichtbar = 0, draussen = 0;
        for (int y = 0; y < s; ++y)
            for (int x = 0; x < s; ++x)
                if (!z.Loch(f * s + x, y)) {
                    ++sichtbar;
                    draussen += (seite[f][0] * (x - m) < -2) || (seite[f][1] * (y - m) < -2);
                }
        EXPECT_TRUE(sichtbar > 60 && draussen == 0) << "Bild " << f + 1 << ": " << draussen << " von " << sichtbar;
    }
}

TEST(Symbol, LibpngLiestJedeGroesseSoWieSieGemaltIst)
{
    for (int groesse : Symbol::GROESSEN) {
        const std::string n = std::to_string(groesse);
        SCOPED_TRACE(n);
        png_image png{};
        png.version = PNG_IMAGE_VERSION;
        const std::string pfad = QF_SYMBOL_DIR "/" + n + "x" + n + "/apps/quaderfall.png";
        ASSERT_TRUE(png_image_begin_read_from_file(&png, pfad.c_str()));
        png.format = PNG_FORMAT_RGBA;
        std::vector<std::uint8_t> rgba(PNG_IMAGE_SIZE(png)), deckung;
        ASSERT_TRUE(png_image_finish_read(&png, nullptr, rgba.data(), 0, nullptr)) << png.message;
        const Leinwand bild = Symbol::Male(groesse, deckung);
        ASSERT_EQ(deckung.size() * 4, rgba.size());
        int falsch = 0;
        for (size_t i = 0; i < deckung.size(); ++i) {
            const Farbe c = bild.Pixel()[i];
            const std::uint8_t* p = &rgba[4 * i];
            falsch += p[0] != c.r || p[1] != c.g || p[2] != c.b || p[3] != deckung[i];
        }
        EXPECT_EQ(0, falsch);
        // A tile: clear corners, a solid middle.
        EXPECT_TRUE(rgba[3] == 0 && rgba[(groesse / 2 * groesse + groesse / 2) * 4 + 3] == 255);
    }
}
