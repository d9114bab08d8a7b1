// The input manager: its path keys, its key buffer with the text-field
// routing and the copy buffer, its widget lists, and the live key state.
#include "LogFaenger.h"
#include "VOQ_Button.h"
#include "VOQ_CheckBox.h"
#include "VOQ_Edit.h"
#include "VOQ_OGL_Eingabe.h"
#include "VOQ_Radio.h"
#include "WidgetHilfe.h"

#include "SDL.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>

namespace
{
class Eingabe : public ::testing::Test
{
protected:
    void SetUp() override
    {
        hilfe::Fenster();
        hilfe::SchreibeEinstellungen("SCHALTFLAECHENBILDER=knoepfe\nTEXTEINGABEBILDER=felder\n"
                                     "ANWAEHLFLAECHENBILDER=kreuze\n");
        const hilfe::Farbe farben[3] = {{1, 1, 1}, {2, 2, 2}, {3, 3, 3}};
        hilfe::SchreibeOrdner("knoepfe/block", farben, 20, 20, 20, 20);
        hilfe::SchreibeOrdner("felder/block", farben, 20, 20, 20, 20);
        hilfe::SchreibeOrdner("kreuze/block", farben, 20, 20, 20, 20);
        eingabe.reset(new VOQ_OGL_Eingabe());
    }

    // A field that takes keys: no font is given here, so its size is set by hand.
    VOQ_Edit* NeuesFeld(VOQ_OGL_Eingabe& e)
    {
        e.CreateEdit("block", 0, 0, "");
        VOQ_Edit* feld = e.edits[e.GetLastEdit()];
        feld->SetTextSize(20);
        return feld;
    }

    LogFaenger log;
    std::unique_ptr<VOQ_OGL_Eingabe> eingabe;
};

TEST_F(Eingabe, PfadeAusDerEinstellungsdatei)
{
    hilfe::SchreibeEinstellungen(
        "# MAUSZEIGERBILDER=kommentar\n"
        "MAUSZEIGERBILDER=daten/zeiger\n"
        "EINZELWAEHLFLAECHENBILDER=daten/radios ANWAEHLFLAECHENBILDER=x\n"
        "ANWAEHLFLAECHENBILDER=daten/kreuze\n"
        " SCHALTFLAECHENBILDER=verschoben\n"
        "SCHALTFLAECHENBILDER=daten/knoepfe\n"
        "TEXTEINGABEBILDER=daten/alt\n"
        "TEXTEINGABEBILDER=daten/felder\n"
        "SCHRIFTBILDER=daten/schriften\n"
        "TEXTEINGABEBILDER=" + std::string(5000, 'l') + "\n");
    log.Leeren();
    VOQ_OGL_Eingabe e;
    EXPECT_EQ("daten/zeiger", e.maus.pfad);
    EXPECT_EQ("daten/radios", e.radioPfad);
    EXPECT_EQ("daten/kreuze", e.checkBoxPfad);
    EXPECT_EQ("daten/knoepfe", e.buttonPfad);
    // The 5000 characters come in pieces of 4095: the first piece is read,
    // the rest holds no key.
    EXPECT_EQ(std::string(4095 - 18, 'l'), e.editPfad);
    EXPECT_EQ("#o> VOQ_OGL_Eingabe\n\t>Einlesen der Pfade 'einstellungen.konfig' ...\t(erledigt)\n", log.Aus());

    std::remove("einstellungen.konfig");
    log.Leeren();
    VOQ_OGL_Eingabe ohne;
    EXPECT_FALSE(ohne.InitPfade());
    EXPECT_EQ("", ohne.buttonPfad);
    EXPECT_NE(std::string::npos,
              log.Fehler().find("\n#o> VOQ_OGL_Eingabe - FEHLER: Datei 'einstellungen.konfig' kann "
                                "nicht geöffnet werden.\n\n"));
    EXPECT_EQ(0, ohne.GetInput());
    EXPECT_EQ(0, ohne.GetKeyUp());
    EXPECT_EQ(0, ohne.GetKeyDown());
    EXPECT_FALSE(ohne.useCopyBuffer);
}

TEST_F(Eingabe, UmschaltGrossschreibungUndLoslassen)
{
    eingabe->InputBuffer('a', 2);
    EXPECT_EQ('a', eingabe->GetInput());
    EXPECT_EQ('a', eingabe->GetKeyDown());

    eingabe->InputBuffer(SDLK_RSHIFT, 2);
    EXPECT_TRUE(eingabe->shift);
    eingabe->InputBuffer('a', 2);
    EXPECT_EQ('A', eingabe->GetInput());
    EXPECT_EQ('a', eingabe->GetKeyDown()) << "keyDown bleibt wie geliefert";
    eingabe->InputBuffer('1', 2);
    EXPECT_EQ('1', eingabe->GetInput());
    eingabe->InputBuffer(SDLK_RSHIFT, 3);
    EXPECT_FALSE(eingabe->shift);

    eingabe->InputBuffer('x', 2);
    eingabe->InputBuffer('x', 3);
    EXPECT_EQ('x', eingabe->GetInput());
    EXPECT_EQ('x', eingabe->GetKeyUp());

    // Consuming clears input and keyDown, not keyUp.
    eingabe->InputBuffer(0, 2);
    EXPECT_EQ(0, eingabe->GetInput());
    EXPECT_EQ(0, eingabe->GetKeyDown());
    EXPECT_EQ('x', eingabe->GetKeyUp());
}

TEST_F(Eingabe, WaehrendEinFeldGewaehltIstAntwortenDieAbfragenMinusEins)
{
    VOQ_Edit* feld = NeuesFeld(*eingabe);
    eingabe->InputBuffer('q', 2);
    eingabe->InputBuffer('q', 3);
    feld->Select();
    EXPECT_EQ(-1, eingabe->GetInput());
    EXPECT_EQ(-1, eingabe->GetKeyDown());
    EXPECT_EQ(-1, eingabe->GetKeyUp());
    EXPECT_EQ('q', eingabe->GetAllInput());

    eingabe->InputBuffer('w', 2);
    EXPECT_EQ('w', eingabe->GetAllInput());
    EXPECT_EQ("w", feld->GetText());

    // The live key state answers while the field is selected too.
    hilfe::Taste("b", SDLK_b, true);
    EXPECT_TRUE(eingabe->isKeyDown(SDLK_b));
    EXPECT_FALSE(eingabe->isKeyDown(SDLK_c));
    hilfe::Taste("b", SDLK_b, false);
    EXPECT_FALSE(eingabe->isKeyDown(SDLK_b));
    EXPECT_FALSE(eingabe->isKeyDown(-1));
    EXPECT_FALSE(eingabe->isKeyDown(100000));

    eingabe->InputBuffer(SDLK_RETURN, 2);
    EXPECT_EQ(-1, eingabe->GetSelectedEdit());
    EXPECT_EQ(0, eingabe->GetInput()) << "die Bestaetigung erreicht den Bildschirm nicht";
    EXPECT_EQ(0, eingabe->GetKeyDown());
    eingabe->InputBuffer(SDLK_RETURN, 3);
    EXPECT_EQ(SDLK_RETURN, eingabe->GetKeyUp());
}

TEST_F(Eingabe, KopierpufferBekommtJedesEreignis)
{
    VOQ_OGL_Eingabe zweite;
    VOQ_Edit* hier = NeuesFeld(*eingabe);
    VOQ_Edit* dort = NeuesFeld(zweite);
    eingabe->SetCopyBuffer(&zweite);
    hier->Select();
    dort->Select();
    eingabe->InputBuffer(SDLK_LSHIFT, 2);
    eingabe->InputBuffer('h', 2);
    eingabe->InputBuffer(SDLK_LSHIFT, 3);
    eingabe->InputBuffer('i', 2);
    EXPECT_EQ("Hi", dort->GetText());
    // Return ends both edits, and the nested consume reaches the copy too.
    eingabe->InputBuffer(SDLK_RETURN, 2);
    EXPECT_FALSE(dort->IsSelected());
    EXPECT_EQ(0, zweite.GetInput());

    eingabe->RemCopyBuffer();
    eingabe->InputBuffer('y', 2);
    EXPECT_EQ(0, zweite.GetAllInput());
}

TEST_F(Eingabe, ListenBesitzenIhreWidgets)
{
    EXPECT_EQ(-1, eingabe->GetLastButton());
    EXPECT_EQ(-1, eingabe->GetSelectedEdit());
    eingabe->CreateButton("block", 10, 20, " START");
    eingabe->CreateButton("block", 10, 60, " ENDE");
    ASSERT_EQ(1, eingabe->GetLastButton());
    VOQ_Button* zweiter = eingabe->buttons[1];
    EXPECT_EQ("knoepfe/block", zweiter->pfad);
    EXPECT_EQ(60, zweiter->GetY());
    EXPECT_EQ(" ENDE", zweiter->text);
    EXPECT_EQ(20, zweiter->GetWidth()) << "its images are loaded";
    EXPECT_EQ(nullptr, zweiter->maus) << "weder eigener noch gegebener Zeiger";

    eingabe->ClearButtons();
    EXPECT_EQ(-1, eingabe->GetLastButton());
    EXPECT_EQ(nullptr, eingabe->buttons[0]);
    eingabe->GiveMouse(&eingabe->maus);
    eingabe->CreateButton("block", 1, 2, "");
    EXPECT_EQ(&eingabe->maus, eingabe->buttons[0]->maus);
    eingabe->CreateCheckBox("block", 0, 0, "");
    EXPECT_EQ("kreuze/block", eingabe->checkBoxes[0]->pfad);
    eingabe->CreateRadio();
    // Whatever is still registered is deleted with the manager (the sanitizer build checks it).
}

TEST_F(Eingabe, VolleListeLehntAbStattUeberDasEndeZuSchreiben)
{
    for (int i = 0; i < VOQ_OGL_Eingabe::MAX_WIDGETS; ++i)
        eingabe->CreateCheckBox("block", i, 0, "");
    ASSERT_EQ(127, eingabe->GetLastCheckBox());
    log.Leeren();
    eingabe->CreateCheckBox("block", 999, 0, "");
    EXPECT_EQ(127, eingabe->GetLastCheckBox());
    EXPECT_EQ(127, eingabe->checkBoxes[127]->x);
    EXPECT_NE(std::string::npos, log.Fehler().find("VOQ_OGL_Eingabe - FEHLER"));
    eingabe->ClearCheckBoxes();
    eingabe->CreateCheckBox("block", 5, 0, "");
    EXPECT_EQ(0, eingabe->GetLastCheckBox());
}
}  // namespace
