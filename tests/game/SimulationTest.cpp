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
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace
{

using Raster = std::vector<std::vector<int>>;

struct Kasten
{
    int zelle[4][4];
    // The occupied cells as (row, column), to keep the referee fast.
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
          raster(hoehe, std::vector<int>(breite, 0))
    {
        NeuesTeil(Art(*feld.teil));
        naechster = feld.holeNaechster();
    }

    void Setze(int x, int y, int z)
    {
        feld.setze(x, y, z);
        raster[y][x] = z;
    }

    // Each step: the playfield's answer must match what the cells allow.
    void Links()
    {
        const bool antwort = feld.teil->links();
        Pruefe("links", antwort, Verschoben(-1, 0));
    }

    void Rechts()
    {
        const bool antwort = feld.teil->rechts();
        Pruefe("rechts", antwort, Verschoben(1, 0));
    }

    void Senke()
    {
        const bool antwort = feld.teil->senke();
        Pruefe("senke", antwort, Verschoben(0, 1));
    }

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
            if (x == 3 && y == 0 && geloest == 0)
                voll = true;
            NeuesTeil(naechster);
            naechster = feld.holeNaechster();
            EXPECT_GE(naechster, 0);
            EXPECT_LT(naechster, TEILARTEN);
        }
        Vergleiche("takt", !(imFall && n == 0));
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
    // How often takt() gave 1 to 5.
    const std::array<long, 6>& Ergebnisse() const { return ergebnisse; }

    // Turns and column of a drop that completes the most rows and otherwise
    // lies deepest, from what the cells allow (a plan: the moves may still be
    // refused on the way).
    std::pair<int, int> Plane(std::mt19937& zufall) const
    {
        int beste = -1;
        std::vector<std::pair<int, int>> kandidaten;
        for (int d = 0; d < 4; ++d) {
            const Kasten k = art == TEIL_O ? kasten : KastenVon(VOQ_Form(art, (drehung + d) % 4));
            for (int px = -2; px < breite; ++px) {
                if (!Frei(k, px, y))
                    continue;
                int py = y;
                while (Frei(k, px, py + 1))
                    ++py;
                const int wert = 1000 * VolleReihen(k, px, py) + Tiefe(k, py);
                if (wert > beste) {
                    beste = wert;
                    kandidaten.clear();
                }
                if (wert == beste)
                    kandidaten.push_back({d, px});
            }
        }
        if (kandidaten.empty())
            return {0, x};
        return kandidaten[std::uniform_int_distribution<std::size_t>(0, kandidaten.size() - 1)(zufall)];
    }

    int PosX() const { return x; }

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
            if (gx < 0 || gx >= breite || gy < 0 || gy > hoehe - 3)
                return false;
            if (leer && raster[gy][gx] > 0)
                return false;
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

    static int Tiefe(const Kasten& k, int py)
    {
        int summe = 0;
        for (int r = 0; r < 4; ++r)
            for (int c = 0; c < 4; ++c)
                summe += k.zelle[r][c] > 0 ? py + r : 0;
        return summe;
    }

    int VolleReihen(const Kasten& k, int px, int py) const
    {
        int voll = 0;
        for (int r = 0; r < 4; ++r) {
            const int gy = py + r;
            if (gy >= hoehe)
                break;
            int besetzt = 0;
            for (int gx = 0; gx < breite; ++gx) {
                const int c = gx - px;
                besetzt += raster[gy][gx] > 0 || (c >= 0 && c < 4 && k.zelle[r][c] > 0);
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
        return geloest;
    }

    void Vergleiche(const char* was, bool rasterAuch = true)
    {
        bool gleich = true;
        for (int gy = 0; rasterAuch && gy < hoehe; ++gy)
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
    std::array<long, 6> ergebnisse{};
};

// Some games start on rows of rubble with one or two holes each, so that
// several rows fill at once.
void Schutt(Schiedsrichter& s, int breite, int hoehe, std::mt19937& zufall)
{
    const int reihen = std::uniform_int_distribution<int>(0, std::min(8, hoehe - 6))(zufall);
    const bool schacht = zufall() % 2;
    const int schachtSpalte = std::uniform_int_distribution<int>(0, breite - 1)(zufall);
    for (int i = 0; i < reihen; ++i) {
        const int zeile = hoehe - 3 - i;
        const int loch1 = schacht ? schachtSpalte : std::uniform_int_distribution<int>(0, breite - 1)(zufall);
        const int loch2 = schacht ? schachtSpalte : std::uniform_int_distribution<int>(0, breite - 1)(zufall);
        for (int spalte = 0; spalte < breite; ++spalte)
            if (spalte != loch1 && spalte != loch2)
                s.Setze(spalte, zeile, std::uniform_int_distribution<int>(1, 7)(zufall));
    }
}

enum Zug { LINKS, RECHTS, DREHE, SENKE, TAKT, FALLEN, LEEREN, NEUES_TEIL };

Zug Zufallszug(std::mt19937& zufall)
{
    const unsigned w = zufall() % 100;
    if (w < 15)
        return LINKS;
    if (w < 30)
        return RECHTS;
    if (w < 45)
        return DREHE;
    if (w < 50)
        return SENKE;
    if (w < 55)
        return FALLEN;
    if (w < 56)
        return zufall() % 10 == 0 ? LEEREN : NEUES_TEIL;
    return TAKT;
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

void Ziehe(Schiedsrichter& s, Zug zug, std::mt19937& zufall)
{
    switch (zug) {
    case LINKS: s.Links(); break;
    case RECHTS: s.Rechts(); break;
    case DREHE: s.Drehe(); break;
    case SENKE: s.Senke(); break;
    case TAKT: s.Takt(); break;
    case FALLEN:
        for (int i = 0; i < 100 && s.Takt(true) == 0; ++i) {
        }
        break;
    case LEEREN: s.Leeren(); break;
    case NEUES_TEIL: s.NeuesTeilVon(static_cast<blocktyp>(zufall() % 8)); break;
    }
}

TEST(Simulation, ZufallsspieleHaltenDieRegelnDesRasters)
{
    LogFaenger log;
    // The first field of the run seeds from the clock; the games seed their own.
    VOQ_Quaderfall vorlauf(10, 22);
    std::mt19937 zufall(20240611);
    const int SPIELE = 3000;
    long schritte = 0;
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
            ++schritte;
            if (planend && zufall() % 20 != 0) {
                if (naechsterZug >= plan.size()) {
                    plan = Plan(s, zufall);
                    naechsterZug = 0;
                }
                Ziehe(s, plan[naechsterZug++], zufall);
            } else {
                Ziehe(s, Zufallszug(zufall), zufall);
            }
            if (s.Voll())
                ++nachDemEnde;
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
    std::printf("%d Spiele, %ld Schritte, %d verloren; takt 1..5: %ld %ld %ld %ld %ld\n", SPIELE, schritte,
                verloren, ergebnisse[1], ergebnisse[2], ergebnisse[3], ergebnisse[4], ergebnisse[5]);
}

}
