// Save games: the whole lasting part of the game state as one line of decimal
// integers, with a header value and three checksums over the map. A file is read into
// a staging copy and checked whole before anything of the running game changes.
#pragma once

#include <cstdint>
#include <string>

namespace annals {

constexpr int kSaveSlots = 7;
constexpr int kAutosaveSlot = 7;

// The game in memory as the text of a save file.
std::string SaveGameText();

struct LoadOutcome {
    bool ok = false;
    std::string reason; // why a file was refused, in the chosen language
};

// Checks a save file's text without touching the running game.
LoadOutcome CheckSaveText(const std::string& text);
// Checks the text and, only when it is sound, makes it the running game: the stored
// fields from the file, every other field as a new game has it, the distance tables
// rebuilt and every screen closed.
LoadOutcome LoadSaveText(const std::string& text);

// The folder of the slot files: Save/ in the game folder, or the user's data folder
// ($XDG_DATA_HOME/annals/Save, else ~/.local/share/annals/Save) when the game folder
// cannot be written. Created when missing.
std::string SaveFolder();
std::string SlotPath(int slot);
bool SlotExists(int slot);

// Writes the game to a slot through a temporary file renamed over the old one, so a
// failed write never costs the slot its last good game. Returns false with a reason.
bool SaveToFile(const std::string& path, std::string& reason);
LoadOutcome LoadFromFile(const std::string& path);

// The game's own entry points: Save tells the player when it fails; Load tells him why
// a slot was refused and leaves the running game as it was.
bool Save(int slot);
bool Load(int slot);

// Text from a file or a command line as it may be shown: printable ASCII and whole UTF-8
// letters stay, every control character (in either encoding), direction override or
// broken sequence becomes '?', so that a message never carries a terminal's control
// sequences.
std::string PrintableText(const std::string& text);

// Makes a folder and the folders above it; true when it stands as a folder afterwards.
bool MakeFolders(const std::string& path);
// The player's own folder of the game under a base folder: $variable/annals when the
// variable names an absolute folder, else ~/underHome/annals; empty without either
// ("XDG_DATA_HOME" with ".local/share", "XDG_CONFIG_HOME" with ".config").
std::string UserFolder(const char* variable, const char* underHome);

// Writes a file whole or not at all: the bytes go to a new temporary file of our own
// beside it (created exclusively, so nothing planted at a known name is written through),
// which is then renamed over the old one. An output that is not a plain file (a folder,
// a FIFO, a device, a link) is refused and left as it was. Returns false with a reason.
bool WriteFileWhole(const std::string& path, const std::string& bytes, std::string& reason);

// The first number of a slot file (nation x 100000 + year + 5555); false for a free or
// damaged slot.
bool SlotHeader(int slot, int64_t& header);
// What the slot lists show: "BC 3950 , Britons", or "Free Slot".
std::string SlotLabel(int slot);
// The header value the running game's save file would start with.
int64_t RunningGameHeader();
// The label of a header value (nation x 100000 + year + 5555); a number that names no
// nation shows no nation.
std::string HeaderLabel(int64_t header);

} // namespace annals
