// The numbers of products, buildings, sciences, nations and governments that the city
// rules name. Shared by the city code only.
#pragma once

namespace annals::city_numbers {

// Products.
constexpr int kFood = 1, kCotton = 2, kTobacco = 3, kGrape = 4, kFur = 5, kWood = 6, kStone = 7, kGold = 8,
              kCloth = 11, kCoat = 14;

// Buildings (a build item is 35 + building); the Colossus is kColossus of the rule tables.
constexpr int kGranary = 1, kWerehouse = 2, kStockade = 3, kWeaverHouse = 4, kFurrier = 7, kWeaverShop = 8,
              kCoatShop = 11, kTextileMill = 12, kCoatFactory = 15, kCourthouse = 16, kBarracks = 18,
              kBlacksmith = 19, kWorkshop = 20, kMissileBatery = 21, kMill = 22, kBakery = 23, kAqueduct = 24,
              kSewerSystem = 25, kSchoolhouse = 26, kLibrary = 27, kUniversity = 28, kPrintingPress = 29,
              kPowerPlant = 31, kNuclearPlant = 32, kTemple = 33, kFortress = 34, kMarketplace = 35,
              kHarbor = 36, kHospital = 37, kTheatre = 38, kPyramids = 39, kHangingGardens = 40,
              kColesseum = 41, kGreatWall = 42, kHagiaSophia = 44, kObservatory = 45, kEiffelTower = 46;
constexpr int kFirstBuildingItem = 36, kFirstWonderItem = 74, kLastBuildItem = 81;

// Sciences.
constexpr int kStonework = 1, kBronzeMetallurgy = 2, kRitualism = 4, kWarriorCode = 5, kAgriculture = 6,
              kIronFoundry = 8, kMathematics = 9, kLawmaking = 10, kCurrency = 11, kEquestrian = 12,
              kHorseCollar = 13, kAstronomy = 14, kConstruction = 15, kTheWheel = 16, kFishing = 17,
              kPhilosophy = 18, kKnightsCode = 20, kFertilization = 21, kBaking = 22, kAnchoring = 23,
              kInvention = 24, kPrintery = 25, kMonotheism = 26, kGunpowder = 28, kEducation = 29,
              kMagnetism = 30, kFeudalism = 31, kPhysics = 33, kExplosives = 35, kSteelWorking = 36,
              kTactics = 37, kSteamEngine = 38, kIndustrialization = 39, kElectricity = 40, kSanitation = 41,
              kCropRotation = 44, kMobileWarfare = 45, kFlight = 46, kNuclearPower = 48, kGenetics = 49,
              kAdvancedFlight = 50;

// Nations.
constexpr int kArabians = 1, kAztecs = 2, kBritons = 3, kChinese = 4, kFranks = 5, kGermans = 6,
              kPersians = 7, kRomans = 8, kTurks = 9, kVikings = 10;

// Governments.
constexpr int kAnarchy = 1, kDespotism = 2, kMonarchy = 3, kCommunism = 4, kDemocracy = 5;

// Unit types the city rules name.
constexpr int kSettlerType = 1, kLegionType = 9;

} // namespace annals::city_numbers
