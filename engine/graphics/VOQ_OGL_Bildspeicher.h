#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

struct SDL_Surface;

// What images of one bitmap file share, so that eight playfields with seven
// block images each load seven strips, not fifty-six, and a screen finds
// what the screen before it used.
//
// Who owns what: an image holds a frame set, the set holds its strip, both
// are shared and never change once made; what no image holds any more the
// store keeps, up to VORRAT bytes, the least recently used given up first.
// An image that wants another colour key takes the set for that key.
//
// A strip's pixels are needed only while frames are cut from them: an image
// gives them up once its set is made (Entlade), and they are read from the
// file again when another set is to be cut. Only the pixels of a strip that
// is not used again (below) stay, since its file may have changed unseen.
//
// A kept strip is used again only while its file is the one it was read from
// (device, inode, size, modification and change time) and was already two
// seconds old when it was read, so that a change within one tick of the file
// system's clock can't hide; the sets of any other strip are neither shared
// nor kept. A set is used only in the OpenGL context it was made in
// (VOQ_OGL_Init::Darstellungsnummer).
namespace VOQ_OGL_Bildspeicher
{
// The bitmap as SDL loaded it, with the identity of its file.
struct Streifen;

// The strip cut into `anzahl` frames of breite x hoehe with one colour key,
// one texture each.
struct Bildsatz
{
    Bildsatz(std::shared_ptr<const Streifen> streifen, int breite, int hoehe, int anzahl,
             const int schluessel[3]);
    ~Bildsatz();
    Bildsatz(const Bildsatz&) = delete;
    Bildsatz& operator=(const Bildsatz&) = delete;

    const std::shared_ptr<const Streifen> streifen;
    const int breite, hoehe, anzahl;
    const int schluessel[3];                    // blue, green, red
    const int darstellung;
    std::unique_ptr<unsigned int[]> texturen;   // GLuint[anzahl]
    bool texturenGemacht = false;               // the names exist
};

constexpr std::size_t VORRAT = std::size_t(16) << 20;

// The strip of the bitmap file, kept or freshly loaded; null if SDL's loader
// can't read it.
std::shared_ptr<const Streifen> HoleStreifen(const std::string& pfad);
// Its pixels, read again from the file if they were given up; null if that fails.
SDL_Surface* Flaeche(const Streifen* streifen);
// The size of its bitmap as it was read.
bool Groesse(const Streifen* streifen, int& breite, int& hoehe);
// Gives up its pixels, unless it is a strip not used again.
void Entlade(const Streifen* streifen);

// A set of the strip for that size, count and key, made in this context by
// another image or kept from one; null if there is none.
std::shared_ptr<const Bildsatz> SucheSatz(const std::shared_ptr<const Streifen>& streifen, int breite, int hoehe,
                                          int anzahl, const int schluessel[3]);
// A new set: `anzahl` texture names and every frame's texture, cut a band of
// rows at a time, so that no copy of a frame outlives the making of its
// texture. Null if there is no memory for the names or the band, or
// (texturfehler true) if a texture could not be made.
std::shared_ptr<const Bildsatz> MacheSatz(const std::shared_ptr<const Streifen>& streifen, int breite,
                                          int hoehe, int anzahl, const int schluessel[3], bool& texturfehler);

// Gives up what no image holds, beyond VORRAT bytes; images call it when
// they let go of a set.
void Raeume();
// Gives up everything no image holds.
void Leeren();
// Bytes of what the store keeps that no image holds.
std::size_t Vorrat();
// How often a strip was read from its file, since the start.
int Ladevorgaenge();

// Wall clock in ns since 1970 for the age of files; nullptr restores the real one.
using Uhr = std::int64_t (*)();
void SetzeUhr(Uhr quelle);
}
