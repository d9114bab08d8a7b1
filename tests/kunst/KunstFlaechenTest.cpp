// What the player sees and clicks: widget sizes against the captions and the
// small font, the cursor's tip, and the game background's panels behind the
// texts the game screen draws on it.
#include "KunstDaten.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <string>

namespace
{
struct Schrift
{
    int schritt = 0, hoehe = 0;
};

Schrift Klein()
{
    Bildangaben a;
    Schrift s;
    if (KunstDaten::Lies(KunstDaten::Daten(KunstDaten::Ordner("SCHRIFTBILDER") + "/schrift_012"), a, true))
        s = Schrift{a.anzeigeBreite + a.zeichenabstand, a.anzeigeHoehe};
    return s;
}

Schrift Gross()
{
    Bildangaben a;
    Schrift s;
    if (KunstDaten::Lies(KunstDaten::Daten(KunstDaten::Ordner("SCHRIFTBILDER") + "/schrift_020"), a, true))
        s = Schrift{a.anzeigeBreite + a.zeichenabstand, a.anzeigeHoehe};
    return s;
}

int Helligkeit(const Pixelfarbe& p)
{
    return (p.r * 3 + p.g * 6 + p.b) / 10;
}

struct Widget
{
    Bildangaben a[3];
    SDL_Surface* bild[3] = {nullptr, nullptr, nullptr};
    explicit Widget(const char* schluessel)
    {
        const std::string ordner = KunstDaten::Daten(KunstDaten::Ordner(schluessel) + "/block");
        for (int i = 0; i < 3; ++i)
        {
            const std::string basis = ordner + "/" + std::to_string(i + 1);
            KunstDaten::Lies(basis, a[i]);
            bild[i] = KunstDaten::LadeStreifen(basis);
        }
    }
    ~Widget()
    {
        for (SDL_Surface* b : bild)
            SDL_FreeSurface(b);
    }
};

// The text field's capacity, as it computes it from its width and the font.
int Textgroesse(int breite, int zelle)
{
    for (int n = 0; n < 512; ++n)
        if (zelle * (n + 2) > breite)
            return n;
    return 0;
}
}

TEST(Flaechen, KnoepfeFassenDieLaengstenBeschriftungenUndSindZuSehenWoManKlickt)
{
    const Schrift klein = Klein();
    ASSERT_GT(klein.schritt, 0);
    for (const char* art : {"SCHALTFLAECHENBILDER", "ANWAEHLFLAECHENBILDER", "EINZELWAEHLFLAECHENBILDER",
                            "TEXTEINGABEBILDER"})
    {
        const Widget w(art);
        for (int i = 0; i < 3; ++i)
        {
            ASSERT_NE(nullptr, w.bild[i]) << art << " " << i + 1;
            EXPECT_EQ(w.a[0].echtBreite, w.a[i].echtBreite) << art;
            EXPECT_EQ(w.a[0].echtHoehe, w.a[i].echtHoehe) << art;
            const int b = w.a[i].echtBreite, h = w.a[i].echtHoehe;
            ASSERT_GT(b, 0) << art;
            // Menu buttons stand 50 pixels apart.
            EXPECT_LE(h, 40) << art;
            EXPECT_GE(h, klein.hoehe) << art;
            // The click rectangle is what the player sees.
            const Pixelfarbe rechts = KunstDaten::Pixel(w.bild[i], b - 1, h / 2);
            const Pixelfarbe daneben = KunstDaten::Pixel(w.bild[i], b + 2, h / 2);
            EXPECT_FALSE(KunstDaten::IstSchluessel(rechts, w.a[i].schluessel)) << art;
            EXPECT_TRUE(KunstDaten::IstSchluessel(daneben, w.a[i].schluessel)) << art;
            // Dark captions on a light face.
            EXPECT_GT(Helligkeit(KunstDaten::Pixel(w.bild[i], b / 2, h / 2)), 170) << art << " " << i + 1;
        }
        if (std::string(art) == "TEXTEINGABEBILDER")
            EXPECT_GE(Textgroesse(w.a[0].echtBreite, klein.schritt), 20) << "Namen mit 20 Zeichen";
        else
            // "KLÖTZCHEN STAPELN": 17 cells and a cell of margin.
            EXPECT_GE(w.a[0].echtBreite, 18 * klein.schritt) << art;
    }
}

TEST(Flaechen, AnwaehlflaechenZeigenIhrenZustandLinksInDenLeerzeichen)
{
    const Schrift klein = Klein();
    for (const char* art : {"ANWAEHLFLAECHENBILDER", "EINZELWAEHLFLAECHENBILDER"})
    {
        const Widget w(art);
        ASSERT_NE(nullptr, w.bild[0]);
        ASSERT_NE(nullptr, w.bild[2]);
        // Within the four leading blanks of "    SPIELPAUSE" the mark differs
        // between unchecked and checked; right of them the plates are alike.
        const int ende = klein.schritt / 2 + 4 * klein.schritt;
        int links = 0, rechts = 0;
        for (int y = 0; y < w.a[0].echtHoehe; ++y)
            for (int x = 0; x < w.a[0].echtBreite; ++x)
            {
                const bool anders = !(KunstDaten::Pixel(w.bild[0], x, y) == KunstDaten::Pixel(w.bild[2], x, y));
                (x < ende ? links : rechts) += anders;
            }
        EXPECT_GT(links, 40) << art;
        EXPECT_EQ(0, rechts) << art;
    }
}

TEST(Flaechen, ZeigerspitzeInDerMitteUndRandpfeileImFenster)
{
    Bildangaben a;
    const std::string basis = KunstDaten::Daten(KunstDaten::Ordner("MAUSZEIGERBILDER") + "/zeiger_001");
    ASSERT_TRUE(KunstDaten::Lies(basis, a));
    EXPECT_EQ(9, a.bilder);
    EXPECT_TRUE(a.pausiert) << "sonst laeuft der Zeiger von selbst durch seine Bilder";
    EXPECT_EQ(a.bildBreite, a.bildHoehe);
    SDL_Surface* bild = KunstDaten::LadeStreifen(basis);
    ASSERT_NE(nullptr, bild);
    const int s = a.bildBreite, m = s / 2;
    // Where each frame may show something when drawn centred on the pointer:
    // dx, dy = -1 only left/above the centre, +1 only right/below, 0 both.
    const struct { int dx, dy; } seite[9] = {{1, 1},  {0, 1},  {0, -1}, {-1, 0}, {1, 0},
                                             {1, 1},  {-1, 1}, {1, -1}, {-1, -1}};
    for (int f = 0; f < 9; ++f)
    {
        int falsch = 0, sichtbar = 0;
        for (int y = 0; y < s; ++y)
            for (int x = 0; x < s; ++x)
            {
                if (KunstDaten::IstSchluessel(KunstDaten::Pixel(bild, f * s + x, y), a.schluessel))
                    continue;
                ++sichtbar;
                if ((seite[f].dx > 0 && x < m - 2) || (seite[f].dx < 0 && x > m + 2) ||
                    (seite[f].dy > 0 && y < m - 2) || (seite[f].dy < 0 && y > m + 2))
                    ++falsch;
            }
        EXPECT_GT(sichtbar, 60) << "Bild " << f + 1;
        EXPECT_EQ(0, falsch) << "Bild " << f + 1 << " ragt aus dem Fenster";
    }
    // The tip itself: ink right at the centre of the pointer frame.
    bool spitze = false;
    for (int d = 0; d <= 2; ++d)
        spitze = spitze || !KunstDaten::IstSchluessel(KunstDaten::Pixel(bild, m + d, m + d), a.schluessel);
    EXPECT_TRUE(spitze);
    SDL_FreeSurface(bild);
}

TEST(Flaechen, TexteDesSpielsStehenAufHellemGrund)
{
    Bildangaben a;
    const std::string basis = KunstDaten::Daten("bilder/spielfeld");
    ASSERT_TRUE(KunstDaten::Lies(basis, a));
    SDL_Surface* bild = KunstDaten::LadeStreifen(basis);
    ASSERT_NE(nullptr, bild);
    const Schrift klein = Klein(), gross = Gross();
    // The texts with their visible characters (leading blanks left out);
    // "SPIEL VORÜBER!" stands under the white veil at half strength.
    const struct { const char* was; int x, y, zeichen; Schrift s; bool schleier; } texte[] = {
        {"FPS", 5, 5, 8, klein, false},
        {"Uhrzeit", 930, 740, 8, klein, false},
        {"Pause-Hinweis", 50 + 2 * klein.schritt, 100, 15, klein, false},
        {"Geloeste Reihen", 750, 250, 16, klein, false},
        {"Punktestand", 820, 280, 4, gross, false},
        {"Naechster Block", 750, 80, 16, klein, false},
        {"Stufe", 370, 75, 24, klein, false},
        {"Pause", 300 + 5 * gross.schritt, 400, 5, gross, false},
        {"Spiel vorueber", 300, 400, 14, gross, true},
    };
    for (const auto& t : texte)
    {
        int dunkel = 0;
        for (int y = t.y; y < t.y + t.s.hoehe - t.s.hoehe / 8; ++y)
            for (int x = t.x; x < t.x + t.zeichen * t.s.schritt; ++x)
            {
                const int h = Helligkeit(KunstDaten::Pixel(bild, x, y));
                dunkel += (t.schleier ? (h + 255) / 2 : h) < (t.schleier ? 140 : 200);
            }
        EXPECT_EQ(0, dunkel) << t.was << ": dunkle Schrift auf dunklem Grund";
    }
    // The empty cells of the field and the next piece's box are light too.
    int dunkel = 0;
    for (int y = 100; y < 740; y += 3)
        for (int x = 340; x < 660; x += 3)
            dunkel += Helligkeit(KunstDaten::Pixel(bild, x, y)) < 200;
    for (int y = 100; y < 228; y += 3)
        for (int x = 796; x < 924; x += 3)
            dunkel += Helligkeit(KunstDaten::Pixel(bild, x, y)) < 200;
    EXPECT_EQ(0, dunkel);
    // The title, a quarter of its size at (20, 32), lies on a white panel.
    for (int y = 32; y < 96; y += 2)
        for (int x = 20; x < 276; x += 2)
            ASSERT_GE(Helligkeit(KunstDaten::Pixel(bild, x, y)), 250) << x << "," << y;
    SDL_FreeSurface(bild);
}
