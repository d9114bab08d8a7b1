// qf_kunst: draws every picture, font sheet, cursor and widget image of the
// game into its data folder. The output depends on nothing but the program
// and the two font files, so two runs write identical bytes.
#include "Ausgabe.h"
#include "Bloecke.h"
#include "Eingabeflaechen.h"
#include "Hintergruende.h"
#include "Intro.h"
#include "Mauszeiger.h"
#include "Pokal.h"
#include "Schriften.h"
#include "Spielfeld.h"
#include "Titel.h"

#include <iostream>

int main(int argc, char** argv)
{
    if (argc != 4)
    {
        std::cerr << "Aufruf: qf_kunst DATENORDNER DEJAVU-SANS-MONO-BOLD.ttf DEJAVU-SANS-BOLD.ttf\n";
        return 2;
    }
    Ausgabe aus(argv[1]);
    const std::string mono = argv[2];
    const std::string sans = argv[3];

    bool gut = Schriften::Mache(aus, mono);
    gut = Bloecke::Mache(aus) && gut;
    gut = Hintergruende::Mache(aus) && gut;
    gut = Eingabeflaechen::Mache(aus) && gut;
    gut = Mauszeiger::Mache(aus) && gut;
    gut = Titel::Mache(aus) && gut;
    gut = Spielfeld::Mache(aus) && gut;
    gut = Pokal::Mache(aus) && gut;
    gut = Intro::Mache(aus, sans) && gut;

    if (!gut || aus.Fehler() > 0)
    {
        std::cerr << "qf_kunst - FEHLER: " << aus.Fehler() << " Bild(er) nicht geschrieben\n";
        return 1;
    }
    std::cout << "qf_kunst: " << aus.Dateien() << " Dateien in '" << argv[1] << "'\n";
    return 0;
}
