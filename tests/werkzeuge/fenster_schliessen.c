/* Asks a window to close the way a window manager does: a WM_DELETE_WINDOW
 * client message. (xdotool windowclose destroys the window instead.)
 * Usage: fenster_schliessen <window id> */
#include <X11/Xlib.h>

#include <stdio.h>
#include <stdlib.h>

int main(int argc, char** argv)
{
    if (argc != 2) {
        fprintf(stderr, "Aufruf: %s <Fensternummer>\n", argv[0]);
        return 2;
    }
    Display* anzeige = XOpenDisplay(NULL);
    if (!anzeige) {
        fprintf(stderr, "Keine Anzeige\n");
        return 1;
    }
    Window fenster = (Window)strtoul(argv[1], NULL, 0);
    XEvent ereignis = {0};
    ereignis.xclient.type = ClientMessage;
    ereignis.xclient.window = fenster;
    ereignis.xclient.message_type = XInternAtom(anzeige, "WM_PROTOCOLS", False);
    ereignis.xclient.format = 32;
    ereignis.xclient.data.l[0] = (long)XInternAtom(anzeige, "WM_DELETE_WINDOW", False);
    ereignis.xclient.data.l[1] = CurrentTime;
    XSendEvent(anzeige, fenster, False, NoEventMask, &ereignis);
    XSync(anzeige, False);
    XCloseDisplay(anzeige);
    return 0;
}
