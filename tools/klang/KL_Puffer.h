#pragma once

#include <cstddef>
#include <vector>

// Float audio, one or two channels interleaved, full scale at 1.0.
class KL_Puffer
{
public:
    KL_Puffer(int kanaele, int rate, std::size_t frames);

    int Kanaele() const { return kanaele; }
    int Rate() const { return rate; }
    std::size_t Frames() const { return frames; }
    double Sekunden() const { return static_cast<double>(frames) / rate; }

    float Wert(std::size_t frame, int kanal) const;
    // Adds to one sample; positions outside the buffer are ignored, or, with
    // Rundlauf on, wrapped to the start (for pieces that loop).
    void Addiere(std::size_t frame, int kanal, float wert);
    void SetzeRundlauf(bool an) { rundlauf = an; }

    void Einblenden(double sekunden);
    void Ausblenden(double sekunden);
    void Verstaerke(double faktor);

    double Spitze() const;
    // RMS of the loudest window of the given length (all channels).
    double LautestesFenster(double sekunden) const;

    std::vector<float>& Daten() { return daten; }
    const std::vector<float>& Daten() const { return daten; }

private:
    int kanaele;
    int rate;
    std::size_t frames;
    bool rundlauf = false;
    std::vector<float> daten;
};
