#include "Bestenliste.h"

#include <algorithm>
#include <climits>
#include <cstdio>
#include <fstream>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

const char* const BESTENLISTE_DATEI = "quaderfall.dll";

namespace
{

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

// The file the list really is: where a symbolic link points (relative to the
// link's folder, the working directory), else the list itself.
std::string Ziel()
{
    char ziel[4096];
    const ssize_t laenge = readlink(BESTENLISTE_DATEI, ziel, sizeof ziel - 1);
    if (laenge <= 0)
        return BESTENLISTE_DATEI;
    ziel[laenge] = '\0';
    return ziel;
}

std::string Ordner(const std::string& pfad)
{
    const std::size_t schraegstrich = pfad.rfind('/');
    if (schraegstrich == std::string::npos)
        return ".";
    return schraegstrich == 0 ? "/" : pfad.substr(0, schraegstrich);
}

// The whole content onto the disk, not just into a buffer: only then may the
// new file replace the old one. It gets the permissions given.
bool SchreibeSicher(const std::string& pfad, const std::string& inhalt, mode_t rechte)
{
    const int fd = open(pfad.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0)
        return false;
    bool gut = fchmod(fd, rechte) == 0;
    std::size_t geschrieben = 0;
    while (gut && geschrieben < inhalt.size()) {
        const ssize_t n = write(fd, inhalt.data() + geschrieben, inhalt.size() - geschrieben);
        gut = n > 0;
        if (gut)
            geschrieben += static_cast<std::size_t>(n);
    }
    gut = fsync(fd) == 0 && gut;
    gut = close(fd) == 0 && gut;
    return gut;
}

// A rename is on the disk only once its folder is.
void SynchronisiereOrdner(const std::string& ordner)
{
    const int fd = open(ordner.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    fsync(fd);
    close(fd);
}

// The folder of the list, locked while one game reads, places and writes.
class Sperre
{
public:
    Sperre()
        : fd(open(Ordner(Ziel()).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC))
    {
        if (fd >= 0)
            while (flock(fd, LOCK_EX) != 0 && errno == EINTR) {
            }
    }
    ~Sperre()
    {
        if (fd >= 0)
            close(fd);
    }
    Sperre(const Sperre&) = delete;
    Sperre& operator=(const Sperre&) = delete;

private:
    int fd;
};
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
    const std::string ziel = Ziel();
    mode_t rechte = 0644;
    struct stat alt;
    if (stat(ziel.c_str(), &alt) == 0) {
        // Written in place, a list its owner may not write would stay as it is.
        if (!(alt.st_mode & S_IWUSR))
            return false;
        rechte = alt.st_mode & 07777;
    }
    const std::string neu = ziel + ".neu";
    if (!SchreibeSicher(neu, Inhalt(namen, punkte, anzahl), rechte) || std::rename(neu.c_str(), ziel.c_str()) != 0) {
        std::remove(neu.c_str());
        return false;
    }
    SynchronisiereOrdner(Ordner(ziel));
    return true;
}

bool SpeichereSpiel(const std::string& name, int reihen)
{
    Sperre sperre;
    std::string namen[BESTENLISTE_PLAETZE];
    int punkte[BESTENLISTE_PLAETZE] = {};
    int anzahl = LeseBestenliste(namen, punkte);
    const int platz = PlatzFuer(punkte, anzahl, reihen);
    if (platz >= BESTENLISTE_PLAETZE)
        return true;
    anzahl = TrageEin(namen, punkte, anzahl, platz, reihen);
    namen[platz] = name;
    return SchreibeBestenliste(namen, punkte, anzahl);
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
