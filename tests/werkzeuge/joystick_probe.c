/* Checks the simulated controller from the SDL 1.2 side: prints count, name,
 * counts and, after the command file has been applied, hat and buttons. */
#include "SDL.h"

#include <stdio.h>

int main(int argc, char** argv)
{
    (void)argc;
    (void)argv;
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_JOYSTICK) < 0)
        return 1;
    SDL_SetVideoMode(64, 64, 32, 0);
    SDL_JoystickEventState(SDL_ENABLE);
    printf("anzahl %d\n", SDL_NumJoysticks());
    if (SDL_NumJoysticks() < 1)
        return 1;
    SDL_Joystick* j = SDL_JoystickOpen(0);
    printf("name %s\n", SDL_JoystickName(0));
    printf("knoepfe %d achsen %d huete %d\n", SDL_JoystickNumButtons(j), SDL_JoystickNumAxes(j),
           SDL_JoystickNumHats(j));
    for (int i = 0; i < 20; ++i) {
        SDL_Event e;
        while (SDL_PollEvent(&e)) {
        }
        SDL_Delay(5);
    }
    printf("hut %d knopf3 %d achse1 %d\n", SDL_JoystickGetHat(j, 0), SDL_JoystickGetButton(j, 3),
           SDL_JoystickGetAxis(j, 1));
    SDL_Quit();
    return 0;
}
