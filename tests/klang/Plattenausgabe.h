#pragma once

#include <cstdint>
#include <string>
#include <vector>

// SDL's disk audio driver runs the mixer as fast as it can, writing to the
// file; what the mixer mixes (44100 Hz stereo S16) is recorded. Larger
// chunks (samples a mix) record long pieces faster. With bisMusikEnde the
// recording stops with the mix in which the music has ended, where the game
// would restart it.
class Plattenausgabe
{
public:
    explicit Plattenausgabe(const std::string& datei, int stueck = 1024, bool bisMusikEnde = false);
    ~Plattenausgabe() { Schliessen(); }
    Plattenausgabe(const Plattenausgabe&) = delete;
    Plattenausgabe& operator=(const Plattenausgabe&) = delete;

    bool Offen() const { return offen; }
    // Closes the device and answers the interleaved samples.
    std::vector<int16_t> Schliessen();

private:
    static void Mitschnitt(void* selbst, unsigned char* strom, int laenge);

    std::string datei;
    bool offen = false;
    bool bisMusikEnde;
    bool warZuEnde = false;
    std::vector<int16_t> werte;
};

// Measures of an interleaved stereo recording.
struct Aufnahme
{
    explicit Aufnahme(std::vector<int16_t> werte);

    // First and one past the last frame with a sample above the threshold.
    std::size_t erster = 0;
    std::size_t letzter = 0;
    int spitze = 0;
    std::size_t vollAusschlag = 0;  // samples at full scale (clipping)
    std::vector<int16_t> werte;

    double Sekunden() const { return (letzter - erster) / 44100.0; }
    // RMS in dB full scale of the frames [von, bis).
    double Pegel(std::size_t von, std::size_t bis) const;
};
