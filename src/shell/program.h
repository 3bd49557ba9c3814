// Program start, the frame routine and the message loop.
#pragma once

#include "platform/platform.h"

#include <cstdint>
#include <string>
#include <vector>

namespace annals {

// The game folder: the folder of the program, without a trailing separator. A path
// with no separator at all means the current directory.
std::string GameFolderFromPath(const std::string& programPath, const std::string& currentDirectory);
// The running program's own path (from the system, else argv[0]).
std::string ProgramPath(const char* argv0);
std::string CurrentDirectory();

// Turkish (2) when the line is longer than one character and starts with "tr";
// English (1) otherwise. A byte-order mark in front is not part of the line.
int LanguageFromFirstLine(const std::string& line);
// A missing or unreadable language file means English.
int ReadLanguageFile(const std::string& path);

// Start-up of the main window: language, random seed, rule tables, screen, the intro.
void FormCreate(uint64_t seed);
// Called once the drawing surface exists: loads every picture sheet (none for a null
// canvas, which shows nothing). When one cannot be read the player is told which, and the
// program ends; returns false then.
bool BaseInitialize();
// One frame. Called every 60 ms while the program is the active one, and from inside
// game routines (through the host) to show their intermediate frames.
void TimerFunction();
// How much of the computers' play one frame holds while they are to move and nothing
// else drives them (a game nobody plays, or one loaded in a computer's turn). A frame
// ends its share at a new year, so every year is shown, and while a screen is open the
// computers wait: the game can be paused through the menu. Only how many steps a frame
// takes depends on the pace, never which steps: the game played is the same.
struct ComputerPace {
    static constexpr int kNoLimit = -1;
    // Most steps in one frame: kNoLimit, or 0 to hold the computers (only drawing).
    int steps = kNoLimit;
    // Above 0: a frame also ends its share once this much time has gone. The window
    // sets it; tests and the command line leave it at 0, so that they never read the
    // clock and a game plays alike on any machine.
    int milliseconds = 0;
};
void SetComputerPace(const ComputerPace& pace);
const ComputerPace& CurrentComputerPace();
// The window's pace: the computers' moves are followed, most of each 60 ms tick theirs.
constexpr ComputerPace kWindowPace{ComputerPace::kNoLimit, 40};

// A press the watcher made while the computers played their share of a frame, kept to be
// answered after it; false when none is waiting.
bool TakeKeptEvent(InputEvent& event);

// The timer event: a frame, only while the window has the focus.
void DXTimer1Timer();
void FormClose();

// Hands one input event to the window's handlers.
void DispatchEvent(const InputEvent& event);
// Runs the message loop until the window closes: events between frames, a frame every
// 60 ms while focused.
void RunMessageLoop(Platform& platform);

// Installs the host that game routines reach the platform through.
void InstallShellHost(Platform& platform);
void UninstallShellHost();

// For tests: the names of the frame routine's steps, in the order they ran.
void SetFrameTrace(std::vector<std::string>* trace);

} // namespace annals
