// The hall-of-fame file: reading, writing that never loses the old list, and
// placing a finished game.
#include "Bestenliste.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace
{

const char* const NEUE_DATEI = "quaderfall.dll.neu";

std::string Datei(const char* pfad = BESTENLISTE_DATEI)
{
    std::stringstream s;
    s << std::ifstream(pfad, std::ios::binary).rdbuf();
    return s.str();
}

// The list as the game reads it from a file of this content.
struct Liste
{
    std::string namen[BESTENLISTE_PLAETZE];
    int punkte[BESTENLISTE_PLAETZE] = {};
    int anzahl;

    // Without content: no file.
    explicit Liste(const char* inhalt)
    {
        std::remove(BESTENLISTE_DATEI);
        if (inhalt)
            std::ofstream(BESTENLISTE_DATEI, std::ios::binary) << inhalt;
        anzahl = LeseBestenliste(namen, punkte);
    }

    // name|score; for each record, and what a slot after them holds.
    std::string Text() const
    {
        std::string text;
        for (int k = 0; k < anzahl; ++k)
            text += namen[k] + "|" + std::to_string(punkte[k]) + ";";
        return anzahl < BESTENLISTE_PLAETZE && !namen[anzahl].empty() ? text + " Rest: " + namen[anzahl] : text;
    }
};

TEST(Bestenliste, LesenInDateireihenfolge)
{
    const char* const faelle[][2] = {
        {"ANNA|12;BERT|7;", "ANNA|12;BERT|7;"},
        // Names keep their blanks; line breaks and tabs are skipped, and any
        // white space in a score.
        {"Anna Maria | 1 2 ;\r\n\tKarl\tHeinz|7;\n", "Anna Maria |12;KarlHeinz|7;"},
        // Empty parts; without '|' a record has no score.
        {"|5;|;ANNA;;", "|5;|0;ANNA|0;|0;"},
        // Scores as atoi reads them, held within the int range.
        {"A|+7;B|-3;C|19abc;D|x9;", "A|7;B|-3;C|19;D|0;"},
        {"B|2147483648;C|-2147483648;D|-99999999999;", "B|2147483647;C|-2147483648;D|-2147483648;"},
        // A last record without its ";" counts if it has its score.
        {"ANNA|12;BERT|-7\n", "ANNA|12;BERT|-7;"},
        {"ANNA|12;BERT|", "ANNA|12;"},
        {"ANNA|12;BERT|x7", "ANNA|12;"},
        {"ANNA|12;BERT", "ANNA|12;"},
        {"", ""},
        {nullptr, ""},
        {"A|1;B|2;C|3;D|4;E|5;F|6;G|7;H|8;I|9;J|10;K|11;L|12", "A|1;B|2;C|3;D|4;E|5;F|6;G|7;H|8;I|9;J|10;"},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(f[1], Liste(f[0]).Text()) << (f[0] ? f[0] : "keine Datei");

    // A huge list is read only as far as ten records can reach: a record
    // the limit cuts off is none, though the file goes on to its end.
    std::ofstream(BESTENLISTE_DATEI) << "A";
    ASSERT_EQ(0, truncate(BESTENLISTE_DATEI, 64 << 20));
    std::ofstream(BESTENLISTE_DATEI, std::ios::app) << "|5;";
    std::string namen[BESTENLISTE_PLAETZE];
    int punkte[BESTENLISTE_PLAETZE];
    EXPECT_EQ(0, LeseBestenliste(namen, punkte));
    std::remove(BESTENLISTE_DATEI);
}

TEST(Bestenliste, SchreibenOhneZeilenumbruchUndTrennzeichen)
{
    std::ofstream(NEUE_DATEI) << "Rest eines abgebrochenen Schreibens";
    std::string namen[12] = {"A|N;N A\t\n", ";|", "J\xdcRGEN"};
    int punkte[12] = {12, 9, 7};
    ASSERT_TRUE(SchreibeBestenliste(namen, punkte, 3));
    EXPECT_EQ("ANN A|12;|9;J\xdcRGEN|7;", Datei());
    EXPECT_EQ("", Datei(NEUE_DATEI));
    ASSERT_TRUE(SchreibeBestenliste(namen, punkte, 0));
    EXPECT_EQ("", Datei());
    ASSERT_TRUE(SchreibeBestenliste(namen, punkte, 12));
    EXPECT_EQ("ANN A|12;|9;J\xdcRGEN|7;|0;|0;|0;|0;|0;|0;|0;", Datei()) << "at most ten";
}

// The list is written to a new file that then replaces the old one: a write
// that fails (here on a full disk: files may not grow beyond 64 bytes) leaves
// the old list whole and no new file behind.
TEST(Bestenliste, MisslungenesSchreibenLaesstDieAlteListe)
{
    const std::string alt = "KLOTZMEISTER|40;FRIEDA|35;";
    Liste lang(alt.c_str());
    for (std::string& name : lang.namen)
        name = std::string(200, 'X');
    rlimit vorher;
    ASSERT_EQ(0, getrlimit(RLIMIT_FSIZE, &vorher));
    const rlimit klein = {64, vorher.rlim_max};
    std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(0, setrlimit(RLIMIT_FSIZE, &klein));
    const bool geschrieben = SchreibeBestenliste(lang.namen, lang.punkte, 10);
    setrlimit(RLIMIT_FSIZE, &vorher);
    std::signal(SIGXFSZ, SIG_DFL);
    EXPECT_FALSE(geschrieben);
    EXPECT_EQ(alt, Datei());
    struct stat info;
    EXPECT_NE(0, stat(NEUE_DATEI, &info)) << "the broken new file is removed";
}

// A list that is a chain of symbolic links (each relative to its folder) is
// written where the last one points, and the links stay; the new file keeps
// the old one's permissions, and a list its owner may not write stays as it
// is, as does a loop of links.
TEST(Bestenliste, VerweiseUndRechteBleiben)
{
    const auto raeume = [] {
        for (const char* datei : {BESTENLISTE_DATEI, "echt/mitte.dll", "echt/ziel.dll", "echt"})
            std::remove(datei);
    };
    raeume();
    ASSERT_EQ(0, mkdir("echt", 0755));
    std::ofstream("echt/ziel.dll") << "ALT|1;";
    ASSERT_EQ(0, chmod("echt/ziel.dll", 0640));
    ASSERT_EQ(0, symlink("ziel.dll", "echt/mitte.dll"));
    ASSERT_EQ(0, symlink("echt/mitte.dll", BESTENLISTE_DATEI));
    std::string namen[BESTENLISTE_PLAETZE] = {"NEU"};
    int punkte[BESTENLISTE_PLAETZE] = {2};
    ASSERT_TRUE(SchreibeBestenliste(namen, punkte, 1));
    struct stat info;
    for (const char* verweis : {BESTENLISTE_DATEI, "echt/mitte.dll"})
        EXPECT_TRUE(lstat(verweis, &info) == 0 && S_ISLNK(info.st_mode)) << verweis;
    EXPECT_EQ("NEU|2;", Datei("echt/ziel.dll"));
    EXPECT_TRUE(stat("echt/ziel.dll", &info) == 0 && (info.st_mode & 07777) == 0640);
    ASSERT_EQ(0, chmod("echt/ziel.dll", 0440));
    EXPECT_FALSE(SchreibeBestenliste(namen, punkte, 0));
    EXPECT_EQ("NEU|2;", Datei("echt/ziel.dll"));
    std::remove("echt/mitte.dll");
    ASSERT_EQ(0, symlink("../quaderfall.dll", "echt/mitte.dll"));
    EXPECT_FALSE(SchreibeBestenliste(namen, punkte, 0));
    EXPECT_TRUE(lstat("echt/mitte.dll", &info) == 0 && S_ISLNK(info.st_mode));
    raeume();
}

// A game is stored into the list as it stands, blanks and all, but only
// while no other process holds the folder's lock: that is not waited for.
TEST(Bestenliste, SpeichernNurOhneFremdeSperre)
{
    const char* const alt = "Anna Maria|-1;Karl Heinz|-2;C|-3;";
    Liste liste(alt);
    const int ordner = open(".", O_RDONLY | O_DIRECTORY);
    ASSERT_EQ(0, flock(ordner, LOCK_EX));
    EXPECT_EQ(Speicherung::GESPERRT, SpeichereSpiel("Jan Ole", 0));
    EXPECT_EQ(alt, Datei());
    close(ordner);
    EXPECT_EQ(Speicherung::GESPEICHERT, SpeichereSpiel("Jan Ole", 0));
    EXPECT_EQ("Jan Ole|0;Anna Maria|-1;Karl Heinz|-2;C|-3;", Datei());
}

// A game takes the first slot whose score is less: a tie stays below, and the
// empty slots after a short list count as 0, so a game without rows never
// gets a place. Placed, the slots below move down by one (the last drops out),
// its slot gets the empty name, and the count grows by one up to ten.
TEST(Bestenliste, PlatzierenUndEintragen)
{
    const char* const voll = "A|40;B|35;C|30;D|30;E|20;F|18;G|14;H|10;I|9;J|8;";
    struct Fall { const char* liste; int reihen, platz; const char* danach; };
    const Fall faelle[] = {
        {voll, 41, 0, "|41;A|40;B|35;C|30;D|30;E|20;F|18;G|14;H|10;I|9;"},
        {voll, 40, 1, "A|40;|40;B|35;C|30;D|30;E|20;F|18;G|14;H|10;I|9;"},
        {voll, 30, 4, "A|40;B|35;C|30;D|30;|30;E|20;F|18;G|14;H|10;I|9;"},
        {voll, 9, 9, "A|40;B|35;C|30;D|30;E|20;F|18;G|14;H|10;I|9;|9;"},
        {voll, 8, 10, voll},
        {"A|9;B|3;C|1;", 0, 10, "A|9;B|3;C|1;"},
        {"A|9;B|3;C|1;", 1, 3, "A|9;B|3;C|1;|1;"},
        {"A|9;B|3;C|1;", 2, 2, "A|9;B|3;|2;C|1;"},
        {"", 3, 0, "|3;"},
    };
    for (const Fall& f : faelle) {
        Liste liste(f.liste);
        EXPECT_EQ(f.platz, PlatzFuer(liste.punkte, liste.anzahl, f.reihen)) << f.liste << " " << f.reihen;
        liste.anzahl = TrageEin(liste.namen, liste.punkte, liste.anzahl, f.platz, f.reihen);
        EXPECT_EQ(f.danach, liste.Text()) << f.liste << " " << f.reihen;
    }
    // Slots from the count on are empty, whatever the arrays hold there.
    Liste kurz("A|9;");
    EXPECT_EQ(0, PlatzFuer(kurz.punkte, 0, 3));
    kurz.anzahl = TrageEin(kurz.namen, kurz.punkte, kurz.anzahl, 2, 1);
    EXPECT_EQ("A|9;|0;|1;", kurz.Text());
}

}
