// Keys and mouse: the handlers of the main window, and the pointer.
#pragma once

namespace annals {

void FormKeyDown(int key, int shift);
void BaseMouseDown(int button, int shift, int x, int y);
void BaseMouseUp(int button, int shift, int x, int y);
void BaseMouseMove(int shift, int x, int y);
// Once per frame: scroll the map view when the pointer rests at a screen edge.
void MouseControl();
// Once per frame, after the screens: the pointer (and the route preview of a drag).
void DrawMouse();

// Escape in a game: closes the open screen, or opens the main menu.
void EscapeKey();
// The map cell under a point of the screen (it may lie outside the map).
int ScreenToCellX(int x);
int ScreenToCellY(int y);

// The presses and keys that belong to the screens, in the order the handler tests them
// (big news, save and load, help, news list, terrain window, main menu, the list screens,
// dialogs, the research table). True when a screen took the press.
bool ScreenMouseDownHook(int button, int x, int y);
// Enter, Up and Down while the research table is open.
void ScienceTableKeyHook(int key);

} // namespace annals
