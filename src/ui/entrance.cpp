// The entrance screen: the root menu, the new-game settings, the load page and the
// credits, shown while no game runs.
#include "ui/entrance.h"

#include "economy/science.h"
#include "persist/save_game.h"
#include "platform/platform.h"
#include "state/host.h"
#include "state/rules.h"
#include "state/state.h"
#include "ui/drawing.h"
#include "ui/hall_of_fame_page.h"
#include "ui/options_screen.h"
#include "ui/screens.h"
#include "ui/text.h"
#include "units/orders.h"
#include "units/unit_table.h"
#include "world/setup.h"

#include <string>

namespace annals {

namespace {

constexpr Pixel kSand = Rgb(226, 204, 150);
constexpr Pixel kSandDark = Rgb(188, 150, 92);
constexpr Pixel kLight = Rgb(221, 221, 221);

constexpr int kMenuItems = 6;
// The lit plate of each item: the hall of fame and the options share the first one's.
constexpr int kMenuWidths[kMenuItems] = {121, 121, 99, 121, 121, 69};
constexpr int kMenuSheetX[kMenuItems] = {0, 121, 242, 0, 0, 341};
constexpr int kMapSizes[5] = {24, 30, 36, 42, 48};
constexpr int kDefaultNations[8] = {0, 3, 2, 8, 4, 9, 10, 7};
// The last years a game may be given; 0 lets it run without end.
constexpr int kEndYears[6] = {0, 1000, 1500, 1800, 1900, 2000};
constexpr int kEndYearList = 26;

std::string EndYearName(int year) {
    return year == 0 ? std::string(Tr("None", "Yok")) : YearName(year);
}

bool Inside(int x, int y, int left, int top, int right, int bottom) {
    return x >= left && x < right && y >= top && y < bottom;
}

const char* MenuItem(int i) {
    static const char* const english[kMenuItems] = {"New Game",     "Load Game", "Credits",
                                                    "Hall of Fame", "Options",   "Exit"};
    static const char* const turkish[kMenuItems] = {"Yeni Oyun",     "Oyun Yükle", "Yapanlar",
                                                    "Şeref Listesi", "Ayarlar",    "Çıkış"};
    return Tr(english[i], turkish[i]);
}

const char* SizeName(int size) {
    switch (size) {
    case 24:
        return Tr("Tiny", "Çok Küçük");
    case 30:
        return Tr("Small", "Küçük");
    case 36:
        return Tr("Medium", "Normal");
    case 42:
        return Tr("Large", "Geniş");
    case 48:
        return Tr("Huge", "Çok Geniş");
    default:
        return "";
    }
}

const char* LocationName(int location) {
    switch (location) {
    case 1:
        return Tr("Island", "Tek Ada");
    case 2:
        return Tr("Lake", "Göl");
    case 3:
        return Tr("Continental", "Karasal");
    case 4:
        return Tr("Coastal", "Kıyısal");
    case 5:
        return Tr("Random", "Rastgele");
    default:
        return "";
    }
}

const char* DifficultyName(int difficulty) {
    switch (difficulty) {
    case 1:
        return Tr("Easiest", "Çok Kolay");
    case 2:
        return Tr("Easy", "Kolay");
    case 3:
        return Tr("Moderate", "Normal");
    case 4:
        return Tr("Hard", "Zor");
    case 5:
        return Tr("Hardest", "Çok Zor");
    default:
        return "";
    }
}

const char* ControlName(bool computer) {
    return computer ? Tr("Computer", "Bilgisayar") : Tr("Human", "İnsan");
}

Pixel SwatchColour(int colour, bool inList) {
    switch (colour) {
    case 1:
        return Rgb(0, 0, 255);
    case 2:
        return Rgb(0, 128, 0);
    case 3:
        return Rgb(255, 255, 255);
    case 4:
        return Rgb(255, 255, 0);
    case 5:
        return Rgb(255, 0, 0);
    case 6:
        return inList ? Rgb(255, 128, 64) : Rgb(255, 128, 0);
    case 7:
        return Rgb(168, 0, 168);
    default:
        return kBlack;
    }
}

int Players() {
    return game.civCount >= 3 ? game.civCount - 1 : 0;
}
int RowY(int p) {
    return 318 + 32 * (p - 1);
}

// An opener of a player row reacts only while that player is in the game.
bool PlayerShown(int p) {
    return p <= 2 || game.civCount >= p + 1;
}

// The settings that each opening of the page starts from.
void ApplyDefaults() {
    game.civCount = 8;
    game.mapWidth = game.mapHeight = 42;
    game.difficulty = 1;
    game.location = 1;
    game.endYear = 0;
    for (int p = 1; p <= 7; ++p) {
        Civ(p).nation = static_cast<uint8_t>(kDefaultNations[p]);
        Civ(p).colour = static_cast<uint8_t>(p);
        Civ(p).aiLevel = game.difficulty;
        Civ(p).isComputer = p == 1 ? 0 : 1;
    }
    ui.openList = 0;
}

// Gives player p a nation (or colour); whoever of the seven rows had it takes p's old
// one, so no two players ever share one, however many players are chosen later.
void GiveNation(int p, int nation) {
    const uint8_t old = Civ(p).nation;
    for (int q = 1; q <= 7; ++q)
        if (q != p && Civ(q).nation == nation) Civ(q).nation = old;
    Civ(p).nation = static_cast<uint8_t>(nation);
}

void GiveColour(int p, int colour) {
    const uint8_t old = Civ(p).colour;
    for (int q = 1; q <= 7; ++q)
        if (q != p && Civ(q).colour == colour) Civ(q).colour = old;
    Civ(p).colour = static_cast<uint8_t>(colour);
}

// Where the open list lies, its rows, and the choice of a row.
struct ListBox {
    Rect area;
    int rows;
};

ListBox OpenListBox(int list) {
    if (list == 1) return {{141, 193, 240, 273}, 5};
    if (list == 2) return {{141, 225, 240, 305}, 5};
    if (list == 3) return {{141, 257, 240, 353}, 6};
    if (list == 4) return {{141, 289, 240, 369}, 5};
    if (list >= 5 && list <= 11) {
        const int y0 = 334 + 32 * (list - 5);
        return {{109, y0, 209, y0 + 32}, 2};
    }
    if (list >= 12 && list <= 18) {
        const int y0 = 334 + 32 * (list - 12);
        return {{244, y0, 344, y0 + 160}, 10};
    }
    if (list >= 19 && list <= 25) {
        const int y0 = 334 + 32 * (list - 19);
        return {{377, y0, 395, y0 + 112}, 7};
    }
    if (list == kEndYearList) return {{300, 225, 412, 321}, 6};
    return {{0, 0, 0, 0}, 0};
}

std::string ListRowText(int list, int r) {
    if (list == 1) return SizeName(kMapSizes[r]);
    if (list == 2) return LocationName(r + 1);
    if (list == 3) return std::to_string(r + 1);
    if (list == 4) return DifficultyName(r + 1);
    if (list >= 5 && list <= 11) return ControlName(r == 1);
    if (list >= 12 && list <= 18) return nationName(r + 1);
    if (list == kEndYearList) return EndYearName(kEndYears[r]);
    return {};
}

// Whether a press at (x, y) falls on a row of the open list; which row.
bool ListRowAt(int list, int x, int y, int& row) {
    const ListBox box = OpenListBox(list);
    const int top = box.area.top + 1;
    if (box.rows == 0 || !Inside(x, y, box.area.left, top, box.area.right, top + 16 * box.rows)) return false;
    row = (y - top) / 16;
    return true;
}

void Choose(int list, int r) {
    if (list == 1)
        game.mapWidth = game.mapHeight = static_cast<uint8_t>(kMapSizes[r]);
    else if (list == 2)
        game.location = r + 1;
    else if (list == 3)
        game.civCount = static_cast<uint8_t>(r + 3);
    else if (list == 4)
        game.difficulty = static_cast<uint8_t>(r + 1);
    else if (list >= 5 && list <= 11)
        Civ(list - 4).isComputer = r == 1 ? 1 : 0;
    else if (list >= 12 && list <= 18)
        GiveNation(list - 11, r + 1);
    else if (list >= 19 && list <= 25)
        GiveColour(list - 18, r + 1);
    else if (list == kEndYearList)
        game.endYear = kEndYears[r];
}

// The opener buttons: which list each opens.
int OpenerAt(int x, int y) {
    if (Inside(x, y, 241, 174, 258, 191)) return 1;
    if (Inside(x, y, 241, 206, 258, 223)) return 2;
    if (Inside(x, y, 241, 228, 258, 255)) return 3;
    if (Inside(x, y, 241, 260, 258, 287)) return 4;
    if (Inside(x, y, 395, 206, 412, 223)) return kEndYearList;
    for (int p = 1; p <= 7; ++p) {
        if (!PlayerShown(p)) continue;
        const int top = 317 + 32 * (p - 1), bottom = 334 + 32 * (p - 1);
        if (Inside(x, y, 209, top, 226, bottom)) return 4 + p;
        if (Inside(x, y, 344, top, 361, bottom)) return 11 + p;
        if (Inside(x, y, 395, top, 412, bottom)) return 18 + p;
    }
    return 0;
}

// Where the page buttons stand (their sprites' top-left corners).
constexpr int kStartX = 36, kSettingsBackX = 250, kPageBackX = 90, kButtonY = 546;

// A button reacts over the whole plate it draws, its label included.
Rect Plate(int x, int y) {
    return {x + 16, y + 10, x + 166, y + 42};
}

bool OnPlate(int px, int py, int x, int y = kButtonY) {
    const Rect plate = Plate(x, y);
    return Inside(px, py, plate.left, plate.top, plate.right, plate.bottom);
}

void DrawButton(int x, int y, int which, const char* label) {
    // which 0 = start, 1 = back; lit while the pointer is over its plate.
    const bool lit = OnPlate(ui.mouseX, ui.mouseY, x, y);
    DrawSprite(x, y, {lit ? 170 : 0, 60 + 50 * which, lit ? 340 : 170, 110 + 50 * which}, true,
               Sheet::Enterance);
    const Rect plate = Plate(x, y);
    WriteCentred((plate.left + plate.right) / 2, y + 17, kInk, 10, label);
}

void DrawOpener(int x, int y) {
    const bool lit = Inside(ui.mouseX, ui.mouseY, x, y, x + 17, y + 17);
    DrawSprite(x, y, {lit ? 17 : 0, 170, lit ? 34 : 17, 187}, true, Sheet::Enterance);
}

void DrawVersion() {
    WriteText(910, 720, kLight, 10, Tr("Version 0.4", "Versiyon 0.4"), 1024);
}

void DrawPage() {
    DrawSprite(0, 0, {0, 768, 1024, 1536}, false, Sheet::EnteranceBackgrounds);
}

// The row of an open list that holds the current choice.
int CurrentRow(int list) {
    if (list == 1) {
        for (int r = 0; r < 5; ++r)
            if (kMapSizes[r] == game.mapWidth) return r;
        return -1;
    }
    if (list == 2) return static_cast<int>(game.location) - 1;
    if (list == 3) return game.civCount - 3;
    if (list == 4) return game.difficulty - 1;
    if (list >= 5 && list <= 11) return Civ(list - 4).isComputer ? 1 : 0;
    if (list >= 12 && list <= 18) return Civ(list - 11).nation - 1;
    if (list >= 19 && list <= 25) return Civ(list - 18).colour - 1;
    if (list == kEndYearList)
        for (int r = 0; r < 6; ++r)
            if (kEndYears[r] == game.endYear) return r;
    return -1;
}

void DrawOpenList() {
    const int list = ui.openList;
    const ListBox box = OpenListBox(list);
    if (box.rows == 0) return;
    Surface& screen = ThePlatform().BackBuffer();
    // A pixel of page inside the frame above the first row and below the last.
    const Rect area{box.area.left, box.area.top, box.area.right, box.area.top + 16 * box.rows + 3};
    screen.FillRect(area, kSand);
    screen.FrameRect(area, kInk);
    const int current = CurrentRow(list);
    for (int r = 0; r < box.rows; ++r) {
        const Rect row{area.left + 1, area.top + 1 + 16 * r, area.right - 1, area.top + 1 + 16 * r + 16};
        if (Inside(ui.mouseX, ui.mouseY, row.left, row.top, row.right, row.bottom))
            screen.FillRect(row, kSandDark);
        if (list >= 19 && list <= 25) {
            const Rect swatch{row.left + 3, row.top + 3, row.right - 3, row.bottom - 3};
            screen.FillRect(swatch, SwatchColour(r + 1, true));
            if (r == current) {
                screen.FrameRect({row.left + 1, row.top + 1, row.right - 1, row.bottom - 1}, kInk);
                screen.FrameRect({row.left + 2, row.top + 2, row.right - 2, row.bottom - 2}, kInk);
            }
            continue;
        }
        // The current choice is marked by a small arrowhead before its name.
        if (r == current)
            for (int i = 0; i < 4; ++i)
                screen.Line(row.left + 3 + i, row.top + 4 + i, row.left + 3 + i, row.top + 12 - i, kInk);
        WriteText(row.left + 10, row.top + 2, kInk, 8, ListRowText(list, r), row.right + 40);
    }
}

void DrawSettings() {
    DrawPage();
    const char* labels[4] = {Tr("Map size :", "Harita boyu :"), Tr("Location :", "Konum :"),
                             Tr("Other players :", "Rakipler :"), Tr("Difficulty :", "Zorluk :")};
    const std::string values[4] = {SizeName(game.mapWidth), LocationName(static_cast<int>(game.location)),
                                   std::to_string(game.civCount - 2), DifficultyName(game.difficulty)};
    for (int i = 0; i < 4; ++i) {
        WriteText(48, 174 + 32 * i, kInk, 10, labels[i], 400);
        WriteText(144, 174 + 32 * i, kInk, 10, values[i], 400);
        DrawOpener(241, 174 + 32 * i);
    }
    // The last year of the game, beside the first settings.
    WriteText(280, 174, kInk, 10, Tr("Last year :", "Son yıl :"), 412);
    WriteText(290, 206, kInk, 10, EndYearName(game.endYear), 412);
    DrawOpener(395, 206);
    ThePlatform().BackBuffer().Line(46, 299, 412, 299, kInk);
    for (int p = 1; p <= Players(); ++p) {
        const int y = RowY(p);
        WriteText(48, y, kInk, 8, std::string(Tr("Player ", "Oyuncu ")) + std::to_string(p) + " :", 400);
        WriteText(112, y, kInk, 8, ControlName(Civ(p).isComputer), 400);
        WriteText(246, y, kInk, 8, nationName(Civ(p).nation), 400);
        Surface& screen = ThePlatform().BackBuffer();
        screen.FillRect({376, y - 1, 395, y + 18}, SwatchColour(Civ(p).colour, false));
        screen.FrameRect({376, y - 1, 395, y + 18}, kInk);
        DrawOpener(209, y - 1);
        DrawOpener(344, y - 1);
        DrawOpener(395, y - 1);
    }
    DrawButton(kStartX, kButtonY, 0, Tr("Start", "Başla"));
    DrawButton(kSettingsBackX, kButtonY, 1, Tr("Back", "Geri"));
    DrawOpenList();
    DrawVersion();
}

// The row of the load list under (x, y), 1..7, or 0.
int SlotRowAt(int x, int y) {
    if (x < 64 || x >= 221 || y < 270 || y >= 534) return 0;
    const int row = (y - 278) / 36 + 1;
    return row >= 1 && row <= kSaveSlots ? row : 0;
}

void DrawLoadPage() {
    DrawPage();
    WriteCentred(150, 200, kInk, 10, Tr("Load Game", "Oyun Yükle"));
    const int hovered = SlotRowAt(ui.mouseX, ui.mouseY);
    for (int n = 1; n <= kSaveSlots; ++n) {
        const int y = 252 + 36 * n - (n == kAutosaveSlot ? 4 : 0);
        const Pixel colour = n == hovered ? kLight : kInk;
        // The light text of the row under the pointer sits on a dark bar over the page.
        if (n == hovered)
            ThePlatform().BackBuffer().FillRect({64, 278 + 36 * (n - 1), 221, 278 + 36 * n - 4}, kInk);
        WriteCentred(150, y, colour, 10, SlotLabel(n));
        if (n == kAutosaveSlot) WriteCentred(150, y + 15, colour, 8, Tr("autosave", "otomatik"));
    }
    DrawButton(kPageBackX, kButtonY, 1, Tr("Back", "Geri"));
    DrawVersion();
}

void DrawCredits() {
    DrawPage();
    static const TextPair lines[] = {
        {"Annals", "Annals"},
        {"", ""},
        {"Made by the Annals team:", "Annals ekibinin eseridir:"},
        {"design, rules and programming,", "tasarım, kurallar ve programlama,"},
        {"pictures drawn by our own program,", "resimler kendi programımızla çizildi,"},
        {"sounds and music composed by our own program.", "sesler ve müzik kendi programımızla bestelendi."},
        {"", ""},
        {"Built with SDL2, SDL2_ttf, SDL2_mixer, Cairo", "SDL2, SDL2_ttf, SDL2_mixer, Cairo ve DejaVu"},
        {"and the DejaVu fonts.", "yazı tipleriyle yapılmıştır."},
    };
    int y = 180;
    for (const TextPair& line : lines) {
        WriteText(56, y, kInk, 10, Tr(line), 420);
        y += 24;
    }
    DrawButton(kPageBackX, kButtonY, 1, Tr("Back", "Geri"));
    DrawVersion();
}

void DrawRootMenu() {
    DrawSprite(0, 0, {0, 0, 1024, 768}, false, Sheet::EnteranceBackgrounds);
    if (!IsEnglish()) DrawSprite(0, 165, {0, 1536, 1024, 1572}, false, Sheet::EnteranceBackgrounds);
    const int sheetRow = IsEnglish() ? 0 : 30;
    for (int i = 0; i < kMenuItems; ++i) {
        const int top = 338 + 30 * i;
        const bool lit = Inside(ui.mouseX, ui.mouseY, 591, top, 591 + kMenuWidths[i], top + 29);
        if (lit)
            DrawSprite(591, top, {kMenuSheetX[i], sheetRow, kMenuSheetX[i] + kMenuWidths[i], sheetRow + 29},
                       true, Sheet::Enterance);
        WriteText(600, top + 6, lit ? kInk : Rgb(250, 236, 200), 10, MenuItem(i), 1024);
    }
    DrawVersion();
}

void SettingsPress(int x, int y) {
    const int wasOpen = ui.openList;
    bool chose = false;
    int row = 0;
    if (wasOpen != 0 && ListRowAt(wasOpen, x, y, row)) {
        Choose(wasOpen, row);
        ui.openList = 99;
        chose = true;
    }
    const bool colourListOpen = wasOpen >= 19 && wasOpen <= 25;
    if (!colourListOpen && OnPlate(x, y, kSettingsBackX)) {
        PlaySound("click");
        ui.newGameScreen = 0;
        ui.openList = 0;
        return;
    }
    if (chose) {
        ui.openList = 0;
        return;
    }
    if (OnPlate(x, y, kStartX)) {
        PlaySound("city");
        for (int p = 1; p < game.civCount; ++p)
            if (Civ(p).isComputer) Civ(p).aiLevel = game.difficulty;
        StopSound("intro");
        ui.newGameScreen = 0;
        ui.openList = 0;
        if (!StartGame()) {
            ui.newGameScreen = 1;
            ShowMessage(
                Tr("No world with room for every player could be made. Try a larger map or fewer players.",
                   "Her oyuncuya yer olan bir dünya yaratılamadı. Daha büyük bir harita ya da daha az "
                   "oyuncu deneyin."));
        }
        return;
    }
    const int opener = OpenerAt(x, y);
    ui.openList = opener != 0 && opener != wasOpen ? static_cast<uint8_t>(opener) : 0;
}

void LoadPress(int x, int y) {
    const int slot = SlotRowAt(x, y);
    if (slot != 0) {
        // A free slot does nothing; a slot that is not a sound save is refused with a
        // message, and the entrance screen stays as it was.
        if (!SlotExists(slot)) return;
        PlaySound("city");
        ResetNativeDemand();
        if (!Load(slot)) return;
        BuildOrderButtons();
        if (IsHuman(game.currentCiv)) MoveViewToSelection(true);
        CoverSharedScreen();
        AnnounceTurn();
        ResumeHumanResearch(game.currentCiv);
        ui.loadScreen = 0;
        StopSound("intro");
        return;
    }
    if (OnPlate(x, y, kPageBackX)) {
        PlaySound("click");
        ui.loadScreen = 0;
    }
}

} // namespace

void DrawEnterance() {
    if (ui.optionsOpen)
        DrawOptionsScreen();
    else if (ui.newGameScreen)
        DrawSettings();
    else if (ui.loadScreen)
        DrawLoadPage();
    else if (ui.creditsScreen)
        DrawCredits();
    else if (ui.fameScreen)
        DrawHallOfFame();
    else
        DrawRootMenu();
}

void EnteranceMouseDown(int, int x, int y) {
    if (ui.newGameScreen) {
        SettingsPress(x, y);
    } else if (ui.loadScreen) {
        LoadPress(x, y);
    } else if (ui.fameScreen) {
        HallOfFamePress(x, y);
    } else if (ui.creditsScreen) {
        if (OnPlate(x, y, kPageBackX)) {
            PlaySound("click");
            ui.creditsScreen = 0;
        }
    } else if (Inside(x, y, 591, 338, 712, 367)) {
        PlaySound("city");
        ApplyDefaults();
        ui.newGameScreen = 1;
    } else if (Inside(x, y, 591, 368, 712, 397)) {
        PlaySound("city");
        ui.loadScreen = 1;
    } else if (Inside(x, y, 591, 398, 690, 427)) {
        PlaySound("city");
        ui.creditsScreen = 1;
    } else if (Inside(x, y, 591, 428, 712, 457)) {
        PlaySound("city");
        OpenHallOfFame();
    } else if (Inside(x, y, 591, 458, 712, 487)) {
        PlaySound("city");
        OpenOptions();
    } else if (Inside(x, y, 591, 488, 660, 517)) {
        TheHost().Quit();
    }
}

} // namespace annals
