#pragma once

#include <cstdint>
#include <string>

// Paces the frame loop: where the buffer swap does not wait for the display
// (software OpenGL, no sync to the vertical blank) the loop would draw as
// fast as it can. Game timing stays with the counters and SDL's ticks; only
// the number of frames drawn changes.
namespace Bildtakt
{
// "BILDRATE=<n>" of the settings file: frames a second, 0 for the unpaced
// loop; -1 when the file has no such line (or a negative one).
int LeseRate(const std::string& pfad);

struct Takt {
    double faellig = 0.0;      // ms the next frame is due
    unsigned long bilder = 0;  // frames ended when the last pump slept
};

// Milliseconds to sleep at `jetzt` so that frames come at most `rate` a
// second, never less than `mindestens`. `bilder` counts the frames ended so
// far (drawn or kept): a pump with no frame since the last one (a screen's
// first, right after the screen loop's) has no frame to wait for. Rate 0 or
// less: always `mindestens`.
std::uint32_t Warten(Takt& takt, std::uint32_t jetzt, int rate, std::uint32_t mindestens, unsigned long bilder);

// The pump's sleep at the end of a frame. The first call settles the rate:
// the settings file's, else the display's refresh rate, else 60.
std::uint32_t Pause(std::uint32_t jetzt, std::uint32_t mindestens, unsigned long bilder);
}
