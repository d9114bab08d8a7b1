#include "VOQ_Log.h"

#include <cstdio>

namespace
{
void Standardsenke(VOQ_Log::Strom strom, const std::string& text)
{
    std::FILE* datei = (strom == VOQ_Log::FEHLERAUSGABE) ? stderr : stdout;
    std::fwrite(text.data(), 1, text.size(), datei);
    std::fflush(datei);
}
}

VOQ_Log::Senke VOQ_Log::senke = Standardsenke;

void VOQ_Log::Aus(const std::string& text)
{
    senke(AUSGABE, text);
}

void VOQ_Log::Fehler(const std::string& text)
{
    senke(FEHLERAUSGABE, text);
}

void VOQ_Log::SetzeSenke(Senke neu)
{
    senke = neu ? neu : Standardsenke;
}

std::string VOQ_Log::AlsUtf8(const std::string& latin1)
{
    std::string utf8;
    for (unsigned char c : latin1) {
        if (c < 0x80) {
            utf8 += static_cast<char>(c);
        } else {
            utf8 += static_cast<char>(0xC0 | (c >> 6));
            utf8 += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return utf8;
}
