// The research table (the announcement of a discovery, then the choice of the next
// science) and the science tree. Their pictures are drawn by DrawScienceTable and
// DrawScienceMenu (screens.h); their texts by the routines below, which also run the
// research table's button countdown.
#pragma once

namespace annals {

// The texts of the open research table, the pictures that follow its texts, and the
// countdown of its pressed button. Once per frame while the table is shown.
void WriteScienceTable();
// The texts of the science tree. Once per frame while it is shown.
void WriteScienceMenu();

// A key while the research table is open: Enter presses its button, Up and Down move
// the highlight to the nearest science below or above. True for these three keys.
bool ScienceTableKey(int key);
// A press while the research table is open: its button or a row of its list. True when
// the press ends here: every press does, but one on the panel's science button.
bool ScienceTableMouseDown(int x, int y);
// A press while the science tree is open: its page buttons. True when one was hit.
bool ScienceMenuMouseDown(int x, int y);

// The tree page that suits how many sciences `civ` knows, for opening the tree.
int SciencePageFor(int civ);

} // namespace annals
