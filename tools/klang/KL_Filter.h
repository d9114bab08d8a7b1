#pragma once

// State-variable filter (trapezoidal form): low, band and high pass from one
// state, stable for any cutoff below half the sample rate.
class KL_Filter
{
public:
    KL_Filter(double rate, double grenzfrequenz, double guete);

    void Setze(double grenzfrequenz, double guete);
    // Runs one sample; the three outputs are read afterwards.
    void Schritt(double eingang);
    double Tief() const { return tief; }
    double Band() const { return band; }
    double Hoch() const { return hoch; }

private:
    double rate;
    double g = 0.0, k = 0.0, a1 = 0.0, a2 = 0.0, a3 = 0.0;
    double s1 = 0.0, s2 = 0.0;
    double tief = 0.0, band = 0.0, hoch = 0.0;
};
