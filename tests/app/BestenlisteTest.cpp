// The hall-of-fame file: reading, writing that never loses the old list, and
// placing a finished game.
#include "Bestenliste.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace
{

const char* const NEUE_DATEI = "quaderfall.dll.neu";

void SchreibeDatei(const std::string& inhalt)
{
    std::ofstream aus(BESTENLISTE_DATEI, std::ios::binary);
    aus << inhalt;
}

std::string LiesDatei(const char* pfad = BESTENLISTE_DATEI)
{
    std::ifstream ein(pfad, std::ios::binary);
    std::stringstream s;
    s << ein.rdbuf();
    return s.str();
}

bool Existiert(const char* pfad)
{
    struct stat info;
    return stat(pfad, &info) == 0;
}

struct Liste
{
    std::string namen[BESTENLISTE_PLAETZE];
    int punkte[BESTENLISTE_PLAETZE] = {};
    int anzahl = 0;

    void Lies() { anzahl = LeseBestenliste(namen, punkte); }
    // name|score; for every record, as a check reads best.
    std::string Text() const
    {
        std::string text;
        for (int k = 0; k < anzahl; ++k)
            text += namen[k] + "|" + std::to_string(punkte[k]) + ";";
        return text;
    }
};

class Bestenliste : public ::testing::Test
{
protected:
    void SetUp() override
    {
        std::remove(BESTENLISTE_DATEI);
        rmdir(NEUE_DATEI);
        std::remove(NEUE_DATEI);
    }
    void TearDown() override { SetUp(); }

    Liste Gelesen(const std::string& inhalt)
    {
        SchreibeDatei(inhalt);
        Liste liste;
        liste.Lies();
        return liste;
    }
};

// ---- reading ----------------------------------------------------------------

TEST_F(Bestenliste, LiestDatensaetzeInDateireihenfolge)
{
    const Liste liste = Gelesen("ANNA|12;BERT|7;");
    ASSERT_EQ(2, liste.anzahl);
    EXPECT_EQ("ANNA", liste.namen[0]);
    EXPECT_EQ(12, liste.punkte[0]);
    EXPECT_EQ("BERT|7;", liste.Text().substr(8));
    EXPECT_EQ("", liste.namen[2]);

    struct Fall
    {
        const char* datei;
        const char* liste;
    };
    const Fall faelle[] = {
        // White space is lost in reading.
        {"AN NA|12;\n", "ANNA|12;"},
        {"ANNA | 1 2 ;\r\n\tBERT|7;\n", "ANNA|12;BERT|7;"},
        // Empty parts; without '|' a record has no score.
        {"|5;", "|5;"},
        {"|;", "|0;"},
        {"ANNA;", "ANNA|0;"},
        {";;", "|0;|0;"},
        // Scores as atoi reads them, kept within the int range.
        {"A|+7;B|-3;C|12abc;D|x9;", "A|7;B|-3;C|12;D|0;"},
        {"A|2147483647;B|2147483648;C|99999999999999999999999999;", "A|2147483647;B|2147483647;C|2147483647;"},
        {"A|-2147483648;B|-99999999999999999999;", "A|-2147483648;B|-2147483648;"},
        // An unfinished tail is no record.
        {"BERT", ""},
        {"", ""},
    };
    for (const Fall& f : faelle)
        EXPECT_EQ(f.liste, Gelesen(f.datei).Text()) << f.datei;
}

TEST_F(Bestenliste, HoechstensZehnDatensaetze)
{
    std::string inhalt;
    for (int k = 1; k <= 12; ++k)
        inhalt += "N" + std::to_string(k) + "|" + std::to_string(100 - k) + ";";
    const Liste liste = Gelesen(inhalt);
    ASSERT_EQ(10, liste.anzahl);
    EXPECT_EQ("N10", liste.namen[9]);
    EXPECT_EQ(90, liste.punkte[9]);

    const Liste rest = Gelesen("ANNA|12;BERT|7");
    EXPECT_EQ(1, rest.anzahl);
    EXPECT_EQ("", rest.namen[1]) << "an unfinished tail must not stay in the next slot";
    std::remove(BESTENLISTE_DATEI);
    Liste ohneDatei;
    ohneDatei.Lies();
    EXPECT_EQ(0, ohneDatei.anzahl);
}

// ---- writing ----------------------------------------------------------------

TEST_F(Bestenliste, SchreibtOhneZeilenumbruchUndOhneTrennzeichenImNamen)
{
    std::string namen[BESTENLISTE_PLAETZE] = {"A|N;NA", ";|", "BERT"};
    int punkte[BESTENLISTE_PLAETZE] = {12, 9, 7};
    ASSERT_TRUE(SchreibeBestenliste(namen, punkte, 3));
    EXPECT_EQ("ANNA|12;|9;BERT|7;", LiesDatei());
    EXPECT_FALSE(Existiert(NEUE_DATEI));
    std::remove(BESTENLISTE_DATEI);
    EXPECT_TRUE(SchreibeBestenliste(namen, punkte, 0));
    EXPECT_TRUE(Existiert(BESTENLISTE_DATEI));
    EXPECT_EQ("", LiesDatei());

    // More than ten become ten; Latin-1 names come back as they were.
    std::string viele[12];
    int vielePunkte[12];
    for (int k = 0; k < 12; ++k) {
        viele[k] = "J\xdcRGEN" + std::to_string(k);
        vielePunkte[k] = 50 - k;
    }
    ASSERT_TRUE(SchreibeBestenliste(viele, vielePunkte, 12));
    Liste liste;
    liste.Lies();
    EXPECT_EQ(10, liste.anzahl);
    EXPECT_EQ("J\xdcRGEN9", liste.namen[9]);
}

TEST_F(Bestenliste, NichtSchreibbarLaesstAlteListe)
{
    SchreibeDatei("ANNA|12;");
    ASSERT_EQ(0, mkdir(NEUE_DATEI, 0755)) << "the new file can't be created then";
    std::string namen[BESTENLISTE_PLAETZE] = {"BERT"};
    int punkte[BESTENLISTE_PLAETZE] = {7};
    EXPECT_FALSE(SchreibeBestenliste(namen, punkte, 1));
    EXPECT_EQ("ANNA|12;", LiesDatei());
}

// The child writes a list far longer than the file size it may reach. The
// default action of SIGXFSZ kills it in the middle of writing; ignored, the
// write fails as on a full disk.
class AbgebrochenesSchreiben : public Bestenliste
{
protected:
    int SchreibeBegrenzt(bool signalIgnorieren)
    {
        const pid_t kind = fork();
        if (kind == 0) {
            const rlimit klein = {64, 64};
            const rlimit keinKern = {0, 0};
            setrlimit(RLIMIT_CORE, &keinKern);
            setrlimit(RLIMIT_FSIZE, &klein);
            if (signalIgnorieren)
                std::signal(SIGXFSZ, SIG_IGN);
            std::string namen[BESTENLISTE_PLAETZE];
            int punkte[BESTENLISTE_PLAETZE];
            for (int k = 0; k < BESTENLISTE_PLAETZE; ++k) {
                namen[k] = std::string(200, static_cast<char>('A' + k));
                punkte[k] = 100 - k;
            }
            const bool geschrieben = SchreibeBestenliste(namen, punkte, BESTENLISTE_PLAETZE);
            _exit(geschrieben ? 0 : 3);
        }
        int status = 0;
        waitpid(kind, &status, 0);
        return status;
    }

    const std::string alteListe = "KLOTZMEISTER|40;FRIEDA|35;ULRIKE|31;";
};

TEST_F(AbgebrochenesSchreiben, MittenImSchreibenGetoetet)
{
    SchreibeDatei(alteListe);
    const int status = SchreibeBegrenzt(false);
    ASSERT_TRUE(WIFSIGNALED(status)) << "the writer should have been killed";
    EXPECT_EQ(SIGXFSZ, WTERMSIG(status));
    EXPECT_EQ(alteListe, LiesDatei());
    EXPECT_EQ(64u, LiesDatei(NEUE_DATEI).size()) << "killed half way through the new file";

    // The remains of the killed writer do not stand in the way of the next one.
    std::string namen[BESTENLISTE_PLAETZE] = {"ANNA"};
    int punkte[BESTENLISTE_PLAETZE] = {12};
    EXPECT_TRUE(SchreibeBestenliste(namen, punkte, 1));
    EXPECT_EQ("ANNA|12;", LiesDatei());
    EXPECT_FALSE(Existiert(NEUE_DATEI));
}

TEST_F(AbgebrochenesSchreiben, VolleFestplatte)
{
    SchreibeDatei(alteListe);
    const int status = SchreibeBegrenzt(true);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(3, WEXITSTATUS(status)) << "the failed write must be reported";
    EXPECT_EQ(alteListe, LiesDatei());
    EXPECT_FALSE(Existiert(NEUE_DATEI)) << "the broken new file is removed";
}

// ---- placing a game -----------------------------------------------------------

Liste Voll(std::initializer_list<int> punkte)
{
    Liste liste;
    for (int p : punkte) {
        liste.namen[liste.anzahl] = "S" + std::to_string(liste.anzahl + 1);
        liste.punkte[liste.anzahl] = p;
        ++liste.anzahl;
    }
    return liste;
}

TEST(Platzierung, GleichstandBleibtUnterDemAelterenEintrag)
{
    const Liste liste = Voll({40, 35, 30, 30, 20, 18, 14, 10, 9, 8});
    const int faelle[][2] = {{41, 0}, {40, 1}, {30, 4}, {9, 9}, {8, BESTENLISTE_PLAETZE}, {0, BESTENLISTE_PLAETZE}};
    for (const auto& f : faelle)
        EXPECT_EQ(f[1], PlatzFuer(liste.punkte, liste.anzahl, f[0])) << f[0] << " Punkte";

    // A short list: a game without rows never earns a place, one tied with
    // the last record comes after it.
    const Liste kurz = Voll({9, 3, 1});
    EXPECT_EQ(BESTENLISTE_PLAETZE, PlatzFuer(kurz.punkte, kurz.anzahl, 0));
    EXPECT_EQ(3, PlatzFuer(kurz.punkte, kurz.anzahl, 1));
    EXPECT_EQ(0, PlatzFuer(kurz.punkte, 0, 3));
}

TEST(Platzierung, EintragenSchiebtNachUntenUndHaeltZehn)
{
    Liste liste = Voll({40, 35, 31, 27, 22, 18, 14, 13, 12, 8});
    EXPECT_EQ(10, TrageEin(liste.namen, liste.punkte, liste.anzahl, BESTENLISTE_PLAETZE, 8));
    EXPECT_EQ("S10", liste.namen[9]) << "no place changes nothing";
    liste.anzahl = TrageEin(liste.namen, liste.punkte, liste.anzahl, 9, 9);
    EXPECT_EQ(10, liste.anzahl);
    EXPECT_EQ("S9|12;|9;", liste.Text().substr(liste.Text().find("S9|")));
    liste.anzahl = TrageEin(liste.namen, liste.punkte, liste.anzahl, 0, 50);
    EXPECT_EQ("|50;S1|40;S2|35;S3|31;S4|27;S5|22;S6|18;S7|14;S8|13;S9|12;", liste.Text());

    Liste kurz = Voll({9, 3, 1});
    kurz.anzahl = TrageEin(kurz.namen, kurz.punkte, kurz.anzahl, 2, 2);
    EXPECT_EQ("S1|9;S2|3;|2;S3|1;", kurz.Text());
    kurz.anzahl = TrageEin(kurz.namen, kurz.punkte, kurz.anzahl, 4, 1);
    EXPECT_EQ("S1|9;S2|3;|2;S3|1;|1;", kurz.Text());
    Liste leer;
    EXPECT_EQ(1, TrageEin(leer.namen, leer.punkte, 0, 0, 3));
}

// The results screen's road: read, place, name, write, read again.
TEST_F(Bestenliste, PlatzierteSpieleWerdenGespeichert)
{
    SchreibeDatei("ANNA|9;BERT|3;CARL|1;");
    for (const char* name : {"DORA", "EMIL"}) {
        Liste liste;
        liste.Lies();
        const int platz = PlatzFuer(liste.punkte, liste.anzahl, 2);
        liste.anzahl = TrageEin(liste.namen, liste.punkte, liste.anzahl, platz, 2);
        liste.namen[platz] = name;
        ASSERT_TRUE(SchreibeBestenliste(liste.namen, liste.punkte, liste.anzahl));
    }
    EXPECT_EQ("ANNA|9;BERT|3;DORA|2;EMIL|2;CARL|1;", LiesDatei());

    std::remove(BESTENLISTE_DATEI);
    Liste ohneDatei;
    ohneDatei.Lies();
    const int platz = PlatzFuer(ohneDatei.punkte, ohneDatei.anzahl, 4);
    ohneDatei.anzahl = TrageEin(ohneDatei.namen, ohneDatei.punkte, ohneDatei.anzahl, platz, 4);
    ohneDatei.namen[platz] = "";
    ASSERT_TRUE(SchreibeBestenliste(ohneDatei.namen, ohneDatei.punkte, ohneDatei.anzahl));
    EXPECT_EQ("|4;", LiesDatei()) << "an empty name is stored as an empty name";
}

}
