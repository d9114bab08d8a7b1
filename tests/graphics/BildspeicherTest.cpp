// Images of one file share strip and textures, in a real X server: what
// each image draws, which file reads happen, and when kept ones are given up.
#include "GrafikHilfe.h"
#include "LogFaenger.h"
#include "TestUhr.h"
#include "VOQ_OGL_Bildlauf.h"
#include "VOQ_OGL_Bildspeicher.h"

#include "SDL.h"

#include <fcntl.h>
#include <sys/stat.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <ctime>
#include <memory>
#include <string>

namespace
{
using grafik::Farbe;
using grafik::Pixel;

const Farbe HINTERGRUND = grafik::GRUEN;

// A wall clock an hour ahead: files written by the test count as old enough
// to be kept. Without it they are too young, as in the last test.
std::int64_t Spaeter()
{
    return (static_cast<std::int64_t>(std::time(nullptr)) + 3600) * 1000000000LL;
}

class Bildspeicher : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(grafik::StarteVideo(256, 256));
        grafik::Leere(HINTERGRUND);
        VOQ_OGL_Bildspeicher::Leeren();
        VOQ_OGL_Bildspeicher::SetzeUhr(Spaeter);
        log.Leeren();
    }

    void TearDown() override
    {
        VOQ_OGL_Bildspeicher::SetzeUhr(nullptr);
        VOQ_OGL_Bildspeicher::Leeren();
    }

    // A 32 x 32 bitmap: left half `links`, right half `rechts`.
    static void Lege(const std::string& name, const Farbe& links, const Farbe& rechts,
                     const std::string& beschreibung = "")
    {
        SDL_Surface* s = grafik::NeueFlaeche(32, 32, links);
        grafik::Male(s, 16, 0, 16, 32, rechts);
        ASSERT_TRUE(grafik::SpeichereBMP(s, name + ".bmp"));
        std::remove((name + ".konfig").c_str());
        if (!beschreibung.empty())
            grafik::SchreibeDatei(name + ".konfig", beschreibung);
    }

    static void Veralte(const std::string& datei)
    {
        const timespec vorher[2] = {{1000000000, 0}, {1000000000, 0}};
        ASSERT_EQ(0, utimensat(AT_FDCWD, datei.c_str(), vorher, 0));
    }

    // Draws the image alone at (0, 0): the colours at its left and right half.
    static void Zeige(VOQ_OGL_Bildlauf& b, Farbe& links, Farbe& rechts)
    {
        grafik::Leere(HINTERGRUND);
        b.Draw(0, 0);
        links = Pixel(4, 4);
        rechts = Pixel(28, 4);
    }

    static void ErwarteBild(VOQ_OGL_Bildlauf& b, const Farbe& links, const Farbe& rechts)
    {
        Farbe l{}, r{};
        Zeige(b, l, r);
        EXPECT_EQ(grafik::Text(links), grafik::Text(l));
        EXPECT_EQ(grafik::Text(rechts), grafik::Text(r));
    }

    static int Ladevorgaenge() { return VOQ_OGL_Bildspeicher::Ladevorgaenge(); }

    LogFaenger log;
};

TEST_F(Bildspeicher, BilderEinerDateiTeilenUndDerVorratHaeltBisZumNaechsten)
{
    Lege("block", grafik::ROT, grafik::BLAU);
    const int vorher = Ladevorgaenge();
    auto a = std::make_unique<VOQ_OGL_Bildlauf>("block");
    auto b = std::make_unique<VOQ_OGL_Bildlauf>("block");
    EXPECT_EQ(vorher + 1, Ladevorgaenge()) << "one file read for both";
    EXPECT_EQ(a->textures[0], b->textures[0]);
    EXPECT_EQ(a->strip, b->strip);
    // The log reads the same whether the textures were made or found.
    const std::string zeile = "#o> VOQ_OGL_Bildlauf - Lade Texturen 'block.bmp' ...\t(erledigt)\n";
    EXPECT_EQ(zeile + zeile, log.Aus());

    // The last image gives the strip up to the store, which keeps it for the next.
    a.reset();
    ErwarteBild(*b, grafik::ROT, grafik::BLAU);
    EXPECT_EQ(0u, VOQ_OGL_Bildspeicher::Vorrat()) << "still held by b";
    b.reset();
    EXPECT_GT(VOQ_OGL_Bildspeicher::Vorrat(), 0u);
    VOQ_OGL_Bildlauf c("block");
    EXPECT_EQ(vorher + 1, Ladevorgaenge()) << "the next screen finds it kept";
    EXPECT_EQ(0u, VOQ_OGL_Bildspeicher::Vorrat());
    ErwarteBild(c, grafik::ROT, grafik::BLAU);

    // Init again on the same image: it gives its strip back first.
    ASSERT_TRUE(c.Init("block"));
    EXPECT_EQ(vorher + 1, Ladevorgaenge());
    ErwarteBild(c, grafik::ROT, grafik::BLAU);
    EXPECT_EQ("", log.Fehler());
}

TEST_F(Bildspeicher, EinNeuerSchluesselAendertNurDasEigeneBild)
{
    Lege("block", grafik::ROT, grafik::BLAU);
    VOQ_OGL_Bildlauf a("block"), b("block");
    const unsigned int gemeinsam = a.textures[0];

    a.SetTransColor(0, 0, 255);  // red, blue first
    EXPECT_NE(gemeinsam, a.textures[0]);
    EXPECT_EQ(gemeinsam, b.textures[0]);
    ErwarteBild(a, HINTERGRUND, grafik::BLAU);
    ErwarteBild(b, grafik::ROT, grafik::BLAU);

    // Held alone now, the image refills its own names, as before.
    const unsigned int eigen = a.textures[0];
    a.SetTransColor(255, 0, 0);
    EXPECT_EQ(eigen, a.textures[0]);
    ErwarteBild(a, grafik::ROT, HINTERGRUND);
    ErwarteBild(b, grafik::ROT, grafik::BLAU);

    // A new image with the description's key shares with b, not with a.
    VOQ_OGL_Bildlauf c("block");
    EXPECT_EQ(gemeinsam, c.textures[0]);
    EXPECT_EQ("", log.Fehler());
}

TEST_F(Bildspeicher, EineAndereBeschreibungSchneidetDenStreifenNeu)
{
    Lege("streifen", grafik::ROT, grafik::BLAU);
    const int vorher = Ladevorgaenge();
    VOQ_OGL_Bildlauf ganz("streifen");
    grafik::SchreibeDatei("streifen.konfig", "ORIGINALGROESSE=16,32\nBILDERANZAHL=2\n");
    VOQ_OGL_Bildlauf halb("streifen");
    EXPECT_EQ(vorher + 1, Ladevorgaenge()) << "the strip is the same file";
    EXPECT_NE(ganz.textures[0], halb.textures[0]);
    EXPECT_EQ(2, halb.GetBildAnzahl());
    ErwarteBild(ganz, grafik::ROT, grafik::BLAU);
    halb.paused = true;
    halb.SetAnimPos(2);
    grafik::Leere(HINTERGRUND);
    halb.Draw(0, 0);
    EXPECT_EQ(grafik::Text(grafik::BLAU), grafik::Text(Pixel(4, 4)));
}

TEST_F(Bildspeicher, EineGeaenderteDateiWirdNeuGelesen)
{
    Lege("block", grafik::ROT, grafik::BLAU);
    Veralte("block.bmp");
    const int vorher = Ladevorgaenge();
    { VOQ_OGL_Bildlauf a("block"); }

    // Another picture with the same old modification time.
    SDL_Surface* neu = grafik::NeueFlaeche(32, 40, grafik::GELB);
    grafik::Male(neu, 16, 0, 16, 40, grafik::TUERKIS);
    ASSERT_TRUE(grafik::SpeichereBMP(neu, "block.bmp"));
    Veralte("block.bmp");
    VOQ_OGL_Bildlauf b("block");
    EXPECT_EQ(vorher + 2, Ladevorgaenge());
    ErwarteBild(b, grafik::GELB, grafik::TUERKIS);

    // A file gone is reported as before, kept strip or not.
    std::remove("block.bmp");
    VOQ_OGL_Bildlauf c;
    EXPECT_FALSE(c.Init("block"));
    EXPECT_NE(std::string::npos, log.Fehler().find("KANN GRAFIK 'block.bmp' NICHT LADEN!"));
}

TEST_F(Bildspeicher, DerVorratGibtDasAeltesteAuf)
{
    // 1024 x 1024: strip, working surface and texture come to about 10 MB each.
    const char* const namen[] = {"gross_a", "gross_b", "gross_c"};
    for (const char* name : namen)
        ASSERT_TRUE(grafik::SpeichereBMP(grafik::NeueFlaeche(1024, 1024, grafik::ROT), std::string(name) + ".bmp"));
    const int vorher = Ladevorgaenge();
    for (const char* name : namen) {
        VOQ_OGL_Bildlauf b(name);
        ASSERT_TRUE(b.loaded);
    }
    EXPECT_EQ(vorher + 3, Ladevorgaenge());
    EXPECT_LE(VOQ_OGL_Bildspeicher::Vorrat(), VOQ_OGL_Bildspeicher::VORRAT);
    EXPECT_GT(VOQ_OGL_Bildspeicher::Vorrat(), 0u);

    { VOQ_OGL_Bildlauf c("gross_c"); }
    EXPECT_EQ(vorher + 3, Ladevorgaenge()) << "the last one is kept";
    { VOQ_OGL_Bildlauf a("gross_a"); }
    EXPECT_EQ(vorher + 4, Ladevorgaenge()) << "the first one was given up";
}

// A file written just before it is read may change again within the same
// tick of the file system's clock without its times showing it: such a
// strip is neither shared nor kept.
TEST_F(Bildspeicher, EineFrischeDateiWirdNichtGeteilt)
{
    VOQ_OGL_Bildspeicher::SetzeUhr(nullptr);
    Lege("frisch", grafik::ROT, grafik::BLAU);
    const int vorher = Ladevorgaenge();
    VOQ_OGL_Bildlauf a("frisch"), b("frisch");
    EXPECT_EQ(vorher + 2, Ladevorgaenge());
    EXPECT_NE(a.textures[0], b.textures[0]);
    ErwarteBild(b, grafik::ROT, grafik::BLAU);
}
}
