// The sprite sheets of the game: file names, sizes, colour keys and the pieces each
// sheet holds. The drawing code computes its source rectangles from formulas; the
// "fixed" pieces below are the bounding boxes of those rectangles at their largest
// indices, so a sheet of the declared size holds every rectangle the drawing code can
// ask for. "Ours" pieces are pictures whose place on the sheet we chose ourselves;
// "spare" pieces keep room for pictures whose place the art has still to choose.
// The generator draws every sheet at its declared size; the asset test checks that
// every piece lies inside its sheet and that every file is at least that big.
#pragma once

namespace annals::art {

enum SheetId : int {
    kInterfaces,
    kBackgrounds,
    kEnteranceBackgrounds,
    kLeadersSprite,
    kTerrainSprite,
    kCoastSprite,
    kMixSprite,
    kHillSprite,
    kRiverSprite,
    kForestSprite,
    kRoadSprite,
    kRoadOnCornfieldSprite,
    kCornfieldSprite,
    kProductSprite,
    kUnitSprite,
    kUnitOutlinesSprite,
    kCitySprite,
    kPopulationSprite,
    kCityNameSprite,
    kCityNameBigSprite,
    kBuildingSprite,
    kWonderSprite,
    kScienceSprite,
    kSciencesSprite,
    kOthersSprite,
    kOutlineSprite,
    kEnterance,
    kHelpSprite,
    kSheetCount
};

struct SheetInfo {
    const char* file; // inside Art/
    int width;
    int height;
    bool colourKey; // magenta (255, 0, 255) is transparent
};

inline constexpr SheetInfo kSheets[kSheetCount] = {
    {"interfaces.bmp", 1120, 1960, true},
    {"backgrounds.bmp", 1700, 1000, true},
    {"enteranceBackgrounds.bmp", 1024, 1572, true},
    {"leadersSprite.bmp", 900, 1200, true},
    {"terrainSprite.bmp", 255, 357, false},
    {"coastSprite.bmp", 1080, 360, true},
    {"mixSprite.bmp", 144, 460, true},
    {"hillSprite.bmp", 330, 464, true},
    {"riverSprite.bmp", 970, 408, true},
    {"forestSprite.bmp", 516, 788, true},
    {"roadSprite.bmp", 880, 880, true},
    {"roadOnCornfieldSprite.bmp", 880, 880, true},
    {"CornfieldSprite.bmp", 510, 408, true},
    {"productSprite.bmp", 420, 132, true},
    {"unitSprite.bmp", 1645, 376, true},
    {"unitOutlinesSprite.bmp", 1750, 48, true},
    {"citySprite.bmp", 480, 760, true},
    {"populationSprite.bmp", 1051, 168, true},
    {"cityNameSprite.bmp", 395, 198, true},
    {"cityNameBigSprite.bmp", 700, 330, true},
    {"buildingSprite.bmp", 480, 240, true},
    {"wonderSprite.bmp", 704, 856, true},
    {"scienceSprite.bmp", 1200, 260, true},
    {"sciencesSprite.bmp", 1050, 1505, true},
    {"othersSprite.bmp", 420, 540, true},
    {"outlineSprite.bmp", 1024, 768, true},
    {"enterance.bmp", 420, 200, true},
    {"helpSprite.bmp", 900, 530, true},
};

enum class PieceKind { Fixed, Ours, Spare };

// left, top inclusive; right, bottom exclusive (sheet pixels).
struct Piece {
    SheetId sheet;
    int left, top, right, bottom;
    PieceKind kind;
    const char* what;
};

// t = terrain 1..7, v = variant, k = civilization colour 1..8, n = nation 1..13,
// s = city size, L = city picture level 2..8, S = city style 1..7, W = wall level 1..4.
inline constexpr Piece kPieces[] = {
    // Windows and frames.
    {kInterfaces, 0, 0, 343, 114, PieceKind::Fixed, "window tile"},
    {kInterfaces, 0, 115, 710, 623, PieceKind::Fixed, "help and city-screen window 710x508"},
    {kInterfaces, 720, 0, 990, 132, PieceKind::Ours, "message box 270x132"},
    {kInterfaces, 1000, 0, 1100, 45, PieceKind::Ours, "dialog plate 100x21, plain and pressed"},
    {kInterfaces, 720, 140, 1116, 490, PieceKind::Ours, "big-news frame 396x350"},
    {kInterfaces, 720, 500, 971, 534, PieceKind::Ours, "computer-turn strip 251x34"},
    {kInterfaces, 720, 540, 970, 580, PieceKind::Ours, "wide dialog plate 250x18, plain and pressed"},
    {kInterfaces, 720, 586, 976, 618, PieceKind::Ours, "battle explosion, 8 frames of 32x32"},
    {kInterfaces, 980, 586, 1108, 602, PieceKind::Ours, "battle direction markers, 8 of 16x16"},
    {kInterfaces, 0, 630, 502, 930, PieceKind::Ours, "dialog frame 502x300"},
    {kInterfaces, 0, 940, 502, 1060, PieceKind::Spare, "larger dialog frames"},
    {kInterfaces, 510, 630, 560, 740, PieceKind::Ours,
     "city-screen minus and plus 14x14, building button 30x30"},
    {kInterfaces, 560, 630, 610, 680, PieceKind::Ours, "city-screen production button lit 50x50"},
    {kInterfaces, 610, 630, 640, 660, PieceKind::Ours, "city-screen building button lit 30x30"},
    {kInterfaces, 640, 630, 654, 644, PieceKind::Ours, "spending button lit 14x14"},
    {kInterfaces, 660, 630, 764, 673, PieceKind::Ours, "job box 104x43"},
    {kInterfaces, 510, 750, 1120, 1060, PieceKind::Spare, "city-screen pieces"},
    {kInterfaces, 0, 1070, 424, 1375, PieceKind::Ours, "research table window 424x305"},
    {kInterfaces, 430, 1070, 632, 1091, PieceKind::Ours, "research button 101x21, plain and pressed"},
    {kInterfaces, 640, 1070, 742, 1093, PieceKind::Ours, "research row bar 102x23"},
    {kInterfaces, 750, 1070, 757, 1077, PieceKind::Ours, "leads-to square"},
    {kInterfaces, 0, 1380, 1120, 1600, PieceKind::Spare, "screen pieces still to place"},
    {kInterfaces, 0, 1610, 560, 1950, PieceKind::Ours, "city-capture dialog frame 560x340"},
    {kInterfaces, 570, 1610, 1110, 1940, PieceKind::Ours, "broken-treaty dialog frame 540x330"},

    // Backgrounds and plates.
    {kBackgrounds, 537, 423, 585, 470, PieceKind::Fixed, "close plate 48x23, plain and lit"},
    {kBackgrounds, 1524, 423, 1688, 459, PieceKind::Fixed, "help header strip"},
    {kBackgrounds, 0, 0, 436, 453, PieceKind::Ours, "menu window 436x453"},
    {kBackgrounds, 600, 0, 1204, 422, PieceKind::Ours, "overview window 604x422"},
    {kBackgrounds, 0, 460, 211, 481, PieceKind::Ours, "menu plate 104x21, pressed 101x19"},
    {kBackgrounds, 220, 460, 530, 481, PieceKind::Ours, "slot plate 153x21, pressed 150x19"},
    // The list screens' scroll arrows, 19x41 with the up arrow above the down arrow, one
    // every 20 columns: both plain, then the up arrow lit, the down arrow lit, the up
    // arrow disabled and the down arrow disabled.
    {kBackgrounds, 600, 430, 620, 471, PieceKind::Ours, "arrows"},
    {kBackgrounds, 620, 430, 640, 471, PieceKind::Ours, "up lit"},
    {kBackgrounds, 640, 430, 660, 471, PieceKind::Ours, "down lit"},
    {kBackgrounds, 660, 430, 680, 471, PieceKind::Ours, "up off"},
    {kBackgrounds, 680, 430, 700, 471, PieceKind::Ours, "down off"},
    {kBackgrounds, 710, 425, 1087, 459, PieceKind::Ours, "list row highlight 377x34"},
    {kBackgrounds, 1210, 0, 1286, 90, PieceKind::Ours, "menu titles 76x30: main menu, save, load"},
    // The titles of the overview screens, over the top edge of the overview window.
    {kBackgrounds, 1290, 0, 1566, 40, PieceKind::Ours, "cities title 276x40"},
    {kBackgrounds, 1290, 40, 1484, 80, PieceKind::Ours, "products title 194x40"},
    {kBackgrounds, 1490, 40, 1608, 80, PieceKind::Ours, "finance title 118x40"},
    {kBackgrounds, 1290, 80, 1414, 140, PieceKind::Ours, "statistics title 124x60"},
    {kBackgrounds, 1420, 80, 1568, 106, PieceKind::Ours, "statistics subtitle 148x26"},
    {kBackgrounds, 1290, 140, 1500, 174, PieceKind::Ours, "finance picture 210x34"},
    {kBackgrounds, 1290, 180, 1700, 420, PieceKind::Spare, "title pictures"},
    {kBackgrounds, 0, 490, 1700, 1000, PieceKind::Spare, "dialog, research and city-screen backgrounds"},

    // Entrance screen.
    {kEnteranceBackgrounds, 0, 0, 1024, 768, PieceKind::Ours, "entrance picture"},
    {kEnteranceBackgrounds, 0, 768, 1024, 1536, PieceKind::Ours, "settings, load and credits page"},
    {kEnteranceBackgrounds, 0, 1536, 1024, 1572, PieceKind::Ours, "the picture's motto band, Turkish"},
    {kEnterance, 0, 0, 410, 29, PieceKind::Ours, "lit menu items, English"},
    {kEnterance, 0, 30, 410, 59, PieceKind::Ours, "lit menu items, Turkish"},
    {kEnterance, 0, 60, 340, 110, PieceKind::Ours, "start button, plain and lit"},
    {kEnterance, 0, 110, 340, 160, PieceKind::Ours, "back button, plain and lit"},
    {kEnterance, 0, 170, 34, 187, PieceKind::Ours, "list opener 17x17, plain and lit"},

    // Dialog pictures: nation n at ((n-1) mod 5 * 180, (n-1) div 5 * 200).
    {kLeadersSprite, 0, 0, 900, 600, PieceKind::Ours, "leader portraits 180x200, nations 1..13"},
    // The other dialogs' pictures, 180x200 each: the chief, trade, finds, the adviser, ruins.
    {kLeadersSprite, 0, 600, 900, 800, PieceKind::Ours, "pictures of the other dialog groups"},
    // What soldiers found at an exploration site, 180x200 each: a little gold, riches, a
    // science, settlers, warriors, a trap, the burial grounds; three places spare.
    {kLeadersSprite, 0, 800, 900, 1200, PieceKind::Ours, "exploration sites' outcomes"},

    // Map view: (51(v-1), 51(t-1)) 50x50.
    {kTerrainSprite, 0, 0, 254, 356, PieceKind::Fixed, "terrain tiles, 5 variants x 7 terrains"},
    {kCoastSprite, 0, 0, 356, 356, PieceKind::Fixed, "coast pieces"},
    {kCoastSprite, 1020, 0, 1039, 78, PieceKind::Fixed, "river mouths"},
    {kCoastSprite, 1041, 0, 1078, 151, PieceKind::Fixed, "coast corners 37x37"},
    {kMixSprite, 0, 0, 111, 100, PieceKind::Fixed, "land edges W, E"},
    {kMixSprite, 0, 102, 100, 213, PieceKind::Fixed, "land edges N, S"},
    {kMixSprite, 128, 0, 143, 100, PieceKind::Fixed, "fog edges W, E"},
    {kMixSprite, 0, 230, 100, 245, PieceKind::Fixed, "fog edges N, S"},
    {kMixSprite, 0, 246, 111, 346, PieceKind::Fixed, "sea edges W, E"},
    {kMixSprite, 0, 348, 100, 459, PieceKind::Fixed, "sea edges N, S"},
    {kHillSprite, 0, 0, 329, 463, PieceKind::Fixed, "hill shapes, five pieces each"},
    {kRiverSprite, 0, 0, 203, 407, PieceKind::Fixed, "river pieces"},
    {kRiverSprite, 204, 0, 458, 391, PieceKind::Fixed, "river pieces in forest"},
    {kRiverSprite, 459, 0, 713, 391, PieceKind::Fixed, "river pieces in Artic forest"},
    {kRiverSprite, 714, 0, 968, 391, PieceKind::Fixed, "river pieces in grassland forest"},
    {kForestSprite, 1, 1, 215, 671, PieceKind::Fixed, "forest pieces"},
    {kForestSprite, 301, 1, 515, 671, PieceKind::Fixed, "grassland and savannah forest pieces"},
    {kForestSprite, 1, 673, 203, 787, PieceKind::Fixed, "Artic forest pieces"},
    {kRoadSprite, 1, 1, 880, 880, PieceKind::Fixed, "road pieces, 256 neighbour masks"},
    {kRoadOnCornfieldSprite, 1, 1, 880, 880, PieceKind::Fixed, "road pieces, 256 neighbour masks"},
    {kCornfieldSprite, 0, 0, 203, 407, PieceKind::Fixed, "river pieces"},
    {kCornfieldSprite, 204, 0, 356, 101, PieceKind::Fixed, "cornfields"},
    {kCornfieldSprite, 204, 102, 356, 407, PieceKind::Fixed, "joined river pieces 101, 1010"},
    {kCornfieldSprite, 357, 0, 509, 407, PieceKind::Fixed, "joined river pieces"},
    {kProductSprite, 0, 0, 387, 101, PieceKind::Fixed, "special resources and palm grove"},
    {kProductSprite, 0, 104, 418, 132, PieceKind::Ours, "product icons 28x28, products 1..14"},

    // Units: (47(t-1), 47(k-1)) 46x46; outlines (50(t-1), 0) 49x48.
    {kUnitSprite, 0, 0, 1644, 375, PieceKind::Fixed, "units, 35 types x 8 colours"},
    {kUnitOutlinesSprite, 0, 0, 1749, 48, PieceKind::Fixed, "unit pictures, 35 types"},

    // Cities: (60(L-1), 60(S-1)) 59x59; size plates (21(s-1), 21(k-1)) 22x21.
    {kCitySprite, 60, 0, 479, 419, PieceKind::Fixed, "city pictures, levels 2..8 x styles 1..7"},
    {kCitySprite, 0, 480, 479, 539, PieceKind::Fixed, "back walls, levels 1..4, stockade and fortress"},
    {kCitySprite, 1, 514, 298, 527, PieceKind::Fixed, "front walls"},
    {kCitySprite, 0, 540, 150, 600, PieceKind::Ours, "city view: harbour water 150x60"},
    {kCitySprite, 150, 540, 210, 600, PieceKind::Ours, "city view: harbour 60x60"},
    {kCitySprite, 210, 540, 270, 640, PieceKind::Ours, "city view: Colossus 60x100"},
    {kCitySprite, 0, 600, 200, 625, PieceKind::Ours, "city view: stockade 200x25"},
    {kCitySprite, 0, 625, 200, 650, PieceKind::Ours, "city view: fortress 200x25"},
    {kCitySprite, 270, 540, 480, 760, PieceKind::Spare, "city-screen view pieces"},
    {kPopulationSprite, 0, 0, 1051, 168, PieceKind::Fixed, "size plates, sizes 1..50 x 8 colours"},
    {kCityNameSprite, 0, 0, 395, 198, PieceKind::Fixed, "city names, 18-pixel rows, natives at 180"},
    {kCityNameBigSprite, 0, 0, 700, 330, PieceKind::Ours, "city names, 30-pixel rows, natives at 300"},
    {kBuildingSprite, 0, 0, 480, 240, PieceKind::Ours, "building pictures 48x48 by picture id, 10 a row"},
    {kWonderSprite, 0, 0, 704, 856, PieceKind::Ours, "wonder pictures 352x214, wonders 39..46, 2 a row"},

    // Sciences: science s at ((s-1) mod 5 * 210, (s-1) div 5 * 215).
    {kScienceSprite, 0, 0, 1200, 230, PieceKind::Ours, "science tree, four pages of 300x230"},
    {kScienceSprite, 0, 232, 14, 246, PieceKind::Ours, "known-science marker 14x14"},
    {kScienceSprite, 20, 232, 108, 254, PieceKind::Ours, "page buttons 22x22: minus, lit, plus, lit"},
    {kSciencesSprite, 0, 0, 1050, 1505, PieceKind::Fixed, "science pictures 210x215, sciences 1..35"},

    // Small common pictures.
    {kOthersSprite, 0, 33, 195, 264, PieceKind::Fixed, "health bars, colours 1..8"},
    {kOthersSprite, 204, 48, 372, 62, PieceKind::Fixed, "city flags, nations 1..13"},
    {kOthersSprite, 353, 63, 403, 113, PieceKind::Fixed, "fog"},
    {kOthersSprite, 324, 196, 351, 228, PieceKind::Fixed, "exploration site"},
    {kOthersSprite, 352, 221, 359, 228, PieceKind::Fixed, "help value square"},
    {kOthersSprite, 345, 229, 386, 336, PieceKind::Fixed, "experience badges"},
    {kOthersSprite, 0, 283, 93, 306, PieceKind::Fixed, "pointers"},
    {kOthersSprite, 1, 307, 344, 348, PieceKind::Fixed, "route arrows 41x41"},
    {kOthersSprite, 1, 350, 221, 429, PieceKind::Fixed, "panel-button highlights, main-menu button"},
    {kOthersSprite, 222, 350, 417, 405, PieceKind::Fixed, "order buttons 1..7, lit and plain"},
    {kOthersSprite, 192, 406, 272, 422, PieceKind::Fixed, "activity badges"},
    {kOthersSprite, 1, 430, 403, 460, PieceKind::Fixed, "nation emblems 30x30, nations 1..13"},
    {kOthersSprite, 0, 464, 150, 473, PieceKind::Ours, "small product icons 9x9, 1..14 and none"},
    {kOthersSprite, 0, 476, 138, 535, PieceKind::Ours,
     "citizen figures 23x29, styles 0..5, plain and picked"},
    {kOthersSprite, 150, 476, 230, 492, PieceKind::Ours, "coin, military, science, content, discontent"},
    {kOthersSprite, 240, 476, 384, 512, PieceKind::Ours, "news icons 36x36"},
    {kOutlineSprite, 0, 0, 1024, 768, PieceKind::Fixed, "frame around the map view and panels"},

    // Help pages.
    {kHelpSprite, 218, 177, 428, 323, PieceKind::Fixed, "unit statistics panel"},
    {kHelpSprite, 9, 220, 217, 380, PieceKind::Fixed, "building panel"},
    {kHelpSprite, 199, 413, 460, 501, PieceKind::Fixed, "building effects panel"},
    {kHelpSprite, 286, 502, 460, 526, PieceKind::Fixed, "worker row cover"},
    {kHelpSprite, 470, 0, 900, 530, PieceKind::Spare, "chapter pictures"},
};

// Where the map view's pieces stand on their sheets. A piece with several drawings keeps
// them 51 rows apart (56 under a forest); a column that runs out continues in the next.
struct PiecePos {
    int column, row;
};

// Coast pieces of a Sea cell by the land beside it: N 1, E 10, S 100, W 1000. Past row
// 306 the drawings go on in the next column, 357 rows up.
struct CoastPiece {
    int code, column, row, variants;
};
inline constexpr CoastPiece kCoastPieces[] = {
    {1, 0, 0, 7},       {10, 51, 0, 7},      {100, 102, 0, 7},    {1000, 153, 0, 7},   {11, 204, 0, 1},
    {110, 204, 51, 1},  {1011, 306, 153, 1}, {1111, 306, 204, 3}, {1001, 204, 153, 1}, {1100, 204, 102, 1},
    {101, 204, 204, 5}, {1010, 255, 102, 5}, {111, 306, 0, 1},    {1110, 306, 51, 1},  {1101, 306, 102, 1},
};
inline constexpr PiecePos CoastPieceAt(const CoastPiece& piece, int variant) {
    const int row = piece.row + 51 * variant;
    return row > 306 ? PiecePos{piece.column + 51, row - 357} : PiecePos{piece.column, row};
}

// River pieces by the river's digits (N 1, E 10, S 100, W 1000): the plain piece (on the
// river sheet and, for rivers through fields, the cornfield sheet) and the piece under a
// forest, which is 55 rows high. The Artic's forest pieces stand 255 columns right of
// these, the Grassland's and Savannah's 510.
struct RiverPiece {
    int code, column, row, forestColumn, forestRow, variants;
};
inline constexpr RiverPiece kRiverPieces[] = {
    {1, 0, 0, 204, 0, 2},          {10, 0, 102, 204, 112, 2},     {100, 0, 204, 204, 224, 2},
    {1000, 0, 306, 204, 336, 2},   {11, 51, 0, 255, 56, 2},       {110, 51, 102, 255, 168, 2},
    {1100, 51, 204, 255, 280, 2},  {1001, 51, 306, 306, 0, 2},    {111, 102, 0, 306, 112, 2},
    {1110, 102, 102, 306, 224, 2}, {1101, 102, 204, 306, 336, 2}, {1011, 102, 306, 357, 56, 2},
    {1111, 153, 0, 357, 168, 2},   {101, 153, 102, 357, 280, 3},  {1010, 153, 255, 408, 56, 3},
};
inline constexpr PiecePos RiverPieceAt(const RiverPiece& piece, int variant) {
    const int row = piece.row + 51 * variant;
    return row >= 408 ? PiecePos{piece.column + 51, row - 408} : PiecePos{piece.column, row};
}
inline constexpr PiecePos ForestRiverPieceAt(const RiverPiece& piece, int variant) {
    const int row = piece.forestRow + 56 * variant;
    return row >= 392 ? PiecePos{piece.forestColumn + 51, row - 392} : PiecePos{piece.forestColumn, row};
}

// Rivers through joined cornfields: the row of each river's piece in the columns 357
// (joined east), 408 (both sides) and 459 (joined west). Rivers 101 and 1010 have
// three drawings each in the columns 204, 255 and 306, from rows 102 and 255.
inline constexpr int kJoinedFieldRiverRows[8][2] = {{11, 0},    {110, 51},   {1100, 102}, {1001, 153},
                                                    {111, 204}, {1110, 255}, {1101, 306}, {1011, 357}};

// Hill shapes 1..8 by the hills north and west: rows (bottom exclusive) and the width of
// their five pieces (plain, gold, Artic, stone, road), one column apart.
struct HillShape {
    int top, bottom, width;
};
inline constexpr HillShape kHillShapes[8] = {
    {0, 50, 48},    {314, 362, 53}, {362, 412, 48}, {50, 109, 48},
    {254, 314, 53}, {109, 148, 54}, {412, 463, 65}, {148, 204, 63},
};

// Where the owner's flag flies over a city picture, from the cell's corner (the flag is
// drawn 4 pixels up and left of it), by style (rows) and picture level 2..8; the
// pictures put their largest building under its pole.
struct FlagSpot {
    int x, y;
};
inline constexpr FlagSpot kFlagSpots[7][7] = {
    {{28, 6}, {21, 6}, {47, 11}, {32, 4}, {47, 5}, {41, 5}, {39, 5}},
    {{36, 10}, {40, 6}, {42, 21}, {29, 21}, {29, 18}, {30, 16}, {30, 17}},
    {{27, 6}, {32, 10}, {40, 5}, {41, 4}, {41, 1}, {41, 1}, {34, 8}},
    {{44, 12}, {48, 5}, {36, 4}, {36, 2}, {48, 0}, {33, 0}, {41, 1}},
    {{42, 5}, {33, 0}, {42, 1}, {41, 1}, {45, 10}, {48, 5}, {39, 18}},
    {{45, 8}, {48, 5}, {45, 8}, {20, 6}, {21, 1}, {53, 10}, {53, 5}},
    // The industrial towns: the flag on the tallest chimney, right of the middle.
    {{44, 8}, {44, 6}, {46, 4}, {46, 2}, {48, 1}, {48, 0}, {48, 0}},
};

// The city names of the name sheet: nation n's names stand side by side in row
// 18 (n - 1), the natives' (nation 13) in row 180; name k ends at column kCityNameEnds
// (inclusive) and the next begins two columns further on.
inline constexpr int kCityNamesPerRow = 6;
inline constexpr int kCityNameEnds[11][kCityNamesPerRow] = {
    {54, 98, 150, 183, 221, 268},  {75, 152, 207, 269, 340, 394}, {46, 79, 149, 216, 272, 327},
    {42, 108, 161, 215, 266, 322}, {32, 81, 120, 167, 205, 267},  {37, 83, 139, 208, 265, 312},
    {62, 96, 139, 183, 235, 294},  {37, 65, 110, 165, 215, 252},  {36, 78, 129, 176, 208, 249},
    {63, 119, 171, 210, 256, 299}, {39, 75, 131, 167, 204, 228},
};
// The ends of nation n's names (1..10, and 13 for the natives), or null.
inline constexpr const int* CityNameEnds(int nation) {
    if (nation >= 1 && nation <= 10) return kCityNameEnds[nation - 1];
    return nation == 13 ? kCityNameEnds[10] : nullptr;
}
inline constexpr int CityNameRow(int nation) {
    return nation == 13 ? 180 : 18 * (nation - 1);
}

// The big city names of the city screen's title: nation n's names in row 30 (n - 1), the
// natives' in row 300, each centred in a slot of its own.
inline constexpr int kCityNameBigSlot = 116;
inline constexpr int CityNameBigRow(int nation) {
    return nation == 13 ? 300 : 30 * (nation - 1);
}
// The columns left..right (inclusive) of name k (1..6) of a nation; false outside the sheet.
inline constexpr bool FindCityNameXY(int nation, int k, int& left, int& right) {
    if (!((nation >= 1 && nation <= 10) || nation == 13) || k < 1 || k > kCityNamesPerRow) return false;
    left = kCityNameBigSlot * (k - 1);
    right = left + kCityNameBigSlot - 2;
    return true;
}

} // namespace annals::art
