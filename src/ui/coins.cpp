// The falling coins that show a person his gain of gold.
#include "state/numbers.h"
#include "state/state.h"
#include "ui/drawing.h"
#include "ui/screens.h"

#include <algorithm>

namespace annals {

// The coin icon of the small-icon strip.
constexpr Rect kCoinIcon{150, 476, 166, 492};

void DrawCoin() {
    // At most ten coins, however large the gain; at least one, however small.
    const int coins = std::clamp(Trunc(std::min(ui.coinAnimation + 0.99999, 10.0)), 1, 10);
    const int spacing = Round(40.0 / coins);
    const double fall = ui.coinPhase - Trunc(ui.coinPhase);
    for (int b = 1; b <= coins; ++b) {
        const int y = 745 + b * spacing - Round(fall * 100);
        if (y < 745) DrawSprite(815, y, kCoinIcon, true, Sheet::OthersSprite);
    }
    ui.coinPhase -= 0.15;
}

} // namespace annals
