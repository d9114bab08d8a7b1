#pragma once

// The game's music files.
extern const char* const MUSIK_INTRO;
extern const char* const MUSIK_HAUPTMENUE;
extern const char* const MUSIK_RUHMESHALLE;
extern const char* const MUSIK_SPIEL_1;
extern const char* const MUSIK_SPIEL_2;

// Frees the current music, loads the given file into `music` and sets
// `playmusic`; the event pump starts it. A file that can't be loaded leaves
// `music` null and nothing plays. Logs the file, so a run's log shows which
// music each screen chose. While a music fades out (BlendeMusikAus) it keeps
// playing until its fade has ended.
void WechsleMusik(const char* datei);

// The volume of effects and music, percent of SDL_mixer's full level; 100
// (or more) leaves the mixer as it opened. For a music changed later too.
void SetzeLautstaerke(int klaengeProzent, int musikProzent);

// Fades what plays out within a few tens of milliseconds instead of cutting
// it off at the next change, so that it ends without a click. The fade runs
// over the whole mix: only for a moment without sound effects (the intro's
// end). The music that fades is no longer `music`; the pump frees it once the
// fade is over and then starts `music`.
void BlendeMusikAus();

// The event pump's part, once a frame: ends a fade that is over, and starts
// `music` when none plays and `playmusic` is set. A piece is started to
// repeat without end inside the mixer, which joins its end to its start
// without a gap; a piece that stopped all the same is started again here.
void HalteMusikAmLaufen();
