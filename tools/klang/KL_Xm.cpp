#include "KL_Xm.h"

#include "KL_Datei.h"

#include <algorithm>
#include <cmath>

namespace
{
class Schreiber
{
public:
    std::vector<uint8_t> bytes;

    void Byte(uint8_t b) { bytes.push_back(b); }
    void Wort(uint16_t w)
    {
        Byte(static_cast<uint8_t>(w & 0xff));
        Byte(static_cast<uint8_t>(w >> 8));
    }
    void Langwort(uint32_t w)
    {
        Wort(static_cast<uint16_t>(w & 0xffff));
        Wort(static_cast<uint16_t>(w >> 16));
    }
    // A text padded with the given byte to a fixed length.
    void Text(const std::string& text, std::size_t laenge, uint8_t fuellung = 0)
    {
        for (std::size_t i = 0; i < laenge; ++i) {
            Byte(i < text.size() ? static_cast<uint8_t>(text[i]) : fuellung);
        }
    }
    void Nullen(std::size_t anzahl) { bytes.insert(bytes.end(), anzahl, 0); }
    void SetzeWort(std::size_t stelle, uint16_t w)
    {
        bytes[stelle] = static_cast<uint8_t>(w & 0xff);
        bytes[stelle + 1] = static_cast<uint8_t>(w >> 8);
    }
};

void Kopf(Schreiber& s, const std::string& name, int kanaele, int muster, int instrumente, int tempo, int bpm,
          const std::vector<int>& folge)
{
    s.Text("Extended Module: ", 17);
    s.Text(name, 20);
    s.Byte(0x1a);
    s.Text("qf_klang", 20, ' ');
    s.Wort(0x0104);
    s.Langwort(276);
    s.Wort(static_cast<uint16_t>(folge.size()));
    s.Wort(0);  // restart position
    s.Wort(static_cast<uint16_t>(kanaele));
    s.Wort(static_cast<uint16_t>(muster));
    s.Wort(static_cast<uint16_t>(instrumente));
    s.Wort(1);  // linear frequency table
    s.Wort(static_cast<uint16_t>(tempo));
    s.Wort(static_cast<uint16_t>(bpm));
    for (int i = 0; i < 256; ++i) {
        s.Byte(i < static_cast<int>(folge.size()) ? static_cast<uint8_t>(folge[i]) : 0);
    }
}

// A "set volume" of the volume column scaled; its other commands stay.
uint8_t Lautstaerke(uint8_t wert, double pegel)
{
    if (wert < 0x10 || wert > 0x50) {
        return wert;
    }
    const long neu = std::lround((wert - 0x10) * pegel);
    return static_cast<uint8_t>(0x10 + std::clamp(neu, 0L, 64L));
}

// Packed cells: a flag byte says which of the five fields follow.
void Musterdaten(Schreiber& s, const KL_XmMuster& m, double pegel)
{
    s.Langwort(9);
    s.Byte(0);
    s.Wort(static_cast<uint16_t>(m.zeilen));
    const std::size_t groesseStelle = s.bytes.size();
    s.Wort(0);
    const std::size_t anfang = s.bytes.size();
    for (KL_XmZelle z : m.zellen) {
        z.lautstaerke = Lautstaerke(z.lautstaerke, pegel);
        uint8_t flaggen = 0x80;
        if (z.note) flaggen |= 1;
        if (z.instrument) flaggen |= 2;
        if (z.lautstaerke) flaggen |= 4;
        if (z.effekt) flaggen |= 8;
        if (z.parameter) flaggen |= 16;
        s.Byte(flaggen);
        if (z.note) s.Byte(z.note);
        if (z.instrument) s.Byte(z.instrument);
        if (z.lautstaerke) s.Byte(z.lautstaerke);
        if (z.effekt) s.Byte(z.effekt);
        if (z.parameter) s.Byte(z.parameter);
    }
    s.SetzeWort(groesseStelle, static_cast<uint16_t>(s.bytes.size() - anfang));
}

void Instrumentdaten(Schreiber& s, const KL_XmInstrument& in)
{
    s.Langwort(263);
    s.Text(in.name, 22);
    s.Byte(0);
    s.Wort(1);
    s.Langwort(40);
    s.Nullen(96);  // every note plays sample 0
    const std::size_t punkte = std::min<std::size_t>(in.huelle.punkte.size(), 12);
    for (std::size_t i = 0; i < 12; ++i) {
        s.Wort(i < punkte ? in.huelle.punkte[i].first : 0);
        s.Wort(i < punkte ? in.huelle.punkte[i].second : 0);
    }
    s.Nullen(48);  // panning envelope
    s.Byte(static_cast<uint8_t>(punkte));
    s.Byte(0);
    const bool haelt = in.huelle.halten >= 0 && in.huelle.halten < static_cast<int>(punkte);
    s.Byte(static_cast<uint8_t>(haelt ? in.huelle.halten : 0));
    s.Byte(0);
    s.Byte(0);
    s.Byte(0);
    s.Byte(0);
    s.Byte(0);
    s.Byte(static_cast<uint8_t>((punkte > 0 ? 1 : 0) | (haelt ? 2 : 0)));
    s.Byte(0);
    s.Byte(0);  // vibrato: sine
    s.Byte(in.vibratoVorlauf);
    s.Byte(in.vibratoTiefe);
    s.Byte(in.vibratoRate);
    s.Wort(in.ausklang);
    s.Nullen(22);

    const uint32_t laenge = static_cast<uint32_t>(in.probe.size());
    const uint32_t schleifenLaenge = std::min(in.schleifenLaenge, laenge > in.schleifenAnfang ? laenge - in.schleifenAnfang : 0u);
    s.Langwort(laenge * 2);
    s.Langwort(schleifenLaenge ? in.schleifenAnfang * 2 : 0);
    s.Langwort(schleifenLaenge * 2);
    s.Byte(in.lautstaerke);
    s.Byte(static_cast<uint8_t>(in.feinstimmung));
    s.Byte(static_cast<uint8_t>(0x10 | (schleifenLaenge ? 1 : 0)));
    s.Byte(in.panorama);
    s.Byte(static_cast<uint8_t>(in.relativNote));
    s.Byte(0);
    s.Text(in.name, 22);

    // Sample data as differences of 16-bit words.
    int16_t vorher = 0;
    for (int16_t w : in.probe) {
        s.Wort(static_cast<uint16_t>(static_cast<uint16_t>(w) - static_cast<uint16_t>(vorher)));
        vorher = w;
    }
}
}

KL_XmModul::KL_XmModul(const std::string& name_, int kanaele_, int tempo_, int bpm_)
    : name(name_), kanaele(std::clamp(kanaele_, 1, 32)), tempo(tempo_), bpm(bpm_)
{
}

int KL_XmModul::NeuesMuster(const KL_XmMuster& m)
{
    KL_XmMuster kopie = m;
    kopie.zeilen = std::clamp(kopie.zeilen, 1, 256);
    kopie.zellen.resize(static_cast<std::size_t>(kopie.zeilen) * kanaele);
    muster.push_back(kopie);
    return static_cast<int>(muster.size()) - 1;
}

int KL_XmModul::NeuesInstrument(const KL_XmInstrument& instrument)
{
    instrumente.push_back(instrument);
    return static_cast<int>(instrumente.size());
}

void KL_XmModul::Reihenfolge(const std::vector<int>& neu)
{
    folge.clear();
    for (int m : neu) {
        if (m >= 0 && m < static_cast<int>(muster.size()) && folge.size() < 256) {
            folge.push_back(m);
        }
    }
}

double KL_XmModul::Spielzeit() const
{
    int t = tempo;
    int b = bpm;
    double sekunden = 0.0;
    for (int nummer : folge) {
        const KL_XmMuster& m = muster[nummer];
        for (int zeile = 0; zeile < m.zeilen; ++zeile) {
            for (int k = 0; k < kanaele; ++k) {
                const KL_XmZelle& z = m.zellen[static_cast<std::size_t>(zeile) * kanaele + k];
                if (z.effekt == 0x0f && z.parameter > 0) {
                    if (z.parameter < 0x20) {
                        t = z.parameter;
                    } else {
                        b = z.parameter;
                    }
                }
            }
            sekunden += t * 2.5 / b;
        }
    }
    return sekunden;
}

std::vector<uint8_t> KL_XmModul::Bytes() const
{
    Schreiber s;
    Kopf(s, name, kanaele, static_cast<int>(muster.size()), static_cast<int>(instrumente.size()), tempo, bpm, folge);
    for (const KL_XmMuster& m : muster) {
        Musterdaten(s, m, pegel);
    }
    for (const KL_XmInstrument& in : instrumente) {
        Instrumentdaten(s, in);
    }
    return s.bytes;
}

bool KL_XmModul::Schreibe(const std::string& pfad) const
{
    return KL_Datei::Schreibe(pfad, Bytes());
}
