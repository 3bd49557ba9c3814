// The dialog window. The words and the effects of the answers belong to the dialogs
// themselves; here they are laid out and pressed.
#include "ui/dialog_view.h"

#include "diplomacy/dialogs.h"
#include "diplomacy/rival_leaders.h"
#include "state/host.h"
#include "state/state.h"
#include "ui/drawing.h"
#include "ui/input.h"
#include "ui/screens.h"
#include "ui/text.h"

#include <algorithm>

namespace annals {

namespace {

constexpr Pixel kTitleColour = kTitleInk;
constexpr Pixel kTextColour = kInk;
constexpr Pixel kLabelColour = kInk;

// Where a dialog's pieces stand: the frame on the sheet and on the screen, and around it
// the picture, the text column and the answer plates.
struct Layout {
    Rect frame; // on the interface sheet
    int left, top;
    int Right() const { return left + frame.right - frame.left; }
    int Bottom() const { return top + frame.bottom - frame.top; }
    int PictureX() const { return left + 10; }
    int PictureY() const { return top + 50; }
    int TitleX() const { return left + 195; }
    int TitleY() const { return top + 71; }
    int TextRight() const { return Right() - 28; }
    int LastPlateBottom() const { return Bottom() - 7; }
    int WideX() const { return left + 197; }
    int NarrowX() const { return left + 306 + (frame.right - frame.left - 502) / 2; }
};
// The common frame, and the larger ones of the city captures and of the broken treaty.
constexpr Layout kCommon{{0, 630, 502, 930}, 261, 190};
constexpr Layout kCapture{{0, 1610, 560, 1950}, 232, 170};
constexpr Layout kTreaty{{570, 1610, 1110, 1940}, 242, 175};

const Layout& LayoutOf(int code) {
    if (code == 35 || code == 36) return kCapture;
    if (code == 37) return kTreaty;
    return kCommon;
}

constexpr int kPlateStep = 23;
constexpr int kNarrowWidth = 100, kNarrowHeight = 21;
constexpr int kWideWidth = 250, kWideHeight = 18;
constexpr Rect kNarrowPlain{1000, 0, 1100, 21}, kNarrowPressed{1000, 22, 1100, 43};
constexpr Rect kWidePlain{720, 540, 970, 558}, kWidePressed{720, 560, 970, 578};
constexpr int kCountdown = 8;

// Answers that fit a small plate are shown on one; long ones, or more than two, need
// the wide plates.
bool WidePlates(const DialogContent& content) {
    if (content.answers.size() > 2) return true;
    return std::any_of(content.answers.begin(), content.answers.end(),
                       [](const std::string& label) { return TextWidth(label, 8) > kNarrowWidth - 8; });
}

// The picture of each group of dialogs; a rival leader shows his own face.
Rect PictureOf(int code) {
    auto group = [](int k) { return Rect{180 * k, 600, 180 * k + 180, 800}; };
    switch (code) {
    case 1:
    case 2:
    case 7:
    case 22:
    case 23:
    case 25:
    case 33:
        return group(0);
    case 8:
    case 9:
        return group(1);
    case 11:
    case 12:
    case 13:
    case 14:
    case 21:
    case 24:
        return group(2);
    case 15:
    case 16:
    case 17:
    case 18:
    case 19:
    case 20:
    case 31:
        return group(3);
    case 32:
    case 34:
    case 35:
    case 36:
        return group(4);
    default: {
        // A rival leader shows his own face.
        const int speaker = RivalSpeaker();
        const int nation =
            std::clamp<int>(speaker >= 1 && speaker <= kMaxCivs ? Civ(speaker).nation : 1, 1, 13);
        const int left = (nation - 1) % 5 * 180, top = (nation - 1) / 5 * 200;
        return {left, top, left + 180, top + 200};
    }
    }
}

// The answer takes effect once its plate has been seen pressed.
void RunCountdown() {
    if (ui.innerFrame || ui.closeCountdown == 0) return;
    ui.closeCountdown -= 1;
    if (ui.closeCountdown != 0) return;
    const DialogOutcome outcome = AnswerDialog(ui.dialogAnswer);
    if (outcome.goldShown > 0) StartCoinDisplay(outcome.goldShown);
    if (ui.dialogCode == 0 && outcome.key != 0) FormKeyDown(outcome.key, 0);
}

AnswerPlate AnswerPlateOf(int k, int count, bool wide) {
    const Layout& at = LayoutOf(ui.dialogCode);
    const int top = at.LastPlateBottom() - (wide ? kWideHeight : kNarrowHeight) - kPlateStep * (count - k);
    if (wide) return {at.WideX(), top, at.WideX() + kWideWidth, top + kWideHeight};
    return {at.NarrowX(), top, at.NarrowX() + kNarrowWidth, top + kNarrowHeight};
}

} // namespace

AnswerPlate DialogAnswerPlate(int k) {
    const DialogContent content = DialogContentOf();
    return AnswerPlateOf(k, static_cast<int>(content.answers.size()), WidePlates(content));
}

void DrawDialogTable() {
    if (ui.dialogCode == 0) return;
    const DialogContent content = DialogContentOf();
    const Layout& at = LayoutOf(ui.dialogCode);
    DrawSprite(at.left, at.top, at.frame, true, Sheet::Interfaces);
    DrawSprite(at.PictureX(), at.PictureY(), PictureOf(ui.dialogCode), true, Sheet::LeadersSprite);
    const int titleLines = content.title.empty() ? 0
                                                 : WriteText(at.TitleX(), at.TitleY(), kTitleColour, 10,
                                                             content.title, at.TextRight());
    WriteText(at.TitleX(), at.TitleY() + titleLines * 15 + 6, kTextColour, 8, content.text, at.TextRight());

    const int count = static_cast<int>(content.answers.size());
    const bool wide = WidePlates(content);
    for (int k = 1; k <= count; ++k) {
        const AnswerPlate plate = AnswerPlateOf(k, count, wide);
        const bool pressed = ui.closeCountdown > 0 && ui.dialogAnswer == k;
        const Rect piece =
            wide ? (pressed ? kWidePressed : kWidePlain) : (pressed ? kNarrowPressed : kNarrowPlain);
        DrawSprite(plate.left, plate.top, piece, true, Sheet::Interfaces);
        const std::string& label = content.answers[k - 1];
        const int shift = pressed ? 1 : 0;
        // An answer stays on one line of its plate.
        if (wide)
            WriteText(plate.left + 3 + shift, plate.top + 2 + shift, kLabelColour, 8, label, 1024);
        else
            WriteCentred((plate.left + plate.right) / 2 + shift, plate.top + 4 + shift, kLabelColour, 8,
                         label);
    }
    RunCountdown();
}

bool DialogMouseDown(int x, int y) {
    // A chosen answer is on its way: the plates wait for it.
    if (ui.closeCountdown != 0) return true;
    const DialogContent content = DialogContentOf();
    const int count = static_cast<int>(content.answers.size());
    const bool wide = WidePlates(content);
    for (int k = 1; k <= count; ++k) {
        const AnswerPlate plate = AnswerPlateOf(k, count, wide);
        if (x < plate.left || x >= plate.right || y < plate.top || y >= plate.bottom) continue;
        PlaySound("click");
        if (!DialogAnswerAllowed(k)) return true;
        ui.dialogAnswer = static_cast<uint8_t>(k);
        ui.closeCountdown = kCountdown;
        return true;
    }
    return true;
}

} // namespace annals
