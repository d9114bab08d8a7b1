#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// SDL's disk audio driver runs the mixer as fast as it can (or, with
// echtzeit, at the pace of a sound card), writing to the file; what the mixer
// mixes (44100 Hz stereo S16) is recorded, mixes of `stueck` frames.
class Plattenausgabe
{
public:
    explicit Plattenausgabe(const std::string& datei, int stueck = 1024, bool echtzeit = false);
    ~Plattenausgabe() { Schliessen(); }
    Plattenausgabe(const Plattenausgabe&) = delete;
    Plattenausgabe& operator=(const Plattenausgabe&) = delete;

    // Frames recorded so far, or of them those since the first sound.
    std::size_t Frames(bool mitKlang = false) const;
    // Closes the device and answers the interleaved samples.
    std::vector<int16_t> Schliessen();

private:
    static void Mitschnitt(void* selbst, unsigned char* strom, int laenge);

    std::string datei;
    bool offen = false;
    std::size_t ersterKlang = SIZE_MAX;  // sample index
    std::vector<int16_t> werte;
};
