#pragma once

#include <string>
#include <vector>

// The keys of the game screen, one or more for each action: by default the
// arrow keys, Space and Escape; "TASTE_..." lines of the settings file name
// others, which then take the default's place. Menus, text fields and the
// controller screen keep their own keys.
class Spieltasten
{
public:
    enum Aktion { LINKS, RECHTS, DREHEN, SENKEN, FALLEN, PAUSE, AKTIONEN };
    // The settings file's key of each action, "TASTE_LINKS" to "TASTE_PAUSE".
    static const char* const SCHLUESSEL[AKTIONEN];

    Spieltasten();

    // The value of an action's line: SDL 1.2 key names ("left", "a",
    // "space", "[4]", "left shift"), separated by commas, in any case. A name
    // that is no key, or a key the game never sees, is an error line, and the
    // action keeps the keys it had.
    bool Setze(Aktion aktion, const std::string& namen);
    // After the last line: where a key belongs to two actions, the action
    // given its keys by the file (the later one, if both were) goes back to
    // its default, with an error line; until no key belongs to two.
    void Entwirre();

    // Whether the key (an SDL 1.2 key symbol) is one of the action's.
    bool Ist(Aktion aktion, int taste) const;
    const std::vector<int>& Tasten(Aktion aktion) const;
    // Whether the action still has its default key.
    bool Vorgabe(Aktion aktion) const;

    // The key of an SDL 1.2 key name (as SDL_GetKeyName gives it, any case), -1 for none.
    static int TasteZuName(const std::string& name);

private:
    // wert: the line's value (Latin-1); text: UTF-8, as the log is.
    void Melde(Aktion aktion, const std::string& wert, const std::string& text) const;

    std::vector<int> tasten[AKTIONEN];
    std::string zeile[AKTIONEN];  // the value of the line that set the keys, for the error lines
};
