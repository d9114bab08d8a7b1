#include "Programm.h"

int main(int, char**)
{
    if (!ProgrammStart())
        return 1;
    Bildschirmschleife();
    ProgrammEnde();
    return 0;
}
