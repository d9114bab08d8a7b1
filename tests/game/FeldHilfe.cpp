#include "FeldHilfe.h"

#include "VOQ_Quaderfall.h"
#include "VOQ_Teil_Basis.h"

#include <cctype>

void Zeichne(VOQ_Quaderfall& feld, int ab, std::initializer_list<const char*> zeilen)
{
    for (const char* z : zeilen) {
        for (int spalte = 0; z[spalte]; ++spalte)
            feld.setze(spalte, ab, z[spalte] == '.' ? 0 : z[spalte] - '0');
        ++ab;
    }
}

std::string Bild(const VOQ_Quaderfall& feld, int von, int bis)
{
    std::string bild;
    for (int zeile = von; zeile <= bis; ++zeile) {
        for (int spalte = 0; spalte < feld.holeSpielfeldBreite(); ++spalte)
            bild += feld.holeFarbe(spalte, zeile) ? static_cast<char>('0' + feld.holeFarbe(spalte, zeile)) : '.';
        bild += '\n';
    }
    return bild;
}

std::string Form(const VOQ_Teil_Basis& teil)
{
    std::string bild, rand;
    for (int zeile = -1; zeile <= 4; ++zeile) {
        for (int spalte = -1; spalte <= 4; ++spalte) {
            const int farbe = teil.holeFarbe(spalte, zeile);
            if (zeile < 0 || zeile > 3 || spalte < 0 || spalte > 3)
                rand += farbe ? "!" : "";
            else
                bild += (spalte == 0 && zeile > 0 ? " " : "") + std::string(1, farbe ? '0' + farbe : '.');
        }
    }
    return bild + rand;
}

bool Ziehe(VOQ_Teil_Basis& teil, const char* zuege)
{
    for (; *zuege; ++zuege) {
        const char z = static_cast<char>(std::tolower(*zuege));
        const bool einmal = z == *zuege;
        bool gut = true;
        for (int mal = einmal ? 1 : 40; gut && mal > 0; --mal)
            gut = z == 'x' ? !teil.drehe() : z == 'd' ? teil.drehe()
                : z == 'l' ? teil.links() : z == 'r' ? teil.rechts() : teil.senke();
        if (einmal && !gut)
            return false;
    }
    return true;
}

int Aufschlagen(VOQ_Quaderfall& feld)
{
    int n = 0;
    for (int i = 0; i < 2000 && n == 0; ++i)
        n = feld.takt();
    return n;
}
