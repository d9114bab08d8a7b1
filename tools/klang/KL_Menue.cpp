#include "KL_Spielmusik.h"

#include "KL_Klangfarben.h"
#include "KL_Satz.h"
#include "KL_Xm.h"

#include <string>
#include <vector>

// The main menu's music: F major, 88 beats a minute, calm. Electric piano
// chords with sevenths, a round bass, a soft flute, brushes of shaker.
namespace
{
enum Kanal { FLOETE, PIANO, BASS = 5, GLOCKE, KICK, SCHUETTLER, KLATSCHEN, KANAELE };

struct Instrumente
{
    int floete, piano, bass, glocke, kick, schuettler, klatschen;
};

struct Abschnitt
{
    std::vector<std::string> akkorde;
    std::string floete;
    std::string glocke;
    std::string anschlag = "x.........x.....";
    std::string bass = "1 . . . . . . 5, . . 1 . . . . .";
    std::string kick = "x.........x.....";
    std::string schuettler = "..g.o.g...g.o.g.";
    std::string klatschen = "....o.......o...";
};

void Schreibe(KL_Satz& s, const Abschnitt& a, const Instrumente& in)
{
    if (!a.floete.empty()) {
        s.Stimme(FLOETE, in.floete, a.floete, 48);
    }
    if (!a.glocke.empty()) {
        s.Stimme(GLOCKE, in.glocke, a.glocke, 26);
    }
    s.Akkorde(PIANO, 4, in.piano, a.akkorde, a.anschlag, 58, 34);
    s.Figur(BASS, in.bass, a.akkorde, a.bass, 13, 44);
    s.Schlag(KICK, in.kick, 49, a.kick, 36);
    s.Schlag(SCHUETTLER, in.schuettler, 49, a.schuettler, 36);
    s.Schlag(KLATSCHEN, in.klatschen, 49, a.klatschen, 22);
}

KL_XmMuster Satz(const Abschnitt& a, const Instrumente& in)
{
    KL_Satz s(KANAELE, static_cast<int>(a.akkorde.size()));
    Schreibe(s, a, in);
    return s.Muster();
}

// The piece closes on the dominant, which rings into the F of the top: the
// piano's C7, the bass and the bell's last note sound on to the end, where
// the chord, the bass and the bell of the first bar take over.
KL_XmMuster Schluss(const Abschnitt& a, const Instrumente& in, const KL_XmMuster& anfang)
{
    KL_Satz s(KANAELE, static_cast<int>(a.akkorde.size()));
    Schreibe(s, a, in);
    const int takt = s.Zeilen() - KL_Satz::SCHRITTE_JE_TAKT;
    for (int k = FLOETE; k < KANAELE; ++k) {
        if (k < PIANO || k >= PIANO + 4) {
            s.Leeren(k, takt + 4, s.Zeilen());
        }
    }
    s.Stimme(GLOCKE, in.glocke, "G5 . . E5 . . C5", 24, takt + 4);
    s.Stimme(BASS, in.bass, "C2", 50, takt + 4);
    s.Anschluss(takt + 14, anfang);
    return s.Muster();
}

const char* const FLOETE_A1 =
    "C5 . . . F5 . . . A5 . . . . . G5 . | F5 . . . . . . . E5 . D5 . . . . . | "
    "D5 . . . F5 . . . Bb5 . . . A5 . . . | G5 . . . . . . . . . . . = . . .";
const char* const FLOETE_A2 =
    "C5 . . . F5 . . . A5 . . . . . C6 . | E6 . . . . . D6 . C6 . . . . . . . | "
    "D6 . . . C6 . Bb5 . A5 . . . F5 . . . | G5 . . . . . . . . . . . = . . .";
const char* const FLOETE_A3 =
    "C5 . . . F5 . . . A5 . . . . . C6 . | E6 . . . . . D6 . C6 . . . . . . . | "
    "D6 . . . C6 . Bb5 . A5 . . . G5 . . . | F5 . . . . . . . . . . . = . . .";
const char* const FLOETE_B1 =
    "F5 . . . D5 . . . F5 . . . Bb5 . . . | A5 . . . G5 . . . . . . . E5 . . . | "
    "E5 . . . C5 . . . E5 . . . A5 . . . | G5 . . . F5 . . . . . . . = . . .";
const char* const FLOETE_B2 =
    "F5 . . . G5 . . . Bb5 . . . D6 . . . | C6 . . . . . Bb5 . A5 . . . G5 . . . | "
    "A5 . . . . . . . . . . . = . . . | Eb5 . . . . . . . C5 . . . A4 . . =";
const char* const GLOCKE_C1 =
    "D6 . . . . . . . . . . . F5 . . . | Db6 . . . . . . . . . . . F5 . . . | "
    "C6 . . . . . . . E5 . . . G5 . . . | F#5 . . . . . . . A5 . . . C6 . . .";
const char* const FLOETE_C2 =
    "Bb5 . . . . . A5 . G5 . . . D5 . . . | E5 . . . . . F5 . G5 . . . Bb5 . . . | "
    "A5 . . . . . . . . . . . . . . . | . . . . . . . . . . . . . . . .";
const char* const GLOCKE_EINLEITUNG =
    "A5 . . . . . . . . . . . . . . . | F5 . . . . . . . . . . . . . . . | "
    "D6 . . . . . . . . . . . . . . . | E5 . . . . . . . G5 . . . . . . .";
}

namespace KL_Spielmusik
{
KL_XmModul Menue()
{
    KL_XmModul modul("Quaderfall - Hauptmenue", KANAELE, 6, 88);
    Instrumente in;
    in.floete = modul.NeuesInstrument(KL_Klangfarben::Floete());
    in.piano = modul.NeuesInstrument(KL_Klangfarben::EPiano(0x0300));
    in.bass = modul.NeuesInstrument(KL_Klangfarben::Rundbass());
    in.glocke = modul.NeuesInstrument(KL_Klangfarben::Glocke());
    in.kick = modul.NeuesInstrument(KL_Klangfarben::Trommel());
    in.schuettler = modul.NeuesInstrument(KL_Klangfarben::Schuettler());
    in.klatschen = modul.NeuesInstrument(KL_Klangfarben::Klatschen());

    Abschnitt einleitung;
    einleitung.akkorde = {"Fmaj7", "Dm7", "Gm7", "C7"};
    einleitung.glocke = GLOCKE_EINLEITUNG;
    einleitung.kick = "................";
    einleitung.klatschen = "................";

    Abschnitt a1;
    a1.akkorde = {"Fmaj7", "Dm7", "Gm7", "C7"};
    a1.floete = FLOETE_A1;
    Abschnitt a2 = a1;
    a2.akkorde = {"Fmaj7", "Am7", "Bbmaj7", "C"};
    a2.floete = FLOETE_A2;
    Abschnitt a3 = a2;
    a3.akkorde = {"Fmaj7", "Am7", "Bbmaj7", "Csus4"};
    a3.floete = FLOETE_A3;

    Abschnitt b1;
    b1.akkorde = {"Bbmaj7", "C", "Am7", "Dm7"};
    b1.floete = FLOETE_B1;
    b1.anschlag = "x.....x.....x...";
    b1.bass = "1 . . . . . 5, . 1 . . . 8 . 5 .";
    Abschnitt b2 = b1;
    b2.akkorde = {"Gm7", "C7", "Fmaj7", "F7"};
    b2.floete = FLOETE_B2;

    Abschnitt c1;
    c1.akkorde = {"Bbmaj7", "Bbm6", "Am7", "D7"};
    c1.glocke = GLOCKE_C1;
    c1.anschlag = "x...............";
    c1.kick = "x...............";
    c1.klatschen = "................";
    Abschnitt c2 = c1;
    c2.akkorde = {"Gm7", "C7", "Fmaj7", "C7"};
    c2.glocke.clear();
    c2.floete = FLOETE_C2;
    c2.anschlag = "x.........x.....";

    const KL_XmMuster anfang = Satz(einleitung, in);
    const int i = modul.NeuesMuster(anfang);
    const int pa1 = modul.NeuesMuster(Satz(a1, in));
    const int pa2 = modul.NeuesMuster(Satz(a2, in));
    const int pa3 = modul.NeuesMuster(Satz(a3, in));
    const int pb1 = modul.NeuesMuster(Satz(b1, in));
    const int pb2 = modul.NeuesMuster(Satz(b2, in));
    const int pc1 = modul.NeuesMuster(Satz(c1, in));
    const int pc2 = modul.NeuesMuster(Schluss(c2, in, anfang));

    // As loud as the other pieces (about -19.5 LUFS as the game plays it).
    modul.Pegel(0.90);
    modul.Reihenfolge({i, pa1, pa2, pb1, pb2, pa1, pa3, pc1, pc2});
    return modul;
}
}
