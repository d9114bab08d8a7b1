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

    // A Latin-1 text (a value from one of the game's files) as the UTF-8 the log is written in.
    static std::string AlsUtf8(const std::string& latin1);

private:
    static Senke senke;
};
