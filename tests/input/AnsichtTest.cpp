// All four widget kinds with the game's own art in their three states, as a
// player sees them: one frame, saved as a picture and compared region by region.
#include "LogFaenger.h"
#include "VOQ_Button.h"
#include "VOQ_CheckBox.h"
#include "VOQ_Edit.h"
#include "VOQ_OGL_Eingabe.h"
#include "VOQ_OGL_Schrift.h"
#include "VOQ_Radio.h"
#include "VOQ_RadioButton.h"
#include "WidgetHilfe.h"

#include "SDL_opengl.h"

#include <gtest/gtest.h>

#include <string>

namespace
{
constexpr int SPALTE[3] = {40, 360, 680};
constexpr int ZEILE[4] = {120, 240, 360, 480};

std::string Einstellungen()
{
    const std::string eingabe = std::string(QF_DATEN_DIR) + "/bilder/eingabe/";
    return "SCHRIFTBILDER=" + eingabe + "schriften\n"
           "MAUSZEIGERBILDER=" + eingabe + "mauszeiger\n"
           "EINZELWAEHLFLAECHENBILDER=" + eingabe + "einzelwaehlflaechen\n"
           "ANWAEHLFLAECHENBILDER=" + eingabe + "anwaehlflaechen\n"
           "SCHALTFLAECHENBILDER=" + eingabe + "schaltflaechen\n"
           "TEXTEINGABEBILDER=" + eingabe + "texteingaben\n";
}

TEST(Ansicht, VierArtenInDreiZustaenden)
{
    hilfe::Fenster(1024, 768);
    hilfe::SchreibeEinstellungen(Einstellungen());
    LogFaenger log;
    VOQ_OGL_Schrift schrift;
    ASSERT_TRUE(schrift.Init("schrift_012"));
    VOQ_OGL_Eingabe eingabe;
    eingabe.GiveSchrift(&schrift);
    ASSERT_TRUE(eingabe.maus.Init("zeiger_001"));

    // The same caption in each row, so only the state tells the columns apart.
    for (int s = 0; s < 3; ++s) {
        eingabe.CreateButton("block", SPALTE[s], ZEILE[0], "    SPIEL STARTEN");
        eingabe.CreateCheckBox("block", SPALTE[s], ZEILE[1], "    MUSIK AN");
        eingabe.CreateEdit("block", SPALTE[s], ZEILE[3], "SPIELER");
    }
    eingabe.CreateRadio();
    VOQ_Radio& gruppe = *eingabe.radios[0];
    for (int s = 0; s < 3; ++s)
        gruppe.CreateButton("block", SPALTE[s], ZEILE[2], "    STUFE 1");
    ASSERT_EQ(std::string::npos, log.Fehler().find("FEHLER")) << log.Fehler();

    // The pointer lies over the middle column's widget while it is drawn; the
    // third column is checked, selected or, for the button, pressed.
    eingabe.checkBoxes[2]->Check();
    gruppe.buttons[2]->Check();
    VOQ_Edit& gewaehlt = *eingabe.edits[2];
    gewaehlt.Select();
    const int mitte = 20;

    glClearColor(0.18f, 0.2f, 0.26f, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    auto zeichne = [&](int spalte, auto& widget) {
        hilfe::Zeiger(spalte == 1 ? SPALTE[1] + mitte : 1000, spalte == 1 ? widget.y + 10 : 740);
        widget.Draw();
    };
    for (int s = 0; s < 3; ++s) {
        if (s < 2)
            zeichne(s, *eingabe.buttons[s]);
        zeichne(s, *eingabe.checkBoxes[s]);
        zeichne(s, *gruppe.buttons[s]);
        zeichne(s, *eingabe.edits[s]);
    }
    gewaehlt.UnSelect();
    hilfe::Zeiger(SPALTE[2] + mitte, ZEILE[0] + 10);
    hilfe::LinkeTaste(true);
    eingabe.buttons[2]->Draw();
    hilfe::LinkeTaste(false);

    // Each state looks different within the click rectangle.
    struct Flaeche { int breite, hoehe; };
    const Flaeche flaechen[4] = {
        {eingabe.buttons[0]->GetWidth(), eingabe.buttons[0]->GetHeight()},
        {eingabe.checkBoxes[0]->width, eingabe.checkBoxes[0]->height},
        {gruppe.buttons[0]->width, gruppe.buttons[0]->height},
        {eingabe.edits[0]->width, eingabe.edits[0]->height}};
    for (int art = 0; art < 4; ++art) {
        ASSERT_GT(flaechen[art].breite, 0) << "Art " << art;
        std::string bild[3];
        for (int s = 0; s < 3; ++s)
            bild[s] = hilfe::Bereich(SPALTE[s], ZEILE[art], flaechen[art].breite, flaechen[art].hoehe);
        EXPECT_TRUE(bild[0] != bild[1]) << "normal und Zeiger darauf gleich, Art " << art;
        EXPECT_TRUE(bild[1] != bild[2]) << "Zeiger darauf und gedrueckt/an gleich, Art " << art;
        EXPECT_TRUE(bild[0] != bild[2]) << "normal und gedrueckt/an gleich, Art " << art;
    }

    eingabe.maus.Draw();
    ASSERT_TRUE(hilfe::Bildschirmfoto("widgets.bmp"));
}
}  // namespace
