#pragma once

#include <string>

// The program's log: progress lines go to standard output, error lines (those
// with "FEHLER") to standard error, every write flushed at once. Texts are
// written exactly as given; callers add the line ends the messages need.
// Tests swap the sink to read what was written.
class VOQ_Log
{
public:
    enum Strom { AUSGABE = 1, FEHLERAUSGABE = 2 };
    using Senke = void (*)(Strom strom, const std::string& text);

    static void Aus(const std::string& text);
    static void Fehler(const std::string& text);

    // nullptr restores the standard streams.
    static void SetzeSenke(Senke senke);

private:
    static Senke senke;
};
