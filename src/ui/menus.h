// The main menu, the save and load menus, the score screen, the game-over screen and the
// terrain window. Their pictures are drawn by the Draw routines of screens.h; their
// texts by the Write routines below, which also run the menus' button countdown.
#pragma once

#include "state/state.h"

#include <cstdint>
#include <string>

namespace annals {

// The main menu's items, top to bottom.
enum MenuItem {
    kScoreItem = 1,
    kSaveItem,
    kLoadItem,
    kMusicItem,
    kGuidanceItem,
    kHelpItem,
    kOptionsItem,
    kRetireItem,
    kExitItem
};

// The texts of the open main menu, and its countdown: the pressed item acts at the end
// of the frame the countdown runs out. Once per frame while the menu is shown.
void WriteMainMenu();
// The slot labels of the save or load menu, and its countdown: the chosen slot is
// saved or loaded at the end of the frame the countdown runs out.
void WriteSaveLoadMenu();
// At the end of a frame whose every text is written: the main-menu item or the save or
// load its countdown made due, so that their questions and messages ("Game saved.")
// stand over the whole frame.
void MenuChoicesWhenDue();
void WriteScoreMenu();
void WriteGameOverMenu();
void WriteTerrainInfoMenu();

// Presses. True when the press ends at the screen.
// Any press while the save or load menu is open ends there.
bool SaveLoadMenuMouseDown(int x, int y);
bool TerrainInfoMouseDown(int x, int y);
bool MainMenuMouseDown(int x, int y);

// The label of a slot in the in-game menus: "BC 3950, Britons", "Auto, AC 12, Turks"
// for the autosave, "Free Slot" for a slot without a file.
std::string MenuSlotLabel(int slot);

// What the cell would give a citizen of the civilization to move, with no city about
// it: products 1..8, 0 for the others.
uint8_t TerrainYield(const MapCell& cell, int product);

// The products the terrain window lists for a cell: at most five, in product order,
// Gold taking the last place before Stone. Returns how many.
int TerrainYieldLines(const MapCell& cell, int (&products)[5]);

} // namespace annals
