#include "Spielsteuerung.h"

#include "Globale.h"
#include "VOQ_Log.h"

#include "SDL.h"

namespace
{
bool Folgebyte(unsigned char c)
{
    return (c & 0xC0) == 0x80;
}

// Length of the UTF-8 sequence at s and its code point; 0 when s starts none.
int LeseZeichen(const unsigned char* s, unsigned long& zeichen)
{
    if (s[0] < 0x80) {
        zeichen = s[0];
        return 1;
    }
    int laenge = 0;
    if ((s[0] & 0xE0) == 0xC0) {
        laenge = 2;
        zeichen = s[0] & 0x1F;
    } else if ((s[0] & 0xF0) == 0xE0) {
        laenge = 3;
        zeichen = s[0] & 0x0F;
    } else if ((s[0] & 0xF8) == 0xF0) {
        laenge = 4;
        zeichen = s[0] & 0x07;
    } else {
        return 0;
    }
    for (int i = 1; i < laenge; ++i) {
        if (!Folgebyte(s[i]))
            return 0;
        zeichen = (zeichen << 6) | (s[i] & 0x3F);
    }
    // Overlong forms of small code points are no valid UTF-8.
    const unsigned long kleinste[] = {0, 0, 0x80, 0x800, 0x10000};
    return zeichen < kleinste[laenge] ? 0 : laenge;
}
}

std::string Spielsteuerung::AlsLatin1(const char* utf8)
{
    std::string latin1;
    if (!utf8)
        return latin1;
    const unsigned char* s = reinterpret_cast<const unsigned char*>(utf8);
    while (*s) {
        unsigned long zeichen = 0;
        int laenge = LeseZeichen(s, zeichen);
        if (laenge == 0) {
            zeichen = *s;
            laenge = 1;
        }
        if (zeichen < 0x20 || zeichen == 0x7F)
            latin1 += ' ';
        else if (zeichen > 0xFF)
            latin1 += '?';
        else
            latin1 += static_cast<char>(zeichen);
        s += laenge;
    }
    return latin1;
}

std::string Spielsteuerung::Name(int index)
{
    return AlsLatin1(SDL_JoystickName(index));
}

std::vector<std::string> Spielsteuerung::Namen()
{
    std::vector<std::string> namen;
    const int anzahl = SDL_NumJoysticks();
    for (int i = 0; i < anzahl; ++i)
        namen.push_back(Name(i));
    return namen;
}

void Spielsteuerung::Oeffne()
{
    SDL_JoystickEventState(SDL_ENABLE);
    if (SDL_NumJoysticks() > 0)
        joy = SDL_JoystickOpen(0);
}

// sdl12-compat counts the controllers only when its joystick part starts.
void Spielsteuerung::SucheNeu()
{
    if (joy)
        return;
    SDL_QuitSubSystem(SDL_INIT_JOYSTICK);
    if (SDL_InitSubSystem(SDL_INIT_JOYSTICK) < 0) {
        VOQ_Log::Fehler(std::string("\n#o> Spielsteuerung - FEHLER: KEINE SUCHE NACH SPIELSTEUERUNGEN: ")
                        + SDL_GetError() + "\n\n");
        return;
    }
    Oeffne();
    const char* name = joy ? SDL_JoystickName(0) : nullptr;
    if (joy)
        VOQ_Log::Aus(std::string("#o> Spielsteuerung gefunden: '") + (name ? name : "") + "'\n");
}
