#include "Bestenliste.h"

#include <algorithm>
#include <climits>
#include <cstdio>
#include <fstream>

#include <unistd.h>

const char* const BESTENLISTE_DATEI = "quaderfall.dll";

namespace
{
// Written first, then renamed over the list.
const char* const NEUE_DATEI = "quaderfall.dll.neu";

// As atoi: an optional sign and the leading digits, 0 when there are none;
// a number beyond the range of an int is held at its end.
int Zahl(const std::string& text)
{
    std::size_t i = 0;
    bool negativ = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negativ = text[i] == '-';
        ++i;
    }
    const long long grenze = negativ ? -static_cast<long long>(INT_MIN) : INT_MAX;
    long long wert = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
        wert = std::min(grenze, wert * 10 + (text[i] - '0'));
    return static_cast<int>(negativ ? -wert : wert);
}

std::string OhneTrenner(const std::string& name)
{
    std::string rein;
    for (char c : name) {
        if (c != '|' && c != ';')
            rein += c;
    }
    return rein;
}

std::string Inhalt(const std::string* namen, const int* punkte, int anzahl)
{
    std::string inhalt;
    for (int k = 0; k < anzahl; ++k)
        inhalt += OhneTrenner(namen[k]) + "|" + std::to_string(punkte[k]) + ";";
    return inhalt;
}

// The whole content onto the disk, not just into a buffer: only then may the
// new file replace the old one.
bool SchreibeSicher(const char* pfad, const std::string& inhalt)
{
    std::FILE* datei = std::fopen(pfad, "wb");
    if (!datei)
        return false;
    bool gut = std::fwrite(inhalt.data(), 1, inhalt.size(), datei) == inhalt.size();
    gut = std::fflush(datei) == 0 && gut;
    gut = fsync(fileno(datei)) == 0 && gut;
    gut = std::fclose(datei) == 0 && gut;
    return gut;
}
}

int LeseBestenliste(std::string* namen, int* punkte)
{
    std::ifstream datei(BESTENLISTE_DATEI);
    if (!datei)
        return 0;

    std::string punkttext[BESTENLISTE_PLAETZE];
    int anzahl = 0;
    bool beiPunkten = false;
    char c = 0;
    // >> skips white space, as the list has always been read.
    while (anzahl < BESTENLISTE_PLAETZE && datei >> c) {
        if (c == ';') {
            ++anzahl;
            beiPunkten = false;
        } else if (c == '|') {
            beiPunkten = true;
        } else if (beiPunkten) {
            punkttext[anzahl] += c;
        } else {
            namen[anzahl] += c;
        }
    }
    // What follows the last ";" is no record.
    if (anzahl < BESTENLISTE_PLAETZE)
        namen[anzahl].clear();

    for (int k = 0; k < anzahl; ++k)
        punkte[k] = Zahl(punkttext[k]);
    return anzahl;
}

bool SchreibeBestenliste(std::string* namen, int* punkte, int anzahl)
{
    anzahl = std::clamp(anzahl, 0, BESTENLISTE_PLAETZE);
    if (!SchreibeSicher(NEUE_DATEI, Inhalt(namen, punkte, anzahl))
        || std::rename(NEUE_DATEI, BESTENLISTE_DATEI) != 0) {
        std::remove(NEUE_DATEI);
        return false;
    }
    return true;
}

int PlatzFuer(const int* punkte, int anzahl, int reihen)
{
    for (int i = 0; i < BESTENLISTE_PLAETZE; ++i) {
        const int wert = i < anzahl ? punkte[i] : 0;
        if (wert < reihen)
            return i;
    }
    return BESTENLISTE_PLAETZE;
}

int TrageEin(std::string* namen, int* punkte, int anzahl, int platz, int reihen)
{
    if (platz < 0 || platz >= BESTENLISTE_PLAETZE)
        return anzahl;
    for (int i = BESTENLISTE_PLAETZE - 1; i > platz; --i) {
        namen[i] = namen[i - 1];
        punkte[i] = punkte[i - 1];
    }
    namen[platz] = "";
    punkte[platz] = reihen;
    return std::min(BESTENLISTE_PLAETZE, std::max(anzahl, platz) + 1);
}
