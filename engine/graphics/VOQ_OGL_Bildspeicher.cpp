#include "VOQ_OGL_Bildspeicher.h"

#include "VOQ_OGL_Init.h"
#include "VOQ_OGL_Textur.h"

#include "SDL.h"
#include "SDL_opengl.h"

#include <sys/stat.h>

#include <algorithm>
#include <ctime>
#include <new>
#include <vector>

namespace
{
// How old a file must have been when it was read for its strip to be used again.
const std::int64_t MINDESTALTER_NS = 2000000000LL;

std::int64_t Nanosekunden(const timespec& t)
{
    return static_cast<std::int64_t>(t.tv_sec) * 1000000000LL + t.tv_nsec;
}

std::int64_t Systemuhr()
{
    timespec jetzt{};
    clock_gettime(CLOCK_REALTIME, &jetzt);
    return Nanosekunden(jetzt);
}

struct Kennung
{
    dev_t geraet = 0;
    ino_t knoten = 0;
    off_t groesse = 0;
    std::int64_t geaendert = 0;
    std::int64_t umgestellt = 0;

    bool GleicheDatei(const Kennung& o) const { return geraet == o.geraet && knoten == o.knoten; }
    bool operator==(const Kennung& o) const
    {
        return GleicheDatei(o) && groesse == o.groesse && geaendert == o.geaendert && umgestellt == o.umgestellt;
    }
};

bool LeseKennung(const std::string& pfad, Kennung& k)
{
    struct stat info;
    if (stat(pfad.c_str(), &info) != 0)
        return false;
    k.geraet = info.st_dev;
    k.knoten = info.st_ino;
    k.groesse = info.st_size;
    k.geaendert = Nanosekunden(info.st_mtim);
    k.umgestellt = Nanosekunden(info.st_ctim);
    return true;
}

std::size_t Bytes(const SDL_Surface* f)
{
    return f ? static_cast<std::size_t>(f->h) * static_cast<std::size_t>(f->pitch) : 0;
}

VOQ_OGL_Bildspeicher::Uhr uhr = nullptr;
int ladevorgaenge = 0;
std::uint64_t zeitpunkt = 0;
}

struct VOQ_OGL_Bildspeicher::Streifen
{
    Streifen(SDL_Surface* f, std::string p) : flaeche(f), pfad(std::move(p)), breite(f->w), hoehe(f->h) {}
    ~Streifen() { SDL_FreeSurface(flaeche); }
    Streifen(const Streifen&) = delete;
    Streifen& operator=(const Streifen&) = delete;

    // The pixels; null while they are given up (Entlade) until they are needed again.
    mutable SDL_Surface* flaeche;
    const std::string pfad;
    const int breite, hoehe;
    Kennung kennung;
    // Unchanged since it was read and old enough then: its sets may be shared and kept.
    mutable bool wiederverwendbar = false;
};

using VOQ_OGL_Bildspeicher::Bildsatz;
using VOQ_OGL_Bildspeicher::Streifen;

namespace
{
// A set the store knows, with the moment it was last handed out.
struct Eintrag
{
    std::shared_ptr<const Bildsatz> satz;
    std::uint64_t zuletzt;
};

// Never destroyed: images in static storage give their sets back after every
// other destructor, when SDL is gone too.
struct Lager
{
    std::vector<std::weak_ptr<const Streifen>> streifen;
    std::vector<Eintrag> saetze;
};

Lager& DasLager()
{
    static Lager* lager = new Lager();
    return *lager;
}

// Only the store holds it.
bool Unbenutzt(const Eintrag& e)
{
    return e.satz.use_count() == 1;
}

std::size_t SatzBytes(const Bildsatz& s)
{
    // The textures at four bytes a pixel.
    return static_cast<std::size_t>(s.anzahl) * VOQ_OGL_Textur::PufferGroesse(s.breite, s.hoehe);
}

// Whether any set of the strip is still held by an image.
bool StreifenBenutzt(const Streifen* streifen)
{
    for (const Eintrag& e : DasLager().saetze)
        if (e.satz->streifen.get() == streifen && !Unbenutzt(e))
            return true;
    return false;
}

// A strip's bytes count once, with the first of its unused sets.
std::size_t Belegt()
{
    std::size_t bytes = 0;
    std::vector<const Streifen*> gezaehlt;
    for (const Eintrag& e : DasLager().saetze) {
        if (!Unbenutzt(e))
            continue;
        bytes += SatzBytes(*e.satz);
        const Streifen* s = e.satz->streifen.get();
        if (std::find(gezaehlt.begin(), gezaehlt.end(), s) == gezaehlt.end() && !StreifenBenutzt(s)) {
            gezaehlt.push_back(s);
            bytes += Bytes(s->flaeche);
        }
    }
    return bytes;
}

void Vergiss(bool (*weg)(const Eintrag&))
{
    std::vector<Eintrag>& saetze = DasLager().saetze;
    saetze.erase(std::remove_if(saetze.begin(), saetze.end(), weg), saetze.end());
}

// A kept strip of this file: the same file, unchanged and old enough.
std::shared_ptr<const Streifen> Gelagert(const Kennung& kennung)
{
    std::vector<std::weak_ptr<const Streifen>>& alle = DasLager().streifen;
    alle.erase(std::remove_if(alle.begin(), alle.end(), [](const auto& w) { return w.expired(); }), alle.end());
    for (const auto& w : alle) {
        std::shared_ptr<const Streifen> s = w.lock();
        if (!s || !s->kennung.GleicheDatei(kennung))
            continue;
        if (s->wiederverwendbar && s->kennung == kennung)
            return s;
        // The file has changed since: that strip is not to be used again.
        s->wiederverwendbar = false;
    }
    return nullptr;
}

// The working surface of one band and the buffer it is converted into, for
// the time the textures of a set are made.
struct Band
{
    Band(int breite, int hoehe, bool direkt)
        : flaeche(VOQ_OGL_Textur::ErzeugeArbeitsflaeche(
              breite, hoehe < VOQ_OGL_Textur::BAND ? hoehe : VOQ_OGL_Textur::BAND)),
          puffer(new (std::nothrow) unsigned char[VOQ_OGL_Textur::BandPufferGroesse(breite, hoehe, direkt)])
    {
    }
    ~Band() { SDL_FreeSurface(flaeche); }
    Band(const Band&) = delete;
    Band& operator=(const Band&) = delete;

    SDL_Surface* const flaeche;
    const std::unique_ptr<unsigned char[]> puffer;
};

bool FuelleTexturen(Bildsatz& s, Band& band, bool direkt)
{
    SDL_Surface* strip = VOQ_OGL_Bildspeicher::Flaeche(s.streifen.get());
    if (!strip)
        return false;
    for (int i = 0; i < s.anzahl; ++i)
        if (!VOQ_OGL_Textur::ErzeugeInBaendern(s.texturen[i], strip, i * s.breite, 0, s.hoehe, band.flaeche,
                                               s.schluessel, band.puffer.get(), direkt))
            return false;
    return true;
}
}

Bildsatz::Bildsatz(std::shared_ptr<const Streifen> streifen_, int breite_, int hoehe_, int anzahl_,
                   const int schluessel_[3])
    : streifen(std::move(streifen_)), breite(breite_), hoehe(hoehe_), anzahl(anzahl_),
      schluessel{schluessel_[0], schluessel_[1], schluessel_[2]},
      darstellung(VOQ_OGL_Init::Darstellungsnummer()),
      texturen(new (std::nothrow) unsigned int[anzahl_ > 0 ? anzahl_ : 1]())
{
}

Bildsatz::~Bildsatz()
{
    // Names of another context would name that context's textures.
    if (texturenGemacht && darstellung == VOQ_OGL_Init::Darstellungsnummer())
        VOQ_OGL_Textur::Loesche(anzahl, texturen.get());
}

std::shared_ptr<const Streifen> VOQ_OGL_Bildspeicher::HoleStreifen(const std::string& pfad)
{
    Kennung kennung;
    const bool bekannt = LeseKennung(pfad, kennung);
    if (bekannt) {
        if (std::shared_ptr<const Streifen> s = Gelagert(kennung))
            return s;
    }
    // Unused sets of strips that just turned out stale go now.
    Vergiss([](const Eintrag& e) { return Unbenutzt(e) && !e.satz->streifen->wiederverwendbar; });

    SDL_Surface* flaeche = SDL_LoadBMP(pfad.c_str());
    if (!flaeche)
        return nullptr;
    ++ladevorgaenge;
    std::shared_ptr<Streifen> s(new (std::nothrow) Streifen(flaeche, pfad));
    if (!s) {
        SDL_FreeSurface(flaeche);
        return nullptr;
    }
    s->kennung = kennung;
    const std::int64_t grenze = (uhr ? uhr() : Systemuhr()) - MINDESTALTER_NS;
    s->wiederverwendbar = bekannt && kennung.geaendert < grenze && kennung.umgestellt < grenze;
    if (s->wiederverwendbar)
        DasLager().streifen.push_back(s);
    return s;
}

// Read again from its file. Changed since: the pixels are the file's as it is
// now, as a new image of it would have them, and the strip is no longer shared.
SDL_Surface* VOQ_OGL_Bildspeicher::Flaeche(const Streifen* streifen)
{
    if (!streifen)
        return nullptr;
    if (!streifen->flaeche) {
        Kennung kennung;
        if (!LeseKennung(streifen->pfad, kennung) || !(kennung == streifen->kennung))
            streifen->wiederverwendbar = false;
        streifen->flaeche = SDL_LoadBMP(streifen->pfad.c_str());
        if (streifen->flaeche)
            ++ladevorgaenge;
    }
    return streifen->flaeche;
}

bool VOQ_OGL_Bildspeicher::Groesse(const Streifen* streifen, int& breite, int& hoehe)
{
    if (!streifen)
        return false;
    breite = streifen->breite;
    hoehe = streifen->hoehe;
    return true;
}

void VOQ_OGL_Bildspeicher::Entlade(const Streifen* streifen)
{
    if (!streifen || !streifen->wiederverwendbar)
        return;
    SDL_FreeSurface(streifen->flaeche);
    streifen->flaeche = nullptr;
}

std::shared_ptr<const Bildsatz> VOQ_OGL_Bildspeicher::SucheSatz(const std::shared_ptr<const Streifen>& streifen,
                                                                int breite, int hoehe, int anzahl,
                                                                const int schluessel[3])
{
    const int darstellung = VOQ_OGL_Init::Darstellungsnummer();
    for (Eintrag& e : DasLager().saetze) {
        const Bildsatz& s = *e.satz;
        if (s.streifen == streifen && s.darstellung == darstellung && s.anzahl == anzahl && s.breite == breite
            && s.hoehe == hoehe && std::equal(s.schluessel, s.schluessel + 3, schluessel)) {
            e.zuletzt = ++zeitpunkt;
            return e.satz;
        }
    }
    return nullptr;
}

std::shared_ptr<const Bildsatz> VOQ_OGL_Bildspeicher::MacheSatz(const std::shared_ptr<const Streifen>& streifen,
                                                                int breite, int hoehe, int anzahl,
                                                                const int schluessel[3], bool& texturfehler)
{
    texturfehler = false;
    if (!streifen || anzahl < 1)
        return nullptr;
    std::shared_ptr<Bildsatz> s(new (std::nothrow) Bildsatz(streifen, breite, hoehe, anzahl, schluessel));
    const bool direkt = VOQ_OGL_Textur::IstDirektHochladbar(breite, hoehe);
    Band band(breite, hoehe, direkt);
    if (!s || !s->texturen || !band.flaeche || !band.puffer)
        return nullptr;
    glGenTextures(anzahl, s->texturen.get());
    s->texturenGemacht = true;
    if (!FuelleTexturen(*s, band, direkt)) {
        texturfehler = true;
        return nullptr;
    }
    if (streifen->wiederverwendbar)
        DasLager().saetze.push_back({s, ++zeitpunkt});
    return s;
}

void VOQ_OGL_Bildspeicher::Raeume()
{
    std::vector<Eintrag>& saetze = DasLager().saetze;
    while (Belegt() > VORRAT) {
        auto aeltester = saetze.end();
        for (auto e = saetze.begin(); e != saetze.end(); ++e)
            if (Unbenutzt(*e) && (aeltester == saetze.end() || e->zuletzt < aeltester->zuletzt))
                aeltester = e;
        if (aeltester == saetze.end())
            return;
        saetze.erase(aeltester);
    }
}

void VOQ_OGL_Bildspeicher::Leeren()
{
    Vergiss(Unbenutzt);
}

std::size_t VOQ_OGL_Bildspeicher::Vorrat()
{
    return Belegt();
}

int VOQ_OGL_Bildspeicher::Ladevorgaenge()
{
    return ladevorgaenge;
}

void VOQ_OGL_Bildspeicher::SetzeUhr(Uhr quelle)
{
    uhr = quelle;
}
