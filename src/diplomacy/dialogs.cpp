// The dialogs with the natives, the exploration sites, the wagon trains' trade and the
// cities taken in war.
#include "diplomacy/dialogs.h"

#include "diplomacy/rival_leaders.h"

#include "economy/city_numbers.h"
#include "economy/end_of_turn.h"
#include "state/host.h"
#include "state/numbers.h"
#include "state/rules.h"
#include "state/state.h"
#include "state/validation.h"
#include "units/movement.h"
#include "units/unit_table.h"

#include <algorithm>
#include <cstdio>

namespace annals {

namespace {

using namespace city_numbers;

constexpr int kResumeKey = 255; // the turn goes on with the selected unit
constexpr int kEndMoveKey = 32; // the selected unit ends its move
constexpr int kOfferCount = 19; // dialogParams index of the number of offers
constexpr int kVillageX = 10, kVillageY = 11;

std::string Number(double value) {
    return std::to_string(Round(value));
}

const char* NationOf(int civ) {
    return nationName(Civ(civ).nation);
}
const char* CountryOf(int civ) {
    return countryName(Civ(civ).nation);
}

// The city named by a dialog's founder and name index (parameters 6 and 7).
const char* CityOfParams() {
    const int founder = static_cast<int>(ui.dialogParams[6]);
    if (founder < 1 || founder > kMaxCivs) return "";
    return cityName(Civ(founder).nation, static_cast<int>(ui.dialogParams[7]));
}

void SetRelation(int a, int b, double value) {
    if (a < 1 || a > kMaxCivs || b < 1 || b > kMaxCivs) return;
    Civ(a).relation[b] = value;
    Civ(b).relation[a] = value;
}

void GainGold(int civ, double amount, DialogOutcome& out) {
    if (civ < 1 || civ > game.civCount) return;
    Civ(civ).gold += amount;
    if (IsHuman(civ) && amount > 0) {
        PlaySound("golds");
        out.goldShown = amount;
    }
}

int Villages() {
    return Civ(game.civCount).cityCount;
}

// ---------------------------------------------------------------------------
// The wagon train's trade

UnitRecord* Wagon() {
    UnitRecord* unit = CurrentUnitRecord();
    return unit && unit->type == kWagonTrain ? unit : nullptr;
}

int CargoProduct(int32_t cargo) {
    return cargo / 1000;
}
int CargoAmount(int32_t cargo) {
    return cargo % 1000;
}

// The cargo positions (1, 2) the natives made an offer for, in button order.
std::vector<int> SaleOffers() {
    std::vector<int> offers;
    const UnitRecord* wagon = Wagon();
    if (!wagon) return offers;
    for (int position = 1; position <= 2; ++position) {
        const int32_t cargo = wagon->cargo[position];
        if (CargoProduct(cargo) >= 1 && CargoProduct(cargo) <= kProducts && CargoAmount(cargo) > 0 &&
            ui.dialogParams[position - 1] > 0)
            offers.push_back(position);
    }
    return offers;
}

int PurchaseCount() {
    return std::clamp(static_cast<int>(ui.dialogParams[kOfferCount]), 0, 4);
}

// After a sale the village offers what it holds too much of: every raw product with more
// than 20 in store, leaving out the scarcest one when all four are plentiful.
bool PrepareOffers(const MapCell& village) {
    int plentiful = 0, scarcest = 0;
    for (int p = kCotton; p <= kFur; ++p) {
        if (village.stock[p] <= 20) continue;
        ++plentiful;
        if (scarcest == 0 || village.stock[p] < village.stock[scarcest]) scarcest = p;
    }
    if (plentiful == 0) return false;
    int offers = 0;
    for (int p = kCotton; p <= kFur; ++p) {
        if (village.stock[p] <= 20 || (plentiful == 4 && p == scarcest)) continue;
        const bool large = village.stock[p] >= 81;
        const double amount = large ? 40 : 20;
        const double factor = game.nativePurchases[p] * 0.1 + (large ? 0.8 : 0.9);
        ui.dialogParams[3 * offers] = p;
        ui.dialogParams[3 * offers + 1] = amount;
        ui.dialogParams[3 * offers + 2] = factor * amount * productPrice(p);
        ++offers;
    }
    for (int i = 3 * offers; i < kVillageX; ++i) ui.dialogParams[i] = 0;
    ui.dialogParams[kOfferCount] = offers;
    return true;
}

DialogOutcome Sell(int answer) {
    DialogOutcome out{0, kResumeKey};
    const std::vector<int> offers = SaleOffers();
    UnitRecord* wagon = Wagon();
    const int civ = game.currentCiv;
    if (!wagon || answer < 1 || answer > static_cast<int>(offers.size())) {
        ui.dialogCode = 0; // never mind
        return out;
    }
    const int position = offers[answer - 1];
    const int32_t cargo = wagon->cargo[position];
    const int product = CargoProduct(cargo), amount = CargoAmount(cargo);
    const double price = ui.dialogParams[position - 1];
    // The goods are shared out among the villages one by one.
    const int villages = Villages();
    for (int k = 1; villages > 0 && k <= amount; ++k) {
        const CityRef& v = Civ(game.civCount).cities[k % villages + 1];
        City(v.x, v.y).stock[product] += 1;
    }
    game.nativeStock[product] = static_cast<uint8_t>(std::min(game.nativeStock[product] + amount, 255));
    GainGold(civ, price / 100, out);
    if (position == 1) wagon->cargo[1] = wagon->cargo[2];
    wagon->cargo[2] = 0;

    const int vx = static_cast<int>(ui.dialogParams[kVillageX]),
              vy = static_cast<int>(ui.dialogParams[kVillageY]);
    if (InsideMap(vx, vy) && Cell(vx, vy).hasCity && PrepareOffers(Cell(vx, vy))) {
        ui.dialogCode = 9;
        out.key = 0;
    } else {
        ui.dialogCode = 0;
    }
    return out;
}

DialogOutcome Buy(int answer) {
    DialogOutcome out{0, kEndMoveKey};
    UnitRecord* wagon = Wagon();
    ui.dialogCode = 0;
    if (!wagon || answer < 1 || answer > PurchaseCount()) return out;
    const int product = static_cast<int>(ui.dialogParams[3 * (answer - 1)]);
    const int amount = static_cast<int>(ui.dialogParams[3 * (answer - 1) + 1]);
    const double price = ui.dialogParams[3 * (answer - 1) + 2];
    if (product < kCotton || product > kFur) return out;
    const int32_t goods = product * 1000 + amount;
    if (wagon->cargo[1] == 0)
        wagon->cargo[1] = goods;
    else if (wagon->cargo[2] == 0)
        wagon->cargo[2] = goods;
    else
        return out; // nowhere to load it: nothing is bought
    game.nativePurchases[product] += 1;
    Civ(game.currentCiv).gold -= price / 100;
    return out;
}

// ---------------------------------------------------------------------------
// Exploration sites

// The cell the interrupted step was going to.
bool SiteCell(int& x, int& y) {
    const UnitRecord* unit = CurrentUnitRecord();
    if (!unit) return false;
    x = unit->x + static_cast<int>(ui.dialogParams[1]);
    y = unit->y + static_cast<int>(ui.dialogParams[2]);
    return InsideMap(x, y);
}

// The site is gone and the unit takes the step it was stopped on. The dialog stopped the
// unit for this turn; it is given the step back and stops again on the site.
DialogOutcome SiteDone(DialogOutcome out) {
    int x = 0, y = 0;
    ui.dialogCode = 0;
    if (!SiteCell(x, y)) return out;
    Cell(x, y).site = 0;
    const int civ = game.currentCiv, slot = game.currentUnit, count = Civ(civ).unitCount;
    Unit(civ, slot).movesLeft = std::max<int8_t>(Unit(civ, slot).movesLeft, 3);
    Walk(static_cast<int>(ui.dialogParams[1]), static_cast<int>(ui.dialogParams[2]));
    if (game.currentCiv == civ && game.currentUnit == slot && Civ(civ).unitCount == count)
        Unit(civ, slot).movesLeft = 0;
    return out;
}

DialogOutcome AddJoiners(int type) {
    int x = 0, y = 0;
    if (SiteCell(x, y) && type >= 1 && type <= kUnitTypes) AddUnit(game.currentCiv, type, x, y);
    return SiteDone({0, kResumeKey});
}

// "Yes, go and examine that place": what waits on a dangerous site.
DialogOutcome EnterDangerousSite(int code) {
    int x = 0, y = 0;
    if (SiteCell(x, y)) Cell(x, y).site = 0;
    const int human = game.currentCiv, natives = game.civCount;
    if (code == 15) {
        ui.dialogCode = 21;
    } else if (code == 18) {
        ui.dialogCode = 24;
    } else if (Civ(human).relation[natives] == 0) {
        ui.dialogCode = 33;
        ui.dialogPartyB = static_cast<uint8_t>(human);
    } else {
        const double relation = Civ(human).relation[natives];
        ui.dialogCode = relation >= 25 ? 22 : relation >= 17 ? 23 : 25;
    }
    return {};
}

// ---------------------------------------------------------------------------
// Texts

std::string EnglishText(int code) {
    const int a = ui.dialogPartyA, b = ui.dialogPartyB;
    switch (code) {
    case 1:
        return "      Our tribe welcomes you. We are a glorious nation of several villages. And our people "
               "are the "
               "first owners of all these lands. To celebrate our friendship, we generously offer you the "
               "land "
               "you now occupy as a gift. Will you accept our treaty and live with us in peace as "
               "brothers?";
    case 33:
        return "      We see that your people are making examinations in our burial lands. Our warriors do "
               "not "
               "forgive this kind of mistake. As chief of the natives I am warning you not to make this "
               "mistake again. We generously offer you the land you now occupy as a gift. Will you accept "
               "our "
               "treaty and live with us in peace as brothers?";
    case 2:
        return std::string("      We welcome peace with our brothers the ") + NationOf(b) +
               ". Your wagon trains are always welcome in our villages in order to make trade. We are "
               "especially in need of " +
               productName(MostNeededProduct()) + " and " + productName(SecondNeededProduct()) +
               ". We will buy these things at a good price if you bring them to our villages with wagon "
               "trains.";
    case 7:
        return std::string("      Then the powerful ") + NationOf(a) +
               " shall mercilessly drive you from the lands of " + CountryOf(a) +
               ". You will pay for your contempt with the blood of your people. Prepare for war! ";
    case 11:
    case 21: {
        const bool rich = code == 21;
        return std::string("      Dear sir, your expedition found a small ") + (rich ? "and rich " : "") +
               "village. In this place a friendly tribe lives. Our soldiers stayed at that village for "
               "some "
               "time. The chief of that tribe offered you a gift of " +
               (rich ? "10" : "5") + " gold.";
    }
    case 12: {
        const std::string science = scienceName(static_cast<int>(ui.dialogParams[0]));
        return "      Dear sir, our soldiers found a developed village of a friendly tribe. The chief "
               "happily "
               "welcomed us. Our soldiers examined this developed village and they have learned " +
               science + " while they were at that village. So our people know " + science + " from now on.";
    }
    case 13:
        return "      Dear sir, our soldiers found a small tribe which is living in caves. Our soldiers "
               "spoke "
               "with them and these people were impressed by our culture. They decided to live with us. We "
               "can "
               "use these people as settlers to build new villages and roads or to examine hills.";
    case 14:
        return "      Dear sir, our soldiers found a small tribe of warriors which is living in caves. Our "
               "soldiers spoke with them and these people were impressed by the power of our army. They "
               "decided "
               "to "
               "join our army and defend our lands from enemies.";
    case 15:
    case 16:
    case 17:
    case 18:
        return "      Dear sir, our soldiers are going to enter a dangerous area with the order you gave. "
               "There "
               "is a native village near this land and this place may be a burial ground of these people. "
               "Entering this land can damage our relationship with the natives. Are you sure you want to "
               "move our "
               "soldiers into this land?";
    case 22:
        return "      These are the burial grounds of our ancient native fathers! You have trespassed on "
               "sacred "
               "lands. This is a warning to you: if you make the same mistake again we will kill you and "
               "your "
               "people!";
    case 23:
        return "      These are the burial grounds of our ancient native fathers! You have trespassed on "
               "sacred "
               "lands again. We had warned you not to cross these lands. However you did not listen to us. "
               "Now "
               "you must die!";
    case 25:
        return "      We see that you are still trespassing on our burial grounds and damaging the buildings "
               "which "
               "we built for our god. All the Incas have united in order to erase your civilization from "
               "this "
               "world. We will find and destroy your villages! We will hang the scalps of your people on our "
               "trees.";
    case 31:
        return std::string("      Congratulations. We have destroyed the native village ") + CityOfParams() +
               ". Our soldiers found " + Number(ui.dialogParams[0]) +
               " gold in the tent of the chief of the destroyed village. Soldiers carried this gold to "
               "our "
               "cities.";
    case 32: {
        const std::string city = CityOfParams();
        return "      Natives destroyed " + city +
               ". All citizens were killed by native warriors. They hung the scalps of our people on the "
               "trees of " +
               city +
               ". The chief also threatened you and said that one day he will take your scalp too. We must "
               "take "
               "revenge "
               "for this destruction.";
    }
    case 35:
        return std::string("      The ") + NationOf(static_cast<int>(ui.dialogParams[0])) + " captured " +
               CityOfParams() + ". Their soldiers plundered " + Number(ui.dialogParams[1]) +
               " gold from our treasury and the citizens of the city now serve them.";
    case 36:
        return std::string("      Our soldiers captured ") + CityOfParams() + " from the " +
               NationOf(static_cast<int>(ui.dialogParams[2])) + ". They plundered " +
               Number(ui.dialogParams[1]) + " gold and the citizens of the city now serve us.";
    default:
        return "";
    }
}

std::string TurkishText(int code) {
    const int a = ui.dialogPartyA, b = ui.dialogPartyB;
    switch (code) {
    case 1:
        return "      Kabilemiz sizi selamlıyor. Biz birçok köyden oluşan şanlı bir ulusuz ve bu toprakların "
               "ilk "
               "sahibi bizim halkımızdır. Dostluğumuzu kutlamak için şu an bulunduğunuz toprakları size "
               "cömertçe armağan ediyoruz. Antlaşmamızı kabul edip bizimle kardeşçe barış içinde yaşar "
               "mısınız?";
    case 33:
        return "      Halkınızın kutsal mezarlıklarımızda araştırma yaptığını görüyoruz. Savaşçılarımız "
               "böyle "
               "hataları affetmez. Yerlilerin şefi olarak sizi bu hatayı tekrarlamamanız için uyarıyorum. Şu "
               "an "
               "bulunduğunuz toprakları size cömertçe armağan ediyoruz. Antlaşmamızı kabul edip bizimle "
               "kardeşçe "
               "barış içinde yaşar mısınız?";
    case 2:
        return std::string("      Kardeşlerimiz ") + NationOf(b) +
               " ile barışı memnuniyetle karşılıyoruz. Kervanlarınız ticaret için köylerimize her zaman "
               "gelebilir. Özellikle " +
               productName(MostNeededProduct()) + " ve " + productName(SecondNeededProduct()) +
               " ihtiyacımız var. Bunları kervanlarla köylerimize getirirseniz iyi bir fiyata alırız.";
    case 7:
        return std::string("      O halde güçlü ") + NationOf(a) + " sizi " + CountryOf(a) +
               " topraklarından acımadan sürecek. Küstahlığınızı halkınızın kanıyla ödeyeceksiniz. Savaşa "
               "hazırlanın! ";
    case 11:
    case 21: {
        const bool rich = code == 21;
        return std::string("      Efendim, keşif birliğimiz küçük ") + (rich ? "ve zengin " : "") +
               "bir köy buldu. Orada dost bir kabile yaşıyor. Askerlerimiz bir süre o köyde kaldı. Kabilenin "
               "şefi "
               "size " +
               (rich ? "10" : "5") + " altın armağan etti.";
    }
    case 12: {
        const std::string science = scienceName(static_cast<int>(ui.dialogParams[0]));
        return "      Efendim, askerlerimiz dost bir kabilenin gelişmiş bir köyünü buldu. Şef bizi sevinçle "
               "karşıladı. Askerlerimiz köyde kaldıkları sürede " +
               science + " bilimini öğrendi. Artık halkımız " + science + " biliyor.";
    }
    case 13:
        return "      Efendim, askerlerimiz mağaralarda yaşayan küçük bir kabile buldu. Bu insanlar "
               "kültürümüzden "
               "etkilenip bizimle yaşamaya karar verdiler. Onları yeni köyler ve yollar kurmak ya da "
               "tepeleri "
               "araştırmak için işçi olarak kullanabiliriz.";
    case 14:
        return "      Efendim, askerlerimiz mağaralarda yaşayan küçük bir savaşçı kabilesi buldu. Ordumuzun "
               "gücünden etkilenen bu insanlar ordumuza katılıp topraklarımızı düşmanlara karşı savunmaya "
               "karar "
               "verdiler.";
    case 15:
    case 16:
    case 17:
    case 18:
        return "      Efendim, askerlerimiz verdiğiniz emirle tehlikeli bir bölgeye girmek üzere. Bu "
               "toprakların "
               "yakınında bir yerli köyü var ve burası onların mezarlığı olabilir. Buraya girmek yerlilerle "
               "ilişkimizi bozabilir. Askerlerimizin bu topraklara girmesini istediğinize emin misiniz?";
    case 22:
        return "      Burası atalarımızın kutsal mezarlığı! Kutsal topraklarımıza izinsiz girdiniz. Bu bir "
               "uyarıdır; aynı hatayı bir daha yaparsanız sizi de halkınızı da öldüreceğiz!";
    case 23:
        return "      Burası atalarımızın kutsal mezarlığı! Kutsal topraklarımıza yine izinsiz girdiniz. "
               "Sizi bu "
               "topraklara girmemeniz için uyarmıştık ama bizi dinlemediniz. Artık ölmelisiniz!";
    case 25:
        return "      Mezarlıklarımıza girmeye ve tanrı için yaptığımız yapıları yıkmaya devam ettiğinizi "
               "görüyoruz. Bütün İnkalar uygarlığınızı yeryüzünden silmek için birleşti. Köylerinizi bulup "
               "yok "
               "edeceğiz! Halkınızın kafa derilerini ağaçlarımıza asacağız.";
    case 31:
        return std::string("      Tebrikler. ") + CityOfParams() +
               " yerli köyünü yok ettik. Askerlerimiz şefin çadırında " + Number(ui.dialogParams[0]) +
               " altın buldu ve bu altınları şehirlerimize taşıdı.";
    case 32: {
        const std::string city = CityOfParams();
        return "      Yerliler " + city +
               " şehrini yok etti. Bütün halk yerli savaşçılar tarafından öldürüldü. Halkımızın kafa "
               "derilerini " +
               city +
               " ağaçlarına astılar. Şef sizi de tehdit etti ve bir gün sizin de kafa derinizi alacağını "
               "söyledi. "
               "Bu yıkımın intikamını almalıyız.";
    }
    case 35:
        return std::string("      ") + NationOf(static_cast<int>(ui.dialogParams[0])) + " " + CityOfParams() +
               " şehrimizi ele geçirdi. Askerleri hazinemizden " + Number(ui.dialogParams[1]) +
               " altın yağmaladı ve şehrin halkı artık onlara hizmet ediyor.";
    case 36:
        return std::string("      Askerlerimiz ") + NationOf(static_cast<int>(ui.dialogParams[2])) +
               " halkından " + CityOfParams() + " şehrini ele geçirdi. " + Number(ui.dialogParams[1]) +
               " altın yağmaladılar ve şehrin halkı artık bize hizmet ediyor.";
    default:
        return "";
    }
}

// The text of dialog 8, which names what the wagon brought and the first price.
std::string TradeText() {
    const UnitRecord* wagon = Wagon();
    if (!wagon) return "";
    const int first = CargoProduct(wagon->cargo[1]), second = CargoProduct(wagon->cargo[2]);
    const std::string village = ui.dialogText, price = HundredthsText(ui.dialogParams[0]);
    const std::string wordA = ValueWord(first), wordB = ValueWord(second);
    const bool two =
        second >= 1 && second <= kProducts && CargoAmount(wagon->cargo[2]) > 0 && second != first;
    if (IsEnglish()) {
        std::string text = "      Welcome to our small village named " + village +
                           " again. We were waiting for your wagon trains. ";
        if (two)
            text += "And we see that you have brought some " + wordA + productName(first) + " and " +
                    (wordA == wordB ? "" : wordB) + productName(second);
        else
            text += "Luckily we see that you have brought some " + wordA + productName(first);
        return text + " to trade with us. We offer you " + price +
               " gold in exchange. What do you think about our offer?";
    }
    std::string goods = productName(first);
    if (two) goods += std::string(" ve ") + productName(second);
    return "      " + village +
           " adlı küçük köyümüze yine hoş geldiniz. Kervanlarınızı bekliyorduk. Bizimle " +
           "ticaret yapmak için " + goods + " getirdiğinizi görüyoruz. Karşılığında size " + price +
           " altın öneriyoruz. Teklifimiz hakkında ne düşünüyorsunuz?";
}

// The text of dialog 9, which names what the village has in plenty.
std::string OffersText() {
    std::string goods;
    const int offers = PurchaseCount();
    for (int k = 0; k < offers; ++k) {
        if (k > 0) goods += k == offers - 1 ? Tr(" and ", " ve ") : ", ";
        goods += productName(static_cast<int>(ui.dialogParams[3 * k]));
    }
    if (IsEnglish())
        return "      Thanks for the exchange. In addition our villagers have produced " + goods +
               " in our lands. In our stocks we have more of these products than we need. So we can sell "
               "these products to your people at a lower price. Would you like to buy any of these "
               "products?";
    return "      Takas için teşekkürler. Ayrıca köylülerimiz topraklarımızda " + goods +
           " üretti. Ambarlarımızda bu ürünlerden ihtiyacımızdan fazlası var, bu yüzden onları halkınıza "
           "daha "
           "ucuza satabiliriz. Bu ürünlerden birini almak ister misiniz?";
}

const char* Continue() {
    return Tr("Continue", "Devam");
}

} // namespace

int MostNeededProduct() {
    int best = 0;
    for (int p = 1; p <= kProducts; ++p) {
        if (p == kGold || game.nativeDemand[p] == 0) continue;
        const double need = static_cast<double>(game.nativeStock[p]) / game.nativeDemand[p];
        if (best == 0 || need < static_cast<double>(game.nativeStock[best]) / game.nativeDemand[best])
            best = p;
    }
    return best;
}

int SecondNeededProduct() {
    const int first = MostNeededProduct();
    int best = 0;
    for (int p = 1; p <= kProducts; ++p) {
        if (p == kGold || p == first || game.nativeDemand[p] == 0) continue;
        const double need = static_cast<double>(game.nativeStock[p]) / game.nativeDemand[p];
        if (best == 0 || need < static_cast<double>(game.nativeStock[best]) / game.nativeDemand[best])
            best = p;
    }
    return best;
}

const char* ValueWord(int product) {
    if (product < 1 || product > kProducts || game.nativeDemand[product] == 0) return "";
    // With no village left the natives value goods as if they had one.
    const double r = game.nativeStock[product] / (game.nativeDemand[product] * std::max(Villages(), 1) * 1.0);
    if (r < 5) return Tr("excellent ", "mükemmel ");
    if (r < 10) return Tr("valuable ", "değerli ");
    if (r < 15) return Tr("good ", "iyi ");
    return "";
}

std::string HundredthsText(double hundredths) {
    const int value = Trunc(hundredths);
    char text[32];
    std::snprintf(text, sizeof text, "%d.%d%d", value / 100, std::abs(value / 10 % 10), std::abs(value % 10));
    return text;
}

DialogContent DialogContentOf() {
    const int code = ui.dialogCode;
    if (IsRivalDialog(code)) return RivalDialogContent(code);
    DialogContent c;
    c.text = IsEnglish() ? EnglishText(code) : TurkishText(code);
    const char* chief = Tr("Chief says :", "Şef diyor ki :");
    const char* adviser = Tr("Military adviser says :", "Askeri danışman diyor ki :");
    switch (code) {
    case 1:
    case 33:
        c.title = code == 1 ? Tr("Meeting with the natives", "Yerlilerle karşılaşma") : chief;
        c.answers = {Tr("Yes", "Evet"), Tr("No", "Hayır")};
        return c;
    case 2:
    case 25:
        c.title = chief;
        break;
    case 7:
        c.title = Tr("The natives have become your enemy.", "Yerliler size düşman oldu.");
        break;
    case 8: {
        c.title = chief;
        c.text = TradeText();
        const UnitRecord* wagon = Wagon();
        for (int position : SaleOffers()) {
            const int32_t cargo = wagon->cargo[position];
            const std::string amount = std::to_string(CargoAmount(cargo)),
                              product = productName(CargoProduct(cargo));
            const std::string price = HundredthsText(ui.dialogParams[position - 1]);
            c.answers.push_back(IsEnglish() ? "Sell " + amount + " " + product + " for " + price + " gold"
                                            : amount + " " + product + ", " + price + " altına sat");
        }
        c.answers.push_back(Tr("Never mind", "Yok kalsın"));
        return c;
    }
    case 9:
        c.title = chief;
        c.text = OffersText();
        for (int k = 0; k < PurchaseCount(); ++k) {
            const std::string product = productName(static_cast<int>(ui.dialogParams[3 * k]));
            const std::string amount = Number(ui.dialogParams[3 * k + 1]);
            const std::string price = HundredthsText(ui.dialogParams[3 * k + 2]);
            c.answers.push_back(IsEnglish()
                                    ? "Buy " + amount + " " + product + " in exchange for " + price + " gold"
                                    : amount + " " + product + ", " + price + " altın karşılığında al");
        }
        c.answers.push_back(Tr("No", "Hayır"));
        return c;
    case 11:
        c.title = Tr("Our soldiers found 5 gold.", "Askerlerimiz 5 altın buldu.");
        break;
    case 21:
        c.title = Tr("Our soldiers found 10 gold.", "Askerlerimiz 10 altın buldu.");
        break;
    case 12:
        c.title = Tr("Our people learnt a new science.", "Halkımız yeni bir bilim öğrendi.");
        break;
    case 13:
        c.title = Tr("Our soldiers found a new settler.", "Askerlerimiz yeni bir işçi buldu.");
        break;
    case 14:
        c.title = Tr("New soldiers joined our army.", "Ordumuza yeni askerler katıldı.");
        break;
    case 15:
    case 16:
    case 17:
    case 18:
        c.title = adviser;
        c.answers = {Tr("Yes, go and examine that place", "Evet, gidin ve orayı inceleyin"),
                     Tr("No, do not enter there", "Hayır, oraya girmeyin")};
        return c;
    case 22:
        c.title = Tr("Natives are threatening us", "Yerliler bizi tehdit ediyor");
        break;
    case 23:
        c.title = Tr("Natives declared war against us", "Yerliler bize savaş ilan etti");
        break;
    case 24:
        c.title = adviser;
        c.text =
            Tr("      Dear sir, our soldiers died in a native trap. There were deep holes full of scorpions "
               "in that land. This land belongs to the natives; if you wish, we can take our revenge on "
               "them. We have to be careful while examining lands near native villages.",
               "      Efendim, askerlerimiz bir yerli tuzağında öldü. O topraklarda akreplerle dolu derin "
               "çukurlar vardı. Bu topraklar yerlilere ait; dilerseniz onlardan intikamımızı alabiliriz. "
               "Yerli köylerinin yakınındaki toprakları araştırırken dikkatli olmalıyız.");
        break;
    case 31:
        c.title = adviser;
        break;
    case 32:
        c.title = Tr("Our city was destroyed!", "Şehrimiz yok edildi!");
        break;
    case 34: {
        const int founder = static_cast<int>(ui.dialogParams[6]);
        const std::string nation = founder >= 1 && founder <= kMaxCivs ? NationOf(founder) : "";
        c.title = nation + Tr(" city destroyed!", " şehri yok edildi!");
        c.text = IsEnglish()
                     ? "      Natives destroyed " + std::string(CityOfParams()) +
                           ". All citizens were killed by native warriors. With the loss of this city the " +
                           nation + " lost an important power. The war between the natives and the " +
                           nation + " still goes on."
                     : "      Yerliler " + std::string(CityOfParams()) +
                           " şehrini yok etti. Bütün halk yerli savaşçılar tarafından öldürüldü. Bu şehri "
                           "kaybeden " +
                           nation + " önemli bir güç yitirdi. Yerlilerle " + nation +
                           " arasındaki savaş sürüyor.";
        break;
    }
    case 35:
        c.title = std::string(CityOfParams()) + Tr(" captured ", " ele geçirildi ");
        break;
    case 36:
        c.title = Tr("Our soldiers captured ", "Askerlerimiz ele geçirdi: ") + std::string(CityOfParams());
        break;
    default:
        // Not told yet: the player only has to acknowledge it.
        c.answers = {Tr("OK", "Tamam")};
        return c;
    }
    c.answers = {Continue()};
    return c;
}

bool HostileAnswer(int code, int answer) {
    if (IsRivalDialog(code)) return RivalAnswerHostile(code, answer);
    // Refusing the natives' treaty makes them enemies.
    return (code == 1 || code == 33) && answer == 2;
}

bool DialogAnswerAllowed(int answer) {
    if (IsRivalDialog(ui.dialogCode)) return RivalAnswerAllowed(answer);
    if (ui.dialogCode == 9 && answer >= 1 && answer <= PurchaseCount() &&
        ui.dialogParams[3 * (answer - 1) + 2] / 100 > Civ(game.currentCiv).gold) {
        ShowMessage(Tr("We have not got enough gold to buy this offer.",
                       "Bu teklifi almak için yeterli altınımız yok."));
        return false;
    }
    return true;
}

namespace {
DialogOutcome TakeAnswer(int answer);
} // namespace

DialogOutcome AnswerDialog(int answer) {
    const DialogOutcome out = TakeAnswer(answer);
    CheckStateAfter("an answer to a dialog");
    return out;
}

namespace {

DialogOutcome TakeAnswer(int answer) {
    const int code = ui.dialogCode;
    ui.dialogAnswer = static_cast<uint8_t>(answer);
    if (IsRivalDialog(code)) return AnswerRivalDialog(answer);
    DialogOutcome out{0, kResumeKey};
    const int natives = game.civCount, human = game.currentCiv;
    switch (code) {
    case 1:
    case 33:
        if (answer == 1) {
            SetRelation(ui.dialogPartyB, natives, code == 1 ? 25 : 20);
            ui.dialogCode = 2;
        } else {
            ui.dialogPartyA = static_cast<uint8_t>(natives);
            SetRelation(ui.dialogPartyB, natives, 13);
            ui.dialogCode = 7;
        }
        return {};
    case 8:
        return Sell(answer);
    case 9:
        return Buy(answer);
    case 11:
    case 21:
        GainGold(human, code == 11 ? 5 : 10, out);
        return SiteDone(out);
    case 12: {
        const int science = static_cast<int>(ui.dialogParams[0]);
        if (science >= 1 && science <= kSciences) Civ(human).knows[science] = 1;
        return SiteDone(out);
    }
    case 13:
        return AddJoiners(kSettler);
    case 14:
        return AddJoiners(static_cast<int>(ui.dialogParams[0]));
    case 15:
    case 16:
    case 17:
    case 18:
        if (answer == 1) return EnterDangerousSite(code);
        if (UnitRecord* unit = CurrentUnitRecord()) unit->gotoX = unit->gotoY = 0;
        ui.dialogCode = 0;
        return {0, kEndMoveKey};
    case 22:
    case 23:
    case 25:
        LowerRelation(Civ(human).relation[natives], 5);
        LowerRelation(Civ(natives).relation[human], 5);
        return SiteDone(out);
    case 24:
        ui.dialogCode = 0;
        if (CurrentUnitRecord()) KillUnit(human, game.currentUnit);
        return out;
    case 31:
        GainGold(ui.dialogPartyA, ui.dialogParams[0], out);
        break;
    case 35:
    case 36: {
        const int winner = static_cast<int>(ui.dialogParams[0]), loser = static_cast<int>(ui.dialogParams[2]);
        const double plunder = ui.dialogParams[1];
        GainGold(winner, plunder, out);
        // The loser gives up what he has, never more.
        if (loser >= 1 && loser <= game.civCount)
            Civ(loser).gold -= std::min(plunder, std::max(Civ(loser).gold, 0.0));
        break;
    }
    default:
        break;
    }
    ui.dialogCode = 0;
    return out;
}

} // namespace

} // namespace annals
