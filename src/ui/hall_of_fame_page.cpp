#include "ui/hall_of_fame_page.h"

#include "economy/score.h"
#include "persist/hall_of_fame.h"
#include "platform/platform.h"
#include "state/host.h"
#include "state/rules.h"
#include "state/state.h"
#include "ui/drawing.h"
#include "ui/text.h"

#include <string>
#include <vector>

namespace annals {

namespace {

constexpr Pixel kInkLight = Rgb(110, 80, 45);
constexpr Pixel kLight = Rgb(221, 221, 221);
constexpr int kShown = 10;
constexpr int kBackX = 90, kButtonY = 546;

std::vector<FameEntry> shownEntries;

const char* SizeWord(int size) {
    switch (size) {
    case 24:
        return Tr("tiny", "çok küçük");
    case 30:
        return Tr("small", "küçük");
    case 36:
        return Tr("medium", "normal");
    case 42:
        return Tr("large", "geniş");
    default:
        return Tr("huge", "çok geniş");
    }
}

const char* WorldWord(int location) {
    static const TextPair words[6] = {{"", ""},
                                      {"island", "tek ada"},
                                      {"lake", "göl"},
                                      {"continental", "karasal"},
                                      {"coastal", "kıyısal"},
                                      {"random", "rastgele"}};
    return Tr(words[location >= 1 && location <= 5 ? location : 5]);
}

const char* DifficultyWord(int difficulty) {
    static const TextPair words[6] = {{"", ""},          {"Easiest", "Çok Kolay"},
                                      {"Easy", "Kolay"}, {"Moderate", "Normal"},
                                      {"Hard", "Zor"},   {"Hardest", "Çok Zor"}};
    return Tr(words[difficulty >= 1 && difficulty <= 5 ? difficulty : 1]);
}

const char* HowWord(const FameEntry& e) {
    switch (e.endKind) {
    case kConquest:
        return e.won ? Tr("Victory by conquest", "Fetihle zafer") : Tr("Conquered", "Fethedildi");
    case kEndYearScore:
        return e.won ? Tr("Best score at the last year", "Son yılda en yüksek puan")
                     : Tr("Reached the last year", "Son yıla ulaştı");
    case kRetired:
        return e.won ? Tr("Retired in the lead", "Önde emekli oldu") : Tr("Retired", "Emekli oldu");
    default:
        return Tr("Destroyed", "Yok edildi");
    }
}

Rect BackPlate() {
    return {kBackX + 16, kButtonY + 10, kBackX + 166, kButtonY + 42};
}

bool OnBack(int x, int y) {
    const Rect r = BackPlate();
    return x >= r.left && x < r.right && y >= r.top && y < r.bottom;
}

} // namespace

void OpenHallOfFame() {
    FameList list = ReadHallOfFame();
    shownEntries = std::move(list.entries);
    ui.fameScreen = 1;
    if (!list.problem.empty()) ShowMessage(list.problem);
}

void DrawHallOfFame() {
    DrawSprite(0, 0, {0, 768, 1024, 1536}, false, Sheet::EnteranceBackgrounds);
    WriteCentred(234, 166, kInk, 10, Tr("Hall of Fame", "Şeref Listesi"));
    if (shownEntries.empty())
        WriteText(56, 214, kInk, 10,
                  Tr("No game has ended yet. Win one, or retire, and it will be written here.",
                     "Henüz biten bir oyun yok. Bir oyun kazanın ya da emekli olun; buraya yazılacak."),
                  420);
    int y = 200;
    for (size_t i = 0; i < shownEntries.size() && i < static_cast<size_t>(kShown); ++i) {
        const FameEntry& e = shownEntries[i];
        const std::string head = std::to_string(i + 1) + ".  " + nationName(e.nation) + " — " +
                                 std::to_string(e.score) + " (" + RankTitle(e.score) + ")";
        WriteText(50, y, kInk, 10, head, 420);
        const std::string detail = std::string(HowWord(e)) + ", " + YearName(e.year) + ", " +
                                   DifficultyWord(e.difficulty) + ", " + SizeWord(e.mapSize) + " " +
                                   WorldWord(e.location);
        WriteText(74, y + 16, kInkLight, 8, detail, 425);
        y += 33;
    }
    const bool lit = OnBack(ui.mouseX, ui.mouseY);
    DrawSprite(kBackX, kButtonY, {lit ? 170 : 0, 110, lit ? 340 : 170, 160}, true, Sheet::Enterance);
    const Rect plate = BackPlate();
    WriteCentred((plate.left + plate.right) / 2, kButtonY + 17, kInk, 10, Tr("Back", "Geri"));
    WriteText(910, 720, kLight, 10, Tr("Version 0.4", "Versiyon 0.4"), 1024);
}

bool HallOfFamePress(int x, int y) {
    if (!OnBack(x, y)) return false;
    PlaySound("click");
    ui.fameScreen = 0;
    return true;
}

} // namespace annals
