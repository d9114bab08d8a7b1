#include "VOQ_OGL_Landschaft.h"

#include <algorithm>

namespace
{
int Begrenze(int wert, int groesste)
{
    return std::max(0, std::min(wert, std::max(0, groesste)));
}
}

VOQ_OGL_Landschaft::VOQ_OGL_Landschaft()
    : x(0), y(0), spalten(0), zeilen(0), kachelWidth(0), kachelHeight(0), spielFeldWidth(0),
      spielFeldHeight(0), posX(0), posY(0)
{
}

void VOQ_OGL_Landschaft::Draw(int neuX, int neuY, int neuSpalten, int neuZeilen)
{
    x = neuX;
    y = neuY;
    spalten = neuSpalten;
    zeilen = neuZeilen;
}

void VOQ_OGL_Landschaft::SetKachelGroesse(int breite, int hoehe)
{
    kachelWidth = breite;
    kachelHeight = hoehe;
}

int VOQ_OGL_Landschaft::GetKachelWidth() const { return kachelWidth; }
int VOQ_OGL_Landschaft::GetKachelHeight() const { return kachelHeight; }

void VOQ_OGL_Landschaft::SetSpielFeldGroesse(int breite, int hoehe)
{
    spielFeldWidth = breite;
    spielFeldHeight = hoehe;
    SetPosXY(posX, posY);
}

int VOQ_OGL_Landschaft::GetSpielFeldWidth() const { return spielFeldWidth; }
int VOQ_OGL_Landschaft::GetSpielFeldHeight() const { return spielFeldHeight; }

void VOQ_OGL_Landschaft::SetPosXY(int spalte, int zeile)
{
    posX = Begrenze(spalte, spielFeldWidth - spalten);
    posY = Begrenze(zeile, spielFeldHeight - zeilen);
}

int VOQ_OGL_Landschaft::GetPosX() const { return posX; }
int VOQ_OGL_Landschaft::GetPosY() const { return posY; }

void VOQ_OGL_Landschaft::AddPosX(int d) { SetPosXY(posX + d, posY); }
void VOQ_OGL_Landschaft::AddPosY(int d) { SetPosXY(posX, posY + d); }
void VOQ_OGL_Landschaft::AddPosXY(int dx, int dy) { SetPosXY(posX + dx, posY + dy); }
