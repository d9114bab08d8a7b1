#pragma once

#include <vector>

class KL_Puffer;

// A plain room reverb (parallel combs into series all-passes, per channel
// slightly different lengths for width).
class KL_Hall
{
public:
    KL_Hall(int rate, double raumgroesse, double daempfung);

    // Adds the reverb of the buffer to itself. With `rundlauf` the buffer is
    // taken as a loop: a first pass fills the reverb with the loop's end, so
    // the start carries the tail of the end and the seam is smooth.
    void Verarbeite(KL_Puffer& puffer, double anteil, bool rundlauf);

private:
    struct Kamm
    {
        std::vector<float> speicher;
        std::size_t stelle = 0;
        float gefiltert = 0.0f;
    };
    struct Allpass
    {
        std::vector<float> speicher;
        std::size_t stelle = 0;
    };

    float Schritt(int kanal, float eingang);

    std::vector<Kamm> kaemme[2];
    std::vector<Allpass> allpaesse[2];
    float rueckkopplung;
    float daempfung;
};
