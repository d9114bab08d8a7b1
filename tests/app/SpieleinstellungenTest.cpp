// The settings file's lines about playing: the shadow, the volume and the
// game screen's keys, their defaults, bad values and keys given twice.
#include "LogFaenger.h"
#include "Spieleinstellungen.h"

#include "SDL.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>

namespace
{

Spieleinstellungen Lies(const std::string& inhalt)
{
    std::ofstream("spiel.konfig", std::ios::binary) << inhalt;
    Spieleinstellungen e;
    EXPECT_TRUE(e.Lies("spiel.konfig"));
    return e;
}

// The keys of all six actions, "|" between them.
std::string Tasten(const Spieltasten& t)
{
    std::string text;
    for (int a = 0; a < Spieltasten::AKTIONEN; ++a) {
        for (int taste : t.Tasten(static_cast<Spieltasten::Aktion>(a)))
            text += std::string(SDL_GetKeyName(static_cast<SDLKey>(taste))) + ",";
        text += "|";
    }
    return text;
}

const std::string VORGABE = "left,|right,|up,|down,|space,|escape,|";

TEST(Spieleinstellungen, SchattenUndLautstaerke)
{
    LogFaenger log;
    Spieleinstellungen ohne;
    EXPECT_FALSE(ohne.Lies("gibt-es-nicht.konfig"));
    EXPECT_FALSE(ohne.Schatten());
    EXPECT_EQ(100, ohne.KlangProzent());
    EXPECT_EQ(100, ohne.MusikProzent());
    EXPECT_EQ(VORGABE, Tasten(ohne.Tasten()));

    // The last good line wins; a bad one is named and changes nothing; a key
    // that is not at the line's start is no line of it.
    const Spieleinstellungen e = Lies("SCHATTEN=1\nSCHATTEN=2\nLAUTSTAERKE_KLAENGE=0\nLAUTSTAERKE_MUSIK=50%\n"
                                      "# LAUTSTAERKE_MUSIK=10\nTITELBESCHRIFTUNG=IM SCHATTEN=0\n"
                                      "LAUTSTAERKE_MUSIK=101\nLAUTSTAERKE_KLAENGE=leise \n");
    EXPECT_TRUE(e.Schatten());
    EXPECT_EQ(0, e.KlangProzent());
    EXPECT_EQ(50, e.MusikProzent());
    EXPECT_EQ("\n#o> Spieleinstellungen - FEHLER: SCHATTEN=2: ERLAUBT SIND 0 BIS 1, DIE ZEILE BLEIBT UNBEACHTET\n\n"
              "\n#o> Spieleinstellungen - FEHLER: LAUTSTAERKE_MUSIK=101: ERLAUBT SIND 0 BIS 100, DIE ZEILE BLEIBT "
              "UNBEACHTET\n\n"
              "\n#o> Spieleinstellungen - FEHLER: LAUTSTAERKE_KLAENGE=leise: ERLAUBT SIND 0 BIS 100, DIE ZEILE "
              "BLEIBT UNBEACHTET\n\n",
              log.Fehler());
    EXPECT_FALSE(Lies("SCHATTEN=0\n").Schatten());
}

TEST(Spieleinstellungen, TastenStattDerVorgabe)
{
    const struct
    {
        const char* datei;
        const char* tasten;
        const char* fehler;
    } faelle[] = {
        // Names in any case and with blanks around; a key listed twice counts once.
        {"TASTE_LINKS= A , left shift,a\nTASTE_FALLEN=[4]\n", "a,left shift,|right,|up,|down,|[4],|escape,|", ""},
        // A re-assigned action frees its default key for another action.
        {"TASTE_LINKS=up\nTASTE_DREHEN=w\n", "up,|right,|w,|down,|space,|escape,|", ""},
        // An unknown name, a key the game never sees and an empty name: the line is left aside.
        {"TASTE_RECHTS=d\nTASTE_RECHTS=d,rechts\nTASTE_PAUSE=f11\nTASTE_SENKEN=\n",
         "left,|d,|up,|down,|space,|escape,|",
         "TASTE_RECHTS=d,rechts: 'rechts' IST KEINE TASTE DES SPIELS, DIE ZEILE BLEIBT UNBEACHTET|"
         "TASTE_PAUSE=f11: 'f11' IST KEINE TASTE DES SPIELS, DIE ZEILE BLEIBT UNBEACHTET|"
         "TASTE_SENKEN=: '' IST KEINE TASTE DES SPIELS, DIE ZEILE BLEIBT UNBEACHTET|"},
        // A key of another action's default: the file's action keeps its own.
        {"TASTE_DREHEN=space,w\n", "left,|right,|up,|down,|space,|escape,|",
         "TASTE_DREHEN=space,w: 'space' GEHÖRT SCHON ZU TASTE_FALLEN, TASTE_DREHEN BLEIBT BEI 'up'|"},
        // One key in two actions of the file: the later one goes back; its
        // default then meets a third's key, which goes back as well. Left,
        // given up by its action, may turn.
        {"TASTE_DREHEN=left\nTASTE_LINKS=a\nTASTE_RECHTS=a\nTASTE_SENKEN=right\n",
         "a,|right,|left,|down,|space,|escape,|",
         "TASTE_RECHTS=a: 'a' GEHÖRT SCHON ZU TASTE_LINKS, TASTE_RECHTS BLEIBT BEI 'right'|"
         "TASTE_SENKEN=right: 'right' GEHÖRT SCHON ZU TASTE_RECHTS, TASTE_SENKEN BLEIBT BEI 'down'|"},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.datei);
        LogFaenger log;
        const Spieleinstellungen e = Lies(f.datei);
        EXPECT_EQ(f.tasten, Tasten(e.Tasten()));
        std::string fehler;
        for (std::size_t pos = 0; (pos = log.Fehler().find("FEHLER: ", pos)) != std::string::npos; pos += 8)
            fehler += log.Fehler().substr(pos + 8, log.Fehler().find('\n', pos) - pos - 8) + "|";
        EXPECT_EQ(f.fehler, fehler);
    }
    const Spieleinstellungen pause = Lies("TASTE_PAUSE=p,pause\n");
    const Spieltasten& t = pause.Tasten();
    EXPECT_TRUE(t.Ist(Spieltasten::PAUSE, SDLK_p) && !t.Ist(Spieltasten::PAUSE, SDLK_ESCAPE));
    EXPECT_TRUE(!t.Vorgabe(Spieltasten::PAUSE) && t.Vorgabe(Spieltasten::FALLEN));
}

}
