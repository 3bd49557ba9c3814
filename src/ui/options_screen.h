// The options page: music and effects volume, language, full screen or window, how the
// picture fills a larger screen, how the computers' turns are shown, and the keyboard
// table. Opened from the entrance screen and from the main menu (ui.optionsOpen); every
// change takes effect at once and is kept in the settings file for the next games.
#pragma once

namespace annals {

void OpenOptions();
// Drawn over whatever the frame drew before, as the last screen of the frame.
void DrawOptionsScreen();
// Every press and key goes to the page while it is open.
void OptionsMouseDown(int button, int x, int y);
void OptionsKeyDown(int key);

} // namespace annals
