// The dialog window. The words and the effects of the answers belong to the dialogs
// themselves; here they are laid out and pressed.
#include "ui/dialog_view.h"

#include "diplomacy/dialogs.h"
#include "diplomacy/rival_leaders.h"
#include "state/host.h"
#include "state/rules.h"
#include "state/state.h"
#include "ui/drawing.h"
#include "ui/input.h"
#include "ui/screens.h"
#include "ui/text.h"

#include <algorithm>
#include <vector>

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
    auto place = [](int k) { return Rect{k % 5 * 180, k / 5 * 200, k % 5 * 180 + 180, k / 5 * 200 + 200}; };
    auto group = [&](int k) { return place(15 + k); };
    // Each find of an exploration site shows what was found.
    auto site = [&](int k) { return place(20 + k); };
    switch (code) {
    case 1:
    case 2:
    case 7:
    case 33:
        return group(0);
    case 8:
    case 9:
        return group(1);
    case 11:
        return site(0);
    case 21:
        return site(1);
    case 12:
        return site(2);
    case 13:
        return site(3);
    case 14:
        return site(4);
    case 24:
        return site(5);
    case 22:
    case 23:
    case 25:
        return site(6);
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

// The place of plate k (1-based, top to bottom) of a dialog with `count` answers.
AnswerPlate AnswerPlateOf(int k, int count, bool wide) {
    const Layout& at = LayoutOf(ui.dialogCode);
    const int top = at.LastPlateBottom() - (wide ? kWideHeight : kNarrowHeight) - kPlateStep * (count - k);
    if (wide) return {at.WideX(), top, at.WideX() + kWideWidth, top + kWideHeight};
    return {at.NarrowX(), top, at.NarrowX() + kNarrowWidth, top + kNarrowHeight};
}

// Where the answer that led on to the open dialog was pressed; false when it opened afresh.
bool ChainPress(AnswerPlate& press) {
    press = {ui.chainPress[0], ui.chainPress[1], ui.chainPress[2], ui.chainPress[3]};
    return press.right > press.left && press.bottom > press.top;
}

bool Overlaps(const AnswerPlate& a, const AnswerPlate& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

// A hostile answer that stands on the place just pressed, so that a second press there
// would choose it.
bool UnderChainPress(int answer, const AnswerPlate& plate) {
    AnswerPlate press{};
    return HostileAnswer(ui.dialogCode, answer) && ChainPress(press) && Overlaps(plate, press);
}

// Which answer each plate shows, top to bottom. The answers keep their order, except that
// an answer meaning war never stands where the player has just pressed in the step before:
// it changes places with the nearest peaceful answer that stands elsewhere.
struct Plates {
    int count = 0;
    bool wide = false;
    std::vector<int> answerOn; // answerOn[plate - 1]
    AnswerPlate Of(int plate) const { return AnswerPlateOf(plate, count, wide); }
};

Plates ArrangePlates(const DialogContent& content) {
    Plates plates;
    plates.count = static_cast<int>(content.answers.size());
    plates.wide = WidePlates(content);
    for (int k = 1; k <= plates.count; ++k) plates.answerOn.push_back(k);
    AnswerPlate press{};
    if (!ChainPress(press)) return plates;
    const int code = ui.dialogCode;
    auto& on = plates.answerOn;
    for (int p = 1; p <= plates.count; ++p) {
        if (!HostileAnswer(code, on[p - 1]) || !Overlaps(plates.Of(p), press)) continue;
        for (int distance = 1; distance < plates.count; ++distance) {
            int other = 0;
            for (int q : {p - distance, p + distance})
                if (other == 0 && q >= 1 && q <= plates.count && !HostileAnswer(code, on[q - 1]) &&
                    !Overlaps(plates.Of(q), press))
                    other = q;
            if (other == 0) continue;
            std::swap(on[p - 1], on[other - 1]);
            break;
        }
    }
    return plates;
}

// The answer takes effect once its plate has been seen pressed. When it leads on to
// another dialog, the place pressed is remembered for that one.
void RunCountdown() {
    if (ui.innerFrame || ui.closeCountdown == 0) return;
    ui.closeCountdown -= 1;
    if (ui.closeCountdown != 0) return;
    const int answer = ui.dialogAnswer;
    const AnswerPlate pressed = DialogAnswerPlate(answer);
    const DialogOutcome outcome = AnswerDialog(answer);
    const bool goesOn = ui.dialogCode != 0;
    const int16_t place[4] = {static_cast<int16_t>(pressed.left), static_cast<int16_t>(pressed.top),
                              static_cast<int16_t>(pressed.right), static_cast<int16_t>(pressed.bottom)};
    for (int i = 0; i < 4; ++i) ui.chainPress[i] = goesOn ? place[i] : int16_t{0};
    if (outcome.goldShown > 0) StartCoinDisplay(outcome.goldShown);
    if (ui.dialogCode == 0 && outcome.key != 0) FormKeyDown(outcome.key, 0);
}

} // namespace

AnswerPlate DialogAnswerPlate(int answer) {
    const Plates plates = ArrangePlates(DialogContentOf());
    for (int p = 1; p <= plates.count; ++p)
        if (plates.answerOn[p - 1] == answer) return plates.Of(p);
    return plates.Of(std::clamp(answer, 1, std::max(plates.count, 1)));
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

    const Plates plates = ArrangePlates(content);
    const bool wide = plates.wide;
    for (int p = 1; p <= plates.count; ++p) {
        const int k = plates.answerOn[p - 1];
        const AnswerPlate plate = plates.Of(p);
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
    const Plates plates = ArrangePlates(DialogContentOf());
    for (int p = 1; p <= plates.count; ++p) {
        const int k = plates.answerOn[p - 1];
        const AnswerPlate plate = plates.Of(p);
        if (x < plate.left || x >= plate.right || y < plate.top || y >= plate.bottom) continue;
        PlaySound("click");
        // Where war could not be moved off the place just pressed, it is asked for twice.
        if (UnderChainPress(k, plate) &&
            !Ask(Tr("Are you sure? This means war.", "Emin misiniz? Bu savaş demek."),
                 Tr("Yes, war", "Evet, savaş"), Tr("No", "Hayır")))
            return true;
        if (!DialogAnswerAllowed(k)) return true;
        ui.dialogAnswer = static_cast<uint8_t>(k);
        ui.closeCountdown = kCountdown;
        return true;
    }
    return true;
}

} // namespace annals
