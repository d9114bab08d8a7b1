#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

class VOQ_OGL_Bildlauf;

// What the fuzz targets share: a private working directory on tmpfs for the
// files the readers open, a silent log, a hidden OpenGL context for the
// readers that make textures, and small bitmaps to load beside the input.
class FuzzHilfe
{
public:
    // AddressSanitizer settings of the targets that load pictures: a request
    // beyond the limit fails as a full memory would (the engine must cope),
    // instead of a description of a few bytes asking for gigabytes.
    static constexpr const char* ASAN_VORGABEN = "allocator_may_return_null=1:max_allocation_size_mb=64";

    // Creates the private directory (below $QF_FUZZ_TMP, else /dev/shm or
    // /tmp) once and removes it at exit. Ends the process if that fails.
    static const std::string& Verzeichnis();

    // While it exists, the private directory is the working directory; the
    // previous one comes back afterwards, so relative paths on the fuzzer's
    // command line keep working.
    class ImVerzeichnis
    {
    public:
        ImVerzeichnis();
        ~ImVerzeichnis();
        ImVerzeichnis(const ImVerzeichnis&) = delete;
        ImVerzeichnis& operator=(const ImVerzeichnis&) = delete;

    private:
        int vorher;
    };

    // Paths relative to the private directory.
    static void Schreibe(const std::string& pfad, const void* daten, std::size_t groesse);
    static void Schreibe(const std::string& pfad, const std::string& inhalt);
    static void Entferne(const std::string& pfad);
    static void LegeOrdnerAn(const std::string& pfad);

    // Drops the engine's log lines; QF_FUZZ_LOG=1 keeps them for a replay by hand.
    static void StilleLog();

    // A hidden window of 1024 x 768 with an OpenGL context (SDL's offscreen driver,
    // no X server needed) and the engine's 2D state. Ends the process if none
    // can be had, since the target would test nothing.
    static void StarteGrafik();

    // Switches the colour key (the textures are made anew) and draws every
    // frame, the first 64 of a longer strip.
    static void ZeichneAlleBilder(VOQ_OGL_Bildlauf& bild);

    // The input cut at each `trenner` byte into at most `hoechstens` parts;
    // the last part keeps any further separators.
    static std::vector<std::string> Teile(const std::uint8_t* daten, std::size_t groesse, char trenner,
                                          int hoechstens);

    // A 24-bit bottom-up BMP of breite x hoehe pixels: colour stripes, every
    // seventh pixel magenta (the default colour key).
    static std::string Bmp24(int breite, int hoehe);
};
