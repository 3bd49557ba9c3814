// The player's settings, kept between games in a small text file of "name = value"
// lines: $XDG_CONFIG_HOME/annals/settings, or ~/.config/annals/settings. Only what the
// player has chosen is written there; everything else keeps its default, and the game
// folder's language.txt still chooses the language while no setting says otherwise.
#pragma once

#include "state/computer_turns.h"
#include "ui/key_bindings.h"

#include <string>
#include <vector>

namespace annals {

struct Settings {
    int musicVolume = 100;   // 0..100; 0 is silent
    int effectsVolume = 100; // 0..100; 0 is silent
    int language = 0;        // 1 English, 2 Turkish; 0: not chosen in the file
    bool fullscreen = true;
    bool wholeScaling = false; // the picture grows by whole steps, with crisp pixels
    ComputerTurns computerTurns = ComputerTurns::Follow;
    KeyTable keys = DefaultKeyTable();
};

// The settings in use.
const Settings& CurrentSettings();
// Where the file is; empty when neither XDG_CONFIG_HOME nor HOME says.
std::string SettingsPath();

// Reads the file (the defaults where it says nothing) and the language file of the game
// folder. A missing file is no fault; an unreadable or damaged one gives the defaults
// for what could not be read, and SettingsProblem() says what was wrong.
void LoadSettings();
std::string SettingsProblem();
// --lang on the command line: wins over everything for this run (0: not given).
void SetCommandLineLanguage(int language);

// The language to play in: --lang, else the settings file, else language.txt.
int EffectiveLanguage();
// Hands the settings to the game, the keyboard table and the platform.
void ApplySettings();

// One setting as the driver lists it: its name, value and where that came from.
struct SettingLine {
    std::string name, value, source;
};
std::vector<SettingLine> ListSettings();

enum class SettingChange { Changed, Refused, NotWritten };
// Changes one setting by its name and value text, in use and in the file. Refused
// (with the reason) for a wrong name or value, the file untouched; NotWritten when the
// file could not be written: the setting holds for this run and error says why.
SettingChange ChangeSetting(const std::string& name, const std::string& value, std::string& error);
// The same for the keyboard table as a whole (the options page), and its defaults.
SettingChange ChangeKeys(const KeyTable& keys, std::string& error);
// Every setting's name, in the order the file and the driver list them.
std::vector<std::string> SettingNames();

// The player switched between full screen and a window: kept for the next start (a file
// that cannot be written is told once in the log).
void NoteScreenMode(bool fullscreen);

// The driver's command: "settings" lists, "settings set NAME VALUE" changes one.
// Returns the exit code: 2 for a wrong name, value or form, 1 when the file could not
// be written.
int SettingsCommand(const std::vector<std::string>& words, std::string& out, std::string& err);

} // namespace annals
