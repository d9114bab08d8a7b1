#include "VOQ_OGL_Bildspeicher.h"

#include "VOQ_OGL_Init.h"
#include "VOQ_OGL_Textur.h"

#include "SDL.h"

#include <sys/stat.h>

#include <algorithm>
#include <ctime>
#include <new>
#include <vector>

namespace
{
// Unused sets kept beside a strip (other frame sizes or keys).
const int RUHENDE_SAETZE = 4;
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

    bool operator==(const Kennung& o) const
    {
        return geraet == o.geraet && knoten == o.knoten && groesse == o.groesse && geaendert == o.geaendert
               && umgestellt == o.umgestellt;
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
    SDL_Surface* flaeche = nullptr;
    Kennung kennung;
    bool wiederverwendbar = false;
    int halter = 0;
    std::uint64_t zuletzt = 0;
    std::size_t bytes = 0;  // while kept unused
    std::vector<Satz*> saetze;
};

namespace
{
using Streifen = VOQ_OGL_Bildspeicher::Streifen;
using Satz = VOQ_OGL_Bildspeicher::Satz;

// Never destroyed: images in static storage give their strips back after
// every other destructor, when SDL is gone too.
struct Lager
{
    std::vector<Streifen*> streifen;
    std::size_t vorrat = 0;
};

Lager& DasLager()
{
    static Lager* lager = new Lager();
    return *lager;
}

void LoescheSatz(Satz* satz)
{
    // Names of another context would name that context's textures.
    if (satz->texturenGemacht && satz->darstellung == VOQ_OGL_Init::Darstellungsnummer())
        VOQ_OGL_Textur::Loesche(satz->anzahl, satz->texturen);
    delete[] satz->texturen;
    SDL_FreeSurface(satz->flaeche);
    delete satz;
}

void EntferneSatz(Satz* satz)
{
    std::vector<Satz*>& saetze = satz->streifen->saetze;
    saetze.erase(std::remove(saetze.begin(), saetze.end(), satz), saetze.end());
    LoescheSatz(satz);
}

void LoescheStreifen(Streifen* streifen)
{
    Lager& lager = DasLager();
    lager.streifen.erase(std::remove(lager.streifen.begin(), lager.streifen.end(), streifen), lager.streifen.end());
    if (streifen->halter == 0)
        lager.vorrat -= streifen->bytes;
    for (Satz* satz : streifen->saetze)
        LoescheSatz(satz);
    SDL_FreeSurface(streifen->flaeche);
    delete streifen;
}

std::size_t Groesse(const Streifen* streifen)
{
    std::size_t bytes = Bytes(streifen->flaeche);
    for (const Satz* satz : streifen->saetze)
        bytes += Bytes(satz->flaeche) + static_cast<std::size_t>(satz->anzahl) * Bytes(satz->flaeche) * 4 / 3;
    return bytes;
}

// Gives up the least recently used unheld strips until the rest fits.
void Raeume()
{
    Lager& lager = DasLager();
    while (lager.vorrat > VOQ_OGL_Bildspeicher::VORRAT) {
        Streifen* aeltester = nullptr;
        for (Streifen* s : lager.streifen)
            if (s->halter == 0 && (!aeltester || s->zuletzt < aeltester->zuletzt))
                aeltester = s;
        if (!aeltester)
            return;
        LoescheStreifen(aeltester);
    }
}

void Halte(Streifen* streifen)
{
    if (streifen->halter++ == 0) {
        DasLager().vorrat -= streifen->bytes;
        streifen->bytes = 0;
    }
    streifen->zuletzt = ++zeitpunkt;
}

// Only one unused set too many is dropped at a time, the oldest.
void BegrenzeRuhende(Streifen* streifen)
{
    int ruhend = 0;
    Satz* aeltester = nullptr;
    for (Satz* s : streifen->saetze) {
        if (s->halter > 0)
            continue;
        ++ruhend;
        if (!aeltester || s->zuletzt < aeltester->zuletzt)
            aeltester = s;
    }
    if (ruhend > RUHENDE_SAETZE)
        EntferneSatz(aeltester);
}

// A kept strip of this file: the same file, unchanged and old enough.
Streifen* Gelagert(const Kennung& kennung)
{
    for (Streifen* s : DasLager().streifen) {
        if (s->kennung.geraet != kennung.geraet || s->kennung.knoten != kennung.knoten)
            continue;
        if (s->wiederverwendbar && s->kennung == kennung)
            return s;
        // The file has changed since: that strip is not to be used again.
        s->wiederverwendbar = false;
    }
    return nullptr;
}
}

Streifen* VOQ_OGL_Bildspeicher::HoleStreifen(const std::string& pfad)
{
    Kennung kennung;
    const bool bekannt = LeseKennung(pfad, kennung);
    if (bekannt) {
        if (Streifen* s = Gelagert(kennung)) {
            Halte(s);
            return s;
        }
    }
    // Kept unheld ones that just turned out stale go now.
    std::vector<Streifen*> alt;
    for (Streifen* s : DasLager().streifen)
        if (!s->wiederverwendbar && s->halter == 0)
            alt.push_back(s);
    for (Streifen* s : alt)
        LoescheStreifen(s);

    SDL_Surface* flaeche = SDL_LoadBMP(pfad.c_str());
    if (!flaeche)
        return nullptr;
    ++ladevorgaenge;
    Streifen* s = new (std::nothrow) Streifen();
    if (!s) {
        SDL_FreeSurface(flaeche);
        return nullptr;
    }
    s->flaeche = flaeche;
    s->kennung = kennung;
    const std::int64_t grenze = (uhr ? uhr() : Systemuhr()) - MINDESTALTER_NS;
    s->wiederverwendbar = bekannt && kennung.geaendert < grenze && kennung.umgestellt < grenze;
    DasLager().streifen.push_back(s);
    Halte(s);
    return s;
}

SDL_Surface* VOQ_OGL_Bildspeicher::Flaeche(const Streifen* streifen)
{
    return streifen ? streifen->flaeche : nullptr;
}

void VOQ_OGL_Bildspeicher::GibFrei(Streifen* streifen)
{
    if (!streifen || --streifen->halter > 0)
        return;
    if (!streifen->wiederverwendbar) {
        LoescheStreifen(streifen);
        return;
    }
    streifen->bytes = Groesse(streifen);
    DasLager().vorrat += streifen->bytes;
    Raeume();
}

Satz* VOQ_OGL_Bildspeicher::SucheSatz(Streifen* streifen, int breite, int hoehe, int anzahl,
                                      const int schluessel[3])
{
    if (!streifen)
        return nullptr;
    const int darstellung = VOQ_OGL_Init::Darstellungsnummer();
    for (Satz* s : streifen->saetze) {
        if (s->fertig && s->darstellung == darstellung && s->anzahl == anzahl && s->flaeche->w == breite
            && s->flaeche->h == hoehe && std::equal(s->schluessel, s->schluessel + 3, schluessel)) {
            ++s->halter;
            s->zuletzt = ++zeitpunkt;
            return s;
        }
    }
    return nullptr;
}

Satz* VOQ_OGL_Bildspeicher::NeuerSatz(Streifen* streifen, int breite, int hoehe, int anzahl)
{
    if (!streifen || anzahl < 1)
        return nullptr;
    Satz* s = new (std::nothrow) Satz();
    if (!s)
        return nullptr;
    s->streifen = streifen;
    s->flaeche = VOQ_OGL_Textur::ErzeugeArbeitsflaeche(breite, hoehe);
    s->texturen = new (std::nothrow) unsigned int[anzahl]();
    if (!s->flaeche || !s->texturen) {
        SDL_FreeSurface(s->flaeche);
        delete[] s->texturen;
        delete s;
        return nullptr;
    }
    s->anzahl = anzahl;
    s->darstellung = VOQ_OGL_Init::Darstellungsnummer();
    s->halter = 1;
    s->zuletzt = ++zeitpunkt;
    streifen->saetze.push_back(s);
    return s;
}

bool VOQ_OGL_Bildspeicher::Geteilt(const Satz* satz)
{
    return satz && satz->halter > 1;
}

void VOQ_OGL_Bildspeicher::Fertig(Satz* satz, const int schluessel[3])
{
    if (!satz)
        return;
    std::copy(schluessel, schluessel + 3, satz->schluessel);
    satz->fertig = true;
}

void VOQ_OGL_Bildspeicher::Unfertig(Satz* satz)
{
    if (satz)
        satz->fertig = false;
}

void VOQ_OGL_Bildspeicher::GibFrei(Satz* satz)
{
    if (!satz || --satz->halter > 0)
        return;
    // One that was left unfinished (a failed build) is of no use to anyone.
    if (!satz->fertig) {
        EntferneSatz(satz);
        return;
    }
    BegrenzeRuhende(satz->streifen);
}

void VOQ_OGL_Bildspeicher::Leeren()
{
    std::vector<Streifen*> unbenutzt;
    for (Streifen* s : DasLager().streifen)
        if (s->halter == 0)
            unbenutzt.push_back(s);
    for (Streifen* s : unbenutzt)
        LoescheStreifen(s);
}

std::size_t VOQ_OGL_Bildspeicher::Vorrat()
{
    return DasLager().vorrat;
}

int VOQ_OGL_Bildspeicher::Ladevorgaenge()
{
    return ladevorgaenge;
}

void VOQ_OGL_Bildspeicher::SetzeUhr(Uhr quelle)
{
    uhr = quelle;
}
