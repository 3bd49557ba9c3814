// The seam between the game logic and the outside world. Game routines that want a
// frame shown in the middle of their work, a pause, a message or a sound ask the host;
// the game's window does these for real, the headless host records them and never waits.
#pragma once

#include <string>

namespace annals {

class Host {
public:
    virtual ~Host() = default;
    // Draw one frame from inside a game routine. It draws only: it starts no track,
    // writes no autosave, steps no route and rebuilds no distance table.
    virtual void NestedFrame() = 0;
    virtual void Pause(int milliseconds) = 0;
    // A modal message with one OK button; returns when it is answered.
    virtual void ShowMessage(const std::string& text) = 0;
    // A modal question with two answers; true for the first. A host that cannot ask
    // shows the question and takes the first answer.
    virtual bool Ask(const std::string& text, const std::string& /*yes*/, const std::string& /*no*/) {
        ShowMessage(text);
        return true;
    }
    virtual void PlaySound(const std::string& name) = 0;
    virtual void StopSound(const std::string& name) = 0;
    // Ends the program once the current event has been handled.
    virtual void Quit() = 0;
    virtual bool QuitRequested() const = 0;
};

// The host in use; a host that does nothing until one is installed.
Host& TheHost();
void SetHost(Host* host);

// The sound effects by name ("click", "golds" ...), started from the beginning.
inline void PlaySound(const std::string& name) {
    TheHost().PlaySound(name);
}
inline void StopSound(const std::string& name) {
    TheHost().StopSound(name);
}
// A modal message box with one text and OK.
inline void ShowMessage(const std::string& text) {
    TheHost().ShowMessage(text);
}
inline bool Ask(const std::string& text, const std::string& yes, const std::string& no) {
    return TheHost().Ask(text, yes, no);
}

} // namespace annals
