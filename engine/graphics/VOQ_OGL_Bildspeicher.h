#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

struct SDL_Surface;

// What images of one bitmap file share: the strip as SDL loaded it, and, for
// each frame size, frame count and colour key it was cut with, the working
// surface and the textures of its frames (a set). Eight playfields with
// seven block images each load seven strips, not fifty-six; and what the
// screen just left used is kept for the next one, up to VORRAT bytes, the
// least recently used given up first.
//
// A kept strip is used again only while its file is the one it was read
// from (device, inode, size, modification and change time) and was already
// two seconds old when it was read, so that a change within one tick of the
// file system's clock can't hide. Textures are used only in the OpenGL
// context they were made in (VOQ_OGL_Init::Darstellungsnummer).
//
// Every Hole/Suche/Neu holds its result once; GibFrei gives it back.
class VOQ_OGL_Bildspeicher
{
public:
    struct Streifen;

    struct Satz
    {
        Streifen* streifen;
        SDL_Surface* flaeche;    // working surface of one frame
        unsigned int* texturen;  // GLuint[anzahl]
        int anzahl;
        bool texturenGemacht;    // the names exist
        // Textures finished for `schluessel`; only such a set is found.
        bool fertig;
        int schluessel[3];       // blue, green, red
        int darstellung;
        int halter;
        std::uint64_t zuletzt;
    };

    static constexpr std::size_t VORRAT = std::size_t(16) << 20;

    // The strip of the bitmap file, kept or freshly loaded; null if SDL's
    // loader can't read it.
    static Streifen* HoleStreifen(const std::string& pfad);
    static SDL_Surface* Flaeche(const Streifen* streifen);
    static void GibFrei(Streifen* streifen);

    // A finished set of the strip for that frame size, count and key; null if none.
    static Satz* SucheSatz(Streifen* streifen, int breite, int hoehe, int anzahl, const int schluessel[3]);
    // A new, unfinished set with its working surface and room for `anzahl`
    // names, not yet made; null if there is no memory for it.
    static Satz* NeuerSatz(Streifen* streifen, int breite, int hoehe, int anzahl);
    // Whether another image holds the set too (its textures must not change then).
    static bool Geteilt(const Satz* satz);
    // The set's textures are now made for that key (or, false, are being remade).
    static void Fertig(Satz* satz, const int schluessel[3]);
    static void Unfertig(Satz* satz);
    static void GibFrei(Satz* satz);

    // Gives up every kept strip that no image holds.
    static void Leeren();
    // Bytes of the kept strips no image holds.
    static std::size_t Vorrat();
    // How often a strip was read from its file, since the start.
    static int Ladevorgaenge();

    // Wall clock in ns since 1970 for the age of files; nullptr restores the real one.
    using Uhr = std::int64_t (*)();
    static void SetzeUhr(Uhr quelle);
};
