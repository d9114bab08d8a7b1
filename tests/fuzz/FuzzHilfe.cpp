#include "FuzzHilfe.h"

#include "VOQ_Log.h"
#include "VOQ_OGL_Bildlauf.h"
#include "VOQ_OGL_Init.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

// The targets that load pictures: a request beyond 64 MB fails as a full
// memory would (the engine must cope), rather than a description of a few
// bytes making the process ask for gigabytes.
extern "C" const char* __asan_default_options()
{
    return "allocator_may_return_null=1:max_allocation_size_mb=64";
}

namespace fuzz
{
namespace
{
std::string verzeichnis;

[[noreturn]] void Abbruch(const std::string& text)
{
    std::fprintf(stderr, "fuzz: %s\n", text.c_str());
    std::_Exit(2);
}

}

int Beginne(bool grafik, std::initializer_list<std::pair<std::string, std::string>> dateien)
{
    if (!std::getenv("QF_FUZZ_LOG"))
        VOQ_Log::SetzeSenke([](VOQ_Log::Strom, const std::string&) {});
    const char* basis = std::getenv("QF_FUZZ_TMP");
    std::string muster = std::string(basis && *basis ? basis : "/tmp") + "/qf-fuzz-XXXXXX";
    if (!mkdtemp(&muster[0]))
        Abbruch("kein privates Verzeichnis " + muster);
    verzeichnis = muster;
    std::atexit([] {
        std::error_code fehler;
        std::filesystem::remove_all(verzeichnis, fehler);
    });
    const Hier hier;
    for (const auto& [pfad, inhalt] : dateien)
        Schreibe(pfad, inhalt);
    if (grafik) {
        setenv("SDL_VIDEODRIVER", "offscreen", 1);
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        static VOQ_OGL_Init init;
        if (!init.InitVideo(1024, 768, 32, false))
            Abbruch("kein OpenGL-Zusammenhang (SDL offscreen)");
    }
    return 0;
}

std::string Testbild()
{
    std::ifstream datei(QF_FUZZ_QUELLE "/bild.bmp", std::ios::binary);
    std::stringstream bytes;
    if (!(bytes << datei.rdbuf()))
        Abbruch("kein Testbild " QF_FUZZ_QUELLE "/bild.bmp");
    return bytes.str();
}

Hier::Hier(const std::string& datei, const std::uint8_t* daten, std::size_t groesse)
    : vorher(open(".", O_RDONLY | O_DIRECTORY))
{
    if (vorher < 0 || chdir(verzeichnis.c_str()) != 0)
        Abbruch("kann nicht nach " + verzeichnis + " wechseln");
    if (!datei.empty())
        Schreibe(datei, std::string(reinterpret_cast<const char*>(daten), groesse));
}

Hier::~Hier()
{
    if (fchdir(vorher) != 0)
        Abbruch("kann nicht ins vorige Verzeichnis zurueck");
    close(vorher);
}

void Schreibe(const std::string& pfad, const std::string& inhalt)
{
    std::error_code fehler;
    std::filesystem::create_directories(std::filesystem::path(pfad).parent_path(), fehler);
    std::ofstream datei(pfad, std::ios::binary);
    if (!(datei << inhalt))
        Abbruch("kann " + pfad + " nicht schreiben");
}

void ZeichneAlles(VOQ_OGL_Bildlauf& bild)
{
    bild.SetTransColor(3);
    for (int i = 1; i <= bild.GetBildAnzahl() && i <= 64; ++i) {
        bild.SetAnimPos(i);
        bild.Draw(0, 0);
    }
}
}
