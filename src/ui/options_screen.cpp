// The options page: two parchment sheets, the general settings on the left and the
// keyboard table on the right, drawn over the entrance picture or over the game.
#include "ui/options_screen.h"

#include "platform/keys.h"
#include "platform/platform.h"
#include "shell/settings.h"
#include "state/host.h"
#include "state/rules.h"
#include "state/state.h"
#include "ui/drawing.h"
#include "ui/key_bindings.h"
#include "ui/text.h"

#include <algorithm>
#include <string>

namespace annals {

namespace {

constexpr Pixel kSand = Rgb(226, 204, 150);
constexpr Pixel kSandDark = Rgb(188, 150, 92);
constexpr Pixel kFaded = Rgb(110, 84, 56);

// The two sheets, and the parchment they are cut from (the entrance's page sheet).
// Below the entrance's title and motto.
constexpr int kLeftX = 92, kRightX = 520, kSheetY = 200;
constexpr Rect kParchment{28, 768 + 140, 440, 768 + 610};
// The general rows: a label, then the control from kControlX.
constexpr int kRowY0 = kSheetY + 62, kRowStep = 42, kControlX = kLeftX + 150;
constexpr int kSliderWidth = 170;
// The keyboard table: a row an order, three key boxes a row.
constexpr int kKeyRowY0 = kSheetY + 78, kKeyRowStep = 17;
constexpr int kKeyBoxX0 = kRightX + 180, kKeyBoxStep = 74, kKeyBoxWidth = 70, kKeyBoxHeight = 15;
// The plates at the bottom of each sheet (the entrance's button sprites).
constexpr int kButtonY = kSheetY + 404;
constexpr int kBackX = kLeftX + 115, kDefaultsX = kRightX + 115;

enum Row { kMusicRow, kEffectsRow, kLanguageRow, kScreenRow, kScalingRow, kComputerRow, kRows };

bool Inside(int x, int y, const Rect& r) {
    return x >= r.left && x < r.right && y >= r.top && y < r.bottom;
}

int RowTop(int row) {
    return kRowY0 + kRowStep * row;
}

const char* RowLabel(int row) {
    switch (row) {
    case kMusicRow:
        return Tr("Music :", "Müzik :");
    case kEffectsRow:
        return Tr("Sound effects :", "Ses efektleri :");
    case kLanguageRow:
        return Tr("Language :", "Dil :");
    case kScreenRow:
        return Tr("Screen :", "Ekran :");
    case kScalingRow:
        return Tr("Picture :", "Resim :");
    case kComputerRow:
        return Tr("Computers' turns :", "Bilgisayar turları :");
    default:
        return "";
    }
}

// A row's choices: their labels, the setting's value text for each, and which is chosen.
struct Choices {
    const char* setting;
    int count;
    const char* labels[3];
    const char* values[3];
    int chosen;
};

Choices ChoicesOf(int row) {
    const Settings& s = CurrentSettings();
    switch (row) {
    case kLanguageRow:
        return {"language", 2, {"English", "Türkçe", ""}, {"en", "tr", ""}, IsEnglish() ? 0 : 1};
    case kScreenRow:
        return {"screen",
                2,
                {Tr("Full screen", "Tam ekran"), Tr("Window", "Pencere"), ""},
                {"fullscreen", "window", ""},
                ThePlatform().Fullscreen() ? 0 : 1};
    case kScalingRow:
        return {"scaling",
                2,
                {Tr("Fit the screen", "Ekrana sığdır"), Tr("Whole steps", "Tam katlar"), ""},
                {"fit", "whole", ""},
                s.wholeScaling ? 1 : 0};
    case kComputerRow:
        return {"computer-turns",
                3,
                {Tr("Follow", "İzle"), Tr("Faster", "Hızlı"), Tr("Result only", "Yalnız sonuç")},
                {"follow", "faster", "result"},
                static_cast<int>(s.computerTurns) - 1};
    default:
        return {"", 0, {"", "", ""}, {"", "", ""}, -1};
    }
}

Rect ChoiceBox(int row, int count, int i) {
    const int width = count == 3 ? 78 : 115, gap = count == 3 ? 5 : 8;
    const int left = kControlX + i * (width + gap);
    return {left, RowTop(row) - 2, left + width, RowTop(row) + 17};
}

Rect SliderBar(int row) {
    return {kControlX, RowTop(row) + 3, kControlX + kSliderWidth, RowTop(row) + 13};
}

// The bar reacts a little above and below itself, as a finger would expect.
Rect SliderArea(int row) {
    const Rect bar = SliderBar(row);
    return {bar.left - 6, bar.top - 8, bar.right + 6, bar.bottom + 8};
}

Rect KeyBox(int action, int place) {
    const int left = kKeyBoxX0 + place * kKeyBoxStep, top = kKeyRowY0 + kKeyRowStep * action - 1;
    return {left, top, left + kKeyBoxWidth, top + kKeyBoxHeight};
}

// The sheets' plates react over the whole plate they draw.
Rect Plate(int x) {
    return {x + 16, kButtonY + 10, x + 166, kButtonY + 42};
}

void DrawPlate(int x, const char* label) {
    const Rect plate = Plate(x);
    const bool lit = Inside(ui.mouseX, ui.mouseY, plate);
    DrawSprite(x, kButtonY, {lit ? 170 : 0, 110, lit ? 340 : 170, 160}, true, Sheet::Enterance);
    WriteCentred((plate.left + plate.right) / 2, kButtonY + 17, kInk, 10, label);
}

void Box(const Rect& r, bool filled) {
    Surface& screen = Screen();
    screen.FillRect(r, filled ? kSandDark : kSand);
    screen.FrameRect(r, kInk);
}

// The setting changed; when it could not be written the player is told, and it holds
// for this run all the same.
void Report(SettingChange change, const std::string& error) {
    if (change == SettingChange::NotWritten)
        ShowMessage(std::string(Tr("The setting holds for now, but it could not be kept for the next games: ",
                                   "Ayar şimdilik geçerli, ancak sonraki oyunlar için saklanamadı: ")) +
                    error);
    else if (change == SettingChange::Refused)
        ShowMessage(error);
}

void Change(const std::string& name, const std::string& value) {
    std::string error;
    Report(ChangeSetting(name, value, error), error);
}

void ChangeKeyTable(const KeyTable& keys) {
    std::string error;
    Report(ChangeKeys(keys, error), error);
}

void DrawSlider(int row, int volume) {
    Surface& screen = Screen();
    const Rect bar = SliderBar(row);
    screen.FillRect(bar, kSand);
    const int filled = bar.left + (bar.Width() * volume) / 100;
    screen.FillRect({bar.left, bar.top, filled, bar.bottom}, kSandDark);
    screen.FrameRect(bar, kInk);
    const int knob = std::clamp(filled, bar.left + 3, bar.right - 3);
    screen.FillRect({knob - 3, bar.top - 4, knob + 3, bar.bottom + 4}, kInk);
    const std::string text = volume == 0 ? std::string(Tr("off", "kapalı")) : std::to_string(volume) + " %";
    WriteText(bar.right + 12, RowTop(row), kInk, 8, text, kLeftX + 404);
}

void DrawGeneralSheet() {
    DrawSprite(kLeftX, kSheetY, kParchment, false, Sheet::EnteranceBackgrounds);
    WriteCentred(kLeftX + 206, kSheetY + 26, kInk, 10, Tr("Options", "Ayarlar"));
    const Settings& s = CurrentSettings();
    for (int row = 0; row < kRows; ++row) {
        WriteText(kLeftX + 24, RowTop(row), kInk, row == kComputerRow ? 8 : 10, RowLabel(row), kControlX - 4);
        if (row == kMusicRow || row == kEffectsRow) {
            DrawSlider(row, row == kMusicRow ? s.musicVolume : s.effectsVolume);
            continue;
        }
        const Choices c = ChoicesOf(row);
        for (int i = 0; i < c.count; ++i) {
            const Rect r = ChoiceBox(row, c.count, i);
            Box(r, i == c.chosen);
            WriteCentred((r.left + r.right) / 2, r.top + 3, kInk, 8, c.labels[i]);
        }
    }
    // What the choices do, under them.
    const std::string note =
        std::string(Tr("Every change takes effect at once and is kept for the next games. "
                       "Whole steps draw the picture two, three or more times its size with crisp pixels; "
                       "followed computer turns show their fights, faster ones wait less, and with the "
                       "result only the map is drawn again when your turn comes. ",
                       "Her değişiklik hemen geçerli olur ve sonraki oyunlar için saklanır. Tam katlar "
                       "resmi iki, üç ya da daha çok katı büyüklükte, keskin noktalarla çizer; izlenen "
                       "bilgisayar turlarında savaşları görünür, hızlılarda daha az beklenir, yalnız "
                       "sonuçta harita sizin turunuz gelince yeniden çizilir. ")) +
        Tr("Kept in: ", "Saklandığı yer: ") + SettingsPath();
    WriteText(kLeftX + 24, RowTop(kRows) + 8, kFaded, 8, note, kLeftX + 392);
    DrawPlate(kBackX, Tr("Back", "Geri"));
}

void DrawKeysSheet() {
    DrawSprite(kRightX, kSheetY, kParchment, false, Sheet::EnteranceBackgrounds);
    WriteCentred(kRightX + 206, kSheetY + 26, kInk, 10, Tr("Keys", "Tuşlar"));
    const int awaited = ui.optionsAwaitedKey - 1;
    const std::string hint =
        awaited >= 0 ? std::string(Tr("Press the key for: ", "Tuşa basın: ")) +
                           KeyActionLabel(awaited / kKeysPerAction)
                     : std::string(Tr("Press a box, then a key. A right press clears a box.",
                                      "Bir kutuya, sonra bir tuşa basın. Sağ tık kutuyu boşaltır."));
    WriteCentred(kRightX + 206, kSheetY + 50, awaited >= 0 ? kInk : kFaded, 8, hint);
    const KeyTable& keys = CurrentSettings().keys;
    for (int a = 0; a < kKeyActions; ++a) {
        WriteText(kRightX + 24, kKeyRowY0 + kKeyRowStep * a, kInk, 8, KeyActionLabel(a), kKeyBoxX0 - 4);
        for (int place = 0; place < kKeysPerAction; ++place) {
            const Rect r = KeyBox(a, place);
            const bool waiting = awaited == a * kKeysPerAction + place;
            Box(r, waiting);
            const int key = keys.keys[a][place];
            const std::string label = waiting ? "?" : key != 0 ? KeyLabel(key) : "";
            WriteCentred((r.left + r.right) / 2, r.top + 1, kInk, 8, label);
        }
    }
    DrawPlate(kDefaultsX, Tr("Default keys", "Varsayılan tuşlar"));
}

void CloseOptions() {
    ui.optionsOpen = 0;
    ui.optionsAwaitedKey = 0;
    // In a game the page was opened from the main menu, and goes back to it.
    if (ui.gameStarted) {
        ui.mainMenuOpen = 1;
        ui.mainMenuChoice = 0;
    }
}

// The key a player pressed for an order's place: an order holding it already gives it
// up only when the player says so.
void GiveKey(int action, int place, int key) {
    KeyTable next = CurrentSettings().keys;
    int heldAt = 0;
    const int holder = ActionOfKey(next, key, &heldAt);
    if (holder >= 0 && holder != action &&
        !Ask(IsEnglish() ? "The key " + KeyLabel(key) + " is already used for \"" + KeyActionLabel(holder) +
                               "\". Take it from that order?"
                         : KeyLabel(key) + " tuşu zaten şu emrin tuşu: \"" + KeyActionLabel(holder) +
                               "\". Bu emirden alınsın mı?",
             Tr("Take it", "Al"), Tr("Cancel", "Vazgeç")))
        return;
    if (holder >= 0) next.keys[holder][heldAt] = 0;
    next.keys[action][place] = key;
    ChangeKeyTable(next);
}

void PressVolume(int row, int x) {
    const Rect bar = SliderBar(row);
    const int volume = std::clamp((x - bar.left) * 100 / bar.Width(), 0, 100);
    const int stepped = (volume + 2) / 5 * 5; // in steps of five
    Change(row == kMusicRow ? "music-volume" : "effects-volume", std::to_string(stepped));
    // The new loudness of the effects is heard at once.
    PlaySound("click");
}

} // namespace

void OpenOptions() {
    ui.optionsOpen = 1;
    ui.optionsAwaitedKey = 0;
    ui.mainMenuOpen = 0;
}

void DrawOptionsScreen() {
    // Over the entrance: its picture; over a game: the game, as the frame drew it.
    if (!ui.gameStarted) {
        DrawSprite(0, 0, {0, 0, 1024, 768}, false, Sheet::EnteranceBackgrounds);
        // The motto under the title in the player's language, as on the entrance.
        if (!IsEnglish()) DrawSprite(0, 165, {0, 1536, 1024, 1572}, false, Sheet::EnteranceBackgrounds);
    }
    DrawGeneralSheet();
    DrawKeysSheet();
}

void OptionsMouseDown(int button, int x, int y) {
    const int awaited = ui.optionsAwaitedKey - 1;
    ui.optionsAwaitedKey = 0; // a press anywhere ends the wait for a key
    for (int a = 0; a < kKeyActions; ++a)
        for (int place = 0; place < kKeysPerAction; ++place) {
            if (!Inside(x, y, KeyBox(a, place))) continue;
            PlaySound("click");
            if (button == 1) {
                KeyTable next = CurrentSettings().keys;
                next.keys[a][place] = 0;
                ChangeKeyTable(next);
            } else if (awaited != a * kKeysPerAction + place) {
                ui.optionsAwaitedKey = a * kKeysPerAction + place + 1;
            }
            return;
        }
    if (button != 0) return;
    if (Inside(x, y, Plate(kBackX))) {
        PlaySound("click");
        CloseOptions();
        return;
    }
    if (Inside(x, y, Plate(kDefaultsX))) {
        PlaySound("click");
        ChangeKeyTable(DefaultKeyTable());
        return;
    }
    for (int row : {kMusicRow, kEffectsRow})
        if (Inside(x, y, SliderArea(row))) {
            PressVolume(row, x);
            return;
        }
    for (int row = kLanguageRow; row < kRows; ++row) {
        const Choices c = ChoicesOf(row);
        for (int i = 0; i < c.count; ++i) {
            if (!Inside(x, y, ChoiceBox(row, c.count, i))) continue;
            PlaySound("click");
            // The player's own choice of language now wins over --lang too.
            if (row == kLanguageRow) SetCommandLineLanguage(0);
            Change(c.setting, c.values[i]);
            return;
        }
    }
}

void OptionsKeyDown(int key) {
    const int awaited = ui.optionsAwaitedKey - 1;
    if (awaited >= 0) {
        if (KeyName(key).empty()) return; // Shift, Ctrl, Alt alone give no order
        ui.optionsAwaitedKey = 0;
        GiveKey(awaited / kKeysPerAction, awaited % kKeysPerAction, key);
        return;
    }
    // Escape closes the page whatever the keyboard table says, and so does the key of
    // the table's menu order.
    if (key == kVkEscape || BoundKey(key) == kVkEscape) CloseOptions();
}

} // namespace annals
