#include "VOQ_OGL_Textur.h"

#include "VOQ_OGL_Init.h"
#include "VOQ_OGL_Zeichenliste.h"

#include "SDL.h"
#include "SDL_opengl.h"

#include <GL/glu.h>

#include <memory>
#include <new>
#include <vector>

namespace
{
// What a texture's pixels are, recorded by its name when it is uploaded.
enum Deckung : unsigned char { UNBEKANNT, LEER, DECKEND, GEMISCHT };
// Names beyond the table stay unknown: their quads are drawn, blended.
const unsigned int NAMEN = 8192;
unsigned char deckungen[NAMEN];
// The quad being described, from Beginne to Quad.
VOQ_OGL_Zeichenliste::Zug zug;

// A name deleted while a quad of the frame being listed still named it,
// with the video mode it belongs to.
struct Spaeter {
    unsigned int textur;
    int darstellung;
};
std::vector<Spaeter> spaeter;

void MerkeDeckung(unsigned int textur, Deckung deckung)
{
    if (textur < NAMEN)
        deckungen[textur] = deckung;
}

Deckung DeckungVon(unsigned int textur)
{
    return textur < NAMEN ? static_cast<Deckung>(deckungen[textur]) : UNBEKANNT;
}

Deckung DeckungDer(const unsigned char* bgra, int breite, int hoehe)
{
    bool leer = true;
    bool deckend = true;
    const std::size_t pixel = static_cast<std::size_t>(breite) * static_cast<std::size_t>(hoehe);
    for (std::size_t i = 0; i < pixel; ++i) {
        const unsigned char a = bgra[4 * i + 3];
        leer = leer && a == 0;
        deckend = deckend && a == 255;
    }
    return leer ? LEER : deckend ? DECKEND : GEMISCHT;
}

const Uint32 MASKE_ROT = 0xff0000;
const Uint32 MASKE_GRUEN = 0x00ff00;
const Uint32 MASKE_BLAU = 0x0000ff;

// Position of a colour channel inside a 3-byte pixel, from its shift.
int BytePosition(Uint8 verschiebung)
{
    const int byteNummer = verschiebung / 8;
    return SDL_BYTEORDER == SDL_LIL_ENDIAN ? byteNummer : 2 - byteNummer;
}

void VerwirfGLFehler()
{
    while (glGetError() != GL_NO_ERROR) {
    }
}

// The power of two the mipmap builder scales a side to: the one below, or the
// one above from 1.5 times the one below on (3 -> 4, 5 -> 4, 48 -> 64).
int Zweierpotenz(int seite)
{
    int unten = 1;
    while (unten <= seite / 2)
        unten *= 2;
    if (unten >= 2 && seite >= unten + unten / 2)
        return unten * 2;
    return unten;
}

// `deckung`: what level 0, the one sampled, holds.
bool BaueMipmaps(int breite, int hoehe, const unsigned char* bgra, Deckung& deckung)
{
    const int zielBreite = Zweierpotenz(breite);
    const int zielHoehe = Zweierpotenz(hoehe);
    if (zielBreite == breite && zielHoehe == hoehe) {
        deckung = DeckungDer(bgra, breite, hoehe);
        return gluBuild2DMipmaps(GL_TEXTURE_2D, GL_RGBA, breite, hoehe, GL_BGRA, GL_UNSIGNED_BYTE, bgra) == 0;
    }

    // NOTE: Mesa's GLU 9.0 loses the last row when gluBuild2DMipmaps itself
    // scales only the width (200 x 32 comes out with a transparent bottom row).
    // gluScaleImage scales correctly, so it is scaled first and
    // the builder only makes the smaller levels.
    const std::size_t groesse = VOQ_OGL_Textur::PufferGroesse(zielBreite, zielHoehe);
    std::unique_ptr<unsigned char[]> skaliert(new (std::nothrow) unsigned char[groesse]);
    if (!skaliert)
        return false;
    if (gluScaleImage(GL_BGRA, breite, hoehe, GL_UNSIGNED_BYTE, bgra, zielBreite, zielHoehe, GL_UNSIGNED_BYTE,
                      skaliert.get()) != 0)
        return false;
    deckung = DeckungDer(skaliert.get(), zielBreite, zielHoehe);
    return gluBuild2DMipmaps(GL_TEXTURE_2D, GL_RGBA, zielBreite, zielHoehe, GL_BGRA, GL_UNSIGNED_BYTE,
                             skaliert.get()) == 0;
}
}

SDL_Surface* VOQ_OGL_Textur::ErzeugeArbeitsflaeche(int breite, int hoehe)
{
    if (breite <= 0 || hoehe <= 0 || breite > GROESSTE_SEITE || hoehe > GROESSTE_SEITE)
        return nullptr;
    return SDL_CreateRGBSurface(SDL_SWSURFACE, breite, hoehe, 24, MASKE_ROT, MASKE_GRUEN, MASKE_BLAU, 0);
}

std::size_t VOQ_OGL_Textur::PufferGroesse(int breite, int hoehe)
{
    if (breite <= 0 || hoehe <= 0)
        return 0;
    return static_cast<std::size_t>(breite) * static_cast<std::size_t>(hoehe) * 4;
}

bool VOQ_OGL_Textur::Ausschneiden(SDL_Surface* quelle, int x, int y, SDL_Surface* arbeit)
{
    if (!arbeit)
        return false;
    if (SDL_FillRect(arbeit, nullptr, SDL_MapRGB(arbeit->format, 0, 0, 0)) != 0)
        return false;
    if (!quelle)
        return true;
    if (x < 0 || y < 0 || x > GROESSTER_VERSATZ || y > GROESSTER_VERSATZ)
        return true;

    SDL_Rect ausschnitt;
    ausschnitt.x = static_cast<Sint16>(x);
    ausschnitt.y = static_cast<Sint16>(y);
    ausschnitt.w = static_cast<Uint16>(arbeit->w);
    ausschnitt.h = static_cast<Uint16>(arbeit->h);
    SDL_Rect ziel;
    ziel.x = 0;
    ziel.y = 0;
    ziel.w = ausschnitt.w;
    ziel.h = ausschnitt.h;
    return SDL_BlitSurface(quelle, &ausschnitt, arbeit, &ziel) == 0;
}

bool VOQ_OGL_Textur::FuelleBGRA(SDL_Surface* arbeit, const int farbschluessel[3], unsigned char* ziel, int zeilen)
{
    if (!arbeit || !ziel || arbeit->format->BytesPerPixel != 3)
        return false;
    if (SDL_LockSurface(arbeit) != 0)
        return false;

    const int blau = BytePosition(arbeit->format->Bshift);
    const int gruen = BytePosition(arbeit->format->Gshift);
    const int rot = BytePosition(arbeit->format->Rshift);
    const unsigned char* pixel = static_cast<const unsigned char*>(arbeit->pixels);

    const int hoehe = zeilen >= 0 && zeilen < arbeit->h ? zeilen : arbeit->h;
    for (int zeile = 0; zeile < hoehe; ++zeile) {
        // Rows are padded to the pitch, which is more than 3 x width unless the width is a multiple of 4.
        const unsigned char* p = pixel + static_cast<std::size_t>(zeile) * arbeit->pitch;
        for (int spalte = 0; spalte < arbeit->w; ++spalte, p += 3) {
            const int b = p[blau];
            const int g = p[gruen];
            const int r = p[rot];
            const bool schluessel = b == farbschluessel[0] && g == farbschluessel[1] && r == farbschluessel[2];
            *ziel++ = static_cast<unsigned char>(b);
            *ziel++ = static_cast<unsigned char>(g);
            *ziel++ = static_cast<unsigned char>(r);
            *ziel++ = schluessel ? 0 : 255;
        }
    }
    SDL_UnlockSurface(arbeit);
    return true;
}

bool VOQ_OGL_Textur::IstDirektHochladbar(int breite, int hoehe)
{
    if (breite != hoehe || breite < 1 || breite > 4096)
        return false;
    return (breite & (breite - 1)) == 0;
}

namespace
{
// A listed quad still names the texture: it keeps the old pixels under the
// old name, which goes once the frame is drawn, and the owner gets a new one.
bool NeuerNameFallsVerwendet(unsigned int& textur)
{
    if (!VOQ_OGL_Zeichenliste::Verwendet(textur))
        return true;
    unsigned int neu = 0;
    glGenTextures(1, &neu);
    if (neu == 0)
        return false;
    VOQ_OGL_Textur::Loesche(1, &textur);
    textur = neu;
    return true;
}

// The steps before pixels go under a name: bound, both filters GL_NEAREST.
bool BindeZumFuellen(unsigned int& textur)
{
    if (!NeuerNameFallsVerwendet(textur))
        return false;
    MerkeDeckung(textur, UNBEKANNT);
    // A name may come back with other pixels: the frame on show can't be kept.
    VOQ_OGL_Zeichenliste::Verwirf();
    VerwirfGLFehler();
    glBindTexture(GL_TEXTURE_2D, textur);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    return true;
}

Deckung Zusammen(Deckung bisher, Deckung band)
{
    return bisher == band ? bisher : GEMISCHT;
}
}

bool VOQ_OGL_Textur::Hochladen(unsigned int& textur, int breite, int hoehe, const unsigned char* bgra, bool direkt)
{
    if (!BindeZumFuellen(textur))
        return false;
    Deckung deckung = UNBEKANNT;
    if (direkt) {
        deckung = DeckungDer(bgra, breite, hoehe);
        glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, breite, hoehe, 0, GL_BGRA, GL_UNSIGNED_BYTE, bgra);
    } else if (!BaueMipmaps(breite, hoehe, bgra, deckung)) {
        return false;
    }
    if (glGetError() != GL_NO_ERROR)
        return false;
    MerkeDeckung(textur, deckung);
    return true;
}

bool VOQ_OGL_Textur::Erzeuge(unsigned int& textur, SDL_Surface* quelle, int x, int y, SDL_Surface* arbeit,
                             const int farbschluessel[3], unsigned char* puffer, bool direkt)
{
    if (!Ausschneiden(quelle, x, y, arbeit))
        return false;
    if (!FuelleBGRA(arbeit, farbschluessel, puffer))
        return false;
    return Hochladen(textur, arbeit->w, arbeit->h, puffer, direkt);
}

std::size_t VOQ_OGL_Textur::BandPufferGroesse(int breite, int hoehe, bool direkt)
{
    return PufferGroesse(breite, direkt && hoehe > BAND ? BAND : hoehe);
}

bool VOQ_OGL_Textur::ErzeugeInBaendern(unsigned int& textur, SDL_Surface* quelle, int x, int y, int hoehe,
                                       SDL_Surface* band, const int farbschluessel[3], unsigned char* puffer,
                                       bool direkt)
{
    if (!band || !puffer || hoehe <= 0)
        return false;
    const int breite = band->w;
    const std::size_t zeilenBytes = PufferGroesse(breite, 1);
    if (direkt) {
        if (!BindeZumFuellen(textur))
            return false;
        glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, breite, hoehe, 0, GL_BGRA, GL_UNSIGNED_BYTE, nullptr);
    }
    Deckung deckung = UNBEKANNT;
    for (int zeile = 0; zeile < hoehe; zeile += band->h) {
        const int zeilen = hoehe - zeile < band->h ? hoehe - zeile : band->h;
        unsigned char* ziel = direkt ? puffer : puffer + static_cast<std::size_t>(zeile) * zeilenBytes;
        if (!Ausschneiden(quelle, x, y + zeile, band) || !FuelleBGRA(band, farbschluessel, ziel, zeilen))
            return false;
        if (!direkt)
            continue;
        const Deckung teil = DeckungDer(puffer, breite, zeilen);
        deckung = zeile == 0 ? teil : Zusammen(deckung, teil);
        glTexSubImage2D(GL_TEXTURE_2D, 0, 0, zeile, breite, zeilen, GL_BGRA, GL_UNSIGNED_BYTE, puffer);
    }
    if (!direkt)
        return Hochladen(textur, breite, hoehe, puffer, false);
    if (glGetError() != GL_NO_ERROR)
        return false;
    MerkeDeckung(textur, deckung);
    return true;
}

bool VOQ_OGL_Textur::AendertPixel(unsigned int textur, float alpha)
{
    if (!VOQ_OGL_Zeichenliste::Sparsam())
        return true;
    return alpha > 0.0f && DeckungVon(textur) != LEER;
}

void VOQ_OGL_Textur::Beginne(unsigned int textur, float x, float y, float alpha)
{
    zug = VOQ_OGL_Zeichenliste::Zug();
    zug.textur = textur;
    zug.x = x;
    zug.y = y;
    zug.alpha = alpha;
}

void VOQ_OGL_Textur::Drehe(float winkel, float achse)
{
    zug.winkel = winkel;
    zug.achse = achse;
}

void VOQ_OGL_Textur::Quad(float links, float oben, float rechts, float unten,
                          float sLinks, float tOben, float sRechts, float tUnten)
{
    zug.ecken[0] = links;
    zug.ecken[1] = oben;
    zug.ecken[2] = rechts;
    zug.ecken[3] = unten;
    zug.koordinaten[0] = sLinks;
    zug.koordinaten[1] = tOben;
    zug.koordinaten[2] = sRechts;
    zug.koordinaten[3] = tUnten;
    VOQ_OGL_Zeichenliste::Nimm(zug);
}

void VOQ_OGL_Textur::Male(const VOQ_OGL_Zeichenliste::Zug& z)
{
    glLoadIdentity();
    glBindTexture(GL_TEXTURE_2D, z.textur);
    glTranslatef(z.x, z.y, 0.0f);
    if (z.achse != 0.0f)
        glRotatef(z.winkel, 0.0f, 0.0f, z.achse);
    glColor4f(1.0f, 1.0f, 1.0f, z.alpha);
    // Colours come out unchanged at alpha 1: the blend would only read the window to weigh it by 0.
    const bool blendeAus = VOQ_OGL_Zeichenliste::Sparsam() && z.alpha >= 1.0f && DeckungVon(z.textur) == DECKEND;
    if (blendeAus)
        glDisable(GL_BLEND);
    const float links = z.ecken[0], oben = z.ecken[1], rechts = z.ecken[2], unten = z.ecken[3];
    const float sLinks = z.koordinaten[0], tOben = z.koordinaten[1];
    const float sRechts = z.koordinaten[2], tUnten = z.koordinaten[3];
    glBegin(GL_QUADS);
    glTexCoord2f(sLinks, tOben);
    glVertex2f(links, oben);
    glTexCoord2f(sLinks, tUnten);
    glVertex2f(links, unten);
    glTexCoord2f(sRechts, tUnten);
    glVertex2f(rechts, unten);
    glTexCoord2f(sRechts, tOben);
    glVertex2f(rechts, oben);
    glEnd();
    if (blendeAus)
        glEnable(GL_BLEND);
}

void VOQ_OGL_Textur::Loesche(int anzahl, const unsigned int* texturen)
{
    if (anzahl <= 0 || !texturen)
        return;
    VOQ_OGL_Zeichenliste::Verwirf();
    const bool video = SDL_WasInit(SDL_INIT_VIDEO) != 0;
    for (int i = 0; i < anzahl; ++i) {
        if (video && VOQ_OGL_Zeichenliste::Verwendet(texturen[i])) {
            spaeter.push_back({texturen[i], VOQ_OGL_Init::Darstellungsnummer()});
            continue;
        }
        MerkeDeckung(texturen[i], UNBEKANNT);
        if (video)
            glDeleteTextures(1, &texturen[i]);
    }
}

void VOQ_OGL_Textur::LoescheFreie()
{
    if (spaeter.empty())
        return;
    std::vector<Spaeter> warten;
    warten.swap(spaeter);
    for (const Spaeter& s : warten) {
        // Names of another context would name that context's textures.
        if (s.darstellung != VOQ_OGL_Init::Darstellungsnummer())
            continue;
        Loesche(1, &s.textur);
    }
}

bool VOQ_OGL_Textur::Farbvorgabe(int preset, int bgr[3])
{
    static const int VORGABEN[6][3] = {
        {0, 0, 0}, {255, 255, 255}, {255, 0, 255}, {0, 255, 0}, {255, 0, 0}, {0, 0, 255},
    };
    if (preset < 1 || preset > 6)
        return false;
    for (int k = 0; k < 3; ++k)
        bgr[k] = VORGABEN[preset - 1][k];
    return true;
}
