#pragma once

#include "KL_Xm.h"

#include <string>
#include <vector>

// Writes the voices of one pattern: bars of 16 rows (four rows a beat).
class KL_Satz
{
public:
    static constexpr int SCHRITTE_JE_TAKT = 16;

    KL_Satz(int kanaele, int takte);

    int Zeilen() const { return zeilen; }

    // A line in the note shorthand of KL_Noten, from row `ab` on.
    void Stimme(int kanal, int instrument, const std::string& zeile, int lautstaerke, int ab = 0);

    // A drum line, one character per row: 'x' loud, 'o' medium, 'g' ghost,
    // '.' nothing; repeated to fill the pattern.
    void Schlag(int kanal, int instrument, int note, const std::string& muster, int laut, int ab = 0);

    // A figure over the chords, one chord a bar. Tokens: "1" root, "3"
    // third, "5" fifth, "7" seventh (the octave in a triad), "8" octave, with
    // "'" an octave up or "," an octave down, "." and "=" as in a line.
    // `grundlage` is the note the root octave starts from (e.g. 25 for C-2).
    void Figur(int kanal, int instrument, const std::vector<std::string>& akkorde, const std::string& figur,
               int grundlage, int lautstaerke);

    // Chord tones in `stimmen` channels from `ersterKanal`, voiced around
    // `mitte`; `anschlag` is one bar: 'x' strike, '=' release, '.' hold.
    void Akkorde(int ersterKanal, int stimmen, int instrument, const std::vector<std::string>& akkorde,
                 const std::string& anschlag, int mitte, int lautstaerke);

    void Effekt(int kanal, int zeile, int effekt, int parameter);

    // Empties rows [von, bis) of a channel.
    void Leeren(int kanal, int von, int bis);
    // The end of the song, which the mixer joins to its start at once. The
    // restart stops every voice: one that row 0 of `anfang` strikes anew goes
    // over into its new note without a click, so those channels sound on to
    // the end and fill the join; every other channel slides to silence from
    // `zeile` on and strikes nothing more.
    void Anschluss(int zeile, const KL_XmMuster& anfang);

    const KL_XmMuster& Muster() const { return muster; }

private:
    KL_XmZelle* Zelle(int kanal, int zeile);
    void Setze(int kanal, int zeile, int note, int instrument, int lautstaerke);

    int kanaele;
    int zeilen;
    KL_XmMuster muster;
};
