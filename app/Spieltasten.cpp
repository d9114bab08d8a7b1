#include "Spieltasten.h"

#include "VOQ_Log.h"

#include "SDL.h"

#include <algorithm>
#include <cctype>

const char* const Spieltasten::SCHLUESSEL[AKTIONEN] = {
    "TASTE_LINKS", "TASTE_RECHTS", "TASTE_DREHEN", "TASTE_SENKEN", "TASTE_FALLEN", "TASTE_PAUSE",
};

namespace
{
const int VORGABE[Spieltasten::AKTIONEN] = {SDLK_LEFT, SDLK_RIGHT, SDLK_UP, SDLK_DOWN, SDLK_SPACE, SDLK_ESCAPE};

std::string Klein(std::string text)
{
    for (char& c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

std::string Getrimmt(const std::string& text)
{
    const std::size_t anfang = text.find_first_not_of(" \t");
    if (anfang == std::string::npos)
        return "";
    return text.substr(anfang, text.find_last_not_of(" \t") - anfang + 1);
}

std::string Name(int taste)
{
    return SDL_GetKeyName(static_cast<SDLKey>(taste));
}

bool Gemeinsam(const std::vector<int>& a, const std::vector<int>& b, int& taste)
{
    for (int t : a) {
        if (std::find(b.begin(), b.end(), t) != b.end()) {
            taste = t;
            return true;
        }
    }
    return false;
}
}

Spieltasten::Spieltasten()
{
    for (int a = 0; a < AKTIONEN; ++a)
        tasten[a] = {VORGABE[a]};
}

int Spieltasten::TasteZuName(const std::string& name)
{
    const std::string gesucht = Klein(name);
    for (int taste = 0; taste < SDLK_LAST; ++taste) {
        const char* n = SDL_GetKeyName(static_cast<SDLKey>(taste));
        if (n && gesucht == n && gesucht != "unknown key")
            return taste;
    }
    return -1;
}

bool Spieltasten::Setze(Aktion aktion, const std::string& namen)
{
    if (aktion < 0 || aktion >= AKTIONEN)
        return false;
    std::vector<int> neu;
    std::size_t anfang = 0;
    while (anfang <= namen.size()) {
        std::size_t komma = namen.find(',', anfang);
        if (komma == std::string::npos)
            komma = namen.size();
        const std::string name = Getrimmt(namen.substr(anfang, komma - anfang));
        const int taste = TasteZuName(name);
        // F11 switches the full screen before any screen sees it.
        if (taste < 0 || taste == SDLK_F11) {
            Melde(aktion, namen, "'" + VOQ_Log::AlsUtf8(name) + "' IST KEINE TASTE DES SPIELS, DIE ZEILE BLEIBT UNBEACHTET");
            return false;
        }
        if (std::find(neu.begin(), neu.end(), taste) == neu.end())
            neu.push_back(taste);
        anfang = komma + 1;
    }
    tasten[aktion] = neu;
    zeile[aktion] = namen;
    return true;
}

void Spieltasten::Entwirre()
{
    for (int a = 0; a < AKTIONEN; ++a) {
        for (int b = a + 1; b < AKTIONEN; ++b) {
            int taste = 0;
            if (!Gemeinsam(tasten[a], tasten[b], taste))
                continue;
            // Two defaults never share a key: one of them came from the file.
            const int zurueck = Vorgabe(static_cast<Aktion>(b)) ? a : b;
            const int andere = zurueck == a ? b : a;
            Melde(static_cast<Aktion>(zurueck), zeile[zurueck], "'" + Name(taste) + "' GEHÖRT SCHON ZU " + SCHLUESSEL[andere] + ", "
                                                    + SCHLUESSEL[zurueck] + " BLEIBT BEI '"
                                                    + Name(VORGABE[zurueck]) + "'");
            tasten[zurueck] = {VORGABE[zurueck]};
            // The default may meet another action now: from the start again.
            a = -1;
            break;
        }
    }
}

bool Spieltasten::Ist(Aktion aktion, int taste) const
{
    const std::vector<int>& t = Tasten(aktion);
    return std::find(t.begin(), t.end(), taste) != t.end();
}

const std::vector<int>& Spieltasten::Tasten(Aktion aktion) const
{
    static const std::vector<int> keine;
    return aktion >= 0 && aktion < AKTIONEN ? tasten[aktion] : keine;
}

bool Spieltasten::Vorgabe(Aktion aktion) const
{
    return Tasten(aktion) == std::vector<int>{VORGABE[aktion]};
}

void Spieltasten::Melde(Aktion aktion, const std::string& wert, const std::string& text) const
{
    VOQ_Log::Fehler("\n#o> Spieltasten - FEHLER: " + std::string(SCHLUESSEL[aktion]) + "=" + VOQ_Log::AlsUtf8(wert)
                    + ": " + text + "\n\n");
}
