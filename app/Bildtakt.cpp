#include "Bildtakt.h"

#include "VOQ_Konfig.h"
#include "VOQ_Log.h"

#include <dlfcn.h>

namespace
{
const int VORGABE_RATE = 60;

// SDL 1.2 can't tell the refresh rate; sdl12-compat runs on SDL2, which can.
// Same layout as SDL2's SDL_DisplayMode.
struct Anzeigemodus {
    std::uint32_t format;
    int w;
    int h;
    int refresh_rate;
    void* driverdata;
};

int Anzeigerate()
{
    void* sdl2 = dlopen("libSDL2-2.0.so.0", RTLD_LAZY | RTLD_NOLOAD);
    if (!sdl2)
        return 0;
    using Frage = int (*)(int, Anzeigemodus*);
    Frage frage = reinterpret_cast<Frage>(dlsym(sdl2, "SDL_GetCurrentDisplayMode"));
    Anzeigemodus modus = {};
    const int rate = frage && frage(0, &modus) == 0 ? modus.refresh_rate : 0;
    dlclose(sdl2);
    return rate;
}
}

int Bildtakt::LeseRate(const std::string& pfad)
{
    static const char* const SCHLUESSEL[] = {"BILDRATE"};
    VOQ_Konfig konfig(VOQ_Konfig::ZEILE_KURZ);
    int rate = -1;
    std::string zeile;
    if (!konfig.Oeffne(pfad))
        return rate;
    while (konfig.NaechsteZeile(zeile))
        if (VOQ_Konfig::FindeSchluessel(zeile, SCHLUESSEL, 1) == 0)
            VOQ_Konfig::LeseZahl(zeile, "BILDRATE", rate);
    return rate < 0 ? -1 : rate;
}

std::uint32_t Bildtakt::Warten(Takt& takt, std::uint32_t jetzt, int rate, unsigned long bilder)
{
    if (rate <= 0)
        return 0;
    const bool ohneBild = bilder == takt.bilder;
    takt.bilder = bilder;
    if (ohneBild)
        return 0;
    const double periode = 1000.0 / rate;
    double rest = takt.faellig - jetzt;
    // Never more than a period ahead, but for rounding; further means the
    // clock went back (or wrapped), which must not stall the loop.
    if (rest > periode + 1.0)
        takt.faellig = rest = 0.0;
    const std::uint32_t warten = rest > 0.0 ? static_cast<std::uint32_t>(rest) : 0;
    const double beginn = static_cast<double>(jetzt) + warten;
    // A late frame moves the schedule on instead of rushing the next ones.
    takt.faellig = (takt.faellig > beginn ? takt.faellig : beginn) + periode;
    return warten;
}

std::uint32_t Bildtakt::Pause(std::uint32_t jetzt, unsigned long bilder)
{
    static int rate = -2;
    static Takt takt;
    if (rate == -2) {
        rate = LeseRate("einstellungen.konfig");
        const char* woher = "Einstellungsdatei";
        if (rate < 0) {
            const int anzeige = Anzeigerate();
            rate = anzeige > 0 ? anzeige : VORGABE_RATE;
            woher = anzeige > 0 ? "Anzeige" : "Vorgabe";
        }
        VOQ_Log::Aus("Bildrate: " + std::to_string(rate) + " (" + woher + ")\n");
    }
    return Warten(takt, jetzt, rate, bilder);
}
