#include "TestUhr.h"
#include "LogFaenger.h"
#include "VOQ_OGL_Zaehler.h"
#include "VOQ_Zaehler.h"

#include <gtest/gtest.h>

namespace
{

// Polls once per `schritt` ms until the counter reports its end; the time of that poll.
std::uint32_t LaufBisEnde(VOQ_Zaehler& z, TestUhr& uhr, std::uint32_t schritt, std::uint32_t grenze = 100000)
{
    while (uhr.Jetzt() < grenze) {
        if (z.Counter())
            return uhr.Jetzt();
        uhr.Weiter(schritt);
    }
    return grenze;
}

TEST(Zaehler, CountDownFromZweiBrauchtMehrAlsEinIntervall)
{
    TestUhr uhr(1000);
    VOQ_Zaehler z;
    EXPECT_FALSE(z.IsCounting());
    EXPECT_TRUE(z.Counter()) << "ein neuer Zaehler ist fertig";
    z.CountDownFrom(2, 100);
    EXPECT_FALSE(z.Counter()) << "erster Schritt auf 1";
    EXPECT_EQ(100, z.GetCurrent());
    uhr.Weiter(100);  // genau 100 ms: noch nicht mehr als das Intervall
    EXPECT_FALSE(z.Counter());
    uhr.Weiter(1);
    EXPECT_TRUE(z.Counter());
    EXPECT_FALSE(z.IsCounting());
    EXPECT_TRUE(z.Counter()) << "fertig bleibt fertig";
}

TEST(Zaehler, StartBeiEinsOderDarunterEndetBeimErstenSchritt)
{
    TestUhr uhr(1000);
    for (int start : {1, 0, -5}) {
        VOQ_Zaehler z;
        for (int i = 0; i < 3; ++i) {
            z.CountDownFrom(start, 100);
            EXPECT_TRUE(z.Counter()) << start << ", Neustart " << i;
            uhr.Weiter(1);
        }
    }
}

TEST(Zaehler, SechzehnSchritteDauernFuenfzehnIntervalle)
{
    // Polled every 10 ms: the first step at once, each further one 510 ms later.
    TestUhr uhr(1000);
    VOQ_Zaehler z;
    z.CountDownFrom(16, 500);
    EXPECT_EQ(8000, z.GetCurrent());
    EXPECT_FALSE(z.Counter());
    EXPECT_EQ(7500, z.GetCurrent());
    EXPECT_EQ(1000u + 15u * 510u, LaufBisEnde(z, uhr, 10));
}

TEST(Zaehler, MusterNeustartMitZweiHandeltEtwaJedesIntervall)
{
    TestUhr uhr(1000);
    VOQ_Zaehler z;
    z.CountDownFrom(2, 100);
    int ausloesungen = 0;
    for (int frame = 0; frame < 1000; ++frame) {  // 10 s at 10 ms a frame
        if (z.Counter()) {
            ++ausloesungen;
            z.CountDownFrom(2, 100);
        }
        uhr.Weiter(10);
    }
    // A pass takes 120 ms: more than 100 ms to the finishing step (110 at this
    // frame rate) plus the frame whose poll makes the first step of the restart.
    EXPECT_EQ(83, ausloesungen);
}

TEST(Zaehler, NeustartBehaeltZeitDesLetztenSchritts)
{
    TestUhr uhr(1000);
    VOQ_Zaehler z;
    z.CountDownFrom(5, 100);
    EXPECT_FALSE(z.Counter());  // step at 1000
    uhr.Setze(1050);
    z.CountDownFrom(9, 200);
    EXPECT_EQ(1000, z.zuletzt);
    uhr.Setze(1150);
    EXPECT_FALSE(z.Counter());
    EXPECT_EQ(9, z.aktuell) << "150 ms seit dem letzten Schritt sind nicht mehr als 200";
    uhr.Setze(1201);
    EXPECT_FALSE(z.Counter());
    EXPECT_EQ(8, z.aktuell);
}

TEST(Zaehler, LangsamePollsStreckenDenAblauf)
{
    // At most one step per poll, however much time has passed.
    TestUhr uhr(1000);
    VOQ_Zaehler z;
    z.CountDownFrom(3, 10);
    EXPECT_FALSE(z.Counter());
    uhr.Weiter(10000);
    EXPECT_FALSE(z.Counter());
    uhr.Weiter(10000);
    EXPECT_TRUE(z.Counter());
}

TEST(Zaehler, AufwaertsZaehlenGehtVomAktuellenStandWeiter)
{
    TestUhr uhr(1000);
    VOQ_Zaehler z;
    z.CountDownFrom(5, 10);
    EXPECT_FALSE(z.Counter());  // 4
    z.CountUpTill(6, 10);
    EXPECT_EQ(4, z.aktuell);
    uhr.Weiter(11);
    EXPECT_FALSE(z.Counter());  // 5
    uhr.Weiter(11);
    EXPECT_TRUE(z.Counter());   // 6: done
    EXPECT_FALSE(z.IsCounting());
}

TEST(Zaehler, UhrUeberlaufZaehltAlsKurzeZeit)
{
    TestUhr uhr(0xFFFFFFF0u);
    VOQ_Zaehler z;
    z.CountDownFrom(3, 100);
    z.zuletzt = static_cast<int>(0xFFFFFF00u);
    EXPECT_FALSE(z.Counter());
    EXPECT_EQ(2, z.aktuell);
    uhr.Weiter(50);  // wraps past 0
    EXPECT_FALSE(z.Counter());
    EXPECT_EQ(2, z.aktuell);
    uhr.Weiter(60);
    EXPECT_FALSE(z.Counter());
    EXPECT_EQ(1, z.aktuell);
}

TEST(ZaehlerRegister, VergibtPlaetzeDerReiheNachUndVerweigertVoll)
{
    LogFaenger log;
    VOQ_OGL_Zaehler reg;
    EXPECT_EQ(-1, reg.GetLastZaehler());
    for (int i = 0; i < VOQ_OGL_Zaehler::MAX_ZAEHLER; ++i) {
        ASSERT_EQ(i, reg.CreateZaehler());
        EXPECT_EQ(i, reg.GetLastZaehler());
        ASSERT_NE(nullptr, reg.zaehler[i]);
        EXPECT_FALSE(reg.zaehler[i]->IsCounting());
    }
    EXPECT_TRUE(log.Fehler().empty());
    EXPECT_EQ(-1, reg.CreateZaehler());
    EXPECT_EQ(VOQ_OGL_Zaehler::MAX_ZAEHLER, reg.zaehler_anzahl);
    EXPECT_NE(std::string::npos, log.Fehler().find("VOQ_OGL_Zaehler - FEHLER"));
}

}  // namespace
