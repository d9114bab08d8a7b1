#include "KL_Noten.h"

#include <cmath>
#include <cstdlib>
#include <sstream>

namespace
{
int Stufe(char buchstabe)
{
    switch (buchstabe) {
    case 'C': return 0;
    case 'D': return 2;
    case 'E': return 4;
    case 'F': return 5;
    case 'G': return 7;
    case 'A': return 9;
    case 'B': return 11;
    default: return -1;
    }
}

// Reads letter and accidental from the front; answers the characters used.
int Tonklasse(const std::string& text, int& klasse)
{
    if (text.empty() || Stufe(text[0]) < 0) {
        return 0;
    }
    klasse = Stufe(text[0]);
    if (text.size() > 1 && text[1] == '#') {
        klasse += 1;
        return 2;
    }
    if (text.size() > 1 && text[1] == 'b') {
        klasse -= 1;
        return 2;
    }
    return 1;
}
}

int KL_Noten::Note(const std::string& name)
{
    int klasse = 0;
    const int gelesen = Tonklasse(name, klasse);
    if (gelesen == 0 || static_cast<int>(name.size()) != gelesen + 1) {
        return 0;
    }
    const char ziffer = name[gelesen];
    if (ziffer < '0' || ziffer > '7') {
        return 0;
    }
    const int note = (ziffer - '0') * 12 + klasse + 1;
    return (note >= 1 && note <= 96) ? note : 0;
}

double KL_Noten::Frequenz(int note)
{
    return 440.0 * std::pow(2.0, (note - 58) / 12.0);
}

std::vector<std::string> KL_Noten::Woerter(const std::string& text)
{
    std::vector<std::string> woerter;
    std::istringstream strom(text);
    std::string wort;
    while (strom >> wort) {
        if (wort != "|") {
            woerter.push_back(wort);
        }
    }
    return woerter;
}

std::vector<KL_Noten::Schritt> KL_Noten::Zeile(const std::string& zeile)
{
    std::vector<Schritt> schritte;
    for (const std::string& wort : Woerter(zeile)) {
        Schritt s;
        if (wort == "=") {
            s.note = LOSLASSEN;
        } else if (wort != ".") {
            const std::size_t doppelpunkt = wort.find(':');
            s.note = Note(wort.substr(0, doppelpunkt));
            if (doppelpunkt != std::string::npos) {
                s.lautstaerke = std::atoi(wort.c_str() + doppelpunkt + 1);
                s.lautstaerke = s.lautstaerke < 0 ? 0 : (s.lautstaerke > 64 ? 64 : s.lautstaerke);
            }
        }
        schritte.push_back(s);
    }
    return schritte;
}

KL_Noten::Akkord KL_Noten::AkkordAus(const std::string& symbol)
{
    Akkord a;
    const int gelesen = Tonklasse(symbol, a.grundton);
    a.grundton = (a.grundton + 12) % 12;
    const std::string art = symbol.substr(static_cast<std::size_t>(gelesen));
    if (art == "m") a.intervalle = {0, 3, 7};
    else if (art == "7") a.intervalle = {0, 4, 7, 10};
    else if (art == "m7") a.intervalle = {0, 3, 7, 10};
    else if (art == "maj7") a.intervalle = {0, 4, 7, 11};
    else if (art == "m6") a.intervalle = {0, 3, 7, 9};
    else if (art == "sus4") a.intervalle = {0, 5, 7};
    else if (art == "add9") a.intervalle = {0, 4, 7, 14};
    else a.intervalle = {0, 4, 7};
    if (gelesen == 0) {
        a.grundton = 0;
        a.intervalle = {0, 4, 7};
    }
    return a;
}
