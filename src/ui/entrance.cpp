#include "platform/platform.h"
#include "ui/screens.h"

namespace annals {

// Until the entrance screen's menus are built, a plain title page.
void DrawEnterance() {
    Surface& screen = ThePlatform().BackBuffer();
    screen.FillRect({0, 0, kScreenWidth, kScreenHeight}, Rgb(24, 28, 40));
    const std::string title = "Annals";
    const int w = ThePlatform().TextPixelWidth(title, 36);
    ThePlatform().DrawText((kScreenWidth - w) / 2, 300, title, 36, Rgb(230, 210, 160));
}

} // namespace annals
