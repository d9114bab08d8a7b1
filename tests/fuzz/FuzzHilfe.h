#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <initializer_list>
#include <string>
#include <utility>

class VOQ_OGL_Bildlauf;

// What the fuzz targets share: a private working directory for the files the
// readers open, a silent log, a hidden OpenGL context and a test bitmap.
namespace fuzz
{
// Silences the engine's log (QF_FUZZ_LOG set keeps it), makes the private
// directory below $QF_FUZZ_TMP (else /tmp), removed at exit, and writes the
// given files (path, content) there; with `grafik` also opens a hidden
// 1024 x 768 window with OpenGL (SDL's offscreen driver, no X server). Ends
// the process if any of it fails, as the target would test nothing. Answers 0
// for LLVMFuzzerInitialize.
int Beginne(bool grafik, std::initializer_list<std::pair<std::string, std::string>> dateien = {});

// The bytes of the test bitmap: 64 x 64, 24 bits, colour stripes with pixels
// in the colour key.
std::string Testbild();

// While it exists the private directory is the working directory, with the
// input written to the file `datei` there. The previous directory comes back
// afterwards, so relative paths of the fuzzer's command line keep working.
class Hier
{
public:
    Hier(const std::string& datei = "", const std::uint8_t* daten = nullptr, std::size_t groesse = 0);
    ~Hier();
    Hier(const Hier&) = delete;
    Hier& operator=(const Hier&) = delete;

private:
    int vorher;
};

// A file below the working directory, its folders made as needed.
void Schreibe(const std::string& pfad, const std::string& inhalt);

// A property of the target that must hold: a finding if it does not.
inline void Pruefe(bool gilt)
{
    if (!gilt)
        std::abort();
}

// Switches the colour key (the textures are made anew) and draws every frame,
// the first 64 of a longer strip.
void ZeichneAlles(VOQ_OGL_Bildlauf& bild);
}
