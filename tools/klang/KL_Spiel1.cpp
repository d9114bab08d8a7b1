#include "KL_Spielmusik.h"

#include "KL_Klangfarben.h"
#include "KL_Satz.h"
#include "KL_Xm.h"

#include <string>
#include <vector>

// The first game track: A minor, 132 beats a minute, four rows a beat.
// Sections of four bars; the last one breaks into a fill that leads into
// the downbeat of the top.
namespace
{
enum Kanal { MELODIE, GEGEN, ARPEGGIO, BASS, FLAECHE, KICK = 7, SNARE, HIHAT, KANAELE };

struct Instrumente
{
    int melodie, glocke, zupfer, bass, flaeche, kick, snare, klatschen, hihat, hihatOffen, tom;
};

struct Abschnitt
{
    std::vector<std::string> akkorde;
    std::string melodie;
    std::string gegenstimme;
    std::string kick = "x.......x.x.....";
    std::string snare = "....x.......x...";
    std::string hihat = "o.x.o.x.o.x.o.x.";
    std::string bass = "1 . 1 . 8 . 1 . 1 . 1 . 8 . 5 .";
    bool arpeggio = true;
    int flaeche = 26;
};

void Schreibe(KL_Satz& s, const Abschnitt& a, const Instrumente& in)
{
    if (!a.melodie.empty()) {
        s.Stimme(MELODIE, in.melodie, a.melodie, 52);
    }
    if (!a.gegenstimme.empty()) {
        s.Stimme(GEGEN, in.glocke, a.gegenstimme, 40);
    }
    if (a.arpeggio) {
        s.Figur(ARPEGGIO, in.zupfer, a.akkorde, "1:30 5:18 8:24 3':18 1:26 5:18 8:24 3':18 1:28 5:18 8:24 3':18 1:26 5:18 8:24 5:18", 37, 24);
    }
    s.Figur(BASS, in.bass, a.akkorde, a.bass, 13, 40);
    if (a.flaeche > 0) {
        s.Akkorde(FLAECHE, 3, in.flaeche, a.akkorde, "x...............", 55, a.flaeche);
    }
    s.Schlag(KICK, in.kick, 49, a.kick, 40);
    s.Schlag(SNARE, in.snare, 49, a.snare, 44);
    s.Schlag(HIHAT, in.hihat, 49, a.hihat, 38);
}

KL_XmMuster Satz(const Abschnitt& a, const Instrumente& in)
{
    KL_Satz s(KANAELE, static_cast<int>(a.akkorde.size()));
    Schreibe(s, a, in);
    return s.Muster();
}

// The closing section: the last bar breaks into a drum fill over the held
// E chord, and the pad, the arpeggio and the bass run on into the A minor of
// the top, which strikes them anew.
KL_XmMuster Schluss(const Abschnitt& a, const Instrumente& in, const KL_XmMuster& anfang)
{
    KL_Satz s(KANAELE, static_cast<int>(a.akkorde.size()));
    Schreibe(s, a, in);
    const int takt = s.Zeilen() - KL_Satz::SCHRITTE_JE_TAKT;
    for (int k = KICK; k < KANAELE; ++k) {
        s.Leeren(k, takt + 8, s.Zeilen());
    }
    s.Leeren(BASS, takt, s.Zeilen());
    s.Stimme(BASS, in.bass, "E2 . . . B1 . . . E2 . E2 . G#1 . B1 .", 52, takt);
    s.Stimme(KICK, in.kick, "C4 . . . . . . . C4 . . . C4", 48, takt);
    s.Stimme(SNARE, in.snare, ". . . . . . . . C4:22 C4:28 C4:34 C4:40", 44, takt);
    s.Stimme(HIHAT, in.tom, "G4:40 . E4:44 . C4:48", 40, takt + 8);
    s.Anschluss(takt + 14, anfang);
    return s.Muster();
}

const char* const MELODIE_A1 =
    "A4 . C5 . E5 . . . D5 . C5 . D5 . E5 . | F5 . . . E5 . C5 . A4 . . . C5 . . . | "
    "G5 . . . E5 . C5 . G4 . C5 . E5 . G5 . | F5 . E5 . D5 . . . B4 . . . G4 . . =";
const char* const MELODIE_A2 =
    "A4 . C5 . E5 . . . D5 . C5 . D5 . E5 . | F5 . . . A5 . G5 . F5 . E5 . F5 . . . | "
    "G5 . . . D5 . . . B4 . D5 . G5 . F5 . | E5 . . . . . . . G#4 . B4 . D5 . E5 .";
const char* const MELODIE_A3 =
    "A4 . C5 . E5 . . . D5 . C5 . D5 . E5 . | F5 . . . A5 . G5 . F5 . E5 . F5 . . . | "
    "G5 . F5 . E5 . D5 . B4 . C5 . D5 . . . | C5 . . . B4 . . . A4 . . . . . = .";
const char* const MELODIE_B1 =
    "D5 . F5 . A5 . . F5 . . A5 . C6 . A5 . | B5 . . . G5 . . . D5 . G5 . B5 . . . | "
    "C6 . . B5 . . G5 . E5 . . G5 . . C6 . | A5 . . . E5 . . . C5 . E5 . A5 . . =";
const char* const MELODIE_B2 =
    "D5 . F5 . A5 . . F5 . . A5 . D6 . C6 . | B5 . . . D6 . . . B5 . A5 . G5 . . . | "
    "G#5 . . . E5 . . . B4 . . . E5 . . . | D5 . . . . . . . B4 . G#4 . E4 . . .";
const char* const MELODIE_B3 =
    "D5 . F5 . A5 . . F5 . . A5 . D6 . C6 . | B5 . . . D6 . . . B5 . A5 . G5 . . . | "
    "G#5 . . . E5 . . . B4 . . . E5 . . . | D5 . . . B4 . . . G#4 . . . = . . .";
const char* const GLOCKE_C1 =
    "A5 . . . . . . . C6 . . . A5 . . . | B5 . . . . . . . D6 . . . B5 . . . | "
    "C6 . . . B5 . . . A5 . . . E5 . . . | A5 . . . . . . . . . . . . . . .";
const char* const GLOCKE_C2 =
    "A5 . . . . . . . C6 . . . F6 . . . | D6 . . . . . . . B5 . . . G5 . . . | "
    "G#5 . . . . . . . B5 . . . E6 . . . | D6 . . . B5 . . . G#5 . . . E5 . . .";
// The bells answer the lead an octave up in the second half of a phrase.
const char* const GLOCKE_A2 =
    ". . . . . . . . . . . . . . . . | . . . . . . . . . . . . . . . . | "
    "B5 . . . . . . . D6 . . . . . . . | B5 . . . . . . . . . . . . . . .";
}

namespace KL_Spielmusik
{
KL_XmModul ErstesStueck()
{
    KL_XmModul modul("Quaderfall - Spiel 1", KANAELE, 6, 132);
    Instrumente in;
    in.melodie = modul.NeuesInstrument(KL_Klangfarben::Melodie());
    in.glocke = modul.NeuesInstrument(KL_Klangfarben::Glocke());
    in.zupfer = modul.NeuesInstrument(KL_Klangfarben::Zupfer());
    in.bass = modul.NeuesInstrument(KL_Klangfarben::Bass());
    in.flaeche = modul.NeuesInstrument(KL_Klangfarben::Flaeche());
    in.kick = modul.NeuesInstrument(KL_Klangfarben::Trommel());
    in.snare = modul.NeuesInstrument(KL_Klangfarben::Schnarre());
    in.klatschen = modul.NeuesInstrument(KL_Klangfarben::Klatschen());
    in.hihat = modul.NeuesInstrument(KL_Klangfarben::HiHat(false));
    in.hihatOffen = modul.NeuesInstrument(KL_Klangfarben::HiHat(true));
    in.tom = modul.NeuesInstrument(KL_Klangfarben::Tom());

    Abschnitt einleitung;
    einleitung.akkorde = {"Am", "Am", "F", "G"};
    einleitung.kick = "x.......x.......";
    einleitung.snare = "................................................"
                       "....x.......x.x.";
    einleitung.hihat = "..x...x...x...x.";

    Abschnitt a1;
    a1.akkorde = {"Am", "F", "C", "G"};
    a1.melodie = MELODIE_A1;
    Abschnitt a2 = a1;
    a2.akkorde = {"Am", "F", "G", "E"};
    a2.melodie = MELODIE_A2;
    a2.gegenstimme = GLOCKE_A2;
    Abschnitt a3 = a2;
    a3.akkorde = {"Am", "F", "G", "Am"};
    a3.melodie = MELODIE_A3;

    Abschnitt b1;
    b1.akkorde = {"Dm", "G", "C", "Am"};
    b1.melodie = MELODIE_B1;
    b1.kick = "x.....x.x.......";
    b1.hihat = "x.o.x.o.x.o.x.o.";
    b1.bass = "1 . 8 . 1 . 8 . 1 . 8 . 1 . 8 5";
    b1.flaeche = 30;
    Abschnitt b2 = b1;
    b2.akkorde = {"Dm", "G", "E", "E7"};
    b2.melodie = MELODIE_B2;
    Abschnitt b3 = b2;
    b3.melodie = MELODIE_B3;

    Abschnitt c1;
    c1.akkorde = {"F", "G", "Am", "Am"};
    c1.gegenstimme = GLOCKE_C1;
    c1.kick = "x...............";
    c1.snare = "................";
    c1.hihat = "..g...g...g...o.";
    c1.bass = "1 . . . . . . . 5 . . . 8 . . .";
    c1.flaeche = 34;
    Abschnitt c2 = c1;
    c2.akkorde = {"F", "G", "E", "E"};
    c2.gegenstimme = GLOCKE_C2;
    c2.kick = "x.......x.......";
    c2.snare = "........................................"
               "................"
               "g.g.g.g.o.o.x.x.";

    const KL_XmMuster anfang = Satz(einleitung, in);
    const int i = modul.NeuesMuster(anfang);
    const int pa1 = modul.NeuesMuster(Satz(a1, in));
    const int pa2 = modul.NeuesMuster(Satz(a2, in));
    const int pa3 = modul.NeuesMuster(Satz(a3, in));
    const int pb1 = modul.NeuesMuster(Satz(b1, in));
    const int pb2 = modul.NeuesMuster(Satz(b2, in));
    const int pc1 = modul.NeuesMuster(Satz(c1, in));
    const int pc2 = modul.NeuesMuster(Satz(c2, in));

    const int pb3 = modul.NeuesMuster(Schluss(b3, in, anfang));

    // As loud as the other pieces (about -19.5 LUFS as the game plays it).
    modul.Pegel(1.06);
    modul.Reihenfolge({i, pa1, pa2, pa1, pa3, pb1, pb2, pc1, pc2, pa1, pa3, pb1, pb3});
    return modul;
}
}
