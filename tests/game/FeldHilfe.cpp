#include "FeldHilfe.h"

#include "VOQ_Quaderfall.h"
#include "VOQ_Teil_Basis.h"

namespace
{
char Zeichen(int farbe)
{
    if (farbe == 0)
        return '.';
    if (farbe >= 1 && farbe <= 9)
        return static_cast<char>('0' + farbe);
    return '?';
}
}

void Zeichne(VOQ_Quaderfall& feld, int ab, std::initializer_list<const char*> zeilen)
{
    int zeile = ab;
    for (const char* z : zeilen) {
        for (int spalte = 0; z[spalte] != '\0'; ++spalte)
            feld.setze(spalte, zeile, z[spalte] == '.' ? 0 : z[spalte] - '0');
        ++zeile;
    }
}

std::string Bild(const VOQ_Quaderfall& feld, int von, int bis)
{
    std::string bild;
    for (int zeile = von; zeile <= bis; ++zeile) {
        for (int spalte = 0; spalte < feld.holeSpielfeldBreite(); ++spalte)
            bild += Zeichen(feld.holeFarbe(spalte, zeile));
        bild += '\n';
    }
    return bild;
}

std::string Form(const VOQ_Teil_Basis& teil)
{
    std::string bild;
    for (int zeile = 0; zeile < 4; ++zeile) {
        if (zeile > 0)
            bild += ' ';
        for (int spalte = 0; spalte < 4; ++spalte)
            bild += Zeichen(teil.holeFarbe(spalte, zeile));
    }
    return bild;
}

int Farbe(blocktyp art)
{
    static const int FARBEN[TEILARTEN] = {1, 3, 6, 4, 2, 5, 7};
    return (art >= 0 && art < TEILARTEN) ? FARBEN[art] : 0;
}

blocktyp Art(const VOQ_Teil_Basis& teil)
{
    for (int zeile = 0; zeile < 4; ++zeile)
        for (int spalte = 0; spalte < 4; ++spalte)
            for (int art = 0; art < TEILARTEN; ++art)
                if (teil.holeFarbe(spalte, zeile) == Farbe(static_cast<blocktyp>(art)))
                    return static_cast<blocktyp>(art);
    return TEIL_ZUFALL;
}

int FallenLassen(VOQ_Teil_Basis& teil)
{
    int reihen = 0;
    while (teil.senke() && reihen < 10000)
        ++reihen;
    return reihen;
}

int Aufschlagen(VOQ_Quaderfall& feld)
{
    for (int i = 0; i < 10000; ++i) {
        const int n = feld.takt();
        if (n != 0)
            return n;
    }
    return 0;
}
