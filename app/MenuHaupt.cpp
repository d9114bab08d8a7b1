#include "Bildschirme.h"

#include "EreignisVerarbeitung.h"
#include "Globale.h"

#include "SDL_opengl.h"

void MenuHaupt()
{
    bool verlassen = false;
    while (!verlassen) {
        EreignisVerarbeitung();
        glClear(GL_COLOR_BUFFER_BIT);
        if (GAME_EINGABE.GetKeyDown() == SDLK_ESCAPE) {
            GAME_EINGABE.InputBuffer(0, 2);
            done = true;
            verlassen = true;
        }
        SDL_GL_SwapBuffers();
    }
}
