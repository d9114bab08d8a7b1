#include "FuzzHilfe.h"

#include "VOQ_Log.h"
#include "VOQ_OGL_Bildlauf.h"
#include "VOQ_OGL_Init.h"

#include <fcntl.h>
#include <ftw.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace
{
std::string verzeichnis;

int EntferneEintrag(const char* pfad, const struct stat*, int, struct FTW*)
{
    return std::remove(pfad);
}

void RaeumeAuf()
{
    if (!verzeichnis.empty())
        nftw(verzeichnis.c_str(), EntferneEintrag, 16, FTW_DEPTH | FTW_PHYS);
}

[[noreturn]] void Abbruch(const std::string& text)
{
    std::fprintf(stderr, "fuzz: %s\n", text.c_str());
    std::_Exit(2);
}

std::string Basis()
{
    const char* vorgabe = std::getenv("QF_FUZZ_TMP");
    if (vorgabe && *vorgabe)
        return vorgabe;
    struct stat info;
    if (stat("/dev/shm", &info) == 0 && S_ISDIR(info.st_mode) && access("/dev/shm", W_OK) == 0)
        return "/dev/shm";
    return "/tmp";
}

void SchweigendeSenke(VOQ_Log::Strom, const std::string&)
{
}

void Klein(std::string& ziel, std::uint32_t wert, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        ziel.push_back(static_cast<char>((wert >> (8 * i)) & 0xff));
}
}

const std::string& FuzzHilfe::Verzeichnis()
{
    if (verzeichnis.empty()) {
        std::string muster = Basis() + "/qf-fuzz-XXXXXX";
        if (!mkdtemp(&muster[0]))
            Abbruch("kein privates Verzeichnis unter " + Basis());
        verzeichnis = muster;
        std::atexit(RaeumeAuf);
    }
    return verzeichnis;
}

FuzzHilfe::ImVerzeichnis::ImVerzeichnis()
    : vorher(open(".", O_RDONLY | O_DIRECTORY))
{
    if (chdir(Verzeichnis().c_str()) != 0)
        Abbruch("kann nicht nach " + Verzeichnis() + " wechseln");
}

FuzzHilfe::ImVerzeichnis::~ImVerzeichnis()
{
    if (vorher >= 0) {
        if (fchdir(vorher) != 0)
            Abbruch("kann nicht ins vorige Verzeichnis zurueck");
        close(vorher);
    }
}

void FuzzHilfe::Schreibe(const std::string& pfad, const void* daten, std::size_t groesse)
{
    const std::string voll = Verzeichnis() + "/" + pfad;
    std::FILE* datei = std::fopen(voll.c_str(), "wb");
    if (!datei)
        Abbruch("kann " + voll + " nicht schreiben");
    if (groesse > 0 && std::fwrite(daten, 1, groesse, datei) != groesse)
        Abbruch("kann " + voll + " nicht ganz schreiben");
    std::fclose(datei);
}

void FuzzHilfe::Schreibe(const std::string& pfad, const std::string& inhalt)
{
    Schreibe(pfad, inhalt.data(), inhalt.size());
}

void FuzzHilfe::Entferne(const std::string& pfad)
{
    std::remove((Verzeichnis() + "/" + pfad).c_str());
}

void FuzzHilfe::LegeOrdnerAn(const std::string& pfad)
{
    const std::string voll = Verzeichnis() + "/" + pfad;
    if (mkdir(voll.c_str(), 0700) != 0 && errno != EEXIST)
        Abbruch("kann " + voll + " nicht anlegen");
}

void FuzzHilfe::StilleLog()
{
    const char* wert = std::getenv("QF_FUZZ_LOG");
    if (!wert || std::strcmp(wert, "1") != 0)
        VOQ_Log::SetzeSenke(SchweigendeSenke);
}

void FuzzHilfe::StarteGrafik()
{
    // The offscreen driver needs no X server; audio is never opened.
    setenv("SDL_VIDEODRIVER", "offscreen", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    static VOQ_OGL_Init init;
    if (!init.InitVideo(1024, 768, 32, false))
        Abbruch("kein OpenGL-Zusammenhang (SDL offscreen)");
}

void FuzzHilfe::ZeichneAlleBilder(VOQ_OGL_Bildlauf& bild)
{
    bild.SetTransColor(3);
    for (int i = 1; i <= bild.GetBildAnzahl() && i <= 64; ++i) {
        bild.SetAnimPos(i);
        bild.Draw(0, 0);
    }
}

std::vector<std::string> FuzzHilfe::Teile(const std::uint8_t* daten, std::size_t groesse, char trenner,
                                          int hoechstens)
{
    std::vector<std::string> teile(1);
    for (std::size_t i = 0; i < groesse; ++i) {
        const char c = static_cast<char>(daten[i]);
        if (c == trenner && static_cast<int>(teile.size()) < hoechstens)
            teile.emplace_back();
        else
            teile.back().push_back(c);
    }
    return teile;
}

std::string FuzzHilfe::Bmp24(int breite, int hoehe)
{
    const int zeile = (breite * 3 + 3) / 4 * 4;
    const std::uint32_t pixelbytes = static_cast<std::uint32_t>(zeile * hoehe);
    std::string bmp = "BM";
    Klein(bmp, 54 + pixelbytes, 4);
    Klein(bmp, 0, 4);
    Klein(bmp, 54, 4);
    Klein(bmp, 40, 4);
    Klein(bmp, static_cast<std::uint32_t>(breite), 4);
    Klein(bmp, static_cast<std::uint32_t>(hoehe), 4);
    Klein(bmp, 1, 2);
    Klein(bmp, 24, 2);
    Klein(bmp, 0, 4);
    Klein(bmp, pixelbytes, 4);
    Klein(bmp, 2835, 4);
    Klein(bmp, 2835, 4);
    Klein(bmp, 0, 4);
    Klein(bmp, 0, 4);
    for (int y = 0; y < hoehe; ++y) {
        for (int x = 0; x < breite; ++x) {
            const bool schluessel = (x + y * breite) % 7 == 0;
            bmp.push_back(static_cast<char>(schluessel ? 255 : x * 16));  // blue
            bmp.push_back(static_cast<char>(schluessel ? 0 : y * 16));    // green
            bmp.push_back(static_cast<char>(schluessel ? 255 : 128));     // red
        }
        bmp.append(static_cast<std::size_t>(zeile - breite * 3), '\0');
    }
    return bmp;
}
