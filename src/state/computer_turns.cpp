#include "state/computer_turns.h"

namespace annals {

namespace {
ComputerTurns shown = ComputerTurns::Follow;
} // namespace

ComputerTurns ComputerTurnsShown() {
    return shown;
}

void SetComputerTurnsShown(ComputerTurns value) {
    shown = value == ComputerTurns::Faster || value == ComputerTurns::Result ? value : ComputerTurns::Follow;
}

bool ComputerActionsDrawn() {
    return shown != ComputerTurns::Result;
}

int ComputerMoveFrames() {
    switch (shown) {
    case ComputerTurns::Faster:
        return 1;
    case ComputerTurns::Result:
        return 0;
    case ComputerTurns::Follow:
        break;
    }
    return 3;
}

int ComputerPauseMs(int milliseconds) {
    switch (shown) {
    case ComputerTurns::Faster:
        return milliseconds / 4;
    case ComputerTurns::Result:
        return 0;
    case ComputerTurns::Follow:
        break;
    }
    return milliseconds;
}

} // namespace annals
