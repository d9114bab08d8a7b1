// Thousands of random games with random moves. A referee keeps its own copy
// of grid and piece, works out every move's outcome from the cells alone, and
// compares after each step.
#include "FeldHilfe.h"
#include "LogFaenger.h"
#include "VOQ_Quaderfall.h"
#include "VOQ_Teil_Basis.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace
{

using Raster = std::vector<std::vector<int>>;

struct Kasten
{
    int zelle[4][4];
};

Kasten KastenVon(const int (*tabelle)[4])
{
    Kasten k{};
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            k.zelle[r][c] = tabelle[r][c];
    return k;
}

class Schiedsrichter
{
public:
    Schiedsrichter(VOQ_Quaderfall& feld) : feld(feld), breite(feld.holeSpielfeldBreite()),
                                           hoehe(feld.holeSpielfeldHoehe()),
                                           raster(hoehe, std::vector<int>(breite, 0))
    {
        NeuesTeil(Art(*feld.teil));
        naechster = feld.holeNaechster();
        voll = false;
    }

    void Setze(int x, int y, int z)
    {
        feld.setze(x, y, z);
        raster[y][x] = z;
    }

    // Each step: the playfield's answer must match what the cells allow.
    void Links() { Pruefe("links", feld.teil->links(), Verschoben(-1, 0)); }
    void Rechts() { Pruefe("rechts", feld.teil->rechts(), Verschoben(1, 0)); }
    void Senke() { Pruefe("senke", feld.teil->senke(), Verschoben(0, 1)); }

    void Drehe()
    {
        const int neu = (drehung + 1) % 4;
        const Kasten gedreht = art == TEIL_O ? kasten : KastenVon(VOQ_Form(art, neu));
        const bool erlaubt = Frei(gedreht, x, y) && y + 3 <= hoehe - 2 && x >= -1 &&
                             (art != TEIL_I || y + 3 <= hoehe - 3);
        const bool gedrehtJa = feld.teil->drehe();
        EXPECT_EQ(erlaubt, gedrehtJa) << "drehe\n" << Lage();
        if (erlaubt) {
            drehung = neu;
            kasten = gedreht;
        }
        Vergleiche("drehe");
    }

    int Takt()
    {
        const int n = feld.takt();
        if (Frei(kasten, x, y + 1)) {
            EXPECT_EQ(0, n) << "takt\n" << Lage();
            ++y;
        } else {
            const int geloest = Einrasten();
            EXPECT_EQ(geloest + 1, n) << "takt\n" << Lage();
            if (x == 3 && y == 0 && geloest == 0)
                voll = true;
            NeuesTeil(naechster);
            naechster = feld.holeNaechster();
            EXPECT_GE(naechster, 0);
            EXPECT_LT(naechster, TEILARTEN);
        }
        Vergleiche("takt");
        return n;
    }

    void Leeren()
    {
        feld.leeren();
        for (std::vector<int>& zeile : raster)
            std::fill(zeile.begin(), zeile.end(), 0);
        Vergleiche("leeren");
    }

    void NeuesTeilVon(blocktyp typ)
    {
        feld.neuerQuaderfall(typ);
        NeuesTeil(typ == TEIL_ZUFALL ? Art(*feld.teil) : typ);
        Vergleiche("neuerQuaderfall");
    }

    bool Voll() const { return voll; }
    int Geloest() const { return geloestGesamt; }

private:
    void NeuesTeil(blocktyp typ)
    {
        art = typ;
        drehung = 0;
        x = 3;
        y = 0;
        kasten = KastenVon(VOQ_Form(typ, 0));
        ueberlappt = !Frei(kasten, x, y, false);
    }

    // Every occupied cell of k at (px, py) lies in the play area; with `leer`
    // also on an empty grid cell.
    bool Frei(const Kasten& k, int px, int py, bool leer = true) const
    {
        for (int r = 0; r < 4; ++r) {
            for (int c = 0; c < 4; ++c) {
                if (k.zelle[r][c] == 0)
                    continue;
                const int gx = px + c, gy = py + r;
                if (gx < 0 || gx >= breite || gy < 0 || gy > hoehe - 3)
                    return false;
                if (leer && raster[gy][gx] > 0)
                    return false;
            }
        }
        return true;
    }

    bool Verschoben(int dx, int dy)
    {
        if (!Frei(kasten, x + dx, y + dy))
            return false;
        x += dx;
        y += dy;
        return true;
    }

    void Pruefe(const char* was, bool antwort, bool erwartet)
    {
        EXPECT_EQ(erwartet, antwort) << was << "\n" << Lage();
        Vergleiche(was);
    }

    // Fills the empty grid cells under the box, then drops every full row.
    int Einrasten()
    {
        for (int r = 0; r < 4; ++r)
            for (int c = 0; c < 4; ++c) {
                const int gx = x + c, gy = y + r;
                if (gx >= 0 && gx < breite && gy >= 0 && gy < hoehe && raster[gy][gx] == 0)
                    raster[gy][gx] = kasten.zelle[r][c];
            }
        Raster bleibt;
        for (const std::vector<int>& zeile : raster) {
            int besetzt = 0;
            for (int v : zeile)
                besetzt += v > 0;
            if (besetzt != breite)
                bleibt.push_back(zeile);
        }
        const int geloest = hoehe - static_cast<int>(bleibt.size());
        Raster neu(geloest, std::vector<int>(breite, 0));
        neu.insert(neu.end(), bleibt.begin(), bleibt.end());
        raster = neu;
        geloestGesamt += geloest;
        return geloest;
    }

    void Vergleiche(const char* was)
    {
        bool gleich = true;
        for (int gy = 0; gy < hoehe; ++gy)
            for (int gx = 0; gx < breite; ++gx) {
                const int v = feld.holeFarbe(gx, gy);
                if (v < 0 || v > 7 || v != raster[gy][gx])
                    gleich = false;
                if (gy >= hoehe - 2 && v != 0)
                    gleich = false;
            }
        EXPECT_TRUE(gleich) << was << ": Raster weicht ab\n" << Lage();

        const VOQ_Teil_Basis& t = *feld.teil;
        bool formGleich = true;
        for (int r = 0; r < 4; ++r)
            for (int c = 0; c < 4; ++c)
                formGleich = formGleich && t.holeFarbe(c, r) == kasten.zelle[r][c];
        EXPECT_TRUE(formGleich && t.holePosX() == x && t.holePosY() == y) << was << ": Teil weicht ab\n" << Lage();
        EXPECT_TRUE(Frei(kasten, x, y, !ueberlappt)) << was << ": Teil ausserhalb oder auf Zellen\n" << Lage();
        EXPECT_EQ(naechster, feld.holeNaechster()) << was;
        EXPECT_EQ(voll, feld.ueberfuellt()) << was;
        if (!gleich || !formGleich)
            GTEST_FAIL() << "Abbruch nach der ersten Abweichung";
    }

    std::string Lage() const
    {
        std::ostringstream s;
        s << "Teil " << art << " Drehung " << drehung << " bei " << x << "," << y << " Feld " << breite << "x"
          << hoehe << "\n"
          << Bild(feld, 0, hoehe - 1) << "Form " << Form(*feld.teil) << "\n";
        return s.str();
    }

    VOQ_Quaderfall& feld;
    const int breite;
    const int hoehe;
    Raster raster;
    blocktyp art = TEIL_I;
    int drehung = 0;
    int x = 3;
    int y = 0;
    Kasten kasten{};
    bool ueberlappt = false;
    blocktyp naechster = TEIL_I;
    bool voll = false;
    int geloestGesamt = 0;
};

// Some games start on rows of rubble with one or two holes each, so that
// several rows fill at once.
void Schutt(Schiedsrichter& s, int breite, int hoehe, std::mt19937& zufall)
{
    const int reihen = std::uniform_int_distribution<int>(0, std::min(8, hoehe - 6))(zufall);
    for (int i = 0; i < reihen; ++i) {
        const int zeile = hoehe - 3 - i;
        const int loch1 = std::uniform_int_distribution<int>(0, breite - 1)(zufall);
        const int loch2 = std::uniform_int_distribution<int>(0, breite - 1)(zufall);
        for (int spalte = 0; spalte < breite; ++spalte)
            if (spalte != loch1 && spalte != loch2)
                s.Setze(spalte, zeile, std::uniform_int_distribution<int>(1, 7)(zufall));
    }
}

TEST(Simulation, ZufallsspieleHaltenDieRegelnDesRasters)
{
    LogFaenger log;
    std::mt19937 zufall(20240611);
    const int SPIELE = 4000;
    long schritte = 0;
    long geloest = 0;
    int verloren = 0;
    for (int spiel = 0; spiel < SPIELE && !::testing::Test::HasFailure(); ++spiel) {
        std::srand(static_cast<unsigned>(spiel));
        log.Leeren();
        const bool ueblich = zufall() % 5 < 3;
        const int breite = ueblich ? 10 : std::uniform_int_distribution<int>(7, 14)(zufall);
        const int hoehe = ueblich ? 22 : std::uniform_int_distribution<int>(6, 30)(zufall);
        VOQ_Quaderfall feld(breite, hoehe);
        Schiedsrichter s(feld);
        if (zufall() % 2)
            Schutt(s, breite, hoehe, zufall);

        int nachDemEnde = 0;
        for (int schritt = 0; schritt < 5000 && nachDemEnde < 20 && !::testing::Test::HasFailure(); ++schritt) {
            ++schritte;
            switch (zufall() % 20) {
            case 0: case 1: case 2: s.Links(); break;
            case 3: case 4: case 5: s.Rechts(); break;
            case 6: case 7: case 8: s.Drehe(); break;
            case 9: s.Senke(); break;
            case 10: {
                for (int i = 0; i < 100 && s.Takt() == 0; ++i) {
                }
                break;
            }
            case 11:
                if (zufall() % 50 == 0)
                    s.Leeren();
                else if (zufall() % 10 == 0)
                    s.NeuesTeilVon(static_cast<blocktyp>(zufall() % 8));
                break;
            default: s.Takt(); break;
            }
            if (s.Voll())
                ++nachDemEnde;
        }
        verloren += s.Voll();
        geloest += s.Geloest();
    }
    // The games must have reached the cases worth checking.
    EXPECT_GT(verloren, SPIELE / 2);
    EXPECT_GT(geloest, SPIELE);
    RecordProperty("Schritte", std::to_string(schritte));
    std::printf("%d Spiele, %ld Schritte, %ld Reihen geloest, %d verloren\n", SPIELE, schritte, geloest, verloren);
}

}
