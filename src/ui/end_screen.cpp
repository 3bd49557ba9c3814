#include "ui/end_screen.h"

#include "economy/score.h"
#include "economy/victory.h"
#include "platform/keys.h"
#include "state/chronicle.h"
#include "state/host.h"
#include "state/rules.h"
#include "state/state.h"
#include "ui/drawing.h"
#include "ui/overview_screens.h"
#include "ui/overview_shared.h"
#include "ui/text.h"
#include "units/unit_table.h"

#include <algorithm>
#include <vector>

namespace annals {

namespace {

using overview::kHeading;

constexpr Rect kTitle{1290, 80, 1414, 140};
constexpr Rect kPlate{0, 460, 104, 481};
constexpr Rect kPlatePressed{110, 460, 211, 479};
constexpr int kPlates = 5;
constexpr int kPlateLeft = 239, kPlateStep = 110, kPlateY = 522;
enum Plate { kScoresPlate, kGraphPlate, kChroniclePlate, kPlayOnPlate, kEntrancePlate };

// The chronicle page: its rows, and the arrows that scroll them.
constexpr int kChronicleTop = 250, kChronicleRow = 14, kChronicleRows = 18;
constexpr int kYearX = 258, kEventX = 330, kEventRight = 755;
constexpr int kArrowX = 768, kUpArrowY = 252, kDownArrowY = 486;

const char* PlateLabel(int k) {
    switch (k) {
    case kScoresPlate:
        return Tr("Scores", "Puanlar");
    case kGraphPlate:
        return Tr("Strength", "Güç");
    case kChroniclePlate:
        return Tr("Chronicle", "Tarihçe");
    case kPlayOnPlate:
        return Tr("One More Turn", "Bir Tur Daha");
    default:
        return Tr("To Entrance", "Giriş Ekranı");
    }
}

int Page() {
    return std::clamp<int>(ui.endScreenPage, 1, 3);
}

bool AnyPersonLeft() {
    for (int c = 1; c < game.civCount && c <= kMaxCivs; ++c)
        if (IsHuman(c) && Alive(c)) return true;
    return false;
}

bool PlateShown(int k) {
    return k != kPlayOnPlate || AnyPersonLeft();
}

int PlateAt(int x, int y) {
    if (y < kPlateY || y >= kPlateY + 21) return -1;
    for (int k = 0; k < kPlates; ++k)
        if (PlateShown(k) && x >= kPlateLeft + kPlateStep * k && x < kPlateLeft + kPlateStep * k + 104)
            return k;
    return -1;
}

std::string People(int civ) {
    return civ >= 1 && civ <= kMaxCivs ? nationName(Civ(civ).nation) : "";
}

// "the Romans'" turn, or "the Chinese" turn where the people's name is also its adjective;
// Turkish needs its own endings instead.
std::string Possessive(const std::string& people) {
    return people + (!people.empty() && people.back() == 's' ? "'" : "");
}

// The person the screen speaks to: the winner when he is one, else the one in view.
int Viewer() {
    if (IsHuman(game.winner)) return game.winner;
    if (IsHuman(game.viewCiv)) return game.viewCiv;
    for (int c = 1; c < game.civCount && c <= kMaxCivs; ++c)
        if (IsHuman(c)) return c;
    return 0;
}

std::string Headline() {
    const int viewer = Viewer();
    if (game.endKind == kRetired) return Tr("Retirement", "Emeklilik");
    if (viewer != 0 && viewer == game.winner) return Tr("Victory!", "Zafer!");
    if (viewer != 0) return Tr("Defeat", "Yenilgi");
    return Tr("The End of the Game", "Oyunun Sonu");
}

// The civilizations in play but the natives: the winner, then those still standing, the
// best score first, then the fallen.
std::vector<int> Standing() {
    std::vector<int> order;
    for (int c = 1; c < game.civCount && c <= kMaxCivs; ++c) order.push_back(c);
    auto rank = [](int c) { return c == game.winner ? 0 : Alive(c) ? 1 : 2; };
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        return rank(a) != rank(b) ? rank(a) < rank(b) : ScoreOf(a) > ScoreOf(b);
    });
    return order;
}

int PersonSeats() {
    int n = 0;
    for (int c = 1; c < game.civCount && c <= kMaxCivs; ++c) n += IsHuman(c);
    return n;
}

// Every chronicle entry as the rows it takes on the page.
struct ChronicleRow {
    int32_t year;
    bool first; // the first row of its entry carries the year
    std::string text;
};

std::vector<ChronicleRow> ChronicleRows() {
    std::vector<ChronicleRow> rows;
    for (int i = 1; i <= game.chronicleCount && i <= kChronicleEntries; ++i) {
        const ChronicleEntry& e = game.chronicle[i];
        const std::vector<std::string> lines = WrappedLines(ChronicleText(e), 8, kEventRight - kEventX);
        for (size_t l = 0; l < lines.size(); ++l) rows.push_back({e.year, l == 0, lines[l]});
    }
    return rows;
}

int MaxScroll() {
    return std::max(0, static_cast<int>(ChronicleRows().size()) - kChronicleRows);
}

void Scroll(int rows) {
    ui.chronicleScroll = std::clamp(ui.chronicleScroll + rows, 0, MaxScroll());
}

void DrawArrow(int x, int y, bool up, bool enabled) {
    Surface& screen = ThePlatform().BackBuffer();
    const Pixel colour = enabled ? kInk : kFadedInk;
    for (int i = 0; i < 7; ++i) {
        const int row = up ? y + i : y + 6 - i;
        screen.Line(x + 7 - i, row, x + 7 + i, row, colour);
    }
}

void DrawScores() {
    const std::vector<int> order = Standing();
    WriteText(300, 250, kFadedInk, 8, Tr("Civilization", "Medeniyet"), 1024);
    WriteText(470, 250, kFadedInk, 8, Tr("Score", "Puan"), 1024);
    WriteText(540, 250, kFadedInk, 8, Tr("Title", "Unvan"), 1024);
    int y = 272;
    for (const int c : order) {
        overview::DrawNationFlag(Civ(c).nation, 262, y - 6);
        const Pixel colour = CivTextColour(Civ(c).colour);
        WriteText(300, y, colour, 8, People(c), 460);
        const int32_t score = ScoreOf(c);
        WriteText(470, y, kInk, 8, std::to_string(score), 1024);
        WriteText(540, y, kInk, 8, RankTitle(score), 650);
        std::string mark;
        if (c == game.winner)
            mark = Tr("winner", "kazanan");
        else if (!Alive(c))
            mark = Tr("destroyed", "yok edildi");
        if (!mark.empty()) WriteText(660, y, c == game.winner ? kHeading : kFadedInk, 8, mark, 780);
        y += 32;
    }
}

void DrawChronicle() {
    const std::vector<ChronicleRow> rows = ChronicleRows();
    if (rows.empty()) {
        WriteText(kYearX, kChronicleTop, kFadedInk, 8,
                  Tr("Nothing great has happened yet.", "Henüz büyük bir olay olmadı."), kEventRight);
        return;
    }
    ui.chronicleScroll = std::clamp(ui.chronicleScroll, 0, MaxScroll());
    for (int r = 0; r < kChronicleRows; ++r) {
        const size_t i = static_cast<size_t>(ui.chronicleScroll + r);
        if (i >= rows.size()) break;
        const int y = kChronicleTop + kChronicleRow * r;
        if (rows[i].first) WriteText(kYearX, y, kHeading, 8, YearName(rows[i].year), kEventX - 4);
        WriteText(kEventX, y, kInk, 8, rows[i].text, kEventRight + 40);
    }
    DrawArrow(kArrowX, kUpArrowY, true, ui.chronicleScroll > 0);
    DrawArrow(kArrowX, kDownArrowY, false, ui.chronicleScroll < MaxScroll());
}

void PressPlate(int k) {
    PlaySound("click");
    switch (k) {
    case kScoresPlate:
    case kGraphPlate:
    case kChroniclePlate:
        ui.endScreenPage = static_cast<uint8_t>(k + 1);
        break;
    case kPlayOnPlate:
        ui.endScreenOpen = 0;
        break;
    default:
        ReturnToEntrance();
        break;
    }
}

bool IsModifier(int key) {
    return key == kVkShift || key == kVkControl || key == kVkMenu;
}

} // namespace

std::string EndLine() {
    const std::string winner = People(game.winner);
    const std::string year = YearName(game.endedYear);
    const bool en = IsEnglish();
    switch (game.endKind) {
    case kConquest:
        return en ? "The " + winner + " won by conquest in " + year + "."
                  : winner + " " + year + " yılında dünyayı fethederek kazandı.";
    case kEndYearScore:
        return en ? "The last year, " + year + ", has passed: the " + winner + " won with the highest score."
                  : "Son yıl, " + year + ", geçti: " + winner + " en yüksek puanla kazandı.";
    case kRetired:
        return en ? "You retired in " + year + "; the " + winner + " had the highest score."
                  : year + " yılında emekli oldunuz; en yüksek puan " + TurkishCase(winner, "ın", "in") + ".";
    case kEliminated:
        if (game.winner == 0) return en ? "Nobody is left in the world." : "Dünyada kimse kalmadı.";
        if (PersonSeats() <= 1)
            return en ? "Your civilization has fallen; the " + winner + " won in " + year + "."
                      : "Medeniyetiniz yıkıldı; " + year + " yılında " + winner + " kazandı.";
        return en ? "Every player's civilization has fallen; the " + winner + " won in " + year + "."
                  : "Oyuncuların bütün medeniyetleri yıkıldı; " + year + " yılında " + winner + " kazandı.";
    default:
        return {};
    }
}

std::string TurnNoticeText() {
    const std::string year = YearName(game.year);
    if (!IsHuman(game.currentCiv)) return year;
    const std::string people = People(game.currentCiv);
    return IsEnglish() ? year + " — the " + Possessive(people) + " turn"
                       : year + " — sıra " + TurkishCase(people, "da", "de");
}

void ReturnToEntrance() {
    CloseAllScreens();
    game.gameOver = 0;
    ui.gameStarted = 0;
}

void DrawEndScreen() {
    if (!ui.endScreenOpen) return;
    DrawSprite(overview::kWindowX, overview::kWindowY, overview::kWindowPiece, true, Sheet::Backgrounds);
    DrawSprite(450, 117, kTitle, true, Sheet::Backgrounds);
    WriteCentred(512, 186, kHeading, 10, Headline());
    WriteCentred(512, 212, kInk, 8, EndLine(), 790);
    const int page = Page();
    if (page == 1) DrawScores();
    if (page == 2) {
        overview::DrawGraph();
        overview::WriteLegend();
    }
    if (page == 3) DrawChronicle();
    for (int k = 0; k < kPlates; ++k) {
        if (!PlateShown(k)) continue;
        const int x = kPlateLeft + kPlateStep * k;
        const bool pressed = k == page - 1;
        if (pressed)
            DrawSprite(x + 1, kPlateY + 1, kPlatePressed, true, Sheet::Backgrounds);
        else
            DrawSprite(x, kPlateY, kPlate, true, Sheet::Backgrounds);
        const int shift = pressed ? 1 : 0;
        WriteCentred(x + 52 + shift, kPlateY + 3 + shift, kInk, 8, PlateLabel(k), x + 104);
    }
}

void DrawHandOver() {
    if (ui.handOverCiv == 0) return;
    DrawSprite(0, 0, {0, 0, 1024, 768}, false, Sheet::EnteranceBackgrounds);
    const int civ = ui.handOverCiv;
    Surface& screen = ThePlatform().BackBuffer();
    // Over the menu panel of the picture, which has no menu here.
    const Rect box{192, 322, 832, 472};
    screen.FillRect(box, Rgb(245, 232, 199));
    screen.FrameRect(box, kHeading);
    if (civ < 1 || civ > game.civCount || !IsHuman(civ)) {
        WriteCentred(512, 390, kInk, 10,
                     Tr("The other civilizations are moving...", "Diğer medeniyetler oynuyor..."));
        return;
    }
    const std::string people = People(civ), year = YearName(game.year);
    const bool en = IsEnglish();
    const std::string title = en ? "The " + Possessive(people) + " turn, " + year
                                 : "Sıra " + TurkishCase(people, "da", "de") + ", " + year;
    const std::string line = en ? "Press a key when the " + Possessive(people) + " player is ready."
                                : TurkishCase(people, "ın", "in") + " oyuncusu hazır olunca bir tuşa basın.";
    WriteCentred(512, 370, CivTextColour(Civ(civ).colour), 10, title);
    WriteCentred(512, 410, kInk, 10, line);
}

bool EndScreensTakeEvent(const InputEvent& event) {
    if (!ui.gameStarted) return false;
    if (ui.handOverCiv != 0) {
        const bool ready = ui.handOverCiv >= 1 && ui.handOverCiv <= game.civCount && IsHuman(ui.handOverCiv);
        if (event.kind == EventKind::KeyDown && IsModifier(event.key)) return true;
        if (event.kind == EventKind::MouseUp) ui.buttonHeld = 0;
        if (event.kind == EventKind::MouseMove) return false;
        if (ready && (event.kind == EventKind::KeyDown || event.kind == EventKind::MouseDown)) {
            ui.handOverCiv = 0;
            AnnounceTurn();
        }
        return true;
    }
    if (!ui.endScreenOpen) return false;
    switch (event.kind) {
    case EventKind::MouseDown: {
        const int k = PlateAt(event.x, event.y);
        if (k >= 0) PressPlate(k);
        if (Page() == 3 && event.x >= kArrowX - 4 && event.x < kArrowX + 20) {
            if (event.y >= kUpArrowY - 4 && event.y < kUpArrowY + 12) Scroll(-kChronicleRows / 2);
            if (event.y >= kDownArrowY - 4 && event.y < kDownArrowY + 12) Scroll(kChronicleRows / 2);
        }
        return true;
    }
    case EventKind::MouseUp:
        ui.buttonHeld = 0;
        return true;
    case EventKind::KeyDown:
        if (event.key == kVkEscape) {
            ui.endScreenOpen = 0;
        } else if (Page() == 3) {
            if (event.key == kVkUp) Scroll(-1);
            if (event.key == kVkDown) Scroll(1);
            if (event.key == kVkPrior) Scroll(-kChronicleRows);
            if (event.key == kVkNext) Scroll(kChronicleRows);
            if (event.key == kVkHome) ui.chronicleScroll = 0;
            if (event.key == kVkEnd) ui.chronicleScroll = MaxScroll();
        }
        return true;
    default:
        return false;
    }
}

} // namespace annals
