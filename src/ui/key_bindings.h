// The keyboard table: the orders a key gives in a game, each with up to three keys that
// the player may change. The key handler works in the keys of the game's own table (the
// keypad for moves, B for a city ...); a pressed key is first turned into the key of the
// order it is bound to.
#pragma once

#include <string>

namespace annals {

enum KeyAction : int {
    kMoveNorth,
    kMoveSouth,
    kMoveWest,
    kMoveEast,
    kMoveNorthWest,
    kMoveNorthEast,
    kMoveSouthWest,
    kMoveSouthEast,
    kPassOrEndTurn,
    kBuildCityKey,
    kBuildRoadKey,
    kClearOrPlantKey,
    kBuildMineKey,
    kExamineHillKey,
    kBoardShipKey,
    kFortifyKey,
    kHelpKey,
    kMenuKey,
    kKeyActions
};
constexpr int kKeysPerAction = 3;

struct KeyTable {
    int keys[kKeyActions][kKeysPerAction]; // 0: no key in that place
};

const KeyTable& DefaultKeyTable();
// The table in use; the settings fill it at start and the options page changes it.
KeyTable& ActiveKeyTable();

// The action's name in the settings file ("move-north") and on the options page.
const char* KeyActionName(int action);
const char* KeyActionLabel(int action);
// The key of the game's own table that the action stands for.
int ActionKey(int action);

// The key of the game's own table that a pressed key stands for under the active table;
// 0 for a key that gives no order. The pseudo key of the turn's stepping passes as it is.
int BoundKey(int pressed);
// The action a key is bound to in a table, and its place there; -1 when none.
int ActionOfKey(const KeyTable& table, int key, int* place = nullptr);

// A key's name in the settings file ("KP8", "Space", "Q"); empty for a key that cannot
// be bound (the modifiers, the pseudo key). KeyFromName gives 0 for an unknown name.
std::string KeyName(int key);
int KeyFromName(const std::string& name);
// How a key is written on the options page ("Keypad 8", "Space", "'").
std::string KeyLabel(int key);

// An action's keys as the settings file writes them: "KP8,Up", or "none".
std::string KeyListText(const int (&keys)[kKeysPerAction]);
// Reads such a list; false with the reason for an unknown name, a key named twice or
// more than three keys.
bool ParseKeyList(const std::string& text, int (&keys)[kKeysPerAction], std::string& error);
// Empty when no key gives two actions; otherwise which key and actions clash.
std::string KeyClash(const KeyTable& table);

} // namespace annals
