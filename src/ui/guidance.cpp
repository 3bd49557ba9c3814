// The guide: the first turns' steps (found a city, open it, move a unit, found a second
// city) and the advice given once per game when it matters, each on a parchment note as
// tall as its text, placed where it does not hide what it speaks of.
#include "ui/guidance.h"

#include "economy/city.h"
#include "state/host.h"
#include "state/numbers.h"
#include "state/rules.h"
#include "state/state.h"
#include "ui/drawing.h"
#include "ui/text.h"
#include "units/unit_table.h"

#include <algorithm>
#include <cstdlib>
#include <string>

namespace annals {

namespace {

// The game keeps the guide's state in its reserved bytes, so that saved games carry it
// and games saved before the guide had it load with the guide on and nothing told yet.
constexpr int kGuidanceOffByte = 180;
constexpr int kAdviceGivenByte = 180; // + advice 1..kAdviceCount

constexpr Pixel kDarkRed = Rgb(128, 0, 0);
constexpr Pixel kOrange = Rgb(255, 160, 48);
constexpr Pixel kParchment = Rgb(242, 230, 196);
constexpr Pixel kParchmentEdge = Rgb(110, 76, 36);
constexpr Pixel kParchmentRule = Rgb(186, 150, 96);
constexpr int kLine = 13, kPadding = 10, kGap = 6;

GuideNote shown;

// A thick line, for the guide lines from a note to what it points at.
void ThickLine(int x0, int y0, int x1, int y1, Pixel colour) {
    for (int d = -1; d <= 1; ++d) {
        Screen().Line(x0 + d, y0, x1 + d, y1, colour);
        Screen().Line(x0, y0 + d, x1, y1 + d, colour);
    }
}

// The note's paper: the windows' parchment with a dark edge and a ruled inner border.
void NotePaper(Rect r) {
    Screen().FillRect(r, kParchment);
    Screen().FrameRect(r, kParchmentEdge);
    Screen().FrameRect({r.left + 1, r.top + 1, r.right - 1, r.bottom - 1}, kParchmentEdge);
    Screen().FrameRect({r.left + 4, r.top + 4, r.right - 4, r.bottom - 4}, kParchmentRule);
}

struct NoteText {
    std::string heading, body, more;
};

int TextLines(const std::string& text, int width) {
    return text.empty() ? 0 : static_cast<int>(WrappedLines(text, 8, width).size());
}

// The height of a note `width` wide; the heading leaves room for the close mark.
int NoteHeight(const NoteText& t, int width) {
    const int inner = width - 2 * kPadding;
    int h = 2 * kPadding + kLine * TextLines(t.heading, inner - 16) + kGap + kLine * TextLines(t.body, inner);
    if (!t.more.empty()) h += kGap + kLine * TextLines(t.more, inner);
    return h;
}

void WriteNote(const Rect& box, const NoteText& t, bool closable) {
    NotePaper(box);
    const int left = box.left + kPadding, right = box.right - kPadding;
    int y = box.top + kPadding;
    y += kLine * WriteText(left, y, kDarkRed, 8, t.heading, right - 16) + kGap;
    y += kLine * WriteText(left, y, kBlack, 8, t.body, right);
    if (!t.more.empty()) WriteText(left, y + kGap, kBlack, 8, t.more, right);
    shown.box = box;
    shown.closable = closable;
    shown.closeMark = {};
    if (!closable) return;
    const Rect m{box.right - 20, box.top + 7, box.right - 8, box.top + 19};
    shown.closeMark = m;
    const bool lit = ui.mouseX >= m.left && ui.mouseX < m.right && ui.mouseY >= m.top && ui.mouseY < m.bottom;
    const Pixel ink = lit ? kDarkRed : kParchmentEdge;
    Screen().FrameRect(m, ink);
    Screen().Line(m.left + 3, m.top + 3, m.right - 4, m.bottom - 4, ink);
    Screen().Line(m.left + 3, m.bottom - 4, m.right - 4, m.top + 3, ink);
}

bool Overlaps(const Rect& a, const Rect& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

// The screen rectangle of a map cell, or an empty one when it is off the view.
Rect CellRect(int x, int y) {
    if (x == 0) return {};
    const int left = Round((x - game.viewX) * 50 + 12), top = Round((y - game.viewY) * 50 + 9);
    return {left, top, left + 50, top + 50};
}

// Whether the middle of a map cell can be seen and pressed: inside the map's frame and
// clear of the two panels and the status bar between them.
bool CellInSight(int x, int y) {
    const Rect r = CellRect(x, y);
    if (r.Empty()) return false;
    const int mx = r.left + 25, my = r.top + 25;
    if (mx < 22 || mx > 1002 || my < 19 || my > 758) return false;
    constexpr Rect kCovers[] = {{0, 610, 262, 768}, {780, 605, 1024, 768}, {250, 678, 800, 768}};
    for (const Rect& c : kCovers)
        if (mx >= c.left && mx < c.right && my >= c.top && my < c.bottom) return false;
    return true;
}

// ---------------------------------------------------------------------------
// The first turns' steps

bool OwnsSettler(int civ) {
    for (int s = 1; s <= Civ(civ).unitCount; ++s)
        if (Unit(civ, s).type == kSettler) return true;
    return false;
}

// Points at the button that founds a city (the first order button), standing above the
// unit panel so that the settler's picture and the button stay in sight.
bool WriteFirstCityGuide() {
    const UnitRecord* unit = CurrentUnitRecord();
    if (!unit || unit->type != kSettler) return false;
    const NoteText t{
        Tr("Build your first city!", "İlk şehrini kur!"),
        Tr("Press this button or key \"B\" to build your first city on the cell your settler is at.",
           "İlk şehrini işçinin bulunduğu karede kurmak için bu düğmeye ya da \"B\" tuşuna bas."),
        Tr("You can also build your first city on another area. To do this move your settler to that "
           "place. However, this area is good enough.",
           "İlk şehrini başka bir yerde de kurabilirsin. Bunun için işçini oraya götür. Ama bu bölge "
           "yeterince iyi.")};
    constexpr int kWidth = 289, kBottom = 612;
    const Rect box{611, kBottom - NoteHeight(t, kWidth), 611 + kWidth, kBottom};
    // The line passes left of the unit's name (from x 900) and ends inside the button.
    ThickLine(880, kBottom, 904, 668, kOrange);
    ThickLine(904, 668, 906, 659, kOrange);
    ThickLine(904, 668, 896, 663, kOrange);
    WriteNote(box, t, false);
    return true;
}

bool WriteNextStepGuide(int civ) {
    const CivRecord& owner = Civ(civ);
    const int cx = owner.cities[1].x, cy = owner.cities[1].y;
    const double vx = game.viewX, vy = game.viewY;
    // A city out of the view, or under a panel, cannot be pressed where the note points.
    if (!InsideMap(cx, cy) || !CellInSight(cx, cy)) return false;
    const int size = Cell(cx, cy).size;
    if (ui.firstCityOpened && ui.firstUnitMoved && (OwnsSettler(1) || size <= 1)) return false;

    NoteText t;
    if (size < 2 && !ui.firstCityOpened) {
        t.heading = Tr("Go to your first city!", "İlk şehrine git!");
        t.body = Tr("Click on the picture of your first city on the map to see details about that city.",
                    "O şehrin ayrıntılarını görmek için haritadaki ilk şehrinin resmine tıkla.");
        t.more = Tr("After opening that table, you can control production kinds of citizens, tax ratio or "
                    "kind of military unit producing in that city.",
                    "O tablo açılınca vatandaşların üretim türlerini, vergi oranını ya da şehirde üretilen "
                    "askeri birliğin türünü yönetebilirsin.");
    } else if (size < 2) {
        t.heading = Tr("Move your first unit!", "İlk birliğini yürüt!");
        t.body =
            Tr("Click on the picture of your first unit on the map, hold it and drag it to the target cell.",
               "Haritadaki ilk birliğinin resmine tıkla, basılı tut ve hedef kareye sürükle.");
        t.more = Tr("Also you can use keypad to move your units. You can use keys \"1\" to \"9\" to move "
                    "your units to 8 directions.",
                    "Birliklerini sayı tuşlarıyla da yürütebilirsin. Birliklerini 8 yöne yürütmek için "
                    "\"1\" ile \"9\" arasındaki tuşları kullan.");
    } else {
        t.heading = Tr("Now, build your second city!", "Şimdi ikinci şehrini kur!");
        t.body = Tr("Click on the picture of your first city on the map to make a new settler.",
                    "Yeni bir işçi yapmak için haritadaki ilk şehrinin resmine tıkla.");
        t.more = Tr("After opening that table, convert one of your citizens to a settler, by right clicking "
                    "him and selecting make settler option.",
                    "O tablo açılınca vatandaşlarından birine sağ tıkla ve işçi yap seçeneğiyle onu işçiye "
                    "dönüştür.");
    }
    constexpr int kWidth = 225;
    const int height = NoteHeight(t, kWidth);
    const int xc = Round((cx - vx) * 50 + 37), yc = Round((cy - vy) * 50 + 34);
    const bool right = cx < vx + 10, below = cy < vy + 7;
    const int left = right ? xc + 60 : xc - 60 - kWidth;
    const int top = below ? yc + 60 : yc - 60 - height;
    // The guide lines leave from the corner nearest the city, along the edge facing it.
    const int cornerX = right ? left : left + kWidth, cornerY = below ? top : top + height;
    const int along = right ? 1 : -1;
    for (int d = 0; d <= 12; d += 4) ThickLine(cornerX + along * d, cornerY, xc, yc, kOrange);
    WriteNote({left, top, left + kWidth, top + height}, t, false);
    return true;
}

// ---------------------------------------------------------------------------
// Advice given once

bool Hostile(int person, int civ) {
    const double r = Civ(person).relation[civ];
    return r > 0 && r < 17;
}

bool IsRival(int person, int civ) {
    return civ >= 1 && civ <= game.civCount && civ != person && !IsNatives(civ);
}

// The person's first city, the capital of his realm, and whether a soldier stands in it.
bool CapitalUndefended(int person, int& x, int& y) {
    const CivRecord& owner = Civ(person);
    if (owner.cityCount < 1) return false;
    x = owner.cities[1].x;
    y = owner.cities[1].y;
    if (!InsideMap(x, y) || Cell(x, y).hasCity != 1) return false;
    for (int s = 1; s <= owner.unitCount; ++s) {
        const UnitRecord& u = Unit(person, s);
        if (u.x == x && u.y == y && UnitTypeDefence(u.type) > 0) return false;
    }
    for (int c = 1; c <= game.civCount; ++c) {
        if (c == person || !Hostile(person, c)) continue;
        for (int s = 1; s <= Civ(c).unitCount; ++s) {
            const UnitRecord& u = Unit(c, s);
            if (u.type != 0 && std::abs(u.x - x) <= 3 && std::abs(u.y - y) <= 3) return true;
        }
    }
    return false;
}

struct MapAdvice {
    NoteText text;
    int x = 0, y = 0; // the cell it speaks of; 0 = none
};

bool AdviceFor(int advice, int person, MapAdvice& out) {
    const CivRecord& owner = Civ(person);
    switch (advice) {
    case kAdviceCapitalUndefended: {
        int x = 0, y = 0;
        if (!CapitalUndefended(person, x, y)) return false;
        const std::string name = cityName(Civ(City(x, y).founder).nation, City(x, y).nameIndex);
        out = {{name + Tr(" has no defender!", " savunmasız!"),
                Tr("Enemy soldiers are near your capital and no soldier stands in it. Move a soldier into "
                   "the city, or train one there, and keep it inside (key \"F\" fortifies it). A city "
                   "without defenders falls to the first attack.",
                   "Düşman askerleri başkentinin yakınında ve şehirde hiç asker yok. Şehre bir asker götür "
                   "ya da orada bir asker yetiştir ve içeride tut (\"F\" tuşu onu siperde tutar). "
                   "Savunmasız bir şehir ilk saldırıda düşer."),
                ""},
               x,
               y};
        return true;
    }
    case kAdviceFirstWar:
        for (int c = 1; c <= game.civCount; ++c) {
            if (c == person || !Hostile(person, c)) continue;
            const std::string nation = nationName(Civ(c).nation);
            out = {{IsEnglish() ? "War with the " + nation : nation + " ile savaştasın",
                    Tr("Their soldiers may attack your units and cities. Keep at least one soldier in every "
                       "city, more in those near the enemy, and move your units together.",
                       "Askerleri birliklerine ve şehirlerine saldırabilir. Her şehirde en az bir asker tut, "
                       "düşmana yakın şehirlerde daha fazlasını; birliklerini birlikte yürüt."),
                    IsNatives(c) ? ""
                                 : Tr("Peace can be asked for from the Diplomacy button at the bottom left.",
                                      "Barışı sol alttaki Diplomasi düğmesinden isteyebilirsin.")},
                   0,
                   0};
            return true;
        }
        return false;
    case kAdviceRivalMet:
        for (int c = 1; c <= game.civCount; ++c) {
            if (!IsRival(person, c) || owner.relation[c] <= 0) continue;
            const std::string nation = nationName(Civ(c).nation);
            out = {{IsEnglish() ? "You have met the " + nation : nation + " ile tanıştın",
                    Tr("You can talk with their leader: press the Diplomacy button at the bottom left, then "
                       "\"Diplomacy\" on the page it opens, and choose \"Talk with leader of\" their name.",
                       "Liderleriyle konuşabilirsin: sol alttaki Diplomasi düğmesine, açılan sayfada da "
                       "\"Diplomasi\"ye bas ve onların \"lideriyle konuş\" satırını seç."),
                    Tr("Talks can bring a peace treaty, a payment, an exchange of sciences or the withdrawal "
                       "of their soldiers from your lands.",
                       "Görüşmeler bir barış antlaşması, bir ödeme, bir bilim takası ya da askerlerinin "
                       "topraklarından çekilmesini sağlayabilir.")},
                   0,
                   0};
            return true;
        }
        return false;
    case kAdviceWonder:
        for (int k = 1; k <= owner.cityCount && k <= kMaxCities; ++k) {
            const int x = owner.cities[k].x, y = owner.cities[k].y;
            if (!InsideMap(x, y) || Cell(x, y).hasCity != 1) continue;
            const CityData& city = City(x, y);
            for (int w = kFirstWonder; w <= kBuildings; ++w) {
                if (!CanProduce(city, kUnitTypes + w)) continue;
                const std::string name = cityName(Civ(city.founder).nation, city.nameIndex);
                out = {
                    {Tr("A wonder within reach", "Bir dünya harikası elinin altında"),
                     IsEnglish() ? name + " can now build " + buildingName(w) + "."
                                 : name + " artık " + buildingName(w) + " yapabilir.",
                     Tr("A wonder is a great work that only one civilization can own, and it helps its owner "
                        "for the rest of the game. Open the city and press the button with the tool icon to "
                        "start it; it needs much stone.",
                        "Dünya harikası yalnızca bir medeniyetin sahip olabileceği büyük bir eserdir ve "
                        "oyunun "
                        "sonuna dek sahibine yarar. Başlatmak için şehri aç ve alet simgeli düğmeye bas; çok "
                        "taş ister.")},
                    x,
                    y};
                return true;
            }
        }
        return false;
    case kAdviceUnhappiness:
        for (int k = 1; k <= owner.cityCount && k <= kMaxCities; ++k) {
            const int x = owner.cities[k].x, y = owner.cities[k].y;
            if (!InsideMap(x, y) || Cell(x, y).hasCity != 1) continue;
            const CityData& city = City(x, y);
            if (city.size < 1 || city.happiness >= 60) continue;
            const std::string name = cityName(Civ(city.founder).nation, city.nameIndex);
            const std::string h = std::to_string(Round(city.happiness));
            out = {
                {IsEnglish() ? "The people of " + name + " are unhappy" : name + " halkı mutsuz",
                 IsEnglish() ? "Its happiness is " + h + ". Below 50, citizens leave the city."
                             : "Mutluluğu " + h + ". 50'nin altında şehirliler şehri terk eder.",
                 Tr("Lower the taxes, build a temple and make citizens priests in it, and keep soldiers in "
                    "larger cities. The city's screen lists the reasons under \"Why citizens are "
                    "unhappy\".",
                    "Vergileri düşür, bir tapınak yap ve şehirlileri orada rahip yap, büyük şehirlerde "
                    "asker tut. Şehrin ekranı nedenleri \"Mutsuzluğun nedenleri\" başlığı altında "
                    "sıralar.")},
                x,
                y};
            return true;
        }
        return false;
    case kAdviceWagonTrain: {
        const UnitRecord* unit = CurrentUnitRecord();
        if (!unit || unit->type != kWagonTrain) return false;
        const std::string wagon = unitTypeName(kWagonTrain);
        out = {{Tr("Trade with the natives", "Yerlilerle ticaret"),
                IsEnglish() ? "In a city, press the small button at the end of a product's row and choose "
                              "\"Load to " +
                                  wagon + "\"."
                            : "Bir şehirde bir ürünün satırının sonundaki küçük düğmeye bas ve \"Yükle: " +
                                  wagon + "\" satırını seç.",
                IsEnglish() ? "Then move the " + wagon +
                                  " into a native village: the chief buys the goods, and pays most for what "
                                  "his people need."
                            : "Sonra " + wagon +
                                  " ile bir yerli köyüne gir: reis malları satın alır ve halkının ihtiyaç "
                                  "duyduklarına en çok parayı öder."},
               unit->x,
               unit->y};
        return true;
    }
    default:
        return false;
    }
}

// A note on the map stands in one of four places clear of the news column, the panels
// and the cell it speaks of, and of the selected unit.
constexpr int kMapNoteWidth = 250;
Rect MapNotePlace(int height, const Rect& avoid) {
    const Rect places[4] = {{1012 - kMapNoteWidth, 40, 1012, 40 + height},
                            {130, 40, 130 + kMapNoteWidth, 40 + height},
                            {1012 - kMapNoteWidth, 612 - height, 1012, 612},
                            {130, 612 - height, 130 + kMapNoteWidth, 612}};
    Rect unit{};
    if (const UnitRecord* u = CurrentUnitRecord()) unit = CellRect(u->x, u->y);
    for (const Rect& p : places)
        if (!Overlaps(p, avoid) && !Overlaps(p, unit)) return p;
    for (const Rect& p : places)
        if (!Overlaps(p, avoid)) return p;
    return places[0];
}

constexpr int kMapAdviceOrder[] = {kAdviceCapitalUndefended, kAdviceFirstWar,  kAdviceRivalMet, kAdviceWonder,
                                   kAdviceUnhappiness,       kAdviceWagonTrain};

bool WriteMapAdvice(int person) {
    // Advice shown in an earlier turn and never closed is given all the same.
    if (ui.guideAdvice != 0 && ui.guideAdviceTurn != game.turn) {
        SetAdviceGiven(ui.guideAdvice);
        ui.guideAdvice = 0;
    }
    for (int advice : kMapAdviceOrder) {
        if (AdviceGiven(advice)) continue;
        MapAdvice a;
        if (!AdviceFor(advice, person, a)) continue;
        if (ui.guideAdvice != advice) {
            ui.guideAdvice = static_cast<uint8_t>(advice);
            ui.guideAdviceTurn = game.turn;
        }
        const int height = NoteHeight(a.text, kMapNoteWidth);
        // The line points only at a cell that can be seen.
        const Rect target = CellInSight(a.x, a.y) ? CellRect(a.x, a.y) : Rect{};
        const Rect box =
            MapNotePlace(height, {target.left - 10, target.top - 10, target.right + 10, target.bottom + 10});
        if (!target.Empty()) {
            const int fromX = target.left + 25 < box.left ? box.left : box.right;
            const int fromY = std::clamp(target.top + 25, box.top + 10, box.bottom - 10);
            const int toX = fromX == box.left ? target.left : target.right;
            ThickLine(fromX, fromY, toX, target.top + 25, kOrange);
        }
        WriteNote(box, a.text, true);
        shown.advice = advice;
        return true;
    }
    return false;
}

// The first science: beside the research table, while it waits for the first choice.
bool WriteFirstScienceAdvice(int person) {
    if (AdviceGiven(kAdviceFirstScience)) return false;
    const bool choosing = ui.scienceTableOpen && !ui.scienceMenuOpen && !ui.discoveryShown &&
                          Civ(person).research == 0 && ui.dialogCode == 0;
    if (!choosing) {
        if (shown.advice == kAdviceFirstScience) SetAdviceGiven(kAdviceFirstScience);
        return false;
    }
    const NoteText t{
        Tr("Choose your first science", "İlk bilimini seç"),
        Tr("Your scholars are ready to study. Each science takes some turns and opens new "
           "buildings, units or sciences; the table shows what this one makes possible.",
           "Bilginlerin çalışmaya hazır. Her bilim birkaç tur sürer ve yeni binalar, birlikler "
           "ya da bilimler açar; tablo bu bilimin neleri mümkün kıldığını gösterir."),
        Tr("Pick one in the list and press \"Select\" (or Enter). The science button at the bottom "
           "left shows the whole tree.",
           "Listeden birini seç ve \"Seç\" düğmesine (ya da Enter'a) bas. Sol alttaki bilim "
           "düğmesi bütün ağacı gösterir.")};
    // Left of the table, which stands at x 300..722.
    constexpr int kWidth = 250;
    WriteNote({290 - kWidth, 200, 290, 200 + NoteHeight(t, kWidth)}, t, false);
    shown.advice = kAdviceFirstScience;
    return true;
}

// The natives' first offer: what each answer means, before it is given.
bool WriteNativesAdvice() {
    if (AdviceGiven(kAdviceNatives)) return false;
    if (ui.dialogCode != 1 && ui.dialogCode != 33) {
        if (shown.advice == kAdviceNatives) SetAdviceGiven(kAdviceNatives);
        return false;
    }
    const std::string wagons = unitTypeName(kWagonTrain);
    const NoteText t{
        Tr("The natives offer a treaty", "Yerliler antlaşma öneriyor"),
        IsEnglish()
            ? "\"Yes\" accepts it: peace, and your " + wagons + "s may trade in their villages."
            : "\"Evet\" kabul eder: barış olur ve " + wagons + " birliklerin köylerinde ticaret yapabilir.",
        Tr("\"No\" refuses it, and that means war: their warriors will attack your units and cities.",
           "\"Hayır\" reddeder ve bu savaş demektir: savaşçıları birliklerine ve şehirlerine saldırır.")};
    // Left of the dialog, which stands from x 261.
    constexpr int kWidth = 240;
    WriteNote({253 - kWidth, 190, 253, 190 + NoteHeight(t, kWidth)}, t, false);
    shown.advice = kAdviceNatives;
    return true;
}

bool OtherScreenOpen() {
    return ui.cityMenuX != 0 || ui.scienceTableOpen || ui.scienceMenuOpen || ui.financeMenuOpen ||
           ui.productsMenuOpen || ui.citiesMenuOpen || ui.statsMenuOpen || ui.mainMenuOpen ||
           ui.saveMenuOpen || ui.loadMenuOpen || ui.helpMenuOpen || ui.bigNewsOpen || ui.scoreMenuOpen ||
           ui.terrainInfoOpen || ui.dialogCode != 0 || game.gameOver || ui.endScreenOpen || ui.optionsOpen ||
           ui.handOverCiv != 0;
}

} // namespace

bool GuidanceOn() {
    return game.reservedBytes[kGuidanceOffByte] == 0;
}

void SetGuidanceOn(bool on) {
    game.reservedBytes[kGuidanceOffByte] = on ? 0 : 1;
}

bool AdviceGiven(int advice) {
    return advice >= 1 && advice <= kAdviceCount && game.reservedBytes[kAdviceGivenByte + advice] != 0;
}

void SetAdviceGiven(int advice) {
    if (advice >= 1 && advice <= kAdviceCount) game.reservedBytes[kAdviceGivenByte + advice] = 1;
}

const GuideNote& ShownGuide() {
    return shown;
}

void WriteGuidance() {
    const int previous = shown.advice;
    shown = GuideNote{};
    shown.advice = previous; // the advice tests below see what was shown a frame ago
    const int civ = game.currentCiv;
    if (!IsHuman(civ) || !GuidanceOn()) {
        shown.advice = -1;
        return;
    }
    if (WriteNativesAdvice() || WriteFirstScienceAdvice(civ)) return;
    shown.advice = -1;
    if (OtherScreenOpen()) return;
    const CivRecord& owner = Civ(civ);
    if (owner.citiesFounded == 0 && WriteFirstCityGuide()) {
        shown.advice = 0;
        return;
    }
    if (WriteMapAdvice(civ)) return;
    if (owner.citiesFounded == 1 && owner.cityCount >= 1 && WriteNextStepGuide(civ)) shown.advice = 0;
}

bool GuidancePress(int x, int y) {
    if (shown.advice < 1 || !shown.closable || OtherScreenOpen()) return false;
    const Rect& b = shown.box;
    if (x < b.left || x >= b.right || y < b.top || y >= b.bottom) return false;
    const Rect& m = shown.closeMark;
    if (x >= m.left - 3 && x < m.right + 3 && y >= m.top - 3 && y < m.bottom + 3) {
        SetAdviceGiven(shown.advice);
        if (ui.guideAdvice == shown.advice) ui.guideAdvice = 0;
        shown = GuideNote{};
        PlaySound("click");
    }
    return true;
}

} // namespace annals
