#include "Bestenliste.h"

#include <algorithm>
#include <climits>
#include <cstdio>

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

// Line breaks and tabs, which a list kept by hand may hold between and inside
// its records; blanks belong to the names.
bool Uebersprungen(char c)
{
    return c == '\n' || c == '\r' || c == '\t' || c == '\v' || c == '\f';
}

// An optional sign and at least one digit.
bool IstZahl(const std::string& text)
{
    const std::size_t i = !text.empty() && (text[0] == '+' || text[0] == '-') ? 1 : 0;
    return i < text.size() && text[i] >= '0' && text[i] <= '9';
}

// What the reader would lose or take for the end of a part.
std::string OhneTrenner(const std::string& name)
{
    std::string rein;
    for (char c : name) {
        if (c != '|' && c != ';' && !Uebersprungen(c))
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

std::string Ordner(const std::string& pfad)
{
    const std::size_t schraegstrich = pfad.rfind('/');
    if (schraegstrich == std::string::npos)
        return ".";
    return schraegstrich == 0 ? "/" : pfad.substr(0, schraegstrich);
}

// As many links as the system follows in a path.
const int MAX_VERWEISE = 40;

// The file the list really is: the end of its chain of symbolic links, each
// target relative to the folder of its link, else the list itself. Empty when
// the chain does not end (a loop of links).
std::string Ziel()
{
    std::string pfad = BESTENLISTE_DATEI;
    for (int schritt = 0; schritt < MAX_VERWEISE; ++schritt) {
        char ziel[4096];
        const ssize_t laenge = readlink(pfad.c_str(), ziel, sizeof ziel - 1);
        if (laenge <= 0)
            return pfad;
        ziel[laenge] = '\0';
        const std::string ordner = Ordner(pfad);
        pfad = ziel[0] == '/' || ordner == "." ? std::string(ziel) : ordner + "/" + ziel;
    }
    return "";
}

// The start of the list, at most BESTENLISTE_HOECHSTENS_BYTES; `ganz` when
// that is all of it. Opened without waiting, so that a named pipe in its place
// gives an empty list instead of a game that hangs.
bool LeseAnfang(std::string& inhalt, bool& ganz)
{
    const int fd = open(BESTENLISTE_DATEI, O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return false;
    inhalt.resize(BESTENLISTE_HOECHSTENS_BYTES + 1);
    std::size_t gelesen = 0;
    while (gelesen < inhalt.size()) {
        const ssize_t n = read(fd, &inhalt[gelesen], inhalt.size() - gelesen);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        gelesen += static_cast<std::size_t>(n);
    }
    close(fd);
    ganz = gelesen <= static_cast<std::size_t>(BESTENLISTE_HOECHSTENS_BYTES);
    inhalt.resize(std::min(gelesen, static_cast<std::size_t>(BESTENLISTE_HOECHSTENS_BYTES)));
    return true;
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

// The folder of the list, locked while one game reads, places and writes. The
// lock is taken only if it is free: a game must not hang while another
// process holds it. A folder that can't be opened or locked at all is used
// without the lock.
class Sperre
{
public:
    Sperre()
        : fd(open(Ordner(Ziel()).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)),
          besetzt(fd >= 0 && flock(fd, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK)
    {
    }
    ~Sperre()
    {
        if (fd >= 0)
            close(fd);
    }
    Sperre(const Sperre&) = delete;
    Sperre& operator=(const Sperre&) = delete;

    bool Besetzt() const { return besetzt; }

private:
    int fd;
    bool besetzt;
};
}

int LeseBestenliste(std::string* namen, int* punkte)
{
    std::string inhalt;
    bool ganz = false;
    if (!LeseAnfang(inhalt, ganz))
        return 0;

    std::string punkttext[BESTENLISTE_PLAETZE];
    int anzahl = 0;
    bool beiPunkten = false;
    for (std::size_t i = 0; i < inhalt.size() && anzahl < BESTENLISTE_PLAETZE; ++i) {
        const char c = inhalt[i];
        if (Uebersprungen(c) || (beiPunkten && c == ' '))
            continue;
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
    // A last record that lacks only its ";" is one. Anything else after the
    // last ";", and a record that the limit cut off, is not.
    if (anzahl < BESTENLISTE_PLAETZE) {
        if (ganz && beiPunkten && IstZahl(punkttext[anzahl]))
            ++anzahl;
        else
            namen[anzahl].clear();
    }

    for (int k = 0; k < anzahl; ++k)
        punkte[k] = Zahl(punkttext[k]);
    return anzahl;
}

bool SchreibeBestenliste(std::string* namen, int* punkte, int anzahl)
{
    anzahl = std::clamp(anzahl, 0, BESTENLISTE_PLAETZE);
    const std::string ziel = Ziel();
    if (ziel.empty())
        return false;
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

Speicherung SpeichereSpiel(const std::string& name, int reihen)
{
    const Sperre sperre;
    if (sperre.Besetzt())
        return Speicherung::GESPERRT;
    std::string namen[BESTENLISTE_PLAETZE];
    int punkte[BESTENLISTE_PLAETZE] = {};
    int anzahl = LeseBestenliste(namen, punkte);
    const int platz = PlatzFuer(punkte, anzahl, reihen);
    if (platz >= BESTENLISTE_PLAETZE)
        return Speicherung::GESPEICHERT;
    anzahl = TrageEin(namen, punkte, anzahl, platz, reihen);
    namen[platz] = name;
    return SchreibeBestenliste(namen, punkte, anzahl) ? Speicherung::GESPEICHERT : Speicherung::GESCHEITERT;
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
