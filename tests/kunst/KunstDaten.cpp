#include "KunstDaten.h"

#include "VOQ_Konfig.h"

#include <SDL.h>

namespace
{
const char* const BILDSCHLUESSEL[] = {"ORIGINALGROESSE", "ANZEIGEGROESSE", "BILDERANZAHL",
                                      "VERZOEGERUNG", "UNSICHTBARKEIT", "DURCHSICHTIGKEIT",
                                      "PAUSIERT", "EINMAL"};
const char* const SCHRIFTSCHLUESSEL[] = {"ORIGINALGROESSE", "ANZEIGEGROESSE", "ZEICHENABSTAND",
                                         "ZEILENABSTAND", "UNSICHTBARKEIT", "DURCHSICHTIGKEIT"};

void LiesBild(const std::string& zeile, Bildangaben& a)
{
    int paar[2] = {a.bildBreite, a.bildHoehe};
    switch (VOQ_Konfig::FindeSchluessel(zeile, BILDSCHLUESSEL, 8))
    {
    case 0:
        VOQ_Konfig::LeseZahlen(zeile, "ORIGINALGROESSE", paar, 2);
        a.bildBreite = paar[0];
        a.bildHoehe = paar[1];
        break;
    case 1:
        paar[0] = a.anzeigeBreite;
        paar[1] = a.anzeigeHoehe;
        VOQ_Konfig::LeseZahlen(zeile, "ANZEIGEGROESSE", paar, 2);
        a.anzeigeBreite = paar[0];
        a.anzeigeHoehe = paar[1];
        break;
    case 2:
        VOQ_Konfig::LeseZahl(zeile, "BILDERANZAHL", a.bilder);
        break;
    case 4:
        VOQ_Konfig::LeseZahlen(zeile, "UNSICHTBARKEIT", a.schluessel, 3);
        break;
    case 6:
    {
        int p = a.pausiert ? 1 : 0;
        VOQ_Konfig::LeseZahl(zeile, "PAUSIERT", p);
        a.pausiert = p == 1;
        break;
    }
    default:
        break;
    }
}

void LiesSchrift(const std::string& zeile, Bildangaben& a)
{
    int paar[2] = {a.bildBreite, a.bildHoehe};
    switch (VOQ_Konfig::FindeSchluessel(zeile, SCHRIFTSCHLUESSEL, 6))
    {
    case 0:
        VOQ_Konfig::LeseZahlen(zeile, "ORIGINALGROESSE", paar, 2);
        a.bildBreite = paar[0];
        a.bildHoehe = paar[1];
        break;
    case 1:
        paar[0] = a.anzeigeBreite;
        paar[1] = a.anzeigeHoehe;
        VOQ_Konfig::LeseZahlen(zeile, "ANZEIGEGROESSE", paar, 2);
        a.anzeigeBreite = paar[0];
        a.anzeigeHoehe = paar[1];
        break;
    case 2:
        VOQ_Konfig::LeseZahl(zeile, "ZEICHENABSTAND", a.zeichenabstand);
        break;
    case 3:
        VOQ_Konfig::LeseZahl(zeile, "ZEILENABSTAND", a.zeilenabstand);
        break;
    case 4:
        VOQ_Konfig::LeseZahlen(zeile, "UNSICHTBARKEIT", a.schluessel, 3);
        break;
    default:
        break;
    }
}

// The widget's own reader: long lines, only ECHTGROESSE.
void LiesEchtgroesse(const std::string& pfad, Bildangaben& a)
{
    VOQ_Konfig konfig(VOQ_Konfig::ZEILE_LANG);
    if (!konfig.Oeffne(pfad))
        return;
    std::string zeile;
    while (konfig.NaechsteZeile(zeile))
        if (zeile.find("ECHTGROESSE") != std::string::npos)
        {
            int paar[2] = {a.echtBreite, a.echtHoehe};
            VOQ_Konfig::LeseZahlen(zeile, "ECHTGROESSE", paar, 2);
            a.echtBreite = paar[0];
            a.echtHoehe = paar[1];
        }
}
}

namespace KunstDaten
{
std::string Daten(const std::string& relativ)
{
    return std::string(QF_DATEN_DIR) + "/" + relativ;
}

SDL_Surface* LadeStreifen(const std::string& basis)
{
    return SDL_LoadBMP((basis + ".bmp").c_str());
}

bool Lies(const std::string& basis, Bildangaben& aus, bool schrift)
{
    aus = Bildangaben{};
    if (schrift)
        aus.schluessel[0] = aus.schluessel[1] = aus.schluessel[2] = 0;
    VOQ_Konfig konfig(VOQ_Konfig::ZEILE_KURZ);
    if (!konfig.Oeffne(basis + ".konfig"))
        return false;
    std::string zeile;
    while (konfig.NaechsteZeile(zeile))
    {
        if (schrift)
            LiesSchrift(zeile, aus);
        else
            LiesBild(zeile, aus);
    }
    konfig.Schliesse();
    LiesEchtgroesse(basis + ".konfig", aus);

    SDL_Surface* bild = LadeStreifen(basis);
    if (!bild)
        return false;
    if (aus.bildBreite == 0)
        aus.bildBreite = bild->w;
    if (aus.bildHoehe == 0)
        aus.bildHoehe = bild->h;
    if (aus.anzeigeBreite == 0)
        aus.anzeigeBreite = aus.bildBreite;
    if (aus.anzeigeHoehe == 0)
        aus.anzeigeHoehe = aus.bildHoehe;
    SDL_FreeSurface(bild);
    return true;
}

Pixelfarbe Pixel(SDL_Surface* bild, int x, int y)
{
    if (!bild || x < 0 || y < 0 || x >= bild->w || y >= bild->h)
        return Pixelfarbe{0, 0, 0};
    const int bpp = bild->format->BytesPerPixel;
    const Uint8* p = static_cast<const Uint8*>(bild->pixels) + y * bild->pitch + x * bpp;
    Uint32 wert = 0;
    for (int i = 0; i < bpp; ++i)
        wert |= static_cast<Uint32>(p[i]) << (8 * i);
    Uint8 r, g, b;
    SDL_GetRGB(wert, bild->format, &r, &g, &b);
    return Pixelfarbe{r, g, b};
}

bool IstSchluessel(const Pixelfarbe& p, const int schluessel[3])
{
    return p.b == schluessel[0] && p.g == schluessel[1] && p.r == schluessel[2];
}

std::string Ordner(const char* schluessel)
{
    VOQ_Konfig konfig(VOQ_Konfig::ZEILE_LANG);
    std::string wort;
    if (!konfig.Oeffne(std::string(QF_QUELL_DIR) + "/data/einstellungen.konfig"))
        return wort;
    std::string zeile;
    while (konfig.NaechsteZeile(zeile))
        if (zeile.find(schluessel) != std::string::npos)
            VOQ_Konfig::LeseWort(zeile, schluessel, wort);
    const std::string vorne = "daten/";
    if (wort.compare(0, vorne.size(), vorne) == 0)
        wort = wort.substr(vorne.size());
    return wort;
}
}
