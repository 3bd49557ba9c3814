// The information panel: every text and outline the game writes over the map view and
// its frame each frame, in a fixed order, and the computer-turn notice.
#include "ui/info_panel.h"

#include "economy/city.h"
#include "economy/score.h"
#include "platform/platform.h"
#include "state/numbers.h"
#include "state/rules.h"
#include "state/state.h"
#include "ui/drawing.h"
#include "ui/guidance.h"
#include "ui/input.h"
#include "ui/map_view.h"
#include "ui/news_view.h"
#include "ui/screens.h"
#include "ui/text.h"
#include "units/unit_table.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace annals {

namespace {

constexpr Pixel kDarkRed = Rgb(128, 0, 0);
constexpr Pixel kLabelBox = Rgb(255, 255, 200);

void Write(int x, int y, const std::string& text, Pixel colour = kBlack, int size = 8) {
    WriteText(x, y, colour, size, text, 1024);
}

bool PointerNear(int cx, int cy, double radius) {
    return std::hypot(static_cast<double>(ui.mouseX - cx), static_cast<double>(ui.mouseY - cy)) < radius;
}

// A label on a box of its own.
void Label(int x, int y, const std::string& text, Pixel box = kLabelBox, Pixel ink = kBlack) {
    Screen().FillRect({x - 1, y - 1, x + LineWidth(text, 8) + 1, y + 13}, box);
    Write(x, y, text, ink);
}

// The civilizations' colours on the notices and labels; 8 the natives'.
Pixel CivColour(int colour) {
    static const Pixel kColours[kMaxCivs + 1] = {
        kBlack,           Rgb(0, 128, 255), Rgb(0, 128, 0),   Rgb(128, 128, 128), Rgb(196, 196, 0),
        Rgb(255, 47, 47), Rgb(255, 128, 0), Rgb(128, 0, 128), Rgb(150, 100, 50),
    };
    return kColours[std::clamp(colour, 0, kMaxCivs)];
}

// A value with its experience bonus: "3", "3.3", "4.05".
std::string FormatValue(double v) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", v);
    std::string s = text;
    while (!s.empty() && s.back() == '0') s.pop_back();
    if (!s.empty() && s.back() == '.') s.pop_back();
    return s;
}

void DrawSmallMapFrame() {
    Surface& screen = Screen();
    screen.Blit(ScratchBitmap(), {0, 0, 100, 100}, 11, 647, false);
    screen.FrameRect({11, 647, 112, 748}, kBlack);
    const int w = std::max<int>(game.mapWidth, 1), h = std::max<int>(game.mapHeight, 1);
    const int left = Round(98.0 / w * (game.viewX - 1) + 12), top = Round(98.0 / h * (game.viewY - 1) + 648);
    screen.FrameRect({left, top, left + Round(98.0 / w * 20), top + Round(98.0 / h * 15)}, kGrey);
}

void WriteUnitPanel() {
    const int civ = game.viewCiv;
    const int count = Civ(civ).unitCount;
    if (game.viewUnit == 0 || game.viewUnit > count) game.viewUnit = static_cast<uint8_t>(count);
    const bool selected =
        game.viewUnit != 0 && game.currentUnit >= 1 && game.currentUnit <= Civ(game.currentCiv).unitCount;
    if (!selected) {
        // The frame has room round the longer line in either language.
        Screen().FrameRect({872, 679, 1007, 733}, kFadedInk);
        Write(905, 690, Tr("END OF TURN", "TUR SONU"), kInk);
        Write(880, 705, Tr("Press SPACE to continue", "Devam için BOŞLUK"), kInk);
        return;
    }
    const int slot = game.viewUnit;
    const UnitRecord& unit = Unit(civ, slot);
    Write(900, 640, unitNameCopy(unit.type), kBlack, 10);
    const std::string moves = Tr("Move : ", "Hareket : ") + FormatMoves(unit.movesLeft) + " / " +
                              std::to_string(UnitMoves(civ, slot));
    if (unit.type == kWagonTrain) {
        const int first = unit.cargo[1] / 1000, second = unit.cargo[2] / 1000;
        int y = 681;
        if (first != 0 && second != 0) {
            Write(885, y, Tr("Cargo 1 : ", "Yük 1 : ") + std::string(productName(first)));
            Write(885, y += 13, Tr("Cargo 2 : ", "Yük 2 : ") + std::string(productName(second)));
        } else if (first != 0) {
            Write(885, y, Tr("Cargo : ", "Yük : ") + std::string(productName(first)));
        } else {
            Write(885, y, Tr("No cargo", "Yük yok"));
        }
        Write(885, y + 13, moves);
        return;
    }
    Write(883, 691, Tr("Attack : ", "Saldırı : ") + FormatValue(UnitAttack(civ, slot)));
    Write(883, 706, Tr("Defence : ", "Savunma : ") + FormatValue(UnitDefence(civ, slot)));
    Write(883, 721, moves);
    if (unit.type != kSettler) Write(883, 736, Tr("Experience : ", "Tecrübe : "));
}

void WriteStatusLine() {
    const CivRecord& civ = Civ(game.viewCiv);
    // The research shares its row with the unit panel's move points (from x 883): a long
    // name with many turns starts further left rather than run into them.
    const std::string research = ResearchStatus(game.viewCiv);
    const int width = LineWidth(research, 8);
    Write(std::min(762, 880 - width), 723, research);
    Write(833, 746, std::to_string(Trunc(civ.gold)));
    Write(756, 746, FormatYear(game.year));
    // Both rows keep a margin inside the panel, the government's descenders included.
    WriteCentred(532, kStatusNationY, kInk, 8, nationName(civ.nation));
    WriteCentred(532, kStatusNationY + 14, kInk, 8, governmentName(civ.government));
}

// Foreign computer units under the pointer: how many, and whose.
void WriteForeignUnits() {
    if (AnyPanelScreenOpen()) return;
    if (ui.mouseX < 50 || ui.mouseX > 974 || ui.mouseY < 50 || ui.mouseY > 718) return;
    const int x = ScreenToCellX(ui.mouseX), y = ScreenToCellY(ui.mouseY);
    if (!InsideMap(x, y) || !ShownOnMap(x, y)) return;
    const MapCell& cell = Cell(x, y);
    const int owner = cell.unitOwner;
    if (cell.hasCity || cell.unitCount == 0 || owner == game.currentCiv || owner < 1 ||
        owner > game.civCount || IsHuman(owner))
        return;
    const std::string text = " " + std::to_string(cell.unitCount) + " " + nationName(Civ(owner).nation) +
                             (cell.unitCount == 1 ? Tr(" soldier ", " asker ") : Tr(" soldiers ", " asker "));
    Label(ui.mouseX - TextWidth(text, 8) / 2, ui.mouseY + 15, text, CivColour(Civ(owner).colour), kWhite);
}

void WriteExperience() {
    const PromotionNotice& notice = ui.promotionNotice;
    if (notice.frames <= 0) return;
    const int x = notice.cell / 100, y = notice.cell % 100;
    if (notice.slot < 1 || notice.slot > Civ(notice.civ).unitCount) return;
    const UnitRecord& unit = Unit(notice.civ, notice.slot);
    if (unit.x != x || unit.y != y || !ShownOnMap(x, y)) return;
    const MapView view = MainView();
    const std::string text =
        std::string(unitTypeName(unit.type)) + Tr(" gained experience!", " tecrübelendi!");
    Label(CellLeft(view, x) + 25 - LineWidth(text, 8) / 2, CellTop(view, y) - 14, text,
          CivColour(Civ(notice.civ).colour), kWhite);
}

void WriteOrderButtonLabels() {
    if (AnyPanelScreenOpen() || !IsHuman(game.viewCiv)) return;
    static const char* const kEnglish[8] = {"",
                                            " Build Road ",
                                            " Cut Trees ",
                                            " Examine Hill ",
                                            " Build City ",
                                            " Plant Cornfield ",
                                            " Sail With Ship ",
                                            " Fortify "};
    static const char* const kTurkish[8] = {
        "",           " Yol Yap ",     " Ağaç Kes ", " Tepeyi İncele ", " Şehir Kur ",
        " Tarla Ek ", " Gemiyle Git ", " Siper Al "};
    for (int k = 1; k <= ui.orderButtonCount && k <= 8; ++k) {
        const int code = ui.orderButtons[k];
        if (code < 1 || code > 7 || !PointerNear(913 + 29 * (k - 1), 671, 14)) continue;
        const std::string text = Tr(kEnglish[code], kTurkish[code]);
        Label(std::min(ui.mouseX, 1020 - TextWidth(text, 8)), 686, text);
    }
}

void WriteComputerTurn() {
    const int civ = game.currentCiv;
    if (civ < 1 || civ > game.civCount || IsHuman(civ) || ui.dialogCode != 0 || ui.mainMenuOpen ||
        game.gameOver)
        return;

    // How far the computers of this round are through their units.
    const int n = game.civCount;
    auto weight = [](int c) { return IsNatives(c) ? 0 : Round(1.1 * Civ(c).unitCount); };
    double done = 0, remaining = 0;
    for (int c = civ == 1 ? n : civ - 1; c != civ && !IsHuman(c); c = c == 1 ? n : c - 1) done += weight(c);
    for (int c = civ == n ? 1 : civ + 1; c != civ && !IsHuman(c); c = c == n ? 1 : c + 1)
        remaining += weight(c);
    const CivRecord& mover = Civ(civ);
    if (!IsNatives(civ)) {
        if (game.secondPassStarted && game.currentUnit != 0) {
            done += mover.unitCount + Round(0.1 * game.currentUnit);
            remaining += Round(0.1 * (mover.unitCount - game.currentUnit));
        } else {
            done += game.currentUnit;
            remaining += Round(1.1 * mover.unitCount) - game.currentUnit;
        }
        if (mover.unitCount > 0) ui.aiProgressColour = CivColour(mover.colour);
    }
    if (done + remaining > 0) {
        const double f = done / (done + remaining);
        if (f > 0.02 && f < 0.98) ui.aiProgressMark = std::max(ui.aiProgressMark, f);
        const int mark = 395 + Round(std::min(ui.aiProgressMark, 1.0) * 242);
        if (f > 0.02) Screen().FillRect({396, 684, mark, 705}, ui.aiProgressColour);
        if (f > 0.02 && f < 0.98) Screen().Line(mark, 683, mark, 705, ui.aiProgressColour);
    }
    // The name over the bar, shadowed so that it reads on every nation's colour.
    if (Civ(civ).unitCount > 0) {
        WriteCentred(513, 687, kBlack, 8, nationName(Civ(civ).nation));
        WriteCentred(512, 686, kWhite, 8, nationName(Civ(civ).nation));
    }
}

// The units of the pop-up: name, moves and what each is doing.
void DrawUnitPopup() {
    if (!ui.unitPopupOpen) return;
    const int count = std::min<int>(ui.popupUnitCount, kMaxCellUnits);
    ui.popupHeight = 15 * count + 10;
    const int left = ui.popupX, top = ui.popupY;
    Screen().FillRect({left, top, left + 105, top + ui.popupHeight}, Rgb(230, 226, 210));
    Screen().FrameRect({left, top, left + 105, top + ui.popupHeight}, kBlack);
    if (ui.mouseX > left && ui.mouseX < left + 100 && ui.mouseY > top + 5 &&
        ui.mouseY < top + ui.popupHeight - 5) {
        const int row = (ui.mouseY - (top + 5)) / 15;
        Screen().FillRect({left + 1, top + 5 + 15 * row, left + 104, top + 20 + 15 * row},
                          Rgb(190, 200, 230));
    }
    const int civ = game.currentCiv;
    for (int k = 1; k <= count; ++k) {
        const int slot = ui.popupUnits[k];
        if (slot < 1 || slot > Civ(civ).unitCount) continue;
        const UnitRecord& unit = Unit(civ, slot);
        const Pixel ink = unit.movesLeft > 0 ? kBlack : kGrey;
        const int y = top + 15 * k - 10;
        Write(left + 5, y, unitTypeName(unit.type), ink);
        Write(left + 78, y, FormatMoves(unit.movesLeft) + " / " + std::to_string(UnitMoves(civ, slot)), ink);
        const char* status = "";
        if (unit.gotoX != 0)
            status = "G";
        else if (unit.carrierLink != 0)
            status = "S";
        else if (unit.fortified)
            status = "F";
        else if (unit.type == kSettler && unit.jobTimer != 0) {
            switch (unit.jobTimer / 10) {
            case 3:
                status = "C";
                break;
            case 5:
                status = "E";
                break;
            case 6:
                status = "R";
                break;
            case 8:
                status = "M";
                break;
            default:
                break;
            }
        }
        Write(left + 105, y, status, ink);
    }
}

// The score's two lines stand centred at the top right, kept clear of the frame's
// right border (its inner edge is at x = 1014).
void WriteScoreLines(Pixel colour, const std::string& top, const std::string& bottom) {
    const int half = std::max(TextWidth(top, 8), TextWidth(bottom, 8)) / 2 + 1;
    const int centre = std::min(984, 1006 - half);
    WriteCentred(centre, 5, colour, 8, top);
    WriteCentred(centre, 18, colour, 8, bottom);
}

void WriteScore() {
    const int32_t score = Score();
    const Pixel colour = score > 1000 ? kLightGrey : kGrey;
    if (PointerNear(984, 20, 18))
        WriteScoreLines(colour, Tr("Ranking", "Sıralama"), RankTitle(score));
    else
        WriteScoreLines(colour, Tr("Score", "Puan"), std::to_string(score));
}

void WritePanelButtonLabels() {
    if (ui.mainMenuOpen || game.gameOver) return;
    if (PointerNear(197, 691, 16)) Label(219, 685, Tr(" Science ", " Bilim "));
    if (ui.scienceTableOpen) return;
    if (PointerNear(147, 691, 18)) Label(169, 685, Tr(" Cities  ", " Şehirler  "));
    if (PointerNear(173, 725, 16)) Label(195, 719, Tr(" Diplomacy ", " Diplomasi "));
    if (PointerNear(135, 733, 16)) Label(157, 727, Tr(" Products ", " Ürünler "));
    if (PointerNear(174, 658, 16)) Label(196, 652, Tr(" Finance ", " Maliye "));
}

} // namespace

std::string FormatMoves(int thirds) {
    if (thirds < 0) thirds = 0;
    const std::string whole = std::to_string(thirds / 3);
    if (thirds % 3 == 0) return whole;
    return whole + (thirds % 3 == 1 ? ".33" : ".67");
}

std::string FormatYear(int year) {
    return YearName(year);
}

std::string ResearchStatus(int civ) {
    const CivRecord& c = Civ(civ);
    // A science already learned, whose successor waits for the player's choice, is no
    // longer under research.
    if (c.research < 1 || c.research > kSciences || c.knows[c.research] == 1) return Tr("None", "Yok");
    double total = 0;
    for (int k = 1; k <= c.cityCount && k <= kMaxCities; ++k) {
        const int x = c.cities[k].x, y = c.cities[k].y;
        if (InsideMap(x, y) && Cell(x, y).hasCity) total += CityScience(City(x, y));
    }
    const std::string name = scienceName(c.research);
    if (total <= 0) return name;
    // Paid off, it is learned when the next turn starts: never fewer than one turn.
    return name + " (" + std::to_string(std::max(1, Trunc(c.researchLeft / total - 0.00001) + 1)) + ")";
}

bool AnyPanelScreenOpen() {
    return ui.cityMenuX != 0 || ui.scienceTableOpen || ui.scienceMenuOpen || ui.financeMenuOpen ||
           ui.productsMenuOpen || ui.citiesMenuOpen || ui.statsMenuOpen || ui.mainMenuOpen ||
           ui.saveMenuOpen || ui.loadMenuOpen || ui.helpMenuOpen || ui.bigNewsOpen || ui.scoreMenuOpen ||
           ui.terrainInfoOpen || ui.dialogCode != 0 || game.gameOver;
}

void DrawAITime() {
    if (!ui.gameStarted || ui.mainMenuOpen || game.gameOver) return;
    DrawSprite(389, 677, {720, 500, 971, 534}, true, Sheet::Interfaces);
}

void DrawInfoAboutCivilization() {
    if (!ui.gameStarted || !ui.frameDrawn) return;
    // The computers' progress starts again with every round of theirs.
    if (IsHuman(game.currentCiv)) ui.aiProgressMark = 0;
    DrawSmallMapFrame();
    WriteNewsLabels();
    WriteUnitPanel();
    WriteStatusLine();
    WriteCityDragTarget();
    WriteBigNews();
    WriteCityMenuTexts();
    WriteForeignUnits();
    WriteExperience();
    WriteOrderButtonLabels();
    WriteNewsHover();
    WriteMainMenuTexts();
    WriteComputerTurn();
    WriteScoreTerrainGameOverTexts();
    WriteOverviewTexts();
    WriteHelpTexts();
    WriteCitiesMenuTexts();
    DrawUnitPopup();
    WriteGuidance();
    WriteScore();
    WritePanelButtonLabels();
}

} // namespace annals
