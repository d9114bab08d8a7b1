#include "Zierfelder.h"

#include "Menuekulisse.h"
#include "VOQ_Quaderfall.h"
#include "VOQ_Teil_Basis.h"

namespace
{
const int SPALTEN = 10;
const int ZEILEN = 32;

const int BEWEGEN_ZAEHLER = 0;
const int BEWEGEN_MS = 100;
const int LEEREN_ZAEHLER = 1;
const int LEEREN_SCHRITTE = 15;
const int LEEREN_MS = 1000;

const int POSITIONEN_HAUPTMENUE[Zierfelder::ANZAHL][2] = {
    {100, -150}, {-50, -300}, {50, -450}, {700, -200},
    {800, -550}, {600, -400}, {700, -650}, {150, -650},
};
const int POSITIONEN_HILFE[Zierfelder::ANZAHL][2] = {
    {100, 150}, {-50, 300}, {50, 450}, {700, 200},
    {800, 550}, {650, 350}, {700, 650}, {150, 650},
};
const int POSITIONEN_UEBER[Zierfelder::ANZAHL][2] = {
    {100, 150}, {-50, 300}, {50, 450}, {700, 200},
    {800, 550}, {600, 350}, {700, 650}, {150, 650},
};

const int (*PositionenFuer(Zierfelder::Anordnung anordnung))[2]
{
    switch (anordnung) {
    case Zierfelder::HAUPTMENUE: return POSITIONEN_HAUPTMENUE;
    case Zierfelder::UEBER: return POSITIONEN_UEBER;
    case Zierfelder::HILFE: break;
    }
    return POSITIONEN_HILFE;
}
}

Zierfelder::Zierfelder(Anordnung anordnung_, Uhren uhren_)
    : anordnung(anordnung_), uhren(uhren_), positionen(PositionenFuer(anordnung_))
{
    for (auto& feld : felder)
        feld = std::make_unique<VOQ_Quaderfall>(SPALTEN, ZEILEN);
    Menuekulisse::StarteZaehler(BEWEGEN_ZAEHLER, 2, BEWEGEN_MS);
    if (uhren == BEWEGEN_UND_LEEREN)
        Menuekulisse::StarteZaehler(LEEREN_ZAEHLER, LEEREN_SCHRITTE, LEEREN_MS);
}

Zierfelder::~Zierfelder() = default;

void Zierfelder::Laufe()
{
    if (Menuekulisse::Abgelaufen(BEWEGEN_ZAEHLER, 2, BEWEGEN_MS)) {
        if (anordnung == HAUPTMENUE)
            Fallen();
        else
            Drehen();
    }
    if (uhren == BEWEGEN_UND_LEEREN && Menuekulisse::Abgelaufen(LEEREN_ZAEHLER, LEEREN_SCHRITTE, LEEREN_MS))
        Leeren();
}

void Zierfelder::Fallen()
{
    for (auto& feld : felder)
        feld->takt();
}

void Zierfelder::Drehen()
{
    for (auto& feld : felder)
        feld->teil->drehe();
}

void Zierfelder::Leeren()
{
    for (auto& feld : felder)
        feld->leeren();
}

void Zierfelder::NeueTeile()
{
    for (auto& feld : felder)
        feld->neuerQuaderfall(TEIL_ZUFALL);
}

void Zierfelder::Male()
{
    for (int i = 0; i < ANZAHL; ++i)
        felder[i]->male(positionen[i][0], positionen[i][1]);
}
