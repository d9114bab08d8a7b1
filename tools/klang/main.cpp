// qf_klang: writes the game's sound effects and music below the folder given
// as its argument (klaenge/ and musik/), the same bytes on every run.

#include "KL_Datei.h"
#include "KL_Effekte.h"
#include "KL_Ogg.h"
#include "KL_Orchester.h"
#include "KL_Puffer.h"
#include "KL_Spielmusik.h"
#include "KL_Wav.h"
#include "KL_Xm.h"

#include <cstdio>
#include <string>

namespace
{
bool Effekte(const std::string& ordner)
{
    bool gut = KL_Datei::Ordner(ordner);
    for (const KL_Effekte::Eintrag& e : KL_Effekte::Alle()) {
        gut = KL_Wav::Schreibe(e.erzeuge(), ordner + "/" + e.datei) && gut;
    }
    return gut;
}

bool Musik(const std::string& ordner)
{
    bool gut = KL_Datei::Ordner(ordner);
    gut = KL_Ogg::Schreibe(KL_Orchester::Intro(), 0.5f, 0x51464901, ordner + "/intro_logo.ogg") && gut;
    gut = KL_Ogg::Schreibe(KL_Orchester::Ruhmeshalle(), 0.45f, 0x51464902, ordner + "/ruhmeshalle.ogg") && gut;
    gut = KL_Spielmusik::Menue().Schreibe(ordner + "/hauptmenue.xm") && gut;
    gut = KL_Spielmusik::ErstesStueck().Schreibe(ordner + "/spiel_1.xm") && gut;
    gut = KL_Spielmusik::ZweitesStueck().Schreibe(ordner + "/spiel_2.xm") && gut;
    return gut;
}
}

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "Aufruf: qf_klang ZIELORDNER\n");
        return 2;
    }
    const std::string ziel = argv[1];
    const bool gut = Effekte(ziel + "/klaenge") && Musik(ziel + "/musik");
    return gut ? 0 : 1;
}
