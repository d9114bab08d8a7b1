#pragma once

#include <cstdint>
#include <string>
#include <vector>

// One cell of a pattern. Note 1 is C-0, 49 is C-4, 97 releases the key.
struct KL_XmZelle
{
    uint8_t note = 0;
    uint8_t instrument = 0;
    uint8_t lautstaerke = 0;  // volume column: 0x10 + 0..64 sets the volume
    uint8_t effekt = 0;
    uint8_t parameter = 0;
};

struct KL_XmMuster
{
    int zeilen = 64;
    std::vector<KL_XmZelle> zellen;  // zeilen * channels, row by row
};

// A volume envelope: points (tick, 0..64); the sustain point holds until
// the key is released.
struct KL_XmHuelle
{
    std::vector<std::pair<uint16_t, uint16_t>> punkte;
    int halten = -1;
};

// An instrument of one 16-bit sample.
struct KL_XmInstrument
{
    std::string name;
    std::vector<int16_t> probe;
    uint32_t schleifenAnfang = 0;  // in frames
    uint32_t schleifenLaenge = 0;  // 0: no loop
    uint8_t lautstaerke = 64;
    int8_t feinstimmung = 0;
    uint8_t panorama = 128;
    int8_t relativNote = 0;
    KL_XmHuelle huelle;
    uint16_t ausklang = 0;  // fade-out after release
    uint8_t vibratoTiefe = 0;
    uint8_t vibratoRate = 0;
    uint8_t vibratoVorlauf = 0;
};

// A FastTracker 2 module (version 1.04, linear frequencies).
class KL_XmModul
{
public:
    KL_XmModul(const std::string& name, int kanaele, int tempo, int bpm);

    int Kanaele() const { return kanaele; }
    // Adds a pattern and answers its number.
    int NeuesMuster(const KL_XmMuster& muster);
    // Adds an instrument and answers its number (from 1).
    int NeuesInstrument(const KL_XmInstrument& instrument);
    void Reihenfolge(const std::vector<int>& folge);
    // Scales every volume the patterns set (rounded, at most 64): the
    // loudness of the whole piece as the player mixes it.
    void Pegel(double faktor) { pegel = faktor; }

    const std::vector<KL_XmMuster>& Muster() const { return muster; }
    const std::vector<int>& Folge() const { return folge; }
    const std::vector<KL_XmInstrument>& Instrumente() const { return instrumente; }

    // Seconds from the first to the end of the last row, following the
    // speed and tempo changes (Fxx) on the way.
    double Spielzeit() const;

    std::vector<uint8_t> Bytes() const;
    bool Schreibe(const std::string& pfad) const;

private:
    std::string name;
    int kanaele;
    int tempo;
    int bpm;
    double pegel = 1.0;
    std::vector<KL_XmMuster> muster;
    std::vector<int> folge;
    std::vector<KL_XmInstrument> instrumente;
};
