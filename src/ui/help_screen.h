// The help screen's presses and pages; its drawing routines are in ui/screens.h.
#pragma once

namespace annals {

constexpr int kHelpChapters = 9;
constexpr int kFaqTopics = 21;

// helpPage = chapter * 100 + topic; a page is valid when its chapter is 0..8 and its
// topic 1..the chapter's number of topics. An invalid page shows the chapters alone.
bool ValidHelpPage(int page);
int HelpTopicCount(int chapter);
// The encyclopedia page of an item: kind 1 a unit type, 2 a building, 3 a wonder,
// 4 a science. 0 when the item has no page (the Galleon, the Vikingship's nation page
// aside, buildings without a page), which opens the help at its chapter list.
int HelpPageOf(int kind, int number);
// Opens the help screen at a page (its texts appear from the next frame).
void OpenHelp(int page);
// The answer of question page mod 100 (chapter 0 only).
void WriteHelpPage(int page);
// A press while the help screen is open; it ends every press (nothing below it is
// tested), so it always answers true.
bool HelpMouseDown(int x, int y);

} // namespace annals
