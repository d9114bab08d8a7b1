// The real program for end-to-end tests that start at a later screen: the
// number in QF_BILDSCHIRM replaces the intro as the first screen. Built for
// the tests only; the shipped game always begins with the intro.
#include "Globale.h"
#include "Programm.h"

#include <cstdlib>

int main(int, char**)
{
    if (!ProgrammStart())
        return 1;
    if (const char* nummer = std::getenv("QF_BILDSCHIRM"))
        menunummer = std::atoi(nummer);
    Bildschirmschleife();
    ProgrammEnde();
    return 0;
}
