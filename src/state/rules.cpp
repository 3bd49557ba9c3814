#include "state/rules.h"

#include "state/state.h"

namespace annals {

namespace {

template <typename T, int N> constexpr bool InTable(int i, const T (&)[N]) {
    return i >= 1 && i < N;
}

const char* Pick(const TextPair& text) {
    return IsEnglish() ? text.english : text.turkish;
}

template <int N> const char* Lookup(const TextPair (&table)[N], int i) {
    if (!InTable(i, table)) return "";
    return Pick(table[i]);
}

// ---------------------------------------------------------------------------
// Names

const TextPair kGovernmentNames[kGovernments + 1] = {
    {"", ""},
    {"Anarchy", "Anarşi"},
    {"Despotism", "Despotluk"},
    {"Monarchy", "Monarşi"},
    {"Communism", "Komünizm"},
    {"Democracy", "Demokrasi"},
};

// 11 and 12 are unused; 13 are the natives.
const TextPair kNationNames[kNations + 1] = {
    {"", ""},
    {"Arabians", "Araplar"},
    {"Aztecs", "Aztekler"},
    {"Britons", "İngilizler"},
    {"Chinese", "Çinliler"},
    {"Franks", "Fransızlar"},
    {"Germans", "Almanlar"},
    {"Persians", "İranlılar"},
    {"Romans", "Romalılar"},
    {"Turks", "Türkler"},
    {"Vikings", "Vikingler"},
    {"", ""},
    {"", ""},
    {"Natives", "Yerliler"},
};

const TextPair kCountryNames[kNations + 1] = {
    {"", ""},
    {"Arabia", "Arabistan"},
    {"Aztec", "Aztek"},
    {"Britain", "İngiltere"},
    {"China", "Çin"},
    {"France", "Fransa"},
    {"Germany", "Almanya"},
    {"Persia", "İran"},
    {"Roman Empire", "Roma İmparatorluğu"},
    {"Turkey", "Türkiye"},
    {"Scandinavia", "İskandinavya"},
    {"", ""},
    {"", ""},
    {"Inca", "Inka"},
};

// A civilization founds at most six cities, so six names per nation are enough.
// City names are the same in both languages.
const char* const kCityNames[kNations + 1][kCityNamesPerNation + 1] = {
    {"", "", "", "", "", "", ""},
    {"", "Baghdad", "Mecca", "Samarra", "Tiflis", "Basra", "Medina"},
    {"", "Tenochtitlan", "Teotihuacan", "Texcoco", "Tlatelolco", "Xochicalco", "Tlaxcala"},
    {"", "London", "York", "Nottingham", "Canterbury", "Coventry", "Warwick"},
    {"", "Beijing", "Shanghai", "Nanking", "Tsingtao", "Xinjiang", "Chengdu"},
    {"", "Paris", "Orleans", "Lyons", "Rheims", "Tours", "Marseilles"},
    {"", "Berlin", "Leipzig", "Hamburg", "Konigsberg", "Frankfurt", "Munich"},
    {"", "Persepolis", "Susa", "Arbela", "Tarsus", "Gordium", "Hamadan"},
    {"", "Rome", "Veii", "Antium", "Neopolis", "Pompeii", "Pisae"},
    {"", "Bursa", "Edirne", "Istanbul", "Ankara", "Izmir", "Konya"},
    {"", "Trondheim", "Kaupang", "Uppsala", "Hlair", "Aarhus", "Viborg"},
    {"", "", "", "", "", "", ""},
    {"", "", "", "", "", "", ""},
    {"", "Cuzco", "Quito", "Chucuito", "Acari", "Jauca", "Ica"},
};

const TextPair kTerrainNames[kTerrains + 1] = {
    {"", ""},
    {"Sea", "Deniz"},
    {"Swamp", "Bataklık"},
    {"Grassland", "Çimlik"},
    {"Savannah", "Maki"},
    {"Plain", "Bozkır"},
    {"Desert", "Çöl"},
    {"Arctic", "Tundra"},
};

struct ProductRow {
    TextPair name;
    int price; // value of 100 units
};

const ProductRow kProductTable[kProducts + 1] = {
    {{"", ""}, 0},
    {{"Food", "Tahıl"}, 1},
    {{"Cotton", "Pamuk"}, 4},
    {{"Tobacco", "Tütün"}, 5},
    {{"Grape", "Üzüm"}, 6},
    {{"Fur", "Deri"}, 6},
    {{"Wood", "Odun"}, 2},
    {{"Stone", "Taş"}, 1},
    {{"Gold", "Altın"}, 100},
    {{"Petrol", "Petrol"}, 10},
    {{"Paper", "Kağıt"}, 6},
    {{"Cloth", "Kumaş"}, 15},
    {{"Cigar", "Sigara"}, 16},
    {{"Wine", "Şarap"}, 20},
    {{"Coat", "Kürk"}, 25},
};

const TextPair kExperienceNames[kExperienceLevels + 1] = {
    {"", ""},          {"Unskilled", "Özelliksiz"}, {"Regular", "Düzenli"}, {"Veteran", "Veteran"},
    {"Elite", "Elit"}, {"Hero", "Kahraman"},
};

// ---------------------------------------------------------------------------
// Units

enum class UnitClass : uint8_t { kLand, kBombard, kShip, kAir };

struct UnitTypeRow {
    TextPair name;
    int32_t cost;
    uint8_t moves;
    uint8_t defence;
    uint8_t attack;
    uint8_t lives;
    uint8_t livesShown;
    uint8_t capacity;
    UnitClass unitClass;
};

constexpr UnitClass kLand = UnitClass::kLand;
constexpr UnitClass kBombard = UnitClass::kBombard;
constexpr UnitClass kShip = UnitClass::kShip;
constexpr UnitClass kAir = UnitClass::kAir;

// name, cost, moves, defence, attack, lives, lives shown, capacity, class
const UnitTypeRow kUnitTable[kUnitTypes + 1] = {
    {{"", ""}, 0, 0, 0, 0, 0, 0, 0, kLand},
    {{"Settler", "İşçi"}, 20, 1, 0, 0, 1, 1, 0, kLand},
    {{"Warrior", "Cengaver"}, 10, 1, 1, 1, 2, 2, 0, kLand},
    {{"Jaguar", "Jaguar"}, 10, 1, 1, 1, 2, 2, 0, kLand},
    {{"Pikeman", "Mızraklı"}, 20, 1, 2, 1, 2, 2, 0, kLand},
    {{"Mameluke", "Memluk"}, 20, 1, 3, 1, 2, 2, 0, kLand},
    {{"Archer", "Okçu"}, 20, 1, 1, 2, 2, 2, 0, kLand},
    {{"Longbowman", "Uzun Okçu"}, 25, 1, 1, 3, 2, 2, 0, kLand},
    {{"Swordsman", "Kılıçlı"}, 30, 1, 2, 3, 2, 2, 0, kLand},
    {{"Legion", "Lejyoner"}, 30, 1, 3, 3, 2, 2, 0, kLand},
    {{"Musketman", "Tüfekli"}, 40, 1, 4, 4, 2, 2, 0, kLand},
    {{"Musketeer", "Silahşör"}, 40, 1, 5, 4, 2, 2, 0, kLand},
    {{"Janissary", "Yeniçeri"}, 35, 1, 2, 5, 2, 2, 0, kLand},
    {{"Raider", "Baskıncı"}, 35, 1, 3, 4, 2, 2, 0, kLand},
    {{"Infantry", "Piyade"}, 60, 1, 5, 6, 2, 2, 0, kLand},
    {{"Marine", "Komando"}, 80, 1, 7, 7, 2, 2, 0, kLand},
    {{"Horseman", "Binici"}, 20, 2, 1, 1, 3, 3, 0, kLand},
    {{"H. Archer", "Atlı Okçu"}, 30, 2, 1, 2, 3, 3, 0, kLand},
    {{"Chu Ko Nu", "Chu Ko Nu"}, 30, 3, 1, 2, 3, 3, 0, kLand},
    {{"Dragoon", "Zırhlı Atlı"}, 40, 2, 3, 1, 3, 3, 0, kLand},
    {{"Knight", "Şovalye"}, 40, 2, 2, 3, 3, 3, 0, kLand},
    {{"War Elephant", "Savaş Fili"}, 40, 1, 1, 4, 4, 4, 0, kLand},
    {{"Cavalry", "Süvari"}, 60, 2, 3, 5, 3, 3, 0, kLand},
    {{"Catapult", "Mancınık"}, 40, 1, 0, 3, 1, 1, 0, kBombard},
    {{"Cannon", "Savaş Topu"}, 60, 1, 0, 5, 1, 1, 0, kBombard},
    {{"Tank", "Tank"}, 100, 1, 6, 6, 3, 3, 0, kBombard},
    {{"Caravel", "Karavela"}, 20, 3, 1, 0, 2, 2, 2, kShip},
    {{"Frigate", "Fırkateyn"}, 50, 4, 3, 4, 4, 4, 2, kShip},
    {{"Vikingship", "Viking Gemisi"}, 30, 5, 2, 3, 3, 3, 2, kShip},
    {{"Galleon", "Kalyon"}, 40, 4, 3, 0, 4, 4, 4, kShip},
    {{"Destroyer", "Muhrip"}, 100, 6, 6, 6, 4, 4, 2, kShip},
    // Aircraft are built with more lives than the help pages admit to.
    {{"Fighter", "Avcı Uçağı"}, 100, 6, 0, 6, 2, 1, 0, kAir},
    {{"Bomber", "Bombardıman Uçağı"}, 150, 9, 0, 8, 3, 1, 0, kAir},
    {{"Axeman", "Baltacı"}, 15, 1, 1, 2, 2, 2, 0, kLand},
    {{"Wagon Train", "Kervan"}, 10, 2, 0, 0, 1, 1, 2, kLand},
    {{"Berserk", "Berserk"}, 20, 1, 2, 2, 2, 2, 0, kLand},
};

bool ValidType(int type) {
    return InTable(type, kUnitTable);
}

// By the step (experience - 1) div 2.
constexpr double kExperienceBonus[] = {0.0, 0.4, 0.8, 1.2, 2.0};

bool GainsExperience(int type) {
    return !IsBombard(type) && !IsShip(type) && type != kSettler && type != kWagonTrain;
}

// ---------------------------------------------------------------------------
// Sciences: the Turkish game prices some of the middle sciences lower.

struct ScienceRow {
    TextPair name;
    int32_t costEnglish;
    int32_t costTurkish;
};

const ScienceRow kScienceTable[kSciences + 1] = {
    {{"", ""}, 0, 0},
    {{"Stonework", "Duvar Örme"}, 10, 10},
    {{"Bronze Metallurgy", "Bronz İşleme"}, 10, 10},
    {{"Orthography", "Alfabe"}, 10, 10},
    {{"Ritualism", "Tören Kültürü"}, 10, 10},
    {{"Warrior Code", "Savaş Tekniği"}, 10, 10},
    {{"Agriculture", "Ziraat"}, 10, 10},
    {{"Mining", "Madencilik"}, 20, 20},
    {{"Iron Foundry", "Demir İşleme"}, 30, 30},
    {{"Mathematics", "Matematik"}, 30, 30},
    {{"Lawmaking", "Kanun Yapımı"}, 20, 20},
    {{"Currency", "Para"}, 30, 30},
    {{"Equestrian", "At Evcilleştirme"}, 20, 20},
    {{"Horse Collar", "Atlı Sürüm"}, 30, 30},
    {{"Astronomy", "Astronomi"}, 30, 30},
    {{"Construction", "İnşaat"}, 40, 40},
    {{"The Wheel", "Tekerlek"}, 40, 40},
    {{"Fishing", "Balıkçılık"}, 60, 60},
    {{"Philosophy", "Felsefe"}, 80, 60},
    {{"The Republic", "Devletçilik"}, 140, 120},
    {{"Knight's Code", "Şovalyelik"}, 140, 120},
    {{"Fertilization", "Gübreleme"}, 160, 150},
    {{"Baking", "Fırıncılık"}, 120, 80},
    {{"Anchoring", "Gemicilik"}, 100, 80},
    {{"Invention", "Keşifçilik"}, 160, 120},
    {{"Printery", "Matbaa"}, 120, 80},
    {{"Monotheism", "Tek Tanrıcılık"}, 120, 80},
    {{"Monarchy", "Monarşi"}, 80, 80},
    {{"Gunpowder", "Barut"}, 240, 150},
    {{"Education", "Eğitim"}, 200, 120},
    {{"Magnetism", "Manyetizma"}, 200, 120},
    {{"Feudalism", "Feodalizm"}, 100, 80},
    {{"Chemistry", "Kimya"}, 240, 180},
    {{"Physics", "Fizik"}, 320, 320},
    {{"Democracy", "Demokrasi"}, 320, 240},
    {{"Explosives", "Patlayıcılar"}, 400, 400},
    {{"Steel Working", "Çelik"}, 500, 500},
    {{"Tactics", "Modern Taktikler"}, 600, 600},
    {{"Steam Engine", "Buhar Makinası"}, 500, 500},
    {{"Industrialization", "Sanayicilik"}, 600, 600},
    {{"Electricity", "Elektrik"}, 600, 600},
    {{"Sanitation", "Hıfzıssıhha"}, 240, 240},
    {{"Automobile", "Otomobil"}, 500, 500},
    {{"Scientific Method", "Bilimsel Yöntem"}, 1000, 1000},
    {{"Crop Rotation", "Ürün Nöbetleme"}, 800, 800},
    {{"Mobile Warfare", "Savaş Makinaları"}, 1200, 1200},
    {{"Flight", "Uçuş"}, 1200, 1200},
    {{"Mass Production", "Ağır Araç Üretimi"}, 1000, 1000},
    {{"Nuclear Power", "Nükleer Güç"}, 1600, 1600},
    {{"Genetics", "Genetik"}, 2000, 2000},
    {{"Advanced Flight", "Gelişmiş Uçuş"}, 2000, 2000},
};

// ---------------------------------------------------------------------------
// Buildings. 17 and 30 have no name and are never offered.

struct BuildingRow {
    TextPair name;
    int32_t cost;
    uint8_t workers; // citizens who can work inside
    uint8_t picture; // picture id in the city view, 0 = none
};

const BuildingRow kBuildingTable[kBuildings + 1] = {
    {{"", ""}, 0, 0, 0},
    {{"Granary", "Tahıl Ambarı"}, 50, 0, 22},
    {{"Warehouse", "Depo"}, 50, 0, 11},
    {{"Stockade", "Kazık Çit"}, 50, 0, 20},
    {{"Weaver House", "Kumaş Tezgahı"}, 50, 2, 7},
    {{"Cigar House", "Sigara Sarımevi"}, 50, 2, 8},
    {{"Winery", "Şaraphane"}, 50, 2, 9},
    {{"Furrier", "Kürkçü"}, 100, 2, 10},
    {{"Weaver Shop", "Kumaş Dükkanı"}, 50, 2, 24},
    {{"Cigar Shop", "Sigara Dükkanı"}, 50, 2, 25},
    {{"Wine Shop", "Şarap Dükkanı"}, 50, 2, 26},
    {{"Coat Shop", "Kürkçü Dükkanı"}, 100, 2, 27},
    {{"Textile Mill", "Kumaş Fabrikası"}, 100, 2, 28},
    {{"Cigar Factory", "Sigara Fabrikası"}, 100, 2, 29},
    {{"Wine Factory", "Şarap Fabrikası"}, 100, 2, 30},
    {{"Coat Factory", "Kürk Fabrikası"}, 150, 2, 31},
    {{"Courthouse", "Adliye"}, 50, 0, 38},
    {{"", ""}, 0, 0, 0},
    {{"Barracks", "Askeriye"}, 50, 2, 5},
    {{"Blacksmith", "Demirci"}, 100, 0, 15},
    {{"Workshop", "Atölye"}, 150, 0, 35},
    {{"Missile Battery", "Misilci"}, 100, 0, 0},
    {{"Mill", "Değirmen"}, 50, 0, 13},
    {{"Bakery", "Fırın"}, 100, 2, 19},
    {{"Aqueduct", "Su Kanalları"}, 50, 0, 23},
    {{"Sewer System", "Kanalizasyon"}, 100, 0, 34},
    {{"Schoolhouse", "Okul"}, 50, 2, 6},
    {{"Library", "Kütüphane"}, 100, 0, 16},
    {{"University", "Üniversite"}, 150, 2, 17},
    {{"Printing Press", "Matbaa"}, 50, 0, 32},
    {{"", ""}, 100, 0, 0},
    {{"Power Plant", "Elektrik Santrali"}, 100, 0, 36},
    {{"Nuclear Plant", "Nükleer Santral"}, 150, 0, 37},
    {{"Temple", "Tapınak"}, 50, 2, 4},
    {{"Fortress", "Sur"}, 100, 0, 21},
    {{"Marketplace", "Pazar"}, 50, 0, 12},
    {{"Harbor", "Liman"}, 50, 0, 33},
    {{"Hospital", "Hastane"}, 100, 2, 18},
    {{"Theatre", "Tiyatro"}, 50, 0, 14},
    {{"Pyramids", "Piramitler"}, 200, 0, 39},
    {{"Hanging Gardens", "Asma Bahçe"}, 200, 0, 40},
    {{"Colosseum", "Kolezyum"}, 200, 0, 41},
    {{"The Great Wall", "Büyük Duvar"}, 200, 0, 42},
    {{"Colossus", "Rodos Heykeli"}, 200, 0, 43},
    {{"Hagia Sophia", "Ayasofya Camii"}, 200, 0, 44},
    {{"Observatory", "Gözlemevi"}, 200, 0, 45},
    {{"Eiffel Tower", "Eyfel Kulesi"}, 200, 0, 46},
};

// ---------------------------------------------------------------------------
// Jobs: the citizen working inside building j does job j.

constexpr TextPair kNoJob = {"-", "-"};
constexpr TextPair kWeaver = {"Weaver", "Kumaşçı"};
constexpr TextPair kCigarProducer = {"Cigar Producer", "Sigaracı"};
constexpr TextPair kDistiller = {"Distiller", "Şarapçı"};
constexpr TextPair kFurrier = {"Furrier", "Kürkçü"};
constexpr TextPair kBeerProducer = {"Beer Producer", "Biracı"};

const TextPair kJobNames[kJobs + 1] = {
    {"", ""},
    kNoJob,
    kNoJob,
    kNoJob,
    kWeaver,                               // 4
    kCigarProducer,                        // 5
    kDistiller,                            // 6
    kFurrier,                              // 7
    kWeaver,                               // 8
    kCigarProducer,                        // 9
    kDistiller,                            // 10
    kFurrier,                              // 11
    kWeaver,                               // 12
    kCigarProducer,                        // 13
    kDistiller,                            // 14
    kFurrier,                              // 15
    kBeerProducer,                         // 16
    kBeerProducer,                         // 17
    {"Soldier Teacher", "Askeri Komutan"}, // 18
    kNoJob,
    kNoJob,
    kNoJob,
    kNoJob,
    {"Baker", "Fırıncı"}, // 23
    kNoJob,
    kNoJob,
    {"Teacher", "Öğretmen"}, // 26
    kNoJob,
    {"Professor", "Profesör"},           // 28
    {"Master Printer", "Baskıcı"},       // 29
    {"Paper Producer", "Kağıt Üretici"}, // 30
    kNoJob,
    kNoJob,
    {"Priest", "Din Adamı"}, // 33
    {"Judge", "Hakim"},      // 34
    kNoJob,
    kNoJob,
    {"Doctor", "Doktor"}, // 37
    kNoJob,
};

// ---------------------------------------------------------------------------
// Positions

const PixelPos kPicturePositions[kMaxPictures + 1] = {
    {0, 0},     {279, 351}, {293, 360}, {265, 341}, {267, 358}, {290, 343}, {255, 349}, {302, 350},
    {302, 336}, {245, 339}, {279, 334}, {243, 357}, {314, 343}, {281, 367}, {254, 330}, {310, 366},
    {232, 347}, {319, 357}, {253, 368}, {332, 348}, {267, 375}, {234, 367}, {323, 334}, {221, 356},
    {297, 374}, {231, 332}, {220, 340}, {340, 365}, {325, 375}, {203, 348}, {291, 327}, {348, 353},
    {219, 372}, {202, 365}, {344, 339}, {208, 335}, {242, 381}, {284, 383}, {361, 362}, {267, 324},
    {312, 325}, {189, 354}, {335, 330}, {244, 326}, {258, 384}, {362, 345},
};

// Keypad layout: 7 8 9 above, 4 5 6, 1 2 3 below; y grows to the south.
constexpr int8_t kDirectionDx[kDirections + 1] = {0, -1, 0, 1, -1, 0, 1, -1, 0, 1};
constexpr int8_t kDirectionDy[kDirections + 1] = {0, 1, 1, 1, 0, 0, 0, -1, -1, -1};

} // namespace

// ---------------------------------------------------------------------------

bool IsEnglish() {
    return game.language == 1;
}

const char* Tr(const char* english, const char* turkish) {
    return IsEnglish() ? english : turkish;
}

std::string YearName(int64_t year) {
    // The magnitude in unsigned arithmetic: no year, however wild, overflows it.
    const uint64_t magnitude = year < 0 ? 0 - static_cast<uint64_t>(year) : static_cast<uint64_t>(year);
    return std::string(year < 0 ? Tr("BC", "MÖ") : Tr("AD", "MS")) + " " + std::to_string(magnitude);
}

const char* Tr(const TextPair& text) {
    return Pick(text);
}

void InitializeVariables() {
    game.year = -4000;
    game.turn = 2;
    ui.musicOn = 1;
    ui.musicCountdown = 15;
    ui.innerFrame = 0;
}

const char* governmentName(int government) {
    return Lookup(kGovernmentNames, government);
}
const char* nationName(int nation) {
    return Lookup(kNationNames, nation);
}
const char* countryName(int nation) {
    return Lookup(kCountryNames, nation);
}

const char* cityName(int nation, int k) {
    if (!InTable(nation, kCityNames) || !InTable(k, kCityNames[0])) return "";
    return kCityNames[nation][k];
}

const char* terrainName(int terrain) {
    return Lookup(kTerrainNames, terrain);
}

const char* productName(int product) {
    if (!InTable(product, kProductTable)) return "";
    return Pick(kProductTable[product].name);
}

const char* experienceName(int level) {
    return Lookup(kExperienceNames, level);
}

const char* unitTypeName(int type) {
    if (!ValidType(type)) return "";
    return Pick(kUnitTable[type].name);
}

const char* unitNameCopy(int type) {
    return unitTypeName(type);
}

const char* scienceName(int science) {
    if (!InTable(science, kScienceTable)) return "";
    return Pick(kScienceTable[science].name);
}

const char* buildingName(int building) {
    if (!InTable(building, kBuildingTable)) return "";
    return Pick(kBuildingTable[building].name);
}

const char* jobName(int job) {
    return Lookup(kJobNames, job);
}

int productPrice(int product) {
    return InTable(product, kProductTable) ? kProductTable[product].price : 0;
}

int32_t buildCost(int item) {
    if (ValidType(item)) return kUnitTable[item].cost;
    const int building = item - kUnitTypes;
    if (InTable(building, kBuildingTable)) return kBuildingTable[building].cost;
    return 0;
}

int32_t scienceCost(int science) {
    if (!InTable(science, kScienceTable)) return 0;
    const ScienceRow& row = kScienceTable[science];
    return IsEnglish() ? row.costEnglish : row.costTurkish;
}

int maxWorkers(int building) {
    return InTable(building, kBuildingTable) ? kBuildingTable[building].workers : 0;
}

int buildingPicture(int building) {
    return InTable(building, kBuildingTable) ? kBuildingTable[building].picture : 0;
}

int citizenStyle(int nation) {
    // Arabians, Aztecs, Britons, Chinese, Franks, Germans, Persians, Romans, Turks,
    // Vikings, two unused places, the natives.
    static constexpr int kStyles[kNations + 1] = {0, 1, 3, 2, 5, 2, 0, 1, 4, 4, 0, 0, 0, 3};
    return InTable(nation, kStyles) ? kStyles[nation] : 0;
}

PixelPos picturePosition(int k) {
    return InTable(k, kPicturePositions) ? kPicturePositions[k] : PixelPos{0, 0};
}

int directionDx(int direction) {
    return InTable(direction, kDirectionDx) ? kDirectionDx[direction] : 0;
}
int directionDy(int direction) {
    return InTable(direction, kDirectionDy) ? kDirectionDy[direction] : 0;
}

int UnitTypeMoves(int type) {
    return ValidType(type) ? kUnitTable[type].moves : 1;
}
int UnitTypeDefence(int type) {
    return ValidType(type) ? kUnitTable[type].defence : 8;
}
int UnitTypeAttack(int type) {
    return ValidType(type) ? kUnitTable[type].attack : 5;
}
int UnitTypeLives(int type) {
    return ValidType(type) ? kUnitTable[type].lives : 2;
}
int UnitTypeLivesShown(int type) {
    return ValidType(type) ? kUnitTable[type].livesShown : 0;
}
int UnitTypeCapacity(int type) {
    return ValidType(type) ? kUnitTable[type].capacity : 0;
}

bool IsBombard(int type) {
    return ValidType(type) && kUnitTable[type].unitClass == kBombard;
}
bool IsShip(int type) {
    return ValidType(type) && kUnitTable[type].unitClass == kShip;
}
bool IsAir(int type) {
    return ValidType(type) && kUnitTable[type].unitClass == kAir;
}
bool IsLandOrBombard(int type) {
    return !IsShip(type) && !IsAir(type);
}

int UnitMoves(int civ, int slot) {
    const int type = Unit(civ, slot).type;
    int moves = UnitTypeMoves(type);
    const int32_t colossus = game.wonderOwner[kColossus - kFirstWonder + 1];
    if (IsShip(type) && colossus != 0 && colossus / 100 == civ) moves += 1;
    return moves;
}

double ExperienceBonus(int experience) {
    int step = (experience - 1) / 2;
    // A unit never gets past the top level; a stray larger value keeps the top bonus.
    if (step < 0) step = 0;
    if (step > 4) step = 4;
    return kExperienceBonus[step];
}

double UnitDefence(int civ, int slot) {
    const UnitRecord& unit = Unit(civ, slot);
    double value = UnitTypeDefence(unit.type);
    if (GainsExperience(unit.type)) value += ExperienceBonus(unit.experience);
    return value;
}

double UnitAttack(int civ, int slot) {
    const UnitRecord& unit = Unit(civ, slot);
    double value = UnitTypeAttack(unit.type);
    if (GainsExperience(unit.type)) value += ExperienceBonus(unit.experience);
    return value;
}

} // namespace annals
