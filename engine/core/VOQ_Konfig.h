#pragma once

#include <cstddef>
#include <cstdio>
#include <string>

// Reader of the engine's plain-text configuration files: the settings file,
// image and font descriptions, widget image folders and the controller file.
//
// Line rules shared by all of them: a file is read in pieces of at most
// `zeilenlaenge` characters (a longer line comes in several pieces, each one
// treated as a line of its own); pieces that begin with '#', '\r' or '\n' and
// empty ones are skipped. A reader looks for its keys as substrings in a fixed
// order, the first one found decides, and the value is then read with the
// key's pattern from the first character of the line, in the manner of sscanf.
class VOQ_Konfig
{
public:
    static constexpr std::size_t ZEILE_KURZ = 127;
    static constexpr std::size_t ZEILE_LANG = 4095;

    explicit VOQ_Konfig(std::size_t zeilenlaenge);
    ~VOQ_Konfig();
    VOQ_Konfig(const VOQ_Konfig&) = delete;
    VOQ_Konfig& operator=(const VOQ_Konfig&) = delete;

    bool Oeffne(const std::string& pfad);
    bool IstOffen() const;
    // The next piece that is no comment and not empty; false at the end of the file.
    bool NaechsteZeile(std::string& zeile);
    void Schliesse();

    // Hands every such piece of the file at pfad to jede(zeile), in order;
    // false when the file does not open.
    template <class Jede>
    static bool JedeZeile(const std::string& pfad, std::size_t zeilenlaenge, Jede jede)
    {
        VOQ_Konfig konfig(zeilenlaenge);
        if (!konfig.Oeffne(pfad))
            return false;
        std::string zeile;
        while (konfig.NaechsteZeile(zeile))
            jede(zeile);
        return true;
    }

    // Index of the first key (in the given order) that occurs in the line, -1 if none.
    static int FindeSchluessel(const std::string& zeile, const char* const schluessel[], int anzahl);

    // Pattern "KEY=%d,%d,...": the number of values read from the line's start
    // (as sscanf counts them); values not read keep what they held.
    // Numbers beyond the int range are clamped.
    static int LeseZahlen(const std::string& zeile, const char* schluessel, int werte[], int anzahl);
    static bool LeseZahl(const std::string& zeile, const char* schluessel, int& wert);

    // Pattern "KEY=%f".
    static bool LeseFliesszahl(const std::string& zeile, const char* schluessel, float& wert);

    // Pattern "KEY=%s": one word, ended by white space.
    static bool LeseWort(const std::string& zeile, const char* schluessel, std::string& wort);
    // "KEY=" and the rest of the line, blanks inside kept, white space at
    // either end and the line end removed (possibly empty).
    static bool LeseText(const std::string& zeile, const char* schluessel, std::string& text);

    // The folder keys of the settings file (pattern "KEY=%s", keys looked for
    // in the given order, the last line wins) into ziele, logged as a step of
    // the class `klasse`. A key the file does not set, or every key when the
    // file can't be read, takes the folder that the shipped settings file
    // names, and the log says so. False when the file does not open.
    static bool LeseOrdner(const char* klasse, const std::string& pfad, const char* const schluessel[],
                           std::string* const ziele[], int anzahl);
    // The folder the shipped settings file names for a folder key; empty for
    // any other key.
    static std::string VorgabeOrdner(const std::string& schluessel);

private:
    // One piece as fgets with a buffer of zeilenlaenge + 1 would give it.
    bool LeseStueck(std::string& stueck);

    std::size_t zeilenlaenge;
    std::FILE* datei;
};
