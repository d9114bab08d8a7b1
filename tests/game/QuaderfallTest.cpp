// The playfield: gravity, locking, dissolving rows, overflow, cell access.
#include "FeldHilfe.h"
#include "LogFaenger.h"
#include "VOQ_Quaderfall.h"
#include "VOQ_Teil_Basis.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <initializer_list>
#include <string>
#include <vector>

namespace
{

const char* const LEER = "..........\n";

std::string LeereZeilen(int anzahl)
{
    std::string s;
    for (int i = 0; i < anzahl; ++i)
        s += LEER;
    return s;
}

class Quaderfall : public ::testing::Test
{
protected:
    LogFaenger log;  // the block images are missing here
    VOQ_Quaderfall feld{10, 22};
};

TEST_F(Quaderfall, NeuesTeilFaelltBisZeile19UndRastetMitEinsEin)
{
    EXPECT_EQ(LeereZeilen(22), Bild(feld, 0, 21));
    ASSERT_NE(TEIL_ZUFALL, Art(*feld.teil));
    feld.neuerQuaderfall(TEIL_T);
    const blocktyp naechster = feld.holeNaechster();
    int gefallen = 0;
    while (feld.takt() == 0 && gefallen < 100)
        ++gefallen;
    EXPECT_EQ(18, gefallen) << "der Stiel liegt dann in Zeile 19";
    EXPECT_EQ(LeereZeilen(18) + "...777....\n....7.....\n" + LeereZeilen(2), Bild(feld, 0, 21));
    EXPECT_EQ(3, feld.teil->holePosX());
    EXPECT_EQ(0, feld.teil->holePosY());
    EXPECT_EQ(naechster, Art(*feld.teil));
    EXPECT_FALSE(feld.ueberfuellt());
}

// The piece object is reused for the next one: nothing of the old may stay.
TEST_F(Quaderfall, EinNeuesTeilBeginntAmStartplatzUndUngedreht)
{
    feld.neuerQuaderfall(TEIL_T);
    VOQ_Teil_Basis* gehalten = feld.teil;
    ASSERT_TRUE(feld.teil->drehe());
    ASSERT_TRUE(feld.teil->rechts());
    ASSERT_EQ(0, feld.takt());

    feld.neuerQuaderfall(TEIL_T);
    EXPECT_EQ(gehalten, feld.teil) << "whoever holds the piece holds the new one";
    VOQ_Teil_Basis frisch(TEIL_T, 3, 0, &feld);
    for (int schritt = 0; schritt < 2; ++schritt) {
        EXPECT_EQ(3, feld.teil->holePosX());
        EXPECT_EQ(0, feld.teil->holePosY());
        for (int r = 0; r < 4; ++r)
            for (int c = 0; c < 4; ++c)
                EXPECT_EQ(frisch.holeFarbe(c, r), feld.teil->holeFarbe(c, r)) << schritt << ": " << c << "," << r;
        // The next turn is the first of the new piece, not the second of the old.
        ASSERT_TRUE(frisch.drehe());
        ASSERT_TRUE(feld.teil->drehe());
    }
}

TEST_F(Quaderfall, AufschlagUeberschreibtKeineBesetzteZelle)
{
    // The new square already overlaps (4, 1) and cannot fall: it locks where it appeared.
    Zeichne(feld, 1, {"....7.....", "...25.....", "...2......"});
    feld.neuerQuaderfall(TEIL_O);
    EXPECT_EQ(1, feld.takt());
    EXPECT_EQ("....33....\n....73....\n...25.....\n...2......\n", Bild(feld, 0, 3));
    EXPECT_TRUE(feld.ueberfuellt()) << "eingerastet am Startplatz ohne volle Zeile";
}

TEST_F(Quaderfall, AufschlagLoestSeineVollenReihen)
{
    struct Fall
    {
        std::initializer_list<const char*> schutt;  // rows 15-19
        int takt;
        const char* danach;  // rows 17-19
    };
    const Fall faelle[] = {
        // Rows 17 and 19 fill, 18 keeps its gap and moves by one, 15 and 16 by two.
        {{"1.........", "22........", "3333.33333", "4.44.4444.", "5555.55555"},
         3,
         "1.........\n22..1.....\n4.4414444.\n"},
        {{"...7......", "2222.22222", "3333.33333", "4444.44444", "5555.55555"},
         5,
         "..........\n..........\n...7......\n"},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.takt);
        feld.leeren();
        Zeichne(feld, 15, f.schutt);
        feld.neuerQuaderfall(TEIL_I);
        EXPECT_EQ(f.takt, Aufschlagen(feld));
        EXPECT_EQ(LeereZeilen(17) + f.danach + LeereZeilen(2), Bild(feld, 0, 21));
        EXPECT_FALSE(feld.ueberfuellt());
    }
}

TEST_F(Quaderfall, LoesenRaeumtBeliebigVieleVolleReihen)
{
    // Every row full, the two bottom ones too.
    for (int zeile = 0; zeile < 22; ++zeile)
        Zeichne(feld, zeile, {"1234567123"});
    EXPECT_EQ(22, feld.loesen());
    EXPECT_EQ(LeereZeilen(22), Bild(feld, 0, 21));

    Zeichne(feld, 0, {"7777777777", "6.........", "5555555555", "4444444444", ".3........", "2222222222"});
    Zeichne(feld, 20, {"1111111111", "1111111111"});
    EXPECT_EQ(6, feld.loesen());
    EXPECT_EQ(LeereZeilen(6) + "6.........\n.3........\n" + LeereZeilen(14), Bild(feld, 0, 21))
        << "jede Reihe rueckt um die Zahl der geloesten Reihen unter ihr";
    EXPECT_EQ(0, feld.loesen());
}

// Locked at the start place without dissolving a row: the field is full.
// A side move and back counts as the start place; a side move alone does not.
TEST_F(Quaderfall, EingerastetAmStartplatzOhneReiheIstVerloren)
{
    struct Fall
    {
        std::initializer_list<const char*> schutt;  // from row 1
        const char* zuege;
        int takt;
        bool voll;
    };
    const Fall faelle[] = {
        {{"..........", ".333333333"}, "", 1, true},
        {{"3333..3333", "....3....."}, "", 2, false},
        {{"..........", ".333333333"}, "r", 1, false},
        {{"..........", ".333333333"}, "lr", 1, true},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(std::string(*f.schutt.begin()) + " " + f.zuege);
        VOQ_Quaderfall neu(10, 22);
        Zeichne(neu, 1, f.schutt);
        neu.neuerQuaderfall(TEIL_O);
        for (const char* z = f.zuege; *z; ++z)
            ASSERT_TRUE(*z == 'l' ? neu.teil->links() : neu.teil->rechts());
        EXPECT_EQ(f.takt, neu.takt());
        EXPECT_EQ(f.voll, neu.ueberfuellt());
    }

    // The field goes on working; nothing clears the flag.
    Zeichne(feld, 2, {".333333333"});
    feld.neuerQuaderfall(TEIL_O);
    ASSERT_EQ(1, feld.takt());
    Zeichne(feld, 0, {"..........", "..........", ".........."});
    EXPECT_GT(Aufschlagen(feld), 0);
    EXPECT_EQ(3, feld.teil->holePosX());
    EXPECT_TRUE(feld.ueberfuellt());
}

TEST_F(Quaderfall, LeerenLaesstTeilNaechstenUndUeberlauf)
{
    Zeichne(feld, 2, {".333333333"});
    feld.neuerQuaderfall(TEIL_O);
    feld.takt();
    ASSERT_TRUE(feld.ueberfuellt());
    Zeichne(feld, 0, {"..........", "..........", ".........."});
    feld.neuerQuaderfall(TEIL_J);
    ASSERT_TRUE(feld.teil->drehe());
    ASSERT_TRUE(feld.teil->senke());
    Zeichne(feld, 19, {"1234567..."});
    const blocktyp naechster = feld.holeNaechster();

    feld.leeren();
    EXPECT_EQ(LeereZeilen(22), Bild(feld, 0, 21));
    EXPECT_EQ(".... .6.. .666 ....", Form(*feld.teil));
    EXPECT_EQ(1, feld.teil->holePosY());
    EXPECT_EQ(naechster, feld.holeNaechster());
    EXPECT_TRUE(feld.ueberfuellt());
}

TEST_F(Quaderfall, SetzeMeldetNurAenderungenUndNurImRaster)
{
    EXPECT_TRUE(feld.setze(2, 3, 5));
    EXPECT_FALSE(feld.setze(2, 3, 5)) << "schon 5";
    EXPECT_EQ(5, feld.holeFarbe(2, 3));
    EXPECT_TRUE(feld.istBesetzt(2, 3));
    EXPECT_FALSE(feld.istBesetzt(3, 2)) << "(Spalte, Zeile)";
    EXPECT_TRUE(feld.setze(2, 3, 0));
    EXPECT_FALSE(feld.setze(2, 3, 0));

    const int orte[][2] = {{-1, 0}, {10, 0}, {0, -1}, {0, 22}, {10, 21}, {INT_MIN, 5}, {5, INT_MAX}};
    for (const auto& ort : orte) {
        EXPECT_FALSE(feld.setze(ort[0], ort[1], 4)) << ort[0] << "," << ort[1];
        EXPECT_FALSE(feld.istBesetzt(ort[0], ort[1])) << ort[0] << "," << ort[1];
    }
    EXPECT_EQ(LeereZeilen(22), Bild(feld, 0, 21));
}

TEST_F(Quaderfall, KastenUeberDemRandRastetNurImRasterEin)
{
    // Vertical S at posX -2: box columns -2 and -1 lie outside.
    feld.neuerQuaderfall(TEIL_S);
    ASSERT_TRUE(feld.teil->drehe());
    while (feld.teil->links()) {
    }
    ASSERT_EQ(-2, feld.teil->holePosX());
    EXPECT_EQ(1, Aufschlagen(feld));

    // Vertical I at posX 8: box columns 10 and 11 lie outside.
    feld.neuerQuaderfall(TEIL_I);
    while (feld.teil->rechts()) {
    }
    ASSERT_EQ(8, feld.teil->holePosX());
    EXPECT_EQ(1, Aufschlagen(feld));

    EXPECT_EQ(LeereZeilen(16) + ".........1\n2........1\n22.......1\n.2.......1\n" + LeereZeilen(2),
              Bild(feld, 0, 21));
}

TEST_F(Quaderfall, UngueltigeGroesseWirdGemeldetUndBerichtigt)
{
    struct Fall
    {
        int breite, hoehe, wirdBreite, wirdHoehe;
        const char* meldung;
    };
    const Fall faelle[] = {
        {0, 22, 1, 22, "SPIELFELDGROESSE 0x22 UNGUELTIG, VERWENDE 1x22!"},
        {-4, -1, 1, 1, "SPIELFELDGROESSE -4x-1 UNGUELTIG, VERWENDE 1x1!"},
        {5000, 40000, 1024, 1024, "SPIELFELDGROESSE 5000x40000 UNGUELTIG, VERWENDE 1024x1024!"},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.meldung);
        log.Leeren();
        VOQ_Quaderfall klein(f.breite, f.hoehe);
        EXPECT_NE(std::string::npos, log.Fehler().find("\n#o> VOQ_Quaderfall - FEHLER: " + std::string(f.meldung)))
            << log.Fehler();
        EXPECT_EQ(f.wirdBreite, klein.holeSpielfeldBreite());
        EXPECT_EQ(f.wirdHoehe, klein.holeSpielfeldHoehe());
        // Without its block images (and without a window) it plays and draws nothing.
        for (int i = 0; i < 20; ++i)
            EXPECT_GT(Aufschlagen(klein), 0);
        klein.male(340, 100);
        for (int zeile = 0; zeile < klein.holeSpielfeldHoehe(); ++zeile)
            EXPECT_EQ(0, klein.holeFarbe(0, zeile) & ~7);
    }

    log.Leeren();
    VOQ_Quaderfall gut(10, 22);
    EXPECT_EQ(std::string::npos, log.Fehler().find("VOQ_Quaderfall")) << log.Fehler();
}

TEST_F(Quaderfall, NiedrigesFeldLaesstJedesTeilRasten)
{
    // Too low for some pieces to stand on the floor row from the start: they
    // rest at once instead of falling forever.
    for (int hoehe = 1; hoehe <= 6; ++hoehe) {
        SCOPED_TRACE(hoehe);
        VOQ_Quaderfall niedrig(10, hoehe);
        for (int art = 0; art < TEILARTEN; ++art) {
            niedrig.neuerQuaderfall(static_cast<blocktyp>(art));
            EXPECT_LE(FallenLassen(*niedrig.teil), std::max(0, hoehe - 4));
            EXPECT_GT(niedrig.takt(), 0);
            niedrig.leeren();
        }
    }
}

TEST_F(Quaderfall, SchmalesFeldHaeltDasTeilInReichweite)
{
    // The start column 3 lies beyond a field of three columns.
    VOQ_Quaderfall schmal(3, 22);
    schmal.neuerQuaderfall(TEIL_O);
    EXPECT_FALSE(schmal.teil->rechts());
    EXPECT_EQ(3, schmal.teil->holePosX());
    int schritte = 0;
    while (schmal.teil->links() && schritte < 100)
        ++schritte;
    EXPECT_EQ(4, schritte);
    EXPECT_EQ(-1, schmal.teil->holePosX());
    EXPECT_EQ(1, Aufschlagen(schmal));
    EXPECT_EQ("33.\n33.\n", Bild(schmal, 18, 19));
}

// rand() after srand(saat): the first `anzahl` numbers.
std::vector<int> Folge(unsigned saat, int anzahl)
{
    std::srand(saat);
    std::vector<int> zahlen;
    for (int i = 0; i < anzahl; ++i)
        zahlen.push_back(std::rand());
    return zahlen;
}

TEST_F(Quaderfall, ZufallsfolgeZweiBeimBauEinsJeAufschlag)
{
    // The fixture's field has seeded the generator; later fields never seed again.
    for (unsigned saat : {1u, 4711u}) {
        SCOPED_TRACE(saat);
        const std::vector<int> r = Folge(saat, 7);
        std::srand(saat);
        VOQ_Quaderfall f(10, 22);
        EXPECT_EQ(r[0] % 7, Art(*f.teil));
        EXPECT_EQ(r[1] % 7, f.holeNaechster());

        Aufschlagen(f);
        EXPECT_EQ(r[1] % 7, Art(*f.teil)) << "das neue Teil ist der vorige naechste";
        EXPECT_EQ(r[2] % 7, f.holeNaechster());

        f.neuerQuaderfall(TEIL_T);
        EXPECT_EQ(TEIL_T, Art(*f.teil));
        EXPECT_EQ(r[2] % 7, f.holeNaechster()) << "eine genannte Art zieht nichts";
        Aufschlagen(f);
        EXPECT_EQ(r[2] % 7, Art(*f.teil));
        EXPECT_EQ(r[3] % 7, f.holeNaechster());

        f.neuerQuaderfall(TEIL_ZUFALL);
        EXPECT_EQ(r[4] % 7, Art(*f.teil));
        EXPECT_EQ(r[3] % 7, f.holeNaechster());
        Aufschlagen(f);
        EXPECT_EQ(r[3] % 7, Art(*f.teil));
        EXPECT_EQ(r[5] % 7, f.holeNaechster());

        EXPECT_EQ(r[6], std::rand()) << "genau sechs Zahlen gezogen";
    }
}

}
