// The research table and the science tree.
#include "ui/science_screens.h"

#include "economy/science.h"
#include "platform/keys.h"
#include "state/host.h"
#include "state/numbers.h"
#include "state/rules.h"
#include "state/state.h"
#include "ui/drawing.h"
#include "ui/help.h"
#include "ui/screens.h"
#include "ui/text.h"

#include <algorithm>
#include <string>

namespace annals {

namespace {

// Deep enough to read on the parchment of the table and the tree.
constexpr Pixel kGold = Rgb(160, 104, 0);
constexpr Pixel kReachable = Rgb(0, 110, 0);

// The research table: a window, the list of choices at the left, what the highlighted
// science brings at the right, and one button.
constexpr int kTableX = 300, kTableY = 195;
constexpr Rect kTablePiece{0, 1070, 424, 1375};
constexpr Rect kButtonArea{552, 467, 653, 488};
constexpr Rect kButtonPlain{430, 1070, 531, 1091};
constexpr Rect kButtonPressed{531, 1070, 632, 1091};
constexpr Rect kRowBar{640, 1070, 742, 1093};
constexpr Rect kLeadsSquare{750, 1070, 757, 1077};
constexpr Rect kListArea{331, 265, 433, 464};
constexpr int kRowHeight = 23;
constexpr int kInfoLeft = 445, kInfoTop = 232, kInfoRight = 708;
constexpr int kPictureX = 306, kPictureY = 236; // the discovered science's picture
constexpr int kLastPictured = 35;               // later sciences have no picture
constexpr int kTitleY = 205;
constexpr int kPanelScienceX = 191, kPanelScienceY = 695; // the panel's science button

// The science tree: the overview window, a page of the tree with its lines, a marker on
// every known science, the page buttons and the close plate.
constexpr Rect kWindowPiece{600, 0, 1204, 422};
constexpr Rect kMarker{0, 232, 14, 246};
constexpr int kButtonPieceLeft = 20, kButtonPieceTop = 232, kButtonSize = 22;
constexpr int kMinusX = 623, kPlusX = 644, kPageButtonY = 480, kPageButtonRadius = 11;
constexpr Rect kClosePlain{537, 423, 585, 446};
constexpr Rect kCloseLit{537, 447, 585, 470};
constexpr int kPages = 4;

bool Inside(int x, int y, const Rect& r) {
    return x >= r.left && x < r.right && y >= r.top && y < r.bottom;
}

bool Near(int x, int y, int cx, int cy, int radius) {
    const int dx = x - cx, dy = y - cy;
    return dx * dx + dy * dy < radius * radius;
}

// ---------------------------------------------------------------------------
// What the research table tells of a science

const char* Description(int science) {
    switch (science) {
    case 6:
        return Tr(
            "After discovering Agriculture, our settlers can build cornfields, which increase food "
            "production by 1. Also, if there is a mill in the city, a cornfield's effect on food production "
            "becomes 2.",
            "Bu teknolojiyi bulduktan sonra işçileriniz istediğiniz alanlara tahıl tarlası yapıp o "
            "alanlardaki tahıl üretimini 1 birim arttırabilirler.");
    case 7:
        return Tr(
            "After discovering mining our settlers can examine hills to find stone or gold deposits.",
            "Bu teknolojiyi bulduktan sonra işçileriniz dağlarda altın veya taş rezervi arayabilirler.");
    case 16:
        return Tr(
            "Roads can be built after discovering the wheel. On roads units can go 3 times faster.",
            "Bu teknolojiyi bulduktan sonra işçileriniz yol yapabilirler. Askerler yollar üzerinde üç kat "
            "daha hızlı giderler.");
    case 21:
        return Tr(
            "After discovering fertilization, cotton production in all the lands of our cities increases "
            "by 1.",
            "Bu teknolojiyi keşfettikten sonra şehrin alanlarındaki pamuk üretiminiz bir birim artar.");
    case 27:
        return Tr(
            "After discovering this research, our government system changes to monarchy. In monarchy, "
            "the science research rate is higher than under despotism. Unhappiness in bigger cities "
            "caused by despotism disappears. However tax increases easily affect citizens "
            "negatively. Also soldiers get a higher salary per turn in monarchy.",
            "Bu yönetim şeklini bulduktan sonra artık monarşi ile yönetilmeye başlarsınız. Monarşi "
            "yönetim şeklinde bilimsel gelişme hızı daha fazladır ancak asker başına her tur daha fazla "
            "ödeme yapılır. Özellikle büyük şehirlerdeki despotism ile yönetilmekten dolayı mutsuzlaşan "
            "halk normale döner. İnsanlar yüksek vergilere karşı daha duyarlı olur.");
    case 34:
        return Tr(
            "After discovering this research, our government system changes to democracy. In democracy, "
            "the science research rate increases and citizens become less resistant to high taxes.",
            "Bu yönetim şeklini bulduktan sonra artık demokrasi ile yönetilmeye başlarsınız. Demokrasi "
            "yönetim şeklinde bilimsel gelişme hızı daha fazladır ancak asker başına her tur daha fazla "
            "ödeme yapılır.");
    case 44:
        return Tr("After discovering crop rotation, tobacco production in grasslands and grape production in "
                  "savannahs increases by 1.",
                  "Bu teknolojiyi keşfettikten sonra şehrin alanlarındaki tütün ve üzüm üretiminiz bir birim "
                  "artar.");
    case 49:
        return Tr(
            "After discovering genetics, cotton, tobacco and grape production in all the lands of our cities "
            "increases by 1.",
            "Bu teknolojiyi keşfettikten sonra şehrin alanlarındaki pamuk, tütün ve üzüm üretiminiz bir "
            "birim artar.");
    default:
        return "";
    }
}

// One thing a science makes possible: a unit type or a building.
struct Enabled {
    bool unit;
    int number;
};

struct EnabledList {
    Enabled items[4];
    int count = 0;
    bool shops = false; // the four workshops of one level, shown as one entry
    void AddUnit(int type) { items[count++] = {true, type}; }
    void AddBuilding(int building) { items[count++] = {false, building}; }
};

// What the table lists under "Enables". Units come in the choosing nation's own kinds.
EnabledList EnabledBy(int science, int nation) {
    constexpr int kArabians = 1, kAztecs = 2, kBritons = 3, kChinese = 4, kFranks = 5, kGermans = 6,
                  kPersians = 7, kRomans = 8, kTurks = 9, kVikings = 10;
    EnabledList list;
    switch (science) {
    case 1:
        list.AddBuilding(2);
        list.AddBuilding(3);
        list.AddBuilding(24);
        break;
    case 2:
        list.AddUnit(nation == kArabians ? kMameluke : kPikeman);
        if (nation == kGermans) list.AddUnit(kAxeman);
        if (nation == kVikings) list.AddUnit(kBerserk);
        break;
    case 4:
        list.AddBuilding(33);
        break;
    case 5:
        list.AddUnit(nation == kBritons ? kLongbowman : kArcher);
        list.AddBuilding(18);
        break;
    case 8:
        list.AddUnit(nation == kRomans ? kLegion : kSwordsman);
        list.AddBuilding(19);
        break;
    case 9:
        list.AddBuilding(26);
        break;
    case 11:
        list.AddBuilding(35);
        break;
    case 12:
        list.AddUnit(kHorseman);
        list.AddUnit(nation == kChinese ? kChuKoNu : kHorseArcher);
        break;
    case 13:
        list.AddBuilding(22);
        break;
    case 15:
    case 39: {
        const int first = science == 15 ? 8 : 12; // the shops, or the factories
        for (int b = first; b < first + 4; ++b) list.AddBuilding(b);
        list.shops = true;
        break;
    }
    case 16:
        list.AddUnit(kCatapult);
        list.AddUnit(kWagonTrain);
        break;
    case 18:
        list.AddBuilding(38);
        break;
    case 20:
        list.AddUnit(nation == kPersians ? kWarElephant : kKnight);
        break;
    case 22:
        list.AddBuilding(23);
        break;
    case 23:
        list.AddUnit(nation == kVikings ? kVikingship : kCaravel);
        list.AddBuilding(36);
        break;
    case 24:
        list.AddBuilding(20);
        list.AddBuilding(25);
        break;
    case 25:
        list.AddBuilding(29);
        break;
    case 28:
        list.AddUnit(nation == kAztecs   ? kRaider
                     : nation == kFranks ? kMusketeer
                     : nation == kTurks  ? kJanissary
                                         : kMusketman);
        list.AddUnit(kCannon);
        break;
    case 29:
        list.AddBuilding(27);
        list.AddBuilding(28);
        break;
    case 30:
        list.AddUnit(kFrigate);
        list.AddUnit(kGalleon);
        break;
    case 31:
        list.AddUnit(kDragoon);
        list.AddBuilding(34);
        break;
    case 37:
        list.AddUnit(nation == kGermans ? kMarine : kInfantry);
        list.AddUnit(kCavalry);
        break;
    case 40:
        list.AddUnit(kDestroyer);
        list.AddBuilding(31);
        break;
    case 41:
        list.AddBuilding(37);
        break;
    case 46:
        list.AddUnit(kFighter);
        break;
    case 47:
        list.AddUnit(kBomber);
        break;
    case 48:
        list.AddBuilding(32);
        break;
    case 50:
        list.AddBuilding(21);
        break;
    default:
        break;
    }
    return list;
}

// The sciences the table says a science leads to. This is the table's own text; it does
// not follow the requirements everywhere.
constexpr int kLeadsTo[kSciences + 1][3] = {
    {},       {7, 9}, {8},      {9, 10, 11},  {10},     {12, 27},     {13, 17}, {8},  {15},     {14, 15, 18},
    {18, 27}, {25},   {20, 13}, {16, 22},     {23},     {24, 31},     {33},     {},   {19, 26}, {34},
    {},       {44},   {21},     {30},         {28, 30}, {24, 29},     {29},     {31}, {32, 37}, {21, 32, 34},
    {33, 40}, {20},   {36, 41}, {37, 38},     {},       {37, 38, 47}, {38, 47}, {},   {39},     {42},
    {39, 48}, {43},   {45},     {44, 46, 49}, {},       {46},         {50},     {45}, {},       {},
    {},
};

std::string EnabledName(const Enabled& item) {
    return item.unit ? unitTypeName(item.number) : buildingName(item.number);
}

std::string EnabledDescription(const Enabled& item) {
    if (item.unit) return ItemDescription(1, item.number);
    return ItemDescription(item.number >= kFirstWonder ? 3 : 2, item.number);
}

void DrawEnabledPicture(const Enabled& item, int x, int y) {
    if (item.unit) {
        const int left = 50 * (item.number - 1);
        DrawSprite(x, y, {left, 0, left + 49, 48}, true, Sheet::UnitOutlinesSprite);
        return;
    }
    const int id = buildingPicture(item.number);
    if (id <= 0) return;
    const int left = (id - 1) % 10 * 48, top = (id - 1) / 10 * 48;
    DrawSprite(x, y, {left, top, left + 48, top + 48}, true, Sheet::BuildingSprite);
}

// The "Enables" entry from (x, y), wrapped at right; returns the y below it.
int WriteEnables(int science, int nation, int x, int y, int right) {
    const std::string label = Tr("Enables :", "Yapılabilir hale gelir :");
    WriteText(x, y, kGold, 8, label, right);
    const EnabledList list = EnabledBy(science, nation);
    if (list.count == 0) {
        WriteText(x + TextWidth(label, 8) + 4, y, kInk, 8, "-", right);
        return y + 17;
    }
    y += 15;
    if (list.shops) {
        std::string names = Tr("Shops : ", "Dükkanlar : ");
        for (int i = 0; i < list.count; ++i) {
            DrawEnabledPicture(list.items[i], x + 26 * i, y);
            names += (i > 0 ? ", " : "") + EnabledName(list.items[i]);
        }
        const int lines = WriteText(x + 26 * (list.count - 1) + 52, y + 4, kInk, 8, names, right);
        return y + std::max(50, 13 * lines + 8);
    }
    for (int i = 0; i < list.count; ++i) {
        const Enabled& item = list.items[i];
        DrawEnabledPicture(item, x, y);
        const int lines =
            WriteText(x + 52, y + 4, kInk, 8, EnabledName(item) + " : " + EnabledDescription(item), right);
        y += std::max(50, 13 * lines + 8);
    }
    return y;
}

void WriteLeadsTo(int science, int x, int y, int right) {
    if (science < 1 || science > kSciences) return;
    for (int next : kLeadsTo[science]) {
        if (next == 0) continue;
        DrawSprite(x + 2, y + 3, kLeadsSquare, true, Sheet::Interfaces);
        WriteText(x + 13, y, kInk, 8, scienceName(next), right);
        y += 13;
    }
}

// ---------------------------------------------------------------------------
// The research table

int Choices(int list[kSciences]) {
    return ResearchChoices(game.currentCiv, list);
}

// A fresh table highlights the first science it lists; so does one whose highlighted
// science is no longer open to research.
void EnsureSelection() {
    int list[kSciences];
    const int count = Choices(list);
    if (count == 0) {
        ui.selectedScience = 0;
        return;
    }
    if (!CanResearch(game.currentCiv, ui.selectedScience)) ui.selectedScience = list[0];
}

bool TableHidden() {
    return ui.mainMenuOpen || ui.helpMenuOpen || ui.saveMenuOpen || ui.loadMenuOpen || ui.scoreMenuOpen;
}

void WriteButtonLabel(const char* label) {
    const int shift = ui.closeCountdown > 0 ? 1 : 0;
    WriteCentred(602 + shift, 471 + shift, kInk, 8, label);
}

void WriteDiscovery() {
    const CivRecord& civ = Civ(game.currentCiv);
    const int science = civ.research;
    const std::string name = scienceName(science);
    const std::string title =
        IsEnglish() ? "Your people discovered " + name : name + " teknolojisini keşfettiniz";
    WriteCentred(512, kTitleY, kTitleInk, 10, title);
    // Beside the picture, or across the window for a science without one.
    const int left = science >= 1 && science <= kLastPictured ? kPictureX + 220 : kPictureX + 10;
    int y = kInfoTop + 8;
    const std::string description = Description(science);
    if (!description.empty()) y += 13 * WriteText(left, y, kInk, 8, description, kInfoRight) + 6;
    WriteEnables(science, civ.nation, left, y, kInfoRight);
    WriteButtonLabel(Tr("Continue", "Devam"));
}

void WriteChoice() {
    const int civ = game.currentCiv;
    WriteCentred(512, kTitleY, kTitleInk, 10, Tr("Select Next Science", "Neyi Keşfedeceksiniz"));
    int list[kSciences];
    const int count = Choices(list);
    for (int r = 0; r < count; ++r) {
        const Pixel colour = list[r] == ui.selectedScience ? kTitleInk : kInk;
        WriteText(kListArea.left + 5, kListArea.top + kRowHeight * r + 5, colour, 8, scienceName(list[r]),
                  kListArea.right + 8);
    }
    const int science = ui.selectedScience;
    if (science != 0) {
        int y = kInfoTop;
        const std::string description = Description(science);
        if (!description.empty()) y += 13 * WriteText(kInfoLeft, y, kInk, 8, description, kInfoRight) + 4;
        // Without a city nothing is researched, so no time can be promised.
        const double total = CivScience(civ);
        if (total > 0) {
            const int n = Trunc(scienceCost(science) / total) + 1;
            const std::string turns = std::to_string(n);
            const std::string text = IsEnglish() ? "Required time : " + turns + (n == 1 ? " Turn" : " Turns")
                                                 : "Gerekli zaman : " + turns + " tur";
            WriteText(kInfoLeft, y, kTitleInk, 8, text, kInfoRight);
            y += 17;
        }
        y = WriteEnables(science, Civ(civ).nation, kInfoLeft, y, kInfoRight);
        WriteLeadsTo(science, kInfoLeft, y + 4, kInfoRight);
    }
    WriteButtonLabel(Tr("Select", "Seç"));
}

// The pressed button takes effect once its countdown runs out: the announcement gives
// way to the choice (or closes the table when nothing is left to choose), and a choice
// closes the table.
void RunCountdown() {
    if (ui.closeCountdown == 0) return;
    ui.closeCountdown -= 1;
    if (ui.closeCountdown != 0) return;
    if (ui.discoveryShown) {
        ui.discoveryShown = 0;
        ui.selectedScience = 0;
        int list[kSciences];
        if (Choices(list) == 0) ui.scienceTableOpen = 0;
    } else {
        ui.scienceTableOpen = 0;
    }
}

// ---------------------------------------------------------------------------
// The science tree: three columns of sciences per page, in the order they can be learned.

constexpr int kTreeColumns[kPages][3][6] = {
    {{1, 2, 3, 4, 5, 6}, {7, 9, 10, 11, 12, 17}, {8, 13, 14, 18, 25, 27}},
    {{15, 16, 19, 22, 23, 26}, {24, 29, 31}, {20, 21, 28, 30, 34}},
    {{32, 33, 35, 40}, {36, 37, 41, 48}, {38, 43, 47}},
    {{39, 44}, {42, 49, 45}, {46, 50}},
};

// The tree drawn as a tree: each page shows its sciences in three columns, with a column
// before them of the sciences from earlier pages that they build on, and a line from
// every science to each one it needs. Positions are screen positions of the markers.
// The lowest row ends above the page buttons (their circles reach up to y 469).
constexpr int kTreeLeft = 236, kTreeWidth = 560, kTreeTop = 230, kTreeHeight = 220;
constexpr int kNameWidth = 122;

int SpotY(int k, int count) {
    const int gap = std::min(46, count > 1 ? kTreeHeight / (count - 1) : kTreeHeight);
    const int used = gap * (count - 1);
    return kTreeTop + (kTreeHeight - used) / 2 + gap * k;
}

int PageOf(int science) {
    for (int page = 1; page <= kPages; ++page)
        for (int column = 0; column < 3; ++column)
            for (int k = 0; k < 6; ++k)
                if (kTreeColumns[page - 1][column][k] == science) return page;
    return 0;
}

// The sciences of earlier pages that this page's sciences need, in increasing order.
int EarlierNeeds(int page, int out[kSciences]) {
    bool needed[kSciences + 1] = {};
    for (int column = 0; column < 3; ++column)
        for (int k = 0; k < 6; ++k) {
            int a = 0, b = 0;
            ScienceRequirements(kTreeColumns[page - 1][column][k], a, b);
            for (int r : {a, b})
                if (r != 0 && PageOf(r) < page) needed[r] = true;
        }
    int n = 0;
    for (int s = 1; s <= kSciences; ++s)
        if (needed[s]) out[n++] = s;
    return n;
}

// Calls visit(science, x, y, ownPage) for every science shown on the page: its spot's
// corner on the screen, and whether it belongs to this page (else it is a need from an
// earlier one, in the first column).
template <typename Visit> void ForEachTreeSpot(int page, Visit visit) {
    if (page < 1 || page > kPages) return;
    int earlier[kSciences];
    const int n = EarlierNeeds(page, earlier);
    // Without needs from earlier pages the three columns share the whole width.
    const int columnWidth = kTreeWidth / (n > 0 ? 4 : 3), first = n > 0 ? 1 : 0;
    for (int k = 0; k < n; ++k) visit(earlier[k], kTreeLeft, SpotY(k, n), false);
    for (int column = 0; column < 3; ++column) {
        const int* sciences = kTreeColumns[page - 1][column];
        int count = 0;
        while (count < 6 && sciences[count] != 0) ++count;
        for (int k = 0; k < count; ++k)
            visit(sciences[k], kTreeLeft + columnWidth * (column + first), SpotY(k, count), true);
    }
}

// Where the science stands on the page, if it is shown there.
bool SpotOf(int page, int science, int& x, int& y) {
    bool found = false;
    ForEachTreeSpot(page, [&](int s, int sx, int sy, bool) {
        if (s != science || found) return;
        x = sx;
        y = sy;
        found = true;
    });
    return found;
}

// The marker and the name of a science as wide as they are written.
int SpotWidth(int science) {
    return 17 + std::min(LineWidth(scienceName(science), 8), kNameWidth - 17) + 3;
}

// The science last pressed on the tree, whose needs are written under it.
int pickedScience = 0;

int ShownPage() {
    return std::clamp<int>(ui.sciencePage, 1, kPages);
}

bool Known(int civ, int science) {
    return science >= 1 && science <= kSciences && Civ(civ).knows[science] == 1;
}

bool CloseLit() {
    return ui.mouseX >= 688 && ui.mouseX <= 738 && ui.mouseY >= 189 && ui.mouseY <= 212;
}

void DrawPageButton(int centreX, int which) {
    const bool lit = Near(ui.mouseX, ui.mouseY, centreX, kPageButtonY, kPageButtonRadius);
    const int left = kButtonPieceLeft + kButtonSize * (2 * which + (lit ? 1 : 0));
    DrawSprite(centreX - kButtonSize / 2, kPageButtonY - kButtonSize / 2,
               {left, kButtonPieceTop, left + kButtonSize, kButtonPieceTop + kButtonSize}, true,
               Sheet::ScienceSprite);
}

} // namespace

// ---------------------------------------------------------------------------

void DrawScienceTable() {
    if (!ui.scienceTableOpen || TableHidden()) return;
    DrawSprite(kTableX, kTableY, kTablePiece, true, Sheet::Interfaces);
    if (ui.discoveryShown) {
        const int science = Civ(game.currentCiv).research;
        if (science >= 1 && science <= kLastPictured) {
            const int left = (science - 1) % 5 * 210, top = (science - 1) / 5 * 215;
            DrawSprite(kPictureX, kPictureY, {left, top, left + 210, top + 215}, true, Sheet::SciencesSprite);
        }
    } else {
        EnsureSelection();
        int list[kSciences];
        const int count = Choices(list);
        for (int r = 0; r < count; ++r)
            if (list[r] == ui.selectedScience)
                DrawSprite(kListArea.left, kListArea.top + kRowHeight * r, kRowBar, true, Sheet::Interfaces);
    }
    if (ui.closeCountdown > 0)
        DrawSprite(kButtonArea.left + 1, kButtonArea.top + 1, kButtonPressed, true, Sheet::Interfaces);
    else
        DrawSprite(kButtonArea.left, kButtonArea.top, kButtonPlain, true, Sheet::Interfaces);
    // The table writes its own texts as it is drawn.
    WriteScienceTable();
}

void WriteScienceTable() {
    if (!ui.scienceTableOpen || TableHidden()) return;
    if (ui.discoveryShown)
        WriteDiscovery();
    else
        WriteChoice();
    RunCountdown();
}

bool ScienceTableMouseDown(int x, int y) {
    if (!ui.scienceTableOpen) return false;
    if (ui.closeCountdown != 0) return true;
    if (Inside(x, y, kButtonArea)) {
        PlaySound("click");
        ui.closeCountdown = 8;
        // The announcement only has to be read; the choice is made on the next page.
        if (!ui.discoveryShown) {
            EnsureSelection();
            ChooseResearch(game.currentCiv, ui.selectedScience);
        }
        return true;
    }
    if (Inside(x, y, kListArea)) {
        if (ui.discoveryShown) return true; // no list is shown under the announcement
        int list[kSciences];
        const int row = (y - kListArea.top) / kRowHeight;
        if (row < Choices(list)) {
            PlaySound("click");
            ui.selectedScience = list[row];
        }
        return true;
    }
    return !Near(x, y, kPanelScienceX, kPanelScienceY, 16);
}

bool ScienceTableKey(int key) {
    if (!ui.scienceTableOpen) return false;
    if (key == kVkReturn) {
        ScienceTableMouseDown(kButtonArea.left, kButtonArea.top);
        return true;
    }
    if (key != kVkUp && key != kVkDown) return false;
    if (ui.discoveryShown) return true;
    EnsureSelection();
    const int civ = game.currentCiv;
    if (key == kVkUp) {
        for (int s = ui.selectedScience - 1; s >= 1; --s)
            if (CanResearch(civ, s)) {
                ui.selectedScience = s;
                break;
            }
    } else {
        for (int s = ui.selectedScience + 1; s <= kSciences; ++s)
            if (CanResearch(civ, s)) {
                ui.selectedScience = s;
                break;
            }
    }
    return true;
}

void DrawScienceMenu() {
    if (!ui.scienceMenuOpen) return;
    const int page = ShownPage();
    const int civ = game.viewCiv;
    DrawSprite(210, 150, kWindowPiece, true, Sheet::Backgrounds);
    // The lines first, so that markers and names stand over them.
    ForEachTreeSpot(page, [page, civ](int science, int x, int y, bool own) {
        if (!own) return;
        int needs[2];
        ScienceRequirements(science, needs[0], needs[1]);
        for (int need : needs) {
            int nx = 0, ny = 0;
            if (need == 0 || !SpotOf(page, need, nx, ny)) continue;
            const Pixel colour = Known(civ, need) ? Rgb(110, 80, 40) : Rgb(196, 176, 140);
            const int from = nx + SpotWidth(need);
            Screen().Line(from, ny + 7, x - 3, y + 7, colour);
            Screen().Line(from, ny + 8, x - 3, y + 8, colour);
        }
    });
    // Lines that pass behind a name leave it readable on the window's own colour.
    const Pixel ground = Screen().GetPixel(300, 490);
    ForEachTreeSpot(page, [ground](int science, int x, int y, bool) {
        Screen().FillRect({x - 1, y, x + SpotWidth(science), y + 15}, ground);
    });
    ForEachTreeSpot(page, [civ](int science, int x, int y, bool own) {
        if (Known(civ, science)) {
            if (own)
                DrawSprite(x, y, kMarker, true, Sheet::ScienceSprite);
            else
                Screen().FillRect({x + 3, y + 3, x + 11, y + 11}, Rgb(140, 100, 40));
        } else if (Civ(civ).research == science) {
            Screen().FrameRect({x + 1, y + 1, x + 13, y + 13}, kGold);
            Screen().FrameRect({x + 2, y + 2, x + 12, y + 12}, kGold);
        } else if (CanResearch(civ, science)) {
            Screen().FrameRect({x + 2, y + 2, x + 12, y + 12}, kReachable);
        }
        if (science == pickedScience)
            Screen().FrameRect({x - 3, y - 3, x + SpotWidth(science) + 2, y + 18}, kGold);
    });
    if (page >= 2) DrawPageButton(kMinusX, 0);
    if (page < kPages) DrawPageButton(kPlusX, 1);
    if (CloseLit())
        DrawSprite(689, 189, kCloseLit, true, Sheet::Backgrounds);
    else
        DrawSprite(689, 190, kClosePlain, true, Sheet::Backgrounds);
    // The tree writes its own texts as it is drawn.
    WriteScienceMenu();
}

namespace {

// What the picked science still needs: every science on its way that is not known yet,
// in the tree's order.
std::string PickedLine(int civ) {
    const int s = pickedScience;
    if (s < 1 || s > kSciences) return {};
    const std::string name = scienceName(s);
    if (Known(civ, s)) return name + Tr(": known.", ": biliniyor.");
    if (Civ(civ).research == s) return name + Tr(": under research.", ": araştırılıyor.");
    if (CanResearch(civ, s)) return name + Tr(": can be studied now.", ": şimdi araştırılabilir.");
    bool missing[kSciences + 1] = {};
    int stack[kSciences + 1], top = 0;
    stack[top++] = s;
    while (top > 0) {
        int needs[2];
        ScienceRequirements(stack[--top], needs[0], needs[1]);
        for (int need : needs)
            if (need != 0 && !Known(civ, need) && !missing[need]) {
                missing[need] = true;
                stack[top++] = need;
            }
    }
    std::string list;
    for (int k = 1; k <= kSciences; ++k)
        if (missing[k]) list += (list.empty() ? "" : ", ") + std::string(scienceName(k));
    return name + Tr(" still needs: ", " için önce gerekenler: ") + list + ".";
}

} // namespace

void WriteScienceMenu() {
    if (!ui.scienceMenuOpen) return;
    const int page = ShownPage();
    const int civ = game.viewCiv;
    // The names stand beside the markers: bright once known, gold while studied, green
    // when they can be taken up now.
    ForEachTreeSpot(page, [civ](int science, int x, int y, bool) {
        const Pixel colour = Known(civ, science)            ? kInk
                             : Civ(civ).research == science ? kGold
                             : CanResearch(civ, science)    ? kReachable
                                                            : kFadedInk;
        WriteText(x + 17, y + 1, colour, 8, scienceName(science), x + kNameWidth);
    });
    WriteText(kTreeLeft, 196, kInk, 8,
              Tr("Black: known. Gold: under research. Green: can be studied now. Press a science to see "
                 "what it still needs.",
                 "Siyah: biliniyor. Altın: araştırılıyor. Yeşil: şimdi araştırılabilir. Neye ihtiyaç "
                 "duyduğunu görmek için bir bilime basın."),
              680);
    const std::string picked = PickedLine(civ);
    if (!picked.empty()) WriteText(kTreeLeft, 512, kTitleInk, 8, picked, 796);
    WriteCentred(633, 496, kInk, 8, std::to_string(page) + " / " + std::to_string(kPages));
    WriteText(699, 193, CloseLit() ? kTitleInk : kInk, 8, Tr("close", "kapat"), 760);
}

bool ScienceMenuMouseDown(int x, int y) {
    if (!ui.scienceMenuOpen) return false;
    if (ui.sciencePage >= 2 && Near(x, y, kMinusX, kPageButtonY, kPageButtonRadius)) {
        PlaySound("click");
        ui.sciencePage -= 1;
        return true;
    }
    if (ui.sciencePage < kPages && Near(x, y, kPlusX, kPageButtonY, kPageButtonRadius)) {
        PlaySound("click");
        ui.sciencePage += 1;
        return true;
    }
    bool hit = false;
    ForEachTreeSpot(ShownPage(), [&](int science, int sx, int sy, bool) {
        if (hit || x < sx - 2 || x >= sx + kNameWidth + 2 || y < sy - 2 || y >= sy + 16) return;
        pickedScience = science;
        hit = true;
    });
    if (hit) PlaySound("click");
    return hit;
}

int SciencePageFor(int civ) {
    int known = 0;
    for (int s = 1; s <= kSciences; ++s) known += Known(civ, s) ? 1 : 0;
    if (known < 15) return 1;
    if (known < 26) return 2;
    if (known < 38) return 3;
    return 4;
}

} // namespace annals
