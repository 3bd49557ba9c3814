// The dialog window over the map: its frame, picture, title, text and answer plates,
// the press on a plate, and the short pressed look before the answer takes effect.
#pragma once

namespace annals {

// Where the plate showing answer k (1-based) of the open dialog lies on the screen. The
// answers stand in their order, unless one that means war would stand where the answer
// that led to this dialog was pressed: then it changes places with a peaceful one.
struct AnswerPlate {
    int left, top, right, bottom;
};
AnswerPlate DialogAnswerPlate(int k);

// A press while a dialog is shown: an answer plate starts the pressed look and the
// countdown; every other press is ignored. Always takes the press.
bool DialogMouseDown(int x, int y);

} // namespace annals
