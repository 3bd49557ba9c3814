#include "ui/help.h"

#include "state/rules.h"
#include "state/state.h"
#include "ui/help_texts.h"

namespace annals {

// The descriptions live in the help's text files; the Vikingship and the nameless
// building 17 have none.
std::string ItemDescription(int kind, int number) {
    switch (kind) {
    case 1:
        if (number < 1 || number > kUnitTypes || number == kVikingship) return {};
        return HelpText("desc.unit." + std::to_string(number));
    case 2:
        if (number < 1 || number >= kFirstWonder || number == 17) return {};
        return HelpText("desc.building." + std::to_string(number));
    case 3:
        if (number < kFirstWonder || number > kBuildings) return {};
        return HelpText("desc.building." + std::to_string(number));
    case 4:
        return number == 1 ? HelpText("desc.cornfield") : std::string();
    default:
        return {};
    }
}

} // namespace annals
