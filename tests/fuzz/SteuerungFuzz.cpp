// The controller file "stg.konfig": read it, write the three buttons back and
// read that again, which must give the same buttons.
#include "FuzzHilfe.h"

#include "Gamepad.h"
#include "Globale.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) { return fuzz::Beginne(false); }

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse)
{
    const fuzz::Hier hier("stg.konfig", daten, groesse);
    joy_drehen = joy_pause = joy_sturz = -1;
    GamepadEinlesen();
    const short gelesen[3] = {joy_drehen, joy_pause, joy_sturz};
    GamepadSchreiben();
    joy_drehen = joy_pause = joy_sturz = 99;
    GamepadEinlesen();
    fuzz::Pruefe(joy_drehen == gelesen[0] && joy_pause == gelesen[1] && joy_sturz == gelesen[2]);
    return 0;
}
