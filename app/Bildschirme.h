#pragma once

// The screens. Each runs its own frame loop until it has set the next screen
// number (or, in the main menu, `done`), then returns to the screen loop.
void MenuQuentaborLogo();
void MenuHaupt();
void MenuBestenliste();
void MenuAuswertung();
void MenuUeber();
void MenuHilfe();
void MenuGamepad();
void MenuSpiel();
