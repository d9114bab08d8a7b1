#pragma once

#include <cstdint>
#include <string>

// Paces the frame loop: where the buffer swap does not wait for the display
// (software OpenGL, no sync to the vertical blank) the loop would draw as
// fast as it can. Game timing stays with the counters and SDL's ticks; only
// the number of frames drawn changes. The pump waits for the frame's turn
// before it reads the events, so that a key pressed during the wait is
// handled in the frame that follows, not one later.
namespace Bildtakt
{
// "BILDRATE=<n>" of the settings file: frames a second, 0 for the unpaced
// loop; -1 when the file has no such line (or a negative one).
int LeseRate(const std::string& pfad);

struct Takt {
    double faellig = 0.0;      // ms the next frame is due
    unsigned long bilder = 0;  // frames ended when the last pump waited
};

// Milliseconds to wait at `jetzt`, before the events are read, so that
// frames begin at most `rate` a second; 0 when the frame is due. `bilder`
// counts the frames ended so far (drawn or kept): a pump with no frame since
// the last one (a screen's first, right after the screen loop's) has no
// frame to wait for. Rate 0 or less: never a wait.
std::uint32_t Warten(Takt& takt, std::uint32_t jetzt, int rate, unsigned long bilder);

// The pump's wait for the frame's turn. The first call settles the rate: the
// settings file's, else the display's refresh rate, else 60.
std::uint32_t Pause(std::uint32_t jetzt, unsigned long bilder);
}
