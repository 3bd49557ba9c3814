// The city screen's texts, lists and pop-ups, written by the information panel after the
// pictures: the figures of the city, its lists and pop-ups, the reasons its citizens are
// unhappy and the advisories that warn of hunger, shortages, the treasury, unhappiness
// and idle builders.
#include "economy/city.h"
#include "economy/city_commands.h"
#include "economy/happiness.h"
#include "platform/platform.h"
#include "state/host.h"
#include "state/numbers.h"
#include "state/rules.h"
#include "state/state.h"
#include "ui/city_screen.h"
#include "ui/drawing.h"
#include "ui/text.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

namespace annals {

namespace city_screen {

const CityLabel kCityLabels[kCityLabelCount] = {
    {"Growth", "Büyüme", 414, 168, 458},
    {"Science", "Bilim", 646, 201, 697},
    {"Military", "Askeriye", 646, 215, 697},
    {"Taxes", "Vergi", 646, 242, 697},
    {"Culture", "Kültür", 646, 256, 705},
    {"Income", "Gelir", 646, 299, 708},
    {"Products", "Ürünler", 646, 331, 706},
    {"Made", "Üretim", 702, 331, 737},
    {"Used", "Gider", 740, 331, 767},
    {"Stock", "Depo", 768, 331, 826},
    {"Why citizens are unhappy (weight)", "Mutsuzluğun nedenleri (ağırlığı)", 653, 472, 862},
};

} // namespace city_screen

using namespace city_screen;

namespace {

constexpr Pixel kDarkRed = Rgb(139, 0, 0);
constexpr Pixel kRed = Rgb(230, 0, 0);
constexpr Pixel kPaper = Rgb(236, 228, 204);
constexpr Pixel kPaperLit = Rgb(200, 184, 140);
constexpr Pixel kAdvisoryPaper = Rgb(250, 240, 200);

constexpr int kFood = 1, kStone = 7;
constexpr int kProductsHeading = 6;

std::string Str(long long v) {
    return std::to_string(v);
}

// "3 turns left", and "1 turn left" for one.
std::string TurnsLeftText(int n) {
    return Str(n) + (n == 1 ? Tr(" turn left", " tur kaldı") : Tr(" turns left", " tur kaldı"));
}

// A figure with its sign; nothing is never "-0".
std::string Signed(const char* sign, int v) {
    return v == 0 ? "0" : Prefixed(sign, Str(v));
}

// A share in percent as each language writes it: "25%", and "%25" in Turkish.
std::string Percent(int v) {
    return IsEnglish() ? Str(v) + "%" : "%" + Str(v);
}

std::string Fixed2(double v) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", v);
    return text;
}

void Box(Rect r, Pixel fill, Pixel border) {
    Screen().FillRect(r, fill);
    Screen().FrameRect(r, border);
}

// A box with its corners cut, as the advisories have.
void RoundedBox(Rect r) {
    Screen().FillRect({r.left + 3, r.top, r.right - 3, r.bottom}, kAdvisoryPaper);
    Screen().FillRect({r.left, r.top + 3, r.right, r.bottom - 3}, kAdvisoryPaper);
    Screen().Line(r.left + 3, r.top, r.right - 4, r.top, kInk);
    Screen().Line(r.left + 3, r.bottom - 1, r.right - 4, r.bottom - 1, kInk);
    Screen().Line(r.left, r.top + 3, r.left, r.bottom - 4, kInk);
    Screen().Line(r.right - 1, r.top + 3, r.right - 1, r.bottom - 4, kInk);
    Screen().Line(r.left, r.top + 3, r.left + 3, r.top, kInk);
    Screen().Line(r.right - 4, r.top, r.right - 1, r.top + 3, kInk);
    Screen().Line(r.left, r.bottom - 4, r.left + 3, r.bottom - 1, kInk);
    Screen().Line(r.right - 4, r.bottom - 1, r.right - 1, r.bottom - 4, kInk);
}

std::string CityName(const CityData& city) {
    return cityName(Civ(city.founder).nation, city.nameIndex);
}

// ---------------------------------------------------------------------------

void WriteTitleAndGrowth(const CityData& city) {
    const bool lit = ui.mouseX >= 807 && ui.mouseX < 844 && ui.mouseY >= 131 && ui.mouseY < 152;
    WriteCentred(825, 135, lit ? kTitleInk : kInk, 8, Tr("close", "kapat"));
    const int g = GrowthPerTurn(city);
    std::string growth;
    if (g > 0) {
        const int box = city.size > 4 ? 20 : 10;
        growth = TurnsLeftText(std::max(0, Trunc((box - city.foodBox) / static_cast<double>(g) + 0.99999)));
    } else if (city.production[kFood] < 2 * city.size) {
        growth = Tr("Starving - Collect more food", "Açlık var - Daha çok tahıl toplayın");
    } else {
        growth = Tr("Not Growing - Collect more food", "Büyümüyor - Daha çok tahıl toplayın");
    }
    WriteCentred(511, 180, kBlack, 8, growth);
}

void WriteMilitaryProduction(const CityData& city) {
    const int item = city.unitBuildItem;
    if (item < 1 || item > kUnitTypes) return;
    WriteText(240, 201, kBlack, 8, unitTypeName(item), 380);
    const int n = TurnsLeft(buildCost(item) - city.militaryProgress, CityMilitary(city));
    const std::string turns = n < 0 ? Tr("No military production", "Askeri üretim yok") : TurnsLeftText(n);
    WriteCentred(292, 228, kBlack, 8, turns);
}

void WriteSpending(const CityData& city) {
    const int science = Round(CityScience(city)), military = Round(CityMilitary(city));
    WriteText(768 + 2 * std::min(science, kLongestBar) + 4, 201, kBlack, 8, Str(science), 1020);
    WriteText(768 + 2 * std::min(military, kLongestBar) + 4, 215, kBlack, 8, Str(military), 1020);
    WriteText(717, 201, kBlack, 8, Str(city.scienceLevel), 760);
    WriteText(717, 215, kBlack, 8, Str(city.militaryLevel), 760);
    WriteText(715, 242, kBlack, 8, Percent(city.taxRate), 760);
    WriteCentred(716, 256, kBlack, 8, "+" + Str(Round(CityCulture(city))) + ".0");
    // The happiness the advice speaks of: below 50 citizens leave, and it shows in red.
    WriteText(646, 270, kInk, 8, Tr("Happiness", "Mutluluk"), 708);
    WriteText(715, 270, city.happiness < 50 ? kRed : kBlack, 8, Str(Trunc(city.happiness)), 760);
    WriteText(710, 284, kBlack, 8,
              "(" + Signed("-", Round(Corruption(city))) + ".0" + Tr(" corruption)", " yolsuzluk)"), 860);
    const std::string income = Str(Round(TaxIncome(city)));
    WriteText(710, 299, kBlack, 8,
              Percent(city.taxRate) + "  (" + (IsEnglish() ? income + " per turn" : "turda " + income) + ")",
              860);
}

void WriteLabel(int i, Pixel colour) {
    const CityLabel& l = kCityLabels[i];
    WriteText(l.left, l.top, colour, 8, Tr(l.english, l.turkish), l.right);
}

// The names of the rows and columns of figures; the products column has a heading.
void WriteLabels() {
    for (int i = 0; i < kCityLabelCount - 1; ++i) WriteLabel(i, i == kProductsHeading ? kDarkRed : kInk);
}

void WriteJobBoxes(const CityData& city) {
    int buildings[kMaxJobBoxes];
    const int n = JobBuildings(city, buildings);
    for (int k = 0; k < n; ++k) {
        const int left = 175 + 109 * (k / 4), top = 414 + 45 * (k % 4);
        WriteText(left + 3, top + 1, kInk, 8, buildingName(buildings[k]), left + 100);
    }
    if (city.buildItem != 0 && n < kMaxJobBoxes) {
        const int left = 175 + 109 * (n / 4), top = 414 + 45 * (n % 4);
        const int need = std::max(0, buildCost(city.buildItem) - city.buildProgress);
        // One line above the marks, whatever the cost: it may use the whole slip.
        WriteText(left + 2, top + 1, kInk, 8, Str(need) + Tr(" stone left", " taş kaldı"), left + 104);
    }
}

// The products column; a pointer resting on a row opens that product's pop-up.
void WriteProducts(const CityData& city) {
    // A pop-up opened by the pointer lasts while the pointer stays on its row, on the
    // pop-up, or on the way between them, so that its lines can be pressed.
    if (ui.productMenuHovered && !PointerOnHoveredProduct(city)) {
        ui.productMenu = 0;
        ui.productMenuHovered = 0;
    }
    int rows[kMaxProductRows + 1];
    const int n = ProductRows(city, rows);
    const int mx = ui.mouseX, my = ui.mouseY;
    const bool free = !ui.productionListOpen && !ui.buildingListOpen && !ui.workerMenuOpen &&
                      ui.productMenu == 0 && ui.cargoMenu == 0;
    for (int r = 1; r <= n; ++r) {
        const int p = rows[r], y = 333 + 13 * r;
        if (free && mx > 643 && mx < 813 && my > 332 + 13 * r && my <= 345 + 13 * r) {
            Screen().FillRect({644, 333 + 13 * r, 813, 346 + 13 * r}, kPaperLit);
            // The band covered the product's icon: it shows again over it.
            DrawSprite(694, 335 + 13 * r, {10 * (p - 1), 464, 10 * p - 1, 473}, true, Sheet::OthersSprite);
            ui.productMenu = 100 * p + r;
            ui.productMenuHovered = 1;
            ui.popupX = 850;
            ui.popupY = 330 + 13 * r;
        }
        WriteText(646, y, kBlack, 8, productName(p), 694);
        WriteText(708, y, kBlack, 8, Signed("+", city.production[p]), 736);
        WriteText(738, y, kDarkRed, 8, Signed("-", city.consumption[p]), 766);
        WriteText(768, y, kBlack, 8, Str(city.stock[p]) + "/" + Str(city.storageCapacity), 826);
    }
}

// A city with no citizens yet has nobody to be unhappy: no reasons are listed.
void WriteReasons(const CityData& city) {
    HappinessDelta(city, true);
    if (city.size < 1) return;
    // Worst first.
    int order[kMaxReasons + 1], n = std::min<int>(ui.reasonCount, kMaxReasons);
    for (int i = 0; i < n; ++i) order[i] = i + 1;
    std::stable_sort(order, order + n, [](int a, int b) { return ui.reasons[a][1] > ui.reasons[b][1]; });
    static const TextPair kReasonTexts[14] = {
        {"", ""},
        {"Taxes are high", "Vergiler yüksek"},
        {"There is no temple", "Tapınak yok"},
        {"There is no aqueduct", "Su kanalları yok"},
        {"Still governed with despotism", "Hâlâ despotizmle yönetiliyor"},
        {"There is no sewer system", "Kanalizasyon yok"},
        {"There is no hospital", "Hastane yok"},
        {"There are not enough doctors", "Yeterince doktor yok"},
        {"City needs more electric power", "Şehrin daha çok elektriğe ihtiyacı var"},
        {"There are no soldiers defending the city", "Şehri savunan asker yok"},
        {"Not enough soldiers defending the city", "Şehri savunan asker yetersiz"},
        {"There is no theatre", "Tiyatro yok"},
        {"City is too crowded", "Şehir çok kalabalık"},
        {"Citizens want democracy", "Şehirliler demokrasi istiyor"},
    };
    for (int k = 0; k < n && k < 7; ++k) {
        const int code = ui.reasons[order[k]][0], weight = ui.reasons[order[k]][1];
        if (weight == 0) break;
        if (code < 1 || code > 13) continue;
        if (k == 0) WriteLabel(kCityLabelCount - 1, kDarkRed);
        const Pixel colour = weight >= 90 ? kRed : weight >= 50 ? kDarkRed : kBlack;
        const std::string text = std::string(Tr(kReasonTexts[code])) + (weight >= 90 ? "!!!" : ".") +
                                 (IsEnglish() ? " (" + Str(weight) + "%)" : " (%" + Str(weight) + ")");
        WriteText(653, 490 + 16 * k, colour, 8, text, 862);
    }
}

void WriteBuildingsHover(const CityData& city) {
    const int dx = ui.mouseX - 275, dy = ui.mouseY - 337;
    if (dx * dx + dy * dy >= 25 * 25 || ui.productionListOpen || ui.buildingListOpen || ui.workerMenuOpen ||
        (ui.productMenu != 0 && !ui.productMenuHovered) || ui.cargoMenu != 0)
        return;
    int n = 0;
    for (int b = 1; b <= kBuildings; ++b) n += city.buildings[b] == 1;
    const int columns = n > 24 ? 2 : 1, perColumn = (n + columns - 1) / columns;
    const int height = 13 * (perColumn + 1) + 8, width = 170 * columns;
    const int top = std::clamp(337 - height / 2, 4, 764 - height);
    Box({225, top, 225 + width, top + height}, kPaper, kInk);
    WriteText(229, top + 4, kBlack, 8, CityName(city) + Tr(" has :", " şunlara sahip :"), 225 + width - 4);
    int i = 0;
    for (int b = 1; b <= kBuildings; ++b) {
        if (city.buildings[b] != 1) continue;
        const int column = i / std::max(perColumn, 1), row = i % std::max(perColumn, 1);
        WriteText(229 + 170 * column, top + 17 + 13 * row, b >= kFirstWonder ? kDarkRed : kBlack, 8,
                  buildingName(b), 225 + 170 * (column + 1) - 4);
        ++i;
    }
}

// ---------------------------------------------------------------------------
// Lists and pop-ups

bool Over(int left, int top, int right, int bottom) {
    return ui.mouseX > left && ui.mouseX < right && ui.mouseY >= top && ui.mouseY < bottom;
}

void WriteProductionList(const CityData& city) {
    int choices[36];
    const int n = ProductionChoices(city, choices);
    Box({232, 213, 382, 213 + 15 * n + 10}, kPaper, kInk);
    const double perTurn = CityMilitary(city);
    for (int i = 0; i < n; ++i) {
        const int top = 218 + 15 * i;
        if (Over(232, top + 1, 382, top + 16)) Screen().FillRect({233, top + 1, 381, top + 16}, kPaperLit);
        WriteText(236, top + 2, kBlack, 8, unitTypeName(choices[i]), 326);
        const int turns = TurnsLeft(buildCost(choices[i]) - city.militaryProgress, perTurn);
        if (turns >= 0)
            WriteText(328, top + 2, kBlack, 8,
                      Str(turns) + (turns == 1 ? Tr(" Turn", " tur") : Tr(" Turns", " tur")), 380);
    }
}

void WriteBuildingList(const CityData& city) {
    int choices[47];
    const int n = city.buildItem != 0 ? 1 : BuildingChoices(city, choices);
    const int shown = std::min(n, (764 - 309) / 15);
    Box({366, 299, 516, 299 + 15 * shown + 10}, kPaper, kInk);
    for (int i = 0; i < shown; ++i) {
        const int top = 304 + 15 * i;
        if (Over(366, top, 516, top + 15)) Screen().FillRect({367, top, 515, top + 15}, kPaperLit);
        const std::string text = city.buildItem != 0 ? std::string(Tr("Destroy ", "Yık: ")) +
                                                           buildingName(city.buildItem - kUnitTypes)
                                                     : std::string(buildingName(choices[i] - kUnitTypes)) +
                                                           " (" + Str(buildCost(choices[i])) + ")";
        WriteText(370, top + 1, kBlack, 8, text, 514);
    }
}

void WriteWorkerMenu(CityData& city) {
    WorkerEntry entries[kMaxWorkerEntries];
    const int n = WorkerMenuEntries(city, entries);
    const int left = ui.popupX, top = ui.popupY, height = WorkerMenuHeight(n);
    Box({left, top, left + kWorkerMenuWidth, top + height}, kPaper, kInk);
    ui.workerMenuRow = 0;
    for (int i = 0; i < n; ++i) {
        const int y = top + 5 + 15 * i;
        if (Over(left, y, left + kWorkerMenuWidth, y + 15)) {
            ui.workerMenuRow = static_cast<uint8_t>(i + 1);
            Screen().FillRect({left + 1, y, left + kWorkerMenuWidth - 1, y + 15}, kPaperLit);
        }
        const WorkerEntry& e = entries[i];
        if (e.code <= kProducts) {
            WriteText(left + 5, y + 1, kBlack, 8, productName(e.code), left + 70);
            WriteText(left + 71, y + 1, kBlack, 8, Str(e.yield) + Tr(" Tons", " Ton"), left + 114);
            WriteText(left + 115, y + 1, kDarkRed, 8,
                      Prefixed("(", Fixed2(e.yield * productPrice(e.code) / 100.0)) + Tr(" gold)", " altın)"),
                      left + kWorkerMenuWidth);
        } else {
            WriteText(left + 5, y + 1, kBlack, 8, jobName(e.code - kProducts), left + kWorkerMenuWidth - 4);
        }
    }
    const int y = top + 15 * n + 13;
    Screen().Line(left + 4, y - 3, left + kWorkerMenuWidth - 4, y - 3, kGrey);
    if (Over(left, y, left + kWorkerMenuWidth, y + 20)) {
        ui.workerMenuRow = 99;
        Screen().FillRect({left + 1, y, left + kWorkerMenuWidth - 1, y + 20}, kPaperLit);
    }
    WriteText(left + 5, y + 4, kDarkRed, 8, Tr("Make settler", "İşçi yap"), left + kWorkerMenuWidth - 4);
}

void WriteProductMenu(const CityData& city) {
    const int product = ui.productMenu / 100;
    if (product < 1 || product > kProducts) return;
    const int left = ui.popupX, top = ui.popupY, height = ProductMenuHeight(city);
    Box({left, top, left + kProductMenuWidth, top + height}, kPaper, kInk);
    WriteText(left + 5, top + 4, kBlack, 8, Str(city.stock[product]) + " " + productName(product), left + 78);
    WriteText(left + 80, top + 4, kGrey, 8, Tr("Each: ", "Birim: ") + Fixed2(productPrice(product) / 100.0),
              left + kProductMenuWidth);
    const bool empty = city.stock[product] < 1;
    auto row = [&](int r, const std::string& text, Pixel colour) {
        const int y = top + 20 + 15 * (r - 1);
        if (!ui.productMenuHovered && Over(left, y, left + kProductMenuWidth, y + 15))
            Screen().FillRect({left + 1, y, left + kProductMenuWidth - 1, y + 15}, kPaperLit);
        WriteText(left + 5, y + 1, colour, 8, text, left + 118);
    };
    row(1,
        Tr("Sell (", "Sat (") + Fixed2(city.stock[product] * productPrice(product) / 100.0) +
            Tr(" gold)", " altın)"),
        empty ? kGrey : kBlack);
    int carriers[kMaxUnits + 1];
    const int n = Carriers(city, carriers);
    for (int i = 0; i < n; ++i) {
        const int used = CargoUsed(city.owner, carriers[i]);
        const int capacity = std::min(UnitTypeCapacity(Unit(city.owner, carriers[i]).type), kCargoSlots);
        const Pixel colour = used >= capacity || empty ? kGrey : kBlack;
        row(3 + i, Tr("Load to ", "Yükle: ") + std::string(unitTypeName(Unit(city.owner, carriers[i]).type)),
            colour);
        WriteText(left + 120, top + 20 + 15 * (2 + i) + 1, colour, 8, Str(used) + "/" + Str(capacity),
                  left + kProductMenuWidth);
    }
}

void WriteCargoMenu(const CityData& city) {
    const int slot = FigureUnit(city, ui.cargoMenu);
    if (slot == 0) {
        ui.cargoMenu = 0;
        return;
    }
    int positions[7];
    const int n = GoodsPositions(city.owner, slot, positions);
    const int left = ui.popupX, top = ui.popupY;
    Box({left, top, left + kCargoMenuWidth, top + CargoMenuHeight(city)}, kPaper, kInk);
    WriteText(left + 5, top + 4, kGrey, 8, unitTypeName(Unit(city.owner, slot).type),
              left + kCargoMenuWidth - 4);
    if (n == 0)
        WriteText(left + 5, top + 21, kBlack, 8, Tr("There is no cargo", "Yük yok"),
                  left + kCargoMenuWidth - 4);
    for (int i = 0; i < n; ++i) {
        const int32_t v = Unit(city.owner, slot).cargo[positions[i]];
        const int y = top + 20 + 15 * i;
        if (Over(left, y, left + kCargoMenuWidth, y + 15))
            Screen().FillRect({left + 1, y, left + kCargoMenuWidth - 1, y + 15}, kPaperLit);
        WriteText(left + 5, y + 1, kBlack, 8,
                  Tr("Unload ", "Boşalt: ") + Str(v % 1000) + " " + productName(v / 1000),
                  left + kCargoMenuWidth - 4);
    }
}

// ---------------------------------------------------------------------------
// Notes: the advice of the screen, in two columns outside the window so that no figure
// is covered. Each can be closed for its city until what it tells of changes.

struct Note {
    int kind = 0;
    int32_t cause = 0; // what the note tells of; 0 = nothing to tell
    std::string texts[3];
    int count = 0;
};

void Add(Note& note, const std::string& text) {
    note.texts[note.count++] = text;
}

Note FoodNote(const CityData& city) {
    Note note;
    note.kind = kFoodNote;
    const int f = city.production[kFood] - 2 * city.size;
    int m = 100;
    for (int dx = -2; dx <= 2; ++dx)
        for (int dy = -2; dy <= 2; ++dy) {
            const int x = city.cityX + dx, y = city.cityY + dy;
            if ((dx == 0 && dy == 0) || !city.Worked(dx, dy) || city.WorkedProduct(dx, dy) != kFood ||
                !InsideMap(x, y))
                continue;
            m = std::min<int>(m, CellYield(Cell(x, y), kFood, city));
        }
    if (!(f < 1 || f > m)) return note;
    const std::string name = CityName(city);
    if (f == 0) {
        note.cause = 1;
        Add(note,
            IsEnglish() ? "Population of " + name + " does not increase" : "Bu şehrin nüfusu artamıyor");
        Add(note,
            Tr("Every citizen must eat two food per turn or die. To grow, your city must "
               "produce at least one extra food every turn. Collect more food to get new population.",
               "Her şehirli her tur iki tahıl yemeli, yoksa ölür. Yeni nüfus için şehriniz her tur en az bir "
               "fazla tahıl üretmeli. Yeni nüfus için daha çok tahıl toplayın."));
    } else if (f < 0) {
        note.cause = 2;
        Add(note, name + Tr(" is in danger of starving.", " açlık tehlikesiyle karşı karşıya."));
        Add(note,
            Tr("Every citizen must eat two food per turn or die. ",
               "Her şehirli her tur iki tahıl yemeli, yoksa ölür. ") +
                name +
                Tr(" produces less food than it needs. Here, citizens are currently getting food from "
                   "stock. If the food in stock runs out your citizens start to die of starvation.",
                   " ihtiyacından az tahıl üretiyor. Şehirliler şu an depodaki tahılla besleniyor. Depo "
                   "biterse şehirlileriniz açlıktan ölmeye başlar."));
    } else {
        note.cause = 3;
        Add(note, name + Tr(" produces more food than needed", " gereksiz yere tahıl üretiyor"));
        Add(note,
            Tr("This city is producing more food than it needs. To make more profit your citizens have to "
               "produce more valuable products. To see all choices right click on any citizen. To change "
               "the work area of a citizen, left click it, hold and drag it to another free area.",
               "Bu şehir ihtiyacından fazla tahıl üretiyor. Daha çok kazanmak için şehirlileriniz daha "
               "değerli ürünler üretmeli. Bütün seçenekleri görmek için bir şehirliye sağ tıklayın. Bir "
               "şehirlinin çalıştığı alanı değiştirmek için ona sol tıklayıp basılı tutun ve başka bir boş "
               "alana sürükleyin."));
    }
    return note;
}

Note ProductsNote(const CityData& city) {
    Note note;
    note.kind = kProductsNote;
    static const TextPair kRaw[4] = {
        {"cotton", "pamuk"}, {"tobacco", "tütün"}, {"grape", "üzüm"}, {"fur", "kürk"}};
    static const TextPair kMade[4] = {
        {"cloth", "kumaş"}, {"cigar", "sigara"}, {"wine", "şarap"}, {"coat", "kürk manto"}};
    // The Turkish explanation opens with the product.
    static const char* const kMadeOpening[4] = {"Kumaş", "Sigara", "Şarap", "Kürk manto"};
    const std::string name = CityName(city);
    for (int p = 11; p <= 14; ++p) {
        const int r = p - 9;
        const int s = city.consumption[r] - city.production[r] - city.stock[r];
        const bool hasBuilding = city.buildings[p - 7] == 1;
        if (s <= 0 || s < (hasBuilding ? 3 : 6)) continue;
        const std::string raw = Tr(kRaw[p - 11]), made = Tr(kMade[p - 11]);
        const bool none = city.production[p] < 1;
        note.cause = 100 + p;
        Add(note, none ? (IsEnglish() ? name + " cannot produce " + productName(p)
                                      : name + " " + made + " üretemiyor")
                       : name + Tr(" produces only ", " yalnızca ") + Str(city.production[p]) + " " +
                             productName(p) + Tr("", " üretiyor"));
        const std::string start =
            (IsEnglish() ? "To produce " + made : std::string(kMadeOpening[p - 11])) +
            Tr(" citizens have to use ", " üretmek için şehirliler ") + raw +
            Tr(". This city has not got enough ", " kullanmalı. Bu şehirde yeterince ") + raw +
            Tr("", " yok");
        Add(note, none ? start + Tr(". So your ", ". Bu yüzden ") + made +
                             Tr(" producers cannot do their jobs. Collect more ",
                                " üreticileriniz işlerini yapamıyor. Şehir alanlarından daha çok ") +
                             raw + Tr(" from city areas or give another job to ", " toplayın ya da ") + made +
                             Tr(" producer.", " üreticisine başka bir iş verin.")
                       : start + Tr(". So one of ", ". Bu yüzden ") + made +
                             Tr(" producers cannot do his job. Collect more ",
                                " üreticilerinizden biri işini yapamıyor. Şehir alanlarından daha çok ") +
                             raw + Tr(" from city areas or give another job to one of ", " toplayın ya da ") +
                             made + Tr(" producers.", " üreticilerinden birine başka bir iş verin."));
        return note;
    }
    int full = 0;
    for (int p = 1; p <= kProducts; ++p)
        if (p != kStone && city.storageCapacity > 0 && city.stock[p] == city.storageCapacity) full = p;
    if (full == 0) return note;
    note.cause = 200 + full;
    Add(note, std::string(productName(full)) + Tr(" stocks are full.", " depoları dolu."));
    Add(note, Tr("This city has ", "Bu şehirde ") + Str(city.stock[full]) + " " + productName(full) +
                  Tr(". And stocks of ", " var. ") + name +
                  Tr(" for this product are full. Sell some of it: rest the pointer on its row in the "
                     "products column and press.",
                     " bu ürün için depoları dolu. Bir kısmını satın: imleci ürünler sütunundaki satırının "
                     "üzerine getirip tıklayın."));
    return note;
}

Note TreasuryNote(const CityData& city) {
    Note note;
    note.kind = kTreasuryNote;
    const CivRecord& owner = Civ(city.owner);
    const int l = city.scienceLevel + city.militaryLevel;
    const double g = owner.gold;
    const int tax = city.taxRate;
    const bool spending = l > 0 && l * l > g;
    const bool low = (owner.citiesFounded > 3 || l > 0) && g < owner.goldBias &&
                     ((g < 12 && tax < 30) || (g < 9 && (tax < 40 || l > 0)) ||
                      (g < 6 && (tax < 50 || l > 0)) || (g < 3 && (tax < 60 || l > 0)));
    if (!spending && !low) return note;
    if (spending) {
        const bool military = city.scienceLevel < city.militaryLevel;
        note.cause = military ? 2 : 1;
        const std::string what = military ? Tr("military", "askeriye") : Tr("science", "bilim");
        // Turkish puts the field before the verb, in the dative: "bilime", "askeriyeye".
        const std::string onWhat = military ? "askeriyeye" : "bilime";
        Add(note, IsEnglish() ? "Spending too much gold on " + what + "."
                              : Prefixed(military ? "Askeriyeye" : "Bilime", " çok fazla altın harcanıyor."));
        Add(note, IsEnglish()
                      ? "This city is spending too much gold on " + what + ". Decrease " + what +
                            " budget in order to keep your treasury above zero."
                      : "Bu şehir " + onWhat + " çok fazla altın harcıyor. Hazinenizi artıda tutmak için " +
                            what + " bütçesini azaltın.");
    } else {
        note.cause = g >= 0 ? 3 : 4;
        Add(note, g >= 0
                      ? Tr("Our treasury is going down dangerously.", "Hazinemiz tehlikeli biçimde azalıyor.")
                      : Tr("We have no gold in our treasury.", "Hazinemizde hiç altın yok."));
        Add(note, Tr("We have to earn more gold. Increase taxes and decrease the science and military "
                     "budgets if they are high. Build a marketplace to earn more from taxes.",
                     "Daha çok altın kazanmalıyız. Vergileri artırın, yüksekse bilim ve askeriye bütçesini "
                     "azaltın. Vergilerden daha çok kazanmak için pazar kurun."));
    }
    Add(note, g >= 0
                  ? Tr("If the treasury goes below zero, this city cannot produce any soldiers or develop "
                       "new sciences.",
                       "Hazine sıfırın altına düşerse bu şehir asker üretemez ve yeni bilimler geliştiremez.")
                  : Tr("The treasury is currently below zero. So none of your cities can produce soldiers "
                       "or develop new sciences.",
                       "Hazine şu an sıfırın altında. Bu yüzden hiçbir şehriniz asker üretemez ve yeni "
                       "bilim geliştiremez."));
    return note;
}

// A city with no citizens yet has nobody to be unhappy.
Note DiscontentNote(const CityData& city) {
    Note note;
    note.kind = kUnhappinessNote;
    const double d = ui.lastHappinessDelta, h = city.happiness;
    if (city.size < 1 || !(d < -1 || (d < -0.8 && h < 80) || (d < -0.6 && h < 70) || (d < -0.4 && h < 60) ||
                           (d < 0 && h < 55)))
        return note;
    note.cause = 100 + ui.worstReason;
    Add(note, UnhappinessHeading(ui.worstReason));
    Add(note, UnhappinessAdvice(ui.worstReason, CityName(city)));
    Add(note, UnhappinessNote());
    return note;
}

Note StoneNote(const CityData& city) {
    Note note;
    note.kind = kStoneNote;
    if (city.buildItem != 0) {
        if (city.stock[kStone] >= 10 || city.production[kStone] > 0) return note;
        note.cause = 1;
        Add(note, CityName(city) + Tr(" has no stone", " şehrinde taş yok"));
        // Advice a city without citizens can follow only once it has grown.
        Add(note,
            city.size >= 1
                ? Tr("To build, at least one of your citizens must collect stone. Right click one of them "
                     "and choose stone, and do not sell this stone.",
                     "Bina yapmak için şehirlilerinizden en az biri taş toplamalı. Birine sağ tıklayıp "
                     "taşı seçin ve bu taşları satmayın.")
                : Tr("To build, at least one citizen must collect stone. This city has no citizen yet: "
                     "when it grows, right click the new citizen and choose stone.",
                     "Bina yapmak için en az bir şehirli taş toplamalı. Bu şehrin henüz şehirlisi yok: "
                     "büyüyünce yeni şehirliye sağ tıklayıp taşı seçin."));
        return note;
    }
    int choices[47];
    if (BuildingChoices(city, choices) == 0) return note;
    note.cause = 2;
    Add(note, Tr("Improve your city", "Şehrinizi geliştirin"));
    Add(note, Tr("No building is under way. To improve happiness, culture, military and science, build "
                 "the buildings that give them. Press the button with the tool icon (beside the city "
                 "view) to see the buildings you can start.",
                 "Şu an yapılan bir bina yok. Mutluluğu, kültürü, askeri gücü ve bilimi artırmak için ilgili "
                 "binaları yapın. Yapılabilecek binaları görmek için şehir resminin yanındaki alet simgeli "
                 "düğmeye basın."));
    return note;
}

// Once the first soldiers beyond the warrior are known: where the other kinds are chosen.
Note UnitsNote(const CityData& city) {
    Note note;
    note.kind = kUnitsNote;
    const int item = city.unitBuildItem;
    const CivRecord& owner = Civ(city.owner);
    if (!((item == kWarrior || item == kJaguar) && (owner.knows[2] == 1 || owner.knows[5] == 1)) ||
        ui.productionListOpen)
        return note;
    note.cause = 1;
    Add(note, Tr("Other soldiers", "Başka askerler"));
    Add(note, Tr("Click on the picture of the warrior to see the other kinds of units that can be produced.",
                 "Üretilebilecek diğer birlik türlerini görmek için savaşçının resmine tıklayın."));
    return note;
}

// The closed note of this kind for this city, or 0.
int ClosedNoteIndex(const CityData& city, int kind) {
    for (int i = 1; i <= kMaxClosedNotes; ++i) {
        const ClosedNote& c = ui.closedNotes[i];
        if (c.x == city.cityX && c.y == city.cityY && c.kind == kind) return i;
    }
    return 0;
}

void ForgetClosedNote(int i) {
    for (int j = i; j < kMaxClosedNotes; ++j) ui.closedNotes[j] = ui.closedNotes[j + 1];
    ui.closedNotes[kMaxClosedNotes] = ClosedNote{};
}

// Whether the note stays closed; a closed note whose cause changed is forgotten.
bool StaysClosed(const CityData& city, const Note& note) {
    const int i = ClosedNoteIndex(city, note.kind);
    if (i == 0) return false;
    if (ui.closedNotes[i].cause == note.cause) return true;
    ForgetClosedNote(i);
    return false;
}

constexpr int kNoteTop = 40, kNoteBottom = 612, kLineHeight = 13, kTextGap = 4, kNotePadding = 6;
constexpr int kColumnLeft[2] = {12, 872};

int TextRight(const CityNote& place, int text) {
    // The first line leaves room for the close mark.
    return place.box.right - kNotePadding - (text == 0 ? 14 : 0);
}

int NoteHeight(const Note& note, int texts, int left) {
    int h = 2 * kNotePadding - kTextGap;
    for (int i = 0; i < texts; ++i) {
        const int right = left + kNoteWidth - kNotePadding - (i == 0 ? 14 : 0);
        h += kLineHeight *
                 static_cast<int>(WrappedLines(note.texts[i], 8, right - left - kNotePadding).size()) +
             kTextGap;
    }
    return h;
}

// The notes and where each one stands: in order of urgency, each in its own column when
// it fits there, else in the other; a note too long for either keeps its first texts.
int CityNotesWithTexts(const CityData& city, CityNote out[kNoteKinds], Note notes[kNoteKinds]) {
    HappinessDelta(city, true);
    const Note all[kNoteKinds] = {FoodNote(city),     DiscontentNote(city), TreasuryNote(city),
                                  ProductsNote(city), StoneNote(city),      UnitsNote(city)};
    constexpr int kPreferred[kNoteKinds] = {0, 1, 1, 1, 0, 0};
    int next[2] = {kNoteTop, kNoteTop};
    int n = 0;
    for (int k = 0; k < kNoteKinds; ++k) {
        const Note& note = all[k];
        // The products note gives way to a product's pop-up, which stands where it would.
        if (note.kind == kProductsNote && ui.productMenu != 0) continue;
        if (StaysClosed(city, note) || note.cause == 0) continue;
        bool placed = false;
        for (int texts = note.count; texts >= 1 && !placed; --texts) {
            for (int c : {kPreferred[k], 1 - kPreferred[k]}) {
                const int h = NoteHeight(note, texts, kColumnLeft[c]);
                if (next[c] + h > kNoteBottom) continue;
                CityNote& place = out[n];
                place.kind = note.kind;
                place.cause = note.cause;
                place.texts = texts;
                place.box = {kColumnLeft[c], next[c], kColumnLeft[c] + kNoteWidth, next[c] + h};
                place.closeMark = {place.box.right - 16, place.box.top + 4, place.box.right - 4,
                                   place.box.top + 16};
                notes[n] = note;
                next[c] += h + 8;
                ++n;
                placed = true;
                break;
            }
        }
    }
    return n;
}

void WriteNotes(const CityData& city) {
    CityNote places[kNoteKinds];
    Note notes[kNoteKinds];
    const int n = CityNotesWithTexts(city, places, notes);
    for (int i = 0; i < n; ++i) {
        const CityNote& place = places[i];
        RoundedBox(place.box);
        const Rect m = place.closeMark;
        const bool lit =
            ui.mouseX >= m.left && ui.mouseX < m.right && ui.mouseY >= m.top && ui.mouseY < m.bottom;
        Screen().FrameRect(m, lit ? kDarkRed : kInk);
        Screen().Line(m.left + 3, m.top + 3, m.right - 4, m.bottom - 4, lit ? kDarkRed : kInk);
        Screen().Line(m.left + 3, m.bottom - 4, m.right - 4, m.top + 3, lit ? kDarkRed : kInk);
        int y = place.box.top + kNotePadding;
        for (int t = 0; t < place.texts; ++t) {
            const int x = place.box.left + kNotePadding;
            const int lines =
                WriteText(x, y, t == 0 ? kDarkRed : kBlack, 8, notes[i].texts[t], TextRight(place, t));
            y += kLineHeight * lines + kTextGap;
        }
    }
}

} // namespace

namespace city_screen {

int CityNotes(const CityData& city, CityNote out[kNoteKinds]) {
    Note notes[kNoteKinds];
    return CityNotesWithTexts(city, out, notes);
}

bool CityNotePress(const CityData& city, int x, int y) {
    CityNote places[kNoteKinds];
    const int n = CityNotes(city, places);
    for (int i = 0; i < n; ++i) {
        const CityNote& p = places[i];
        if (x < p.box.left || x >= p.box.right || y < p.box.top || y >= p.box.bottom) continue;
        const Rect m = p.closeMark;
        if (x >= m.left - 2 && x < m.right + 2 && y >= m.top - 2 && y < m.bottom + 2) {
            // The oldest closed note makes room when the table is full.
            if (ui.closedNotes[kMaxClosedNotes].x != 0) ForgetClosedNote(1);
            for (int j = 1; j <= kMaxClosedNotes; ++j) {
                if (ui.closedNotes[j].x != 0) continue;
                ui.closedNotes[j] = {city.cityX, city.cityY, static_cast<uint8_t>(p.kind), p.cause};
                break;
            }
            PlaySound("click");
        }
        return true;
    }
    return false;
}

} // namespace city_screen

void WriteCityMenuTexts() {
    CityData* open = OpenCityData();
    if (!open) return;
    CityData& city = *open;
    WriteTitleAndGrowth(city);
    WriteMilitaryProduction(city);
    WriteLabels();
    WriteSpending(city);
    WriteJobBoxes(city);
    WriteProducts(city);
    WriteReasons(city);

    WriteNotes(city);

    WriteBuildingsHover(city);
    if (ui.productionListOpen) WriteProductionList(city);
    if (ui.buildingListOpen) WriteBuildingList(city);
    if (ui.workerMenuOpen) WriteWorkerMenu(city);
    if (ui.productMenu != 0) WriteProductMenu(city);
    if (ui.cargoMenu != 0) WriteCargoMenu(city);
}

} // namespace annals
