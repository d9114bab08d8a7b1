#pragma once

#include "KL_Xm.h"

// The tracker instruments, each one synthesised sample. Melodic samples
// hold a decaying attack followed by a loop of whole cycles, so that the
// loop joins without a click at any length.
namespace KL_Klangfarben
{
// Rate of every sample; at its base note a sample plays at this rate.
constexpr double PROBENRATE = 33452.0;

KL_XmInstrument Bass();
KL_XmInstrument Rundbass();
KL_XmInstrument Melodie();
KL_XmInstrument Quadrat();
KL_XmInstrument Flaeche();
KL_XmInstrument Zupfer();
// `ausklang`: how fast a released key fades (0x400 rings on, 0x1400 is a
// short stab).
KL_XmInstrument EPiano(uint16_t ausklang);
KL_XmInstrument Glocke();
KL_XmInstrument Floete();

KL_XmInstrument Trommel();
KL_XmInstrument Schnarre();
KL_XmInstrument Klatschen();
KL_XmInstrument HiHat(bool offen);
KL_XmInstrument Schuettler();
KL_XmInstrument Tom();
}
