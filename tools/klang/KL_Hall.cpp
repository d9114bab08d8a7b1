#include "KL_Hall.h"

#include "KL_Puffer.h"

KL_Hall::KL_Hall(int rate, double raumgroesse, double daempfung_)
    : rueckkopplung(static_cast<float>(0.7 + 0.28 * raumgroesse)), daempfung(static_cast<float>(daempfung_))
{
    // Delay lengths at 44.1 kHz; the right channel is 23 samples longer.
    const int kammLaengen[] = {1116, 1188, 1277, 1356, 1422, 1491, 1557, 1617};
    const int allpassLaengen[] = {556, 441, 341, 225};
    const double skala = rate / 44100.0;
    for (int k = 0; k < 2; ++k) {
        for (int l : kammLaengen) {
            Kamm kamm;
            kamm.speicher.assign(static_cast<std::size_t>((l + 23 * k) * skala), 0.0f);
            kaemme[k].push_back(kamm);
        }
        for (int l : allpassLaengen) {
            Allpass a;
            a.speicher.assign(static_cast<std::size_t>((l + 23 * k) * skala), 0.0f);
            allpaesse[k].push_back(a);
        }
    }
}

float KL_Hall::Schritt(int kanal, float eingang)
{
    float summe = 0.0f;
    for (Kamm& k : kaemme[kanal]) {
        const float aus = k.speicher[k.stelle];
        k.gefiltert = aus * (1.0f - daempfung) + k.gefiltert * daempfung;
        k.speicher[k.stelle] = eingang + k.gefiltert * rueckkopplung;
        k.stelle = (k.stelle + 1) % k.speicher.size();
        summe += aus;
    }
    for (Allpass& a : allpaesse[kanal]) {
        const float gespeichert = a.speicher[a.stelle];
        const float aus = gespeichert - summe;
        a.speicher[a.stelle] = summe + gespeichert * 0.5f;
        a.stelle = (a.stelle + 1) % a.speicher.size();
        summe = aus;
    }
    return summe;
}

void KL_Hall::Verarbeite(KL_Puffer& puffer, double anteil, bool rundlauf)
{
    const int kanaele = puffer.Kanaele();
    std::vector<float>& d = puffer.Daten();
    const float eingangsStaerke = 0.015f;
    if (rundlauf) {
        for (std::size_t i = 0; i < puffer.Frames(); ++i) {
            for (int k = 0; k < 2; ++k) {
                Schritt(k, d[i * kanaele + (k % kanaele)] * eingangsStaerke);
            }
        }
    }
    for (std::size_t i = 0; i < puffer.Frames(); ++i) {
        float nass[2];
        for (int k = 0; k < 2; ++k) {
            nass[k] = Schritt(k, d[i * kanaele + (k % kanaele)] * eingangsStaerke);
        }
        for (int k = 0; k < kanaele; ++k) {
            d[i * kanaele + k] += static_cast<float>(anteil) * nass[k];
        }
    }
}
