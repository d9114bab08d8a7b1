#pragma once

#include <string>
#include <vector>

// The shorthand the pieces are written in.
//
// Note names: letter, optional '#' or 'b', octave: "C4" is middle C, "Bb3",
// "F#5". Numbers are tracker notes: 1 is C-0, 49 is C-4, 58 is A-4.
//
// A line is one token per step, separated by blanks: a note name, optionally
// with ":volume" (0..64), "." for nothing, "=" to release the key, "|"
// between bars (ignored). Chord symbols: root and kind, "Am", "F", "G7",
// "Fmaj7", "Dm7", "Bbm6", "Esus4".
class KL_Noten
{
public:
    static constexpr int LOSLASSEN = 97;

    struct Schritt
    {
        int note = 0;          // 0 nothing, 1..96 a note, LOSLASSEN
        int lautstaerke = -1;  // -1: the line's own volume
    };

    struct Akkord
    {
        int grundton = 0;             // pitch class, 0 = C
        std::vector<int> intervalle;  // semitones above the root, root first
    };

    // 0 if the text is no note name.
    static int Note(const std::string& name);
    static double Frequenz(int note);
    static std::vector<Schritt> Zeile(const std::string& zeile);
    // Splits at blanks, dropping "|".
    static std::vector<std::string> Woerter(const std::string& text);
    // Unknown symbols give a C major triad.
    static Akkord AkkordAus(const std::string& symbol);
};
