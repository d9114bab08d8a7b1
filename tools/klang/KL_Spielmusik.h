#pragma once

class KL_XmModul;

// The two tracks of the game screen and the main menu's music.
namespace KL_Spielmusik
{
// A minor, 132 beats a minute: pads, a plucked arpeggio and a pulse lead over
// straight eighths in the bass.
KL_XmModul ErstesStueck();
// G major, 120 beats a minute with a shuffle: a syncopated bass, off-beat
// piano stabs and a bouncy lead.
KL_XmModul ZweitesStueck();
// F major, 88 beats a minute: electric piano chords, a round bass, a flute.
KL_XmModul Menue();
}
