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

} // namespace annals
