#include "KL_Spielmusik.h"

#include "KL_Klangfarben.h"
#include "KL_Satz.h"
#include "KL_Xm.h"

#include <string>
#include <vector>

// The second game track: G major, 120 beats a minute, played with a shuffle
// (rows alternate between seven and five ticks). Where the first track
// drives with straight eighths and held chords, this one bounces: a
// syncopated bass, off-beat piano stabs and a square lead.
namespace
{
enum Kanal { MELODIE, GLOCKE, BASS, STAB, KICK = 6, KLATSCHEN, HIHAT, SCHUETTLER, KANAELE };

struct Instrumente
{
    int quadrat, glocke, bass, piano, kick, klatschen, hihat, schuettler, tom;
};

struct Abschnitt
{
    std::vector<std::string> akkorde;
    std::string melodie;
    std::string glocke;
    std::string kick = "x.....x.x.......";
    std::string klatschen = "....x.......x...";
    std::string hihat = "xgogxgogxgogxgog";
    std::string schuettler = "..x...x...x...x.";
    std::string bass = "1 . . 1 . . 8 . . 1 . 5 . 8 = .";
    std::string stab = "..x=..x=..x=..x=";
};

void Schreibe(KL_Satz& s, const Abschnitt& a, const Instrumente& in)
{
    if (!a.melodie.empty()) {
        s.Stimme(MELODIE, in.quadrat, a.melodie, 44);
    }
    if (!a.glocke.empty()) {
        s.Stimme(GLOCKE, in.glocke, a.glocke, 36);
    }
    s.Figur(BASS, in.bass, a.akkorde, a.bass, 13, 42);
    if (!a.stab.empty()) {
        s.Akkorde(STAB, 3, in.piano, a.akkorde, a.stab, 60, 36);
    }
    s.Schlag(KICK, in.kick, 49, a.kick, 40);
    s.Schlag(KLATSCHEN, in.klatschen, 49, a.klatschen, 40);
    s.Schlag(HIHAT, in.hihat, 49, a.hihat, 34);
    s.Schlag(SCHUETTLER, in.schuettler, 49, a.schuettler, 32);
    // The shuffle: long and short sixteenths.
    for (int zeile = 0; zeile < s.Zeilen(); ++zeile) {
        s.Effekt(SCHUETTLER, zeile, 0x0f, zeile % 2 == 0 ? 7 : 5);
    }
}

KL_XmMuster Satz(const Abschnitt& a, const Instrumente& in)
{
    KL_Satz s(KANAELE, static_cast<int>(a.akkorde.size()));
    Schreibe(s, a, in);
    return s.Muster();
}

// The last bar: a stop on the D chord, a short fill, and the bass leads on
// D into the G of the top.
KL_XmMuster Schluss(const Abschnitt& a, const Instrumente& in, const KL_XmMuster& anfang)
{
    KL_Satz s(KANAELE, static_cast<int>(a.akkorde.size()));
    Schreibe(s, a, in);
    const int takt = s.Zeilen() - KL_Satz::SCHRITTE_JE_TAKT;
    for (int k = BASS; k < SCHUETTLER; ++k) {
        s.Leeren(k, takt, s.Zeilen());
    }
    s.Akkorde(STAB, 3, in.piano, {"D7"}, "x.....=", 60, 34);
    s.Stimme(BASS, in.bass, "D2 . . . . . = . . . A1 . C2 . D2 .", 54, takt);
    s.Stimme(KICK, in.kick, "C4 . . . . . . . . . . . C4", 48, takt);
    s.Stimme(HIHAT, in.tom, ". . . . . . . . A4:36 . F4:40 . D4:44", 40, takt);
    s.Stimme(KLATSCHEN, in.klatschen, ". . . . . . . . C4:20 C4:26 C4:32 C4:40", 40, takt);
    s.Anschluss(takt + 14, anfang);
    return s.Muster();
}

const char* const MELODIE_A1 =
    "B4 . D5 . G5 . . . A5 . G5 . D5 . . = | E5 . . . G5 . . . B5 . . . A5 . G5 . | "
    "E5 . . . C5 . E5 . G5 . . . E5 . . = | F#5 . . . A5 . . . D5 . . . . . = .";
const char* const MELODIE_A2 =
    "B4 . D5 . G5 . . . A5 . G5 . D5 . . = | E5 . . . G5 . . . B5 . . . D6 . B5 . | "
    "C6 . . . B5 . A5 . G5 . . . E5 . . = | F#5 . . . . . A5 . . . F#5 . D5 . = .";
const char* const MELODIE_B1 =
    "G5 . . E5 . . G5 . . . C6 . . . G5 . | A5 . . F#5 . . A5 . . . D6 . . . A5 . | "
    "B5 . . . A5 . F#5 . D5 . . . F#5 . . = | G5 . . . . . . . E5 . . . . . = .";
const char* const MELODIE_B2 =
    "G5 . . E5 . . G5 . . . C6 . . . E6 . | D6 . . . C6 . A5 . F#5 . . . A5 . . = | "
    "G5 . . . . . . . D5 . E5 . F#5 . G5 . | B5 . . . . . . . . . . . = . . .";
const char* const MELODIE_B3 =
    "G5 . . E5 . . G5 . . . C6 . . . E6 . | D6 . . . C6 . A5 . F#5 . . . A5 . . = | "
    "A5 . . . G5 . E5 . C5 . . . E5 . . = | F#5 . . . . . = . . . . . . . . .";
const char* const GLOCKE_C1 =
    "E5 . . . . . B4 . . . E5 . . . G5 . | G5 . . . . . E5 . . . . . C5 . . . | "
    "D5 . . . . . B4 . . . D5 . . . G5 . | F#5 . . . . . . . A5 . . . . . . .";
const char* const GLOCKE_C2 =
    "E5 . . . . . B4 . . . E5 . . . G5 . | C6 . . . . . G5 . . . E5 . . . C5 . | "
    "E5 . . . . . C5 . . . A4 . . . C5 . | D5 . . . F#5 . . . A5 . . . C6 . . .";
}

namespace KL_Spielmusik
{
KL_XmModul ZweitesStueck()
{
    KL_XmModul modul("Quaderfall - Spiel 2", KANAELE, 6, 120);
    Instrumente in;
    in.quadrat = modul.NeuesInstrument(KL_Klangfarben::Quadrat());
    in.glocke = modul.NeuesInstrument(KL_Klangfarben::Glocke());
    in.bass = modul.NeuesInstrument(KL_Klangfarben::Bass());
    in.piano = modul.NeuesInstrument(KL_Klangfarben::EPiano(0x1400));
    in.kick = modul.NeuesInstrument(KL_Klangfarben::Trommel());
    in.klatschen = modul.NeuesInstrument(KL_Klangfarben::Klatschen());
    in.hihat = modul.NeuesInstrument(KL_Klangfarben::HiHat(false));
    in.schuettler = modul.NeuesInstrument(KL_Klangfarben::Schuettler());
    in.tom = modul.NeuesInstrument(KL_Klangfarben::Tom());

    Abschnitt einleitung;
    einleitung.akkorde = {"G", "Em", "C", "D"};
    einleitung.kick = "x.......x.......";
    einleitung.klatschen = "................................"
                           "....x.......x.......x.......x.x.";

    Abschnitt a1;
    a1.akkorde = {"G", "Em", "C", "D"};
    a1.melodie = MELODIE_A1;
    Abschnitt a2 = a1;
    a2.akkorde = {"G", "Em", "Am", "D"};
    a2.melodie = MELODIE_A2;

    Abschnitt b1;
    b1.akkorde = {"C", "D", "Bm", "Em"};
    b1.melodie = MELODIE_B1;
    b1.bass = "1 . 1 . . 1 . 5 . 1 . . 8 . 5 .";
    b1.hihat = "xgxgxgxgxgxgxgxg";
    Abschnitt b2 = b1;
    b2.akkorde = {"C", "D", "G", "G"};
    b2.melodie = MELODIE_B2;
    Abschnitt b3 = b1;
    b3.akkorde = {"C", "D", "Am", "D"};
    b3.melodie = MELODIE_B3;

    Abschnitt c1;
    c1.akkorde = {"Em", "C", "G", "D"};
    c1.glocke = GLOCKE_C1;
    c1.kick = "x.........x.....";
    c1.klatschen = "............x...";
    c1.hihat = "..o...o...o...o.";
    c1.bass = "1 . . . . . . . 5, . . . 1 . . .";
    c1.stab = "x...............";
    Abschnitt c2 = c1;
    c2.akkorde = {"Em", "C", "Am", "D"};
    c2.glocke = GLOCKE_C2;
    c2.klatschen = "............x..."
                   "............x..."
                   "............x..."
                   "....x.......x.xx";

    const KL_XmMuster anfang = Satz(einleitung, in);
    const int i = modul.NeuesMuster(anfang);
    const int pa1 = modul.NeuesMuster(Satz(a1, in));
    const int pa2 = modul.NeuesMuster(Satz(a2, in));
    const int pb1 = modul.NeuesMuster(Satz(b1, in));
    const int pb2 = modul.NeuesMuster(Satz(b2, in));
    const int pc1 = modul.NeuesMuster(Satz(c1, in));
    const int pc2 = modul.NeuesMuster(Satz(c2, in));
    const int pb3 = modul.NeuesMuster(Schluss(b3, in, anfang));

    // As loud as the other pieces (about -19.5 LUFS as the game plays it).
    modul.Pegel(1.06);
    modul.Reihenfolge({i, pa1, pa2, pb1, pb2, pa1, pa2, pc1, pc2, pb1, pb3});
    return modul;
}
}
