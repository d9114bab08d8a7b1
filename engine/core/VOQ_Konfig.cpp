#include "VOQ_Konfig.h"

#include "VOQ_Log.h"

#include <cctype>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace
{
bool IstLeerraum(char c)
{
    return std::isspace(static_cast<unsigned char>(c)) != 0;
}

bool IstZiffer(char c)
{
    return c >= '0' && c <= '9';
}

// Position just behind "KEY=" at the line's start, or npos.
std::size_t HinterSchluessel(const std::string& zeile, const char* schluessel)
{
    const std::size_t laenge = std::strlen(schluessel);
    if (zeile.compare(0, laenge, schluessel) != 0)
        return std::string::npos;
    if (zeile.size() <= laenge || zeile[laenge] != '=')
        return std::string::npos;
    return laenge + 1;
}

std::size_t UeberspringeLeerraum(const std::string& zeile, std::size_t pos)
{
    while (pos < zeile.size() && IstLeerraum(zeile[pos]))
        ++pos;
    return pos;
}

// "%d": white space, an optional sign, at least one digit. Clamps to the int range.
bool LeseGanzzahl(const std::string& zeile, std::size_t& pos, int& wert)
{
    std::size_t p = UeberspringeLeerraum(zeile, pos);
    bool negativ = false;
    if (p < zeile.size() && (zeile[p] == '+' || zeile[p] == '-')) {
        negativ = zeile[p] == '-';
        ++p;
    }
    if (p >= zeile.size() || !IstZiffer(zeile[p]))
        return false;

    long long betrag = 0;
    while (p < zeile.size() && IstZiffer(zeile[p])) {
        if (betrag <= static_cast<long long>(INT_MAX) + 1)
            betrag = betrag * 10 + (zeile[p] - '0');
        ++p;
    }
    long long ergebnis = negativ ? -betrag : betrag;
    if (ergebnis > INT_MAX)
        ergebnis = INT_MAX;
    if (ergebnis < INT_MIN)
        ergebnis = INT_MIN;
    wert = static_cast<int>(ergebnis);
    pos = p;
    return true;
}

// The resource folders as data/einstellungen.konfig names them.
struct Ordner
{
    const char* schluessel;
    const char* pfad;
};
const Ordner VORGABE_ORDNER[] = {
    {"SCHRIFTBILDER", "daten/bilder/eingabe/schriften"},
    {"MAUSZEIGERBILDER", "daten/bilder/eingabe/mauszeiger"},
    {"EINZELWAEHLFLAECHENBILDER", "daten/bilder/eingabe/einzelwaehlflaechen"},
    {"ANWAEHLFLAECHENBILDER", "daten/bilder/eingabe/anwaehlflaechen"},
    {"SCHALTFLAECHENBILDER", "daten/bilder/eingabe/schaltflaechen"},
    {"TEXTEINGABEBILDER", "daten/bilder/eingabe/texteingaben"},
    {"LANDSCHAFTEN", "daten/landschaften"},
    {"LANDSCHAFTSBILDER", "daten/bilder/landschaften"},
};
}

VOQ_Konfig::VOQ_Konfig(std::size_t laenge)
    : zeilenlaenge(laenge > 0 ? laenge : 1), datei(nullptr)
{
}

VOQ_Konfig::~VOQ_Konfig()
{
    Schliesse();
}

bool VOQ_Konfig::Oeffne(const std::string& pfad)
{
    Schliesse();
    datei = std::fopen(pfad.c_str(), "r");
    return datei != nullptr;
}

bool VOQ_Konfig::IstOffen() const
{
    return datei != nullptr;
}

void VOQ_Konfig::Schliesse()
{
    if (datei) {
        std::fclose(datei);
        datei = nullptr;
    }
}

bool VOQ_Konfig::LeseStueck(std::string& stueck)
{
    stueck.clear();
    if (!datei)
        return false;
    int zeichen = EOF;
    while (stueck.size() < zeilenlaenge && (zeichen = std::fgetc(datei)) != EOF) {
        stueck.push_back(static_cast<char>(zeichen));
        if (zeichen == '\n')
            break;
    }
    if (stueck.empty())
        return false;
    // A NUL byte ends the text of the piece, as it would for a C string.
    const std::size_t nul = stueck.find('\0');
    if (nul != std::string::npos)
        stueck.erase(nul);
    return true;
}

bool VOQ_Konfig::NaechsteZeile(std::string& zeile)
{
    while (LeseStueck(zeile)) {
        if (zeile.empty() || zeile[0] == '#' || zeile[0] == '\r' || zeile[0] == '\n')
            continue;
        return true;
    }
    return false;
}

int VOQ_Konfig::FindeSchluessel(const std::string& zeile, const char* const schluessel[], int anzahl)
{
    for (int i = 0; i < anzahl; ++i) {
        if (zeile.find(schluessel[i]) != std::string::npos)
            return i;
    }
    return -1;
}

int VOQ_Konfig::LeseZahlen(const std::string& zeile, const char* schluessel, int werte[], int anzahl)
{
    std::size_t pos = HinterSchluessel(zeile, schluessel);
    if (pos == std::string::npos)
        return 0;
    int gelesen = 0;
    for (int i = 0; i < anzahl; ++i) {
        if (i > 0) {
            if (pos >= zeile.size() || zeile[pos] != ',')
                break;
            ++pos;
        }
        if (!LeseGanzzahl(zeile, pos, werte[i]))
            break;
        ++gelesen;
    }
    return gelesen;
}

bool VOQ_Konfig::LeseZahl(const std::string& zeile, const char* schluessel, int& wert)
{
    return LeseZahlen(zeile, schluessel, &wert, 1) == 1;
}

bool VOQ_Konfig::LeseFliesszahl(const std::string& zeile, const char* schluessel, float& wert)
{
    std::size_t pos = HinterSchluessel(zeile, schluessel);
    if (pos == std::string::npos)
        return false;
    pos = UeberspringeLeerraum(zeile, pos);
    const char* anfang = zeile.c_str() + pos;
    char* ende = nullptr;
    const float zahl = std::strtof(anfang, &ende);
    if (ende == anfang)
        return false;
    wert = zahl;
    return true;
}

bool VOQ_Konfig::LeseWort(const std::string& zeile, const char* schluessel, std::string& wort)
{
    std::size_t pos = HinterSchluessel(zeile, schluessel);
    if (pos == std::string::npos)
        return false;
    pos = UeberspringeLeerraum(zeile, pos);
    std::size_t ende = pos;
    while (ende < zeile.size() && !IstLeerraum(zeile[ende]))
        ++ende;
    if (ende == pos)
        return false;
    wort = zeile.substr(pos, ende - pos);
    return true;
}

bool VOQ_Konfig::LeseText(const std::string& zeile, const char* schluessel, std::string& text)
{
    std::size_t pos = HinterSchluessel(zeile, schluessel);
    if (pos == std::string::npos)
        return false;
    pos = UeberspringeLeerraum(zeile, pos);
    std::size_t ende = zeile.size();
    while (ende > pos && IstLeerraum(zeile[ende - 1]))
        --ende;
    text = zeile.substr(pos, ende - pos);
    return true;
}

std::string VOQ_Konfig::VorgabeOrdner(const std::string& schluessel)
{
    for (const Ordner& o : VORGABE_ORDNER) {
        if (schluessel == o.schluessel)
            return o.pfad;
    }
    return "";
}

bool VOQ_Konfig::LeseOrdner(const char* klasse, const std::string& pfad, const char* const schluessel[],
                            std::string* const ziele[], int anzahl)
{
    VOQ_Log::Aus(std::string("#o> ") + klasse + "\n\t>Einlesen der Pfade '" + pfad + "' ...");
    VOQ_Konfig konfig(ZEILE_LANG);
    const bool offen = konfig.Oeffne(pfad);
    std::vector<bool> gesetzt(static_cast<std::size_t>(anzahl > 0 ? anzahl : 0), false);
    std::string zeile;
    while (konfig.NaechsteZeile(zeile)) {
        const int k = FindeSchluessel(zeile, schluessel, anzahl);
        if (k >= 0 && LeseWort(zeile, schluessel[k], *ziele[k]))
            gesetzt[static_cast<std::size_t>(k)] = true;
    }
    konfig.Schliesse();
    if (offen) {
        VOQ_Log::Aus("\t(erledigt)\n");
    } else {
        VOQ_Log::Aus("\t(nicht gelesen)\n");
        VOQ_Log::Fehler(std::string("\n#o> ") + klasse + " - FEHLER: Datei '" + pfad
                        + "' kann nicht geöffnet werden.\n\n");
    }
    for (int k = 0; k < anzahl; ++k) {
        if (gesetzt[static_cast<std::size_t>(k)])
            continue;
        *ziele[k] = VorgabeOrdner(schluessel[k]);
        VOQ_Log::Aus(std::string("\t>Vorgabe für ") + schluessel[k] + ": '" + *ziele[k] + "'\n");
    }
    return offen;
}
