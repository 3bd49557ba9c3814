// The guide: short notes that show a new player what to do at the moments that matter,
// from founding the first city to the first war. Each piece of advice is given once per
// game; the player can turn the guide off and on from the main menu. Both are kept in
// the saved game.
#pragma once

#include "platform/canvas.h"

namespace annals {

// The pieces of advice given once per game.
enum Advice {
    kAdviceFirstScience = 1,
    kAdviceNatives,
    kAdviceWagonTrain,
    kAdviceRivalMet,
    kAdviceCapitalUndefended,
    kAdviceFirstWar,
    kAdviceWonder,
    kAdviceUnhappiness,
};
constexpr int kAdviceCount = 8;

bool GuidanceOn();
void SetGuidanceOn(bool on);
bool AdviceGiven(int advice);
void SetAdviceGiven(int advice);

// Writes the guide of this frame, if any (the information panel's text pass).
void WriteGuidance();

// The note written in the last frame: the advice (0 for the first turns' steps), its box
// and, for a note that stays until closed, its close mark. advice -1: no note.
struct GuideNote {
    int advice = -1;
    Rect box, closeMark;
    bool closable = false;
};
const GuideNote& ShownGuide();

// A press on the note on the map: on its mark it closes the note for good. Returns
// whether the press fell on the note.
bool GuidancePress(int x, int y);

} // namespace annals
