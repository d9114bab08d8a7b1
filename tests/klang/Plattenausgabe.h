#pragma once

#include <cstdint>
#include <string>
#include <vector>

// SDL's disk audio driver as a recorder: 44100 Hz stereo S16, as fast as
// the mixer can run. What was mixed is read back after closing. Larger
// chunks (samples a mix) record long pieces faster.
class Plattenausgabe
{
public:
    explicit Plattenausgabe(const std::string& datei, int stueck = 1024);
    ~Plattenausgabe();
    Plattenausgabe(const Plattenausgabe&) = delete;
    Plattenausgabe& operator=(const Plattenausgabe&) = delete;

    bool Offen() const { return offen; }
    // Closes the device and answers the interleaved samples.
    std::vector<int16_t> Schliessen();

private:
    std::string datei;
    bool offen = false;
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
