// The main menu, the save and load menus, the score screen and the game-over screen.
#include "ui/menus.h"

#include "audio/music.h"
#include "economy/science.h"
#include "economy/victory.h"
#include "persist/save_game.h"
#include "platform/platform.h"
#include "state/host.h"
#include "state/rules.h"
#include "state/state.h"
#include "ui/drawing.h"
#include "ui/guidance.h"
#include "ui/map_view.h"
#include "ui/options_screen.h"
#include "ui/screens.h"
#include "ui/text.h"
#include "units/orders.h"
#include "units/unit_table.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>

namespace annals {

namespace {

// A chosen slot or main-menu item whose countdown ran out in this frame, acted on once
// the frame's texts are all written, so that a question or a message it brings stands
// over the whole frame.
bool slotChoiceDue = false;
int mainMenuChoiceDue = 0;

// The menu window and its plates (backgrounds sheet); the message box (interfaces sheet).
constexpr Rect kMenuWindow{0, 0, 436, 453};
constexpr int kMenuWindowX = 296, kMenuWindowY = 142;
constexpr Rect kMenuTitle{1210, 0, 1286, 30};
constexpr Rect kSaveTitle{1210, 30, 1286, 60};
constexpr Rect kLoadTitle{1210, 60, 1286, 90};
constexpr Rect kItemPlate{0, 460, 104, 481};
constexpr Rect kItemPressed{110, 460, 211, 479};
constexpr Rect kSlotPlate{220, 460, 373, 481};
constexpr Rect kSlotPressed{380, 460, 530, 479};
constexpr Rect kMessageBox{720, 0, 990, 132};
constexpr int kMessageBoxX = 377, kMessageBoxY = 285;
constexpr int kMenuItems = kExitItem;
constexpr int kCountdown = 8;

bool InHalfOpen(int v, int low, int high) {
    return v >= low && v < high;
}

bool DialogShown() {
    return ui.dialogCode != 0;
}

// Lowers the shared countdown; true in the frame it runs out.
bool CountdownRunsOut() {
    if (ui.closeCountdown == 0) return false;
    ui.closeCountdown -= 1;
    return ui.closeCountdown == 0;
}

void MainMenuChoiceTakesEffect(int choice) {
    switch (choice) {
    case kScoreItem:
        ui.scoreMenuOpen = 1;
        ui.mainMenuOpen = 0;
        break;
    case kSaveItem:
        // A save in the middle of choosing a science would come back without the choice.
        if (ui.scienceTableOpen) {
            ShowMessage(Tr("You cannot save your game while selecting next science.",
                           "Yeni bilim seçerken oyunu kaydedemezsiniz."));
            break;
        }
        ui.saveMenuOpen = 1;
        ui.slotChoice = 0;
        ui.mainMenuOpen = 0;
        break;
    case kLoadItem:
        ui.loadMenuOpen = 1;
        ui.slotChoice = 0;
        ui.mainMenuOpen = 0;
        break;
    case kMusicItem:
        ToggleMusic();
        break;
    case kGuidanceItem:
        SetGuidanceOn(!GuidanceOn());
        break;
    case kHelpItem:
        ui.helpMenuOpen = 1;
        ui.helpPage = 1;
        ui.helpDrawn = 0;
        ui.mainMenuOpen = 0;
        break;
    case kOptionsItem:
        OpenOptions();
        break;
    case kRetireItem:
        ui.mainMenuOpen = 0;
        // A game already over shows its end again; otherwise the player is asked first.
        if (game.endKind != kNotEnded) {
            ui.endScreenOpen = 1;
            ui.endScreenPage = 1;
        } else if (Ask(Tr("Retire now? The game ends here, with the scores as they stand.",
                          "Şimdi emekli olmak istiyor musunuz? Oyun, puanlar şu anki haliyle burada biter."),
                       Tr("Retire", "Emekli Ol"), Tr("Cancel", "Vazgeç"))) {
            Retire();
        }
        break;
    case kExitItem:
        // A game left unsaved is lost: the player may save it first (not while a science
        // is being chosen, when no save is possible).
        if (!ui.scienceTableOpen && !game.gameOver &&
            Ask(Tr("Do you want to save the game before you leave?",
                   "Çıkmadan önce oyunu kaydetmek ister misiniz?"),
                Tr("Save first", "Önce kaydet"), Tr("Exit", "Çık"))) {
            ui.saveMenuOpen = 1;
            ui.slotChoice = 0;
            ui.mainMenuOpen = 0;
            break;
        }
        TheHost().Quit();
        break;
    default:
        break;
    }
}

void SlotChoiceTakesEffect() {
    const int slot = ui.slotChoice;
    if (ui.saveMenuOpen) {
        // A used slot is replaced only when the player says so; otherwise the menu stays.
        if (SlotExists(slot) &&
            !Ask(std::string(Tr("This slot holds a saved game: ", "Bu yuvada kayıtlı bir oyun var: ")) +
                     SlotLabel(slot) + Tr(". Replace it with this game?", ". Yerine bu oyun kaydedilsin mi?"),
                 Tr("Replace", "Değiştir"), Tr("Cancel", "Vazgeç"))) {
            ui.slotChoice = 0;
            return;
        }
        if (Save(slot)) ShowMessage(Tr("Game saved.", "Oyun kaydedildi."));
    } else {
        ui.frameDrawn = 0;
        // A refused file leaves the running game as it was; the menu closes all the same.
        if (Load(slot)) {
            for (int x = 1; x <= game.mapWidth; ++x)
                for (int y = 1; y <= game.mapHeight; ++y)
                    game.seaBodyCount = std::max(game.seaBodyCount, Cell(x, y).seaBody);
            BuildOrderButtons();
            if (IsHuman(game.currentCiv)) MoveViewToSelection(true);
            CoverSharedScreen();
            AnnounceTurn();
            ResumeHumanResearch(game.currentCiv);
        }
    }
    ui.smallMapValid = 0;
    ui.gameStarted = 1;
    RenderSmallMap();
    ui.saveMenuOpen = ui.loadMenuOpen = 0;
    ui.slotChoice = 0;
    ui.mainMenuChoice = 0;
}

} // namespace

// The room for a slot's label on its plate, a margin kept at each end.
constexpr int kSlotTextWidth = 153 - 10;

std::string MenuSlotLabel(int slot) {
    const std::string label = SlotLabel(slot);
    if (slot != kAutosaveSlot || !SlotExists(slot)) return label;
    // The mark of the autosave, short enough for the plate with the longest label.
    std::string marked = Tr("Auto, ", "Oto. ");
    marked += label;
    return LineWidth(marked, 8) <= kSlotTextWidth ? marked : label;
}

// ---------------------------------------------------------------------------
// Main menu

void DrawMainMenu() {
    DrawSprite(kMenuWindowX, kMenuWindowY, kMenuWindow, true, Sheet::Backgrounds);
    DrawSprite(474, 270, kMenuTitle, true, Sheet::Backgrounds);
    for (int k = 1; k <= kMenuItems; ++k) {
        if (ui.mainMenuChoice == k)
            DrawSprite(463, 289 + 23 * k, kItemPressed, true, Sheet::Backgrounds);
        else
            DrawSprite(462, 288 + 23 * k, kItemPlate, true, Sheet::Backgrounds);
    }
    // The information panel's text pass is to write these; until then the menu does.
    WriteMainMenu();
}

void WriteMainMenu() {
    if (!ui.mainMenuOpen) return;
    for (int k = 1; k <= kMenuItems; ++k) {
        const char* text = "";
        switch (k) {
        case kScoreItem:
            text = Tr("Score", "Puan");
            break;
        case kSaveItem:
            text = Tr("Save Game", "Oyunu Kaydet");
            break;
        case kLoadItem:
            text = Tr("Load Game", "Oyun Yükle");
            break;
        case kMusicItem:
            text = ui.musicOn ? Tr("Music On", "Müzik Açık") : Tr("Music Off", "Müzik Kapalı");
            break;
        case kGuidanceItem:
            text = GuidanceOn() ? Tr("Guide On", "Rehber Açık") : Tr("Guide Off", "Rehber Kapalı");
            break;
        case kHelpItem:
            text = Tr("Encyclopedia", "Ansiklopedi");
            break;
        case kOptionsItem:
            text = Tr("Options", "Ayarlar");
            break;
        case kRetireItem:
            text = game.endKind != kNotEnded ? Tr("End of Game", "Oyunun Sonu") : Tr("Retire", "Emekli Ol");
            break;
        case kExitItem:
            text = Tr("Exit", "Çıkış");
            break;
        }
        const int pressed = ui.mainMenuChoice == k ? 1 : 0;
        WriteCentred(512 + pressed, 291 + 23 * k + pressed, kInk, 8, text);
    }
    if (CountdownRunsOut()) mainMenuChoiceDue = ui.mainMenuChoice;
}

bool MainMenuMouseDown(int x, int y) {
    for (int k = 1; k <= kMenuItems; ++k) {
        if (InHalfOpen(x, 463, 565) && InHalfOpen(y, 289 + 23 * k, 308 + 23 * k)) {
            ui.mainMenuChoice = static_cast<uint8_t>(k);
            PlaySound("click");
            ui.closeCountdown = kCountdown;
            return true;
        }
    }
    return false;
}

// ---------------------------------------------------------------------------
// Save and load menus

void DrawSaveLoadMenu() {
    DrawSprite(kMenuWindowX, kMenuWindowY, kMenuWindow, true, Sheet::Backgrounds);
    DrawSprite(474, 265, ui.saveMenuOpen ? kSaveTitle : kLoadTitle, true, Sheet::Backgrounds);
    // The title plate carries no word of its own: the menu names itself, in either
    // language, in ink above it.
    WriteCentred(512, 247, kTitleInk, 10,
                 ui.saveMenuOpen ? Tr("Save Game", "Oyunu Kaydet") : Tr("Load Game", "Oyun Yükle"));
    for (int n = 1; n <= kSaveSlots; ++n) {
        if (ui.slotChoice == n)
            DrawSprite(438, 281 + 23 * n, kSlotPressed, true, Sheet::Backgrounds);
        else
            DrawSprite(437, 280 + 23 * n, kSlotPlate, true, Sheet::Backgrounds);
    }
    // The information panel's text pass is to write these; until then the menu does.
    WriteSaveLoadMenu();
}

void WriteSaveLoadMenu() {
    if (!(ui.saveMenuOpen || ui.loadMenuOpen) || ui.mainMenuOpen) return;
    for (int n = 1; n <= kSaveSlots; ++n) {
        const int pressed = ui.slotChoice == n ? 1 : 0;
        WriteCentred(512 + pressed, 283 + 23 * n + pressed, kInk, 8, MenuSlotLabel(n));
    }
    if (CountdownRunsOut()) slotChoiceDue = true;
}

void MenuChoicesWhenDue() {
    if (const int choice = mainMenuChoiceDue) {
        mainMenuChoiceDue = 0;
        ui.mainMenuChoice = 0;
        MainMenuChoiceTakesEffect(choice);
    }
    if (slotChoiceDue) {
        slotChoiceDue = false;
        SlotChoiceTakesEffect();
    }
}

bool SaveLoadMenuMouseDown(int x, int y) {
    if (!ui.saveMenuOpen && !ui.loadMenuOpen) return false;
    for (int n = 1; n <= kSaveSlots; ++n) {
        if (!InHalfOpen(x, 438, 590) || y <= 280 + 23 * n || y >= 300 + 23 * n) continue;
        if (ui.saveMenuOpen && n == kAutosaveSlot) {
            ShowMessage(Tr("The autosave slot is kept for the game's own saves; choose another slot.",
                           "Otomatik kayıt yuvası oyunun kendi kayıtları içindir; başka bir yuva seçin."));
        } else if (ui.saveMenuOpen || SlotExists(n)) {
            ui.slotChoice = static_cast<uint8_t>(n);
            PlaySound("click");
            ui.closeCountdown = kCountdown;
        }
        break;
    }
    return true;
}

// ---------------------------------------------------------------------------
// Score and game over

void DrawScoreMenu() {
    // Shown over the game-over screen too: that is where a fallen player sees his score.
    if (!ui.mainMenuOpen && !ui.helpMenuOpen && !DialogShown() && !ui.saveMenuOpen && !ui.loadMenuOpen)
        DrawSprite(kMessageBoxX, kMessageBoxY, kMessageBox, true, Sheet::Interfaces);
    // The information panel's text pass is to write these; until then the screen does.
    WriteScoreMenu();
}

void WriteScoreMenu() {
    if (!ui.scoreMenuOpen || ui.mainMenuOpen || ui.helpMenuOpen || DialogShown()) return;
    WriteCentred(512, 299, kTitleInk, 10, Tr("Score", "Puan"));
    WriteCentred(512, 315, kInk, 10, std::to_string(Score()));
    ThePlatform().BackBuffer().FrameRect({455, 315, 574, 343}, kFadedInk);
    WriteText(399, 381, kFadedInk, 8,
              Tr("Press the ESC key to return to the main menu.", "Çıkmak için ESC tuşuna basınız."), 626);
}

void DrawGameOverMenu() {
    if (!ui.mainMenuOpen && !ui.helpMenuOpen && !DialogShown() && !ui.saveMenuOpen && !ui.loadMenuOpen &&
        !ui.scoreMenuOpen)
        DrawSprite(kMessageBoxX, kMessageBoxY, kMessageBox, true, Sheet::Interfaces);
    // The information panel's text pass is to write these; until then the screen does.
    WriteGameOverMenu();
}

void WriteGameOverMenu() {
    // The score screen takes the game-over box's place; their texts would overlap.
    if (!game.gameOver || ui.mainMenuOpen || ui.helpMenuOpen || DialogShown() || ui.scoreMenuOpen) return;
    const std::string name = nationName(Civ(1).nation);
    WriteText(399, 303, kTitleInk, 8,
              Tr("Your civilization has been completely erased from the world.",
                 "Medeniyetiniz dünyadan tamamen silindi."),
              626);
    const std::string story =
        IsEnglish()
            ? "You have also been caught by enemy soldiers and killed in your palace. The whole civilization "
              "of the " +
                  name + " is sadly erased from the world."
            : "Ayrıca bu medeniyetin lideri olan siz de düşman askerleri tarafından yakalanıp "
              "öldürüldünüz. Artık " +
                  name + " ne yazık ki gelecekte var olmayacak.";
    WriteText(399, 329, kInk, 8, story, 626);
    WriteText(399, 381, kFadedInk, 8,
              Tr("Press the ESC key to return to the main menu.", "Çıkmak için ESC tuşuna basınız."), 626);
}

} // namespace annals
