// Thousands of games with random and planned moves. A referee keeps its own
// copy of grid and piece, works out every move's outcome from the cells alone,
// and compares after each step.
#include "FeldHilfe.h"
#include "LogFaenger.h"
#include "VOQ_Quaderfall.h"
#include "VOQ_Teil_Basis.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace
{

using Raster = std::vector<std::vector<int>>;

// A shape with its occupied cells listed as (row, column), to keep the referee fast.
struct Kasten
{
    int zelle[4][4];
    int anzahl;
    int belegt[16][2];
};

Kasten KastenVon(const int (*tabelle)[4])
{
    Kasten k{};
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c) {
            k.zelle[r][c] = tabelle[r][c];
            if (tabelle[r][c] > 0) {
                k.belegt[k.anzahl][0] = r;
                k.belegt[k.anzahl][1] = c;
                ++k.anzahl;
            }
        }
    return k;
}

class Schiedsrichter
{
public:
    explicit Schiedsrichter(VOQ_Quaderfall& feld)
        : feld(feld), breite(feld.holeSpielfeldBreite()), hoehe(feld.holeSpielfeldHoehe()),
          raster(hoehe, std::vector<int>(breite, 0)), naechster(feld.holeNaechster())
    {
        NeuesTeil(Art(*feld.teil));
    }

    void Setze(int x, int y, int z)
    {
        feld.setze(x, y, z);
        raster[y][x] = z;
    }

    // Each step: the playfield's answer must match what the cells allow.
    void Schiebe(int dx, int dy)
    {
        const bool antwort = dy ? feld.teil->senke() : dx < 0 ? feld.teil->links() : feld.teil->rechts();
        const bool erwartet = Frei(kasten, x + dx, y + dy);
        EXPECT_EQ(erwartet, antwort) << "schiebe " << dx << "," << dy << "\n" << Lage();
        if (erwartet) {
            x += dx;
            y += dy;
        }
        Vergleiche(true);
    }

    void Drehe()
    {
        const int neu = (drehung + 1) % 4;
        const Kasten gedreht = art == TEIL_O ? kasten : KastenVon(VOQ_Form(art, neu));
        const bool erlaubt = Frei(gedreht, x, y) && y + 3 <= hoehe - 2 && x >= -1 &&
                             (art != TEIL_I || y + 3 <= hoehe - 3);
        EXPECT_EQ(erlaubt, feld.teil->drehe()) << "drehe\n" << Lage();
        if (erlaubt) {
            drehung = neu;
            kasten = gedreht;
        }
        Vergleiche(true);
    }

    // Within a drop the grid is compared once the piece has locked.
    int Takt(bool imFall = false)
    {
        const int n = feld.takt();
        if (Frei(kasten, x, y + 1)) {
            EXPECT_EQ(0, n) << "takt\n" << Lage();
            ++y;
        } else {
            const int geloest = Einrasten();
            EXPECT_EQ(geloest + 1, n) << "takt\n" << Lage();
            ++ergebnisse[std::min(geloest + 1, 5)];
            voll = voll || (x == 3 && y == 0 && geloest == 0);
            NeuesTeil(naechster);
            naechster = feld.holeNaechster();
            EXPECT_TRUE(naechster >= 0 && naechster < TEILARTEN) << naechster;
        }
        Vergleiche(!(imFall && n == 0));
        return n;
    }

    bool Voll() const { return voll; }
    // How often takt() gave 1 to 5.
    const std::array<long, 6>& Ergebnisse() const { return ergebnisse; }
    int PosX() const { return x; }

    // Turns and column of a drop that fills the most rows and otherwise lies
    // deepest, by what the cells allow (the moves may still be refused on the way).
    std::pair<int, int> Plane(std::mt19937& zufall) const
    {
        int beste = -1;
        std::vector<std::pair<int, int>> kandidaten{{0, x}};
        for (int d = 0; d < 4; ++d) {
            const Kasten k = art == TEIL_O ? kasten : KastenVon(VOQ_Form(art, (drehung + d) % 4));
            for (int px = -2; px < breite; ++px) {
                if (!Frei(k, px, y))
                    continue;
                int py = y;
                while (Frei(k, px, py + 1))
                    ++py;
                int wert = 1000 * VolleReihen(k, px, py);
                for (int i = 0; i < k.anzahl; ++i)
                    wert += py + k.belegt[i][0];
                if (wert > beste)
                    kandidaten.clear();
                beste = std::max(beste, wert);
                if (wert == beste)
                    kandidaten.push_back({d, px});
            }
        }
        return kandidaten[std::uniform_int_distribution<std::size_t>(0, kandidaten.size() - 1)(zufall)];
    }

private:
    void NeuesTeil(blocktyp typ)
    {
        art = typ;
        drehung = 0;
        x = 3;
        y = 0;
        kasten = KastenVon(VOQ_Form(typ, 0));
        ueberlappt = !Frei(kasten, x, y);
    }

    // Every occupied cell of k at (px, py) lies in the play area; with `leer`
    // also on an empty grid cell.
    bool Frei(const Kasten& k, int px, int py, bool leer = true) const
    {
        for (int i = 0; i < k.anzahl; ++i) {
            const int gx = px + k.belegt[i][1], gy = py + k.belegt[i][0];
            if (gx < 0 || gx >= breite || gy < 0 || gy > hoehe - 3 || (leer && raster[gy][gx] > 0))
                return false;
        }
        return true;
    }

    int VolleReihen(const Kasten& k, int px, int py) const
    {
        int voll = 0;
        for (int r = 0; r < 4 && py + r < hoehe; ++r) {
            int besetzt = 0;
            for (int gx = 0; gx < breite; ++gx) {
                const int c = gx - px;
                besetzt += raster[py + r][gx] > 0 || (c >= 0 && c < 4 && k.zelle[r][c] > 0);
            }
            voll += besetzt == breite;
        }
        return voll;
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
        for (const std::vector<int>& zeile : raster)
            if (std::count_if(zeile.begin(), zeile.end(), [](int v) { return v > 0; }) != breite)
                bleibt.push_back(zeile);
        const int geloest = hoehe - static_cast<int>(bleibt.size());
        raster.assign(geloest, std::vector<int>(breite, 0));
        raster.insert(raster.end(), bleibt.begin(), bleibt.end());
        return geloest;
    }

    void Vergleiche(bool rasterAuch)
    {
        bool gleich = true;
        for (int gy = 0; rasterAuch && gy < hoehe; ++gy)
            for (int gx = 0; gx < breite; ++gx)
                gleich = gleich && feld.holeFarbe(gx, gy) == raster[gy][gx];
        const VOQ_Teil_Basis& t = *feld.teil;
        for (int r = 0; r < 4; ++r)
            for (int c = 0; c < 4; ++c)
                gleich = gleich && t.holeFarbe(c, r) == kasten.zelle[r][c];
        gleich = gleich && t.holePosX() == x && t.holePosY() == y;
        EXPECT_TRUE(gleich) << "Raster oder Teil weicht ab\n" << Lage();
        EXPECT_TRUE(Frei(kasten, x, y, !ueberlappt)) << "Teil ausserhalb oder auf Zellen\n" << Lage();
        EXPECT_EQ(naechster, feld.holeNaechster());
        EXPECT_EQ(voll, feld.ueberfuellt());
        if (!gleich)
            GTEST_FAIL() << "Abbruch nach der ersten Abweichung";
    }

    std::string Lage() const
    {
        return "Teil " + std::to_string(art) + " Drehung " + std::to_string(drehung) + " bei " + std::to_string(x) +
               "," + std::to_string(y) + "\n" + Bild(feld, 0, hoehe - 1) + "Form " + Form(*feld.teil) + "\n";
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
    blocktyp naechster;
    bool voll = false;
    std::array<long, 6> ergebnisse{};
};

// Rows of rubble with one or two holes each (or a shaft), so that several
// rows fill at once.
void Schutt(Schiedsrichter& s, int breite, int hoehe, std::mt19937& zufall)
{
    std::uniform_int_distribution<int> spalte(0, breite - 1);
    const int reihen = std::uniform_int_distribution<int>(0, std::min(8, hoehe - 6))(zufall);
    const int schacht = zufall() % 2 ? spalte(zufall) : -1;
    for (int i = 0; i < reihen; ++i) {
        const int loch1 = schacht >= 0 ? schacht : spalte(zufall);
        const int loch2 = schacht >= 0 ? schacht : spalte(zufall);
        for (int c = 0; c < breite; ++c)
            if (c != loch1 && c != loch2)
                s.Setze(c, hoehe - 3 - i, 1 + static_cast<int>(zufall() % 7));
    }
}

enum Zug { LINKS, RECHTS, DREHE, SENKE, TAKT, FALLEN };

// Random moves, gravity the most frequent of them.
Zug Zufallszug(std::mt19937& zufall)
{
    static const Zug ZUEGE[20] = {LINKS, LINKS, LINKS, RECHTS, RECHTS, RECHTS, DREHE, DREHE, DREHE, SENKE,
                                  FALLEN, TAKT, TAKT, TAKT, TAKT, TAKT, TAKT, TAKT, TAKT, TAKT};
    return ZUEGE[zufall() % 20];
}

// A planning player's moves for the piece: turns, side steps, then the drop.
std::vector<Zug> Plan(const Schiedsrichter& s, std::mt19937& zufall)
{
    const std::pair<int, int> ziel = s.Plane(zufall);
    std::vector<Zug> zuege(ziel.first, DREHE);
    const int dx = ziel.second - s.PosX();
    zuege.insert(zuege.end(), std::abs(dx), dx < 0 ? LINKS : RECHTS);
    zuege.push_back(FALLEN);
    return zuege;
}

void Ziehe(Schiedsrichter& s, Zug zug)
{
    switch (zug) {
    case LINKS: s.Schiebe(-1, 0); break;
    case RECHTS: s.Schiebe(1, 0); break;
    case DREHE: s.Drehe(); break;
    case SENKE: s.Schiebe(0, 1); break;
    case TAKT: s.Takt(); break;
    case FALLEN:
        for (int i = 0; i < 100 && s.Takt(true) == 0; ++i) {
        }
        break;
    }
}

TEST(Simulation, ZufallsspieleHaltenDieRegelnDesRasters)
{
    LogFaenger log;
    // The first field of the run seeds from the clock; the games seed their own.
    VOQ_Quaderfall vorlauf(10, 22);
    std::mt19937 zufall(20240611);
    const int SPIELE = 3000;
    int verloren = 0;
    std::array<long, 6> ergebnisse{};
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
        // Half the games are played by a player who aims for full rows, with a
        // random move now and then; the others by random moves alone.
        const bool planend = zufall() % 2;
        std::vector<Zug> plan;
        std::size_t naechsterZug = 0;
        int nachDemEnde = 0;
        for (int schritt = 0; schritt < 5000 && nachDemEnde < 20 && !::testing::Test::HasFailure(); ++schritt) {
            if (planend && zufall() % 20 != 0) {
                if (naechsterZug >= plan.size()) {
                    plan = Plan(s, zufall);
                    naechsterZug = 0;
                }
                Ziehe(s, plan[naechsterZug++]);
            } else {
                Ziehe(s, Zufallszug(zufall));
            }
            nachDemEnde += s.Voll();
        }
        verloren += s.Voll();
        for (int n = 1; n <= 5; ++n)
            ergebnisse[n] += s.Ergebnisse()[n];
    }
    // The games must have reached the cases worth checking: every takt()
    // result from 1 to 5, and lost games.
    for (int n = 1; n <= 5; ++n)
        EXPECT_GT(ergebnisse[n], 20) << "takt() = " << n;
    EXPECT_GT(verloren, SPIELE / 2);
}

}
