#include "VOQ_OGL_Zaehler.h"

#include "VOQ_Log.h"
#include "VOQ_Zaehler.h"

VOQ_OGL_Zaehler::VOQ_OGL_Zaehler()
    : zaehler(), zaehler_anzahl(0)
{
}

VOQ_OGL_Zaehler::~VOQ_OGL_Zaehler()
{
    for (int i = 0; i < zaehler_anzahl; ++i)
        delete zaehler[i];
}

int VOQ_OGL_Zaehler::CreateZaehler()
{
    if (zaehler_anzahl >= MAX_ZAEHLER) {
        VOQ_Log::Fehler("\n#o> VOQ_OGL_Zaehler - FEHLER: KEIN PLATZ FUER WEITERE ZAEHLER!\n\n");
        return -1;
    }
    zaehler[zaehler_anzahl] = new VOQ_Zaehler();
    ++zaehler_anzahl;
    return GetLastZaehler();
}

int VOQ_OGL_Zaehler::GetLastZaehler()
{
    return zaehler_anzahl - 1;
}
