#pragma once

#include "VOQ_Maus.h"

#include <string>

class VOQ_OGL_Bildlauf;
class VOQ_OGL_Schrift;
struct Mix_Chunk;

// What buttons, check boxes, radio buttons and text fields have in common:
// the widget image folder with its three state images and click size, the
// press-and-click detection while drawing, the click sound and the caption.
//
// Each widget keeps its members public under the names the screens use; the
// templates below work on any widget with those members (visible, x, y,
// bilder, width, height, click, lastClick, mouseOver, clicked, soundOn,
// sound, maus, schrift), so a widget's Draw only states how it differs.
namespace VOQ_Bedienelement
{
// State images of a widget folder, numbered as their files.
enum Bild { NORMAL = 1, DARUEBER = 2, GEDRUECKT = 3 };

// Where a widget that is "on" (checked, selected) shows its image 3 when not
// pressed: nowhere (a button), beside the pointer only (a selected text
// field shows image 2 under the pointer), or always (check box, radio button).
enum class An { NIE, DANEBEN, IMMER };

// Reads the three description files ordner/1.konfig .. 3.konfig for the
// click size and loads the three images. art names the widget in the log
// ("Schaltflaeche", "Texteingabe"). False (and an error line) if a
// description file does not open; the images before it stay loaded.
bool LeseOrdner(const std::string& ordner, const char* art, VOQ_OGL_Bildlauf bilder[3],
                int& width, int& height);

// The pointer position, from the cursor (or from SDL when there is none).
void Zeiger(VOQ_Maus* maus, int& mx, int& my);

// The click rectangle includes both edges: width + 1 by height + 1 pixels.
bool Ueber(int mx, int my, int x, int y, int width, int height);

// Pressed: the left mouse button held, or else a pending simulated click,
// which is taken only while the left button is up.
bool Gedrueckt(VOQ_Maus* maus);

// Which image shows: pressed always 3; otherwise image 3 where an "on"
// widget shows it, else 2 over it, 1 beside it.
int BildNummer(bool ueber, bool gedrueckt, An an);

void SpieleKlang(bool soundOn, Mix_Chunk* sound);

// Caption from half a character cell in, centred vertically in height.
void ZeichneText(VOQ_OGL_Schrift* schrift, const std::string& text, int x, int y, int height);

// First half of a Draw: read the pointer, move click into lastClick,
// clear click, mouseOver and clicked. Answers whether the Draw before
// completed a click, which the check box, the radio button and the text
// field act on now.
template <class W>
bool Beginne(W& w, int& mx, int& my)
{
    Zeiger(w.maus, mx, my);
    w.lastClick = w.click;
    w.click = false;
    w.mouseOver = false;
    const bool warGeklickt = w.clicked;
    w.clicked = false;
    return warGeklickt;
}

// Second half: rectangle test, image, click completion (a press seen in
// the previous Draw that ends over the widget), sound and caption.
template <class W>
void Vollende(W& w, int mx, int my, const std::string& text, An an)
{
    const bool ueber = Ueber(mx, my, w.x, w.y, w.width, w.height);
    const bool gedrueckt = ueber && Gedrueckt(w.maus);
    w.mouseOver = ueber;
    w.click = gedrueckt;
    w.bilder[BildNummer(ueber, gedrueckt, an) - 1].Draw(w.x, w.y);

    if (!w.click && w.lastClick && ueber) {
        SpieleKlang(w.soundOn, w.sound);
        w.clicked = true;
    }
    ZeichneText(w.schrift, text, w.x, w.y, w.height);
}
}
