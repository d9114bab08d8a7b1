#include "KL_Satz.h"

#include "KL_Noten.h"

#include <algorithm>
#include <cstdlib>

namespace
{
// The semitones above the root for one figure token; false for "." or
// anything unknown.
bool Intervall(const KL_Noten::Akkord& akkord, const std::string& wort, int& stufe)
{
    if (wort.empty()) {
        return false;
    }
    const auto& iv = akkord.intervalle;
    switch (wort[0]) {
    case '1': stufe = 0; break;
    case '3': stufe = iv.size() > 1 ? iv[1] : 4; break;
    case '5': stufe = iv.size() > 2 ? iv[2] : 7; break;
    case '7': stufe = iv.size() > 3 ? iv[3] : 12; break;
    case '8': stufe = 12; break;
    default: return false;
    }
    for (std::size_t i = 1; i < wort.size(); ++i) {
        if (wort[i] == '\'') stufe += 12;
        if (wort[i] == ',') stufe -= 12;
    }
    return true;
}

// The chord tones nearest to `mitte`, lowest first, as many as `stimmen`.
std::vector<int> Lage(const KL_Noten::Akkord& akkord, int stimmen, int mitte)
{
    std::vector<int> toene;
    for (int intervall : akkord.intervalle) {
        const int klasse = (akkord.grundton + intervall) % 12;
        int note = mitte - 6;
        while ((note - 1) % 12 != klasse) {
            ++note;
        }
        toene.push_back(note);
    }
    // Too many tones: the fifth goes first, it adds the least colour.
    while (static_cast<int>(toene.size()) > stimmen && toene.size() > 2) {
        toene.erase(toene.begin() + 2);
    }
    std::sort(toene.begin(), toene.end());
    // Too few: the lowest tones again an octave up.
    for (std::size_t i = 0; static_cast<int>(toene.size()) < stimmen; ++i) {
        toene.push_back(toene[i] + 12);
    }
    return toene;
}
}

KL_Satz::KL_Satz(int kanaele_, int takte) : kanaele(kanaele_), zeilen(takte * SCHRITTE_JE_TAKT)
{
    muster.zeilen = zeilen;
    muster.zellen.resize(static_cast<std::size_t>(zeilen) * kanaele);
}

KL_XmZelle* KL_Satz::Zelle(int kanal, int zeile)
{
    if (kanal < 0 || kanal >= kanaele || zeile < 0 || zeile >= zeilen) {
        return nullptr;
    }
    return &muster.zellen[static_cast<std::size_t>(zeile) * kanaele + kanal];
}

void KL_Satz::Setze(int kanal, int zeile, int note, int instrument, int lautstaerke)
{
    KL_XmZelle* z = Zelle(kanal, zeile);
    if (!z || note <= 0) {
        return;
    }
    z->note = static_cast<uint8_t>(note);
    if (note != KL_Noten::LOSLASSEN) {
        z->instrument = static_cast<uint8_t>(instrument);
        z->lautstaerke = static_cast<uint8_t>(0x10 + std::clamp(lautstaerke, 0, 64));
    } else {
        z->instrument = 0;
        z->lautstaerke = 0;
    }
}

void KL_Satz::Stimme(int kanal, int instrument, const std::string& zeile, int lautstaerke, int ab)
{
    int reihe = ab;
    for (const KL_Noten::Schritt& s : KL_Noten::Zeile(zeile)) {
        Setze(kanal, reihe, s.note, instrument, s.lautstaerke >= 0 ? s.lautstaerke : lautstaerke);
        ++reihe;
    }
}

void KL_Satz::Schlag(int kanal, int instrument, int note, const std::string& muster_, int laut, int ab)
{
    if (muster_.empty()) {
        return;
    }
    for (int reihe = ab; reihe < zeilen; ++reihe) {
        const char c = muster_[static_cast<std::size_t>(reihe - ab) % muster_.size()];
        const int wert = c == 'x' ? laut : (c == 'o' ? laut * 2 / 3 : (c == 'g' ? laut / 3 : -1));
        if (wert >= 0) {
            Setze(kanal, reihe, note, instrument, wert);
        }
    }
}

void KL_Satz::Figur(int kanal, int instrument, const std::vector<std::string>& akkorde, const std::string& figur,
                    int grundlage, int lautstaerke)
{
    const std::vector<std::string> woerter = KL_Noten::Woerter(figur);
    for (std::size_t takt = 0; takt < akkorde.size(); ++takt) {
        const KL_Noten::Akkord akkord = KL_Noten::AkkordAus(akkorde[takt]);
        int reihe = static_cast<int>(takt) * SCHRITTE_JE_TAKT;
        for (const std::string& wort : woerter) {
            const std::size_t doppelpunkt = wort.find(':');
            const int laut = doppelpunkt == std::string::npos ? lautstaerke : std::atoi(wort.c_str() + doppelpunkt + 1);
            if (wort == "=") {
                Setze(kanal, reihe, KL_Noten::LOSLASSEN, 0, 0);
            } else {
                int intervall = 0;
                if (Intervall(akkord, wort.substr(0, doppelpunkt), intervall)) {
                    Setze(kanal, reihe, grundlage + akkord.grundton + intervall, instrument, laut);
                }
            }
            ++reihe;
        }
    }
}

void KL_Satz::Akkorde(int ersterKanal, int stimmen, int instrument, const std::vector<std::string>& akkorde,
                      const std::string& anschlag, int mitte, int lautstaerke)
{
    for (std::size_t takt = 0; takt < akkorde.size(); ++takt) {
        const std::vector<int> toene = Lage(KL_Noten::AkkordAus(akkorde[takt]), stimmen, mitte);
        for (std::size_t i = 0; i < anschlag.size(); ++i) {
            const int reihe = static_cast<int>(takt * SCHRITTE_JE_TAKT + i);
            for (int s = 0; s < stimmen; ++s) {
                if (anschlag[i] == 'x') {
                    Setze(ersterKanal + s, reihe, toene[static_cast<std::size_t>(s)], instrument, lautstaerke);
                } else if (anschlag[i] == '=') {
                    Setze(ersterKanal + s, reihe, KL_Noten::LOSLASSEN, 0, 0);
                }
            }
        }
    }
}

void KL_Satz::Effekt(int kanal, int zeile, int effekt, int parameter)
{
    KL_XmZelle* z = Zelle(kanal, zeile);
    if (z) {
        z->effekt = static_cast<uint8_t>(effekt);
        z->parameter = static_cast<uint8_t>(parameter);
    }
}

void KL_Satz::Leeren(int kanal, int von, int bis)
{
    for (int reihe = von; reihe < bis; ++reihe) {
        KL_XmZelle* z = Zelle(kanal, reihe);
        if (z) {
            *z = KL_XmZelle();
        }
    }
}

void KL_Satz::Anschluss(int zeile, const KL_XmMuster& anfang)
{
    for (int k = 0; k < kanaele; ++k) {
        const std::size_t erste = static_cast<std::size_t>(k);
        const bool neu = erste < anfang.zellen.size() && anfang.zellen[erste].note > 0
                         && anfang.zellen[erste].note != KL_Noten::LOSLASSEN;
        if (neu) {
            continue;
        }
        // In the volume column, so that speed changes in the effect column stay.
        for (int reihe = zeile; reihe < zeilen; ++reihe) {
            KL_XmZelle* z = Zelle(k, reihe);
            if (z) {
                z->note = 0;
                z->instrument = 0;
                z->lautstaerke = reihe == zeile ? 0x6f : 0x10;
            }
        }
    }
}
