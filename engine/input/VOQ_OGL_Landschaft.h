#pragma once

// The part of a tile landscape that the mouse cursor works with: where the
// landscape lies on the screen and how much of it is shown, its tile and map
// sizes, and its scroll position in whole tiles. The map itself, its tiles
// and files are not part of this game, which never creates a landscape.
class VOQ_OGL_Landschaft
{
public:
    VOQ_OGL_Landschaft();

    // Places the visible part: top-left corner (x, y) in window pixels,
    // spalten x zeilen tiles. The tiles themselves are not drawn here.
    void Draw(int x, int y, int spalten, int zeilen);

    void SetKachelGroesse(int breite, int hoehe);
    int GetKachelWidth() const;
    int GetKachelHeight() const;

    void SetSpielFeldGroesse(int breite, int hoehe);
    int GetSpielFeldWidth() const;
    int GetSpielFeldHeight() const;

    // Scroll position: the map column and row shown in the top-left tile,
    // kept between 0 and the map size less the visible size.
    void SetPosXY(int spalte, int zeile);
    int GetPosX() const;
    int GetPosY() const;
    void AddPosX(int d);
    void AddPosY(int d);
    void AddPosXY(int dx, int dy);

    // Set by Draw.
    int x, y;
    int spalten, zeilen;

    int kachelWidth, kachelHeight;
    int spielFeldWidth, spielFeldHeight;
    int posX, posY;
};
