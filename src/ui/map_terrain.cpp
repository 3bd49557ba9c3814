// The terrain of a map view, in nine passes over its cells, each drawing over the last:
// ground, coasts, terrain edges, fields, roads, rivers and forests, hills, special
// resources, sites, and the fog over what nobody has seen yet.
#include "state/numbers.h"
#include "state/state.h"
#include "ui/drawing.h"
#include "ui/map_view.h"
#include "ui/overview_screens.h"
#include "ui/sheet_layout.h"
#include "units/unit_table.h"

#include <algorithm>

namespace annals {

namespace {

constexpr int kCell = 50;

// A neighbour of a cell, or null outside the map: such a neighbour is simply absent.
const MapCell* At(int x, int y) {
    return InsideMap(x, y) ? &Cell(x, y) : nullptr;
}

bool IsLand(const MapCell* cell) {
    return cell && cell->terrain != kSea;
}
bool IsSea(const MapCell* cell) {
    return cell && cell->terrain == kSea;
}

// A river that only ends in the cell or crosses it whole.
bool RiverEndOrCross(int river) {
    return river == 1 || river == 10 || river == 100 || river == 1000 || river == 1111;
}

struct Neighbours {
    const MapCell *n, *ne, *e, *se, *s, *sw, *w, *nw;
};

Neighbours Around(int x, int y) {
    return {At(x, y - 1), At(x + 1, y - 1), At(x + 1, y), At(x + 1, y + 1),
            At(x, y + 1), At(x - 1, y + 1), At(x - 1, y), At(x - 1, y - 1)};
}

// Copies a piece of a sheet to (dx, dy) from the cell's corner.
struct CellPainter {
    int left, top;
    void operator()(Sheet sheet, Rect source, int dx = 0, int dy = 0) const {
        DrawSprite(left + dx, top + dy, source, true, sheet);
    }
};

Rect Box(int left, int top, int width, int height) {
    return {left, top, left + width, top + height};
}

using art::RiverPiece;

const RiverPiece* FindRiverPiece(int river) {
    for (const RiverPiece& piece : art::kRiverPieces)
        if (piece.code == river) return &piece;
    return nullptr;
}

// The plain river piece of a cell, on the river sheet or the cornfield sheet.
Rect PlainRiverRect(const RiverPiece& piece, int x, int y) {
    const art::PiecePos at = art::RiverPieceAt(piece, (x + y) % piece.variants);
    return Box(at.column, at.row, 50, 50);
}

// Forest pieces by the forest around: N (or Sea to the north) 1000, E 100, S 10, W 1.
struct ForestPiece {
    int top, bottom, width;
};
ForestPiece ForestPieceFor(int code) {
    switch (code) {
    case 0:
        return {1, 50, 49};
    case 1:
        return {217, 266, 52};
    case 10:
        return {166, 215, 49};
    case 11:
        return {559, 608, 52};
    case 100:
        return {115, 164, 49};
    case 101:
    case 111:
        return {508, 557, 52};
    case 110:
        return {457, 506, 49};
    case 1000:
        return {52, 113, 49};
    case 1001:
        return {394, 455, 52};
    case 1010:
    case 1110:
        return {331, 392, 49};
    case 1100:
        return {268, 329, 49};
    default: // 1011, 1101, 1111
        return {610, 671, 52};
    }
}

// The hill shape by the hills north and west of the cell.
const art::HillShape& HillShapeFor(bool northHill, bool westHill, int x, int y) {
    int shape;
    if (northHill && westHill)
        shape = 8;
    else if (northHill)
        shape = (x + y) % 2 == 0 ? 4 : 5;
    else if (westHill)
        shape = (x + y) % 3 == 2 ? 7 : 6;
    else
        shape = 1 + (x + y) % 3;
    return art::kHillShapes[shape - 1];
}

// The icon of a special resource, or an empty rectangle for none.
Rect SpecialIcon(int special, int terrain, int x, int y) {
    const bool odd = (x + y) % 2 == 1;
    switch (special) {
    case 1:
        if (terrain == kGrassland || terrain == kSavannah) return {186, 38, 221, 67};
        return {0, 0, 30, 32};
    case 2:
        return {0, 0, 30, 32};
    case 3:
        return {63, 0, 80, 30};
    case 4:
        return {81, 0, 123, 29};
    case 5:
        return {124, 0, 150, 24};
    case 6:
        return {151, 0, 179, 30};
    case 7:
        return {180, 0, 208, 33};
    case 8:
        return {209, 0, 228, 31};
    case 9:
        return {229, 0, 261, 32};
    case 10:
        return {262, 0, 294, 32};
    case 11:
        return odd ? Rect{353, 67, 387, 101} : Rect{353, 32, 387, 66};
    case 12:
        return odd ? Rect{318, 67, 352, 101} : Rect{318, 32, 352, 66};
    case 14:
        return {295, 0, 322, 29};
    default: // 13, the oasis, shows no icon
        return {};
    }
}

// Pass 1: the ground. A coastal Sea cell gets its whole picture from the coast pieces.
void DrawGround(const MapCell& cell, int left, int top) {
    if (cell.terrain == kSea && cell.coastal == 1) return;
    DrawSprite(left, top, Box(51 * (cell.tileVariant - 1), 51 * (cell.terrain - 1), 50, 50), false,
               Sheet::TerrainSprite);
}

// Pass 2: the shore of a Sea cell, and the corners of land touching it only diagonally.
void DrawCoast(int x, int y, const Neighbours& nb, const CellPainter& paint) {
    const int code = (IsLand(nb.n) ? 1 : 0) + (IsLand(nb.e) ? 10 : 0) + (IsLand(nb.s) ? 100 : 0) +
                     (IsLand(nb.w) ? 1000 : 0);
    for (const art::CoastPiece& piece : art::kCoastPieces) {
        if (piece.code != code) continue;
        const art::PiecePos at = art::CoastPieceAt(piece, (x + y) % piece.variants);
        paint(Sheet::CoastSprite, Box(at.column, at.row, 50, 50));
    }
    if (IsLand(nb.ne) && IsSea(nb.n) && IsSea(nb.e)) paint(Sheet::CoastSprite, {1041, 0, 1078, 37}, 13, 0);
    if (IsLand(nb.se) && IsSea(nb.s) && IsSea(nb.e)) paint(Sheet::CoastSprite, {1041, 38, 1078, 75}, 13, 13);
    if (IsLand(nb.sw) && IsSea(nb.s) && IsSea(nb.w)) paint(Sheet::CoastSprite, {1041, 76, 1078, 113}, 0, 13);
    if (IsLand(nb.nw) && IsSea(nb.n) && IsSea(nb.w)) paint(Sheet::CoastSprite, {1041, 114, 1078, 151}, 0, 0);
}

// Pass 3: where a neighbour has another terrain, its colour reaches over the edge.
void DrawTerrainEdges(const MapCell& cell, const Neighbours& nb, const CellPainter& paint) {
    const int b = cell.terrain == kSea ? 246 : 0;
    if (nb.w && nb.w->terrain != cell.terrain) {
        const int t = nb.w->terrain;
        paint(Sheet::MixSprite, {16 * (t - 1), b + 51, 16 * (t - 1) + 15, b + 100});
    }
    if (nb.e && nb.e->terrain != cell.terrain) {
        const int t = nb.e->terrain;
        paint(Sheet::MixSprite, {16 * (t - 1), b, 16 * (t - 1) + 15, b + 49}, 35, 0);
    }
    if (nb.n && nb.n->terrain != cell.terrain) {
        const int t = nb.n->terrain;
        paint(Sheet::MixSprite, {51, b + 16 * t + 86, 100, b + 16 * t + 101});
    }
    if (nb.s && nb.s->terrain != cell.terrain) {
        const int t = nb.s->terrain;
        paint(Sheet::MixSprite, {0, b + 16 * t + 86, 49, b + 16 * t + 101}, 0, 35);
    }
}

bool HasCornfield(const MapCell* cell) {
    return cell && cell->cornfield == 1;
}
bool HasRoad(const MapCell* cell) {
    return cell && cell->road == 1;
}

// A cornfield's piece: fields beside each other join into one, unless a road or the end
// of a river lies between them; a river runs through the field in its own pieces.
void DrawCornfield(int x, int y, const MapCell& cell, const Neighbours& nb, const CellPainter& paint) {
    const bool eastField = HasCornfield(nb.e), westField = HasCornfield(nb.w);
    const int v3 = (x + y) % 3;
    const int river = cell.river;
    if (river == 0) {
        const bool joins = (eastField && !HasRoad(nb.e) && !RiverEndOrCross(nb.e->river)) ||
                           (westField && !HasRoad(nb.w) && !RiverEndOrCross(nb.w->river));
        if (joins)
            paint(Sheet::CornfieldSprite,
                  Box(eastField && westField ? 255 : (eastField ? 204 : 306), 51, 50, 50));
        else
            paint(Sheet::CornfieldSprite, Box(204 + 51 * v3, 0, 50, 50));
        return;
    }
    const bool east = eastField && (HasRoad(nb.e) || !RiverEndOrCross(nb.e->river));
    const bool west = westField && (HasRoad(nb.w) || !RiverEndOrCross(nb.w->river));
    const bool openSide = (eastField && !HasRoad(nb.e)) || (westField && !HasRoad(nb.w));
    if ((east || west) && openSide) {
        if (river == 101 || river == 1010) {
            const int column = east && west ? 255 : (east ? 204 : 306);
            paint(Sheet::CornfieldSprite, Box(column, (river == 101 ? 102 : 255) + 51 * v3, 50, 50));
            return;
        }
        for (const auto& [code, row] : art::kJoinedFieldRiverRows) {
            if (code != river) continue;
            paint(Sheet::CornfieldSprite, Box(east && west ? 408 : (west ? 459 : 357), row, 50, 50));
            return;
        }
    }
    if (const RiverPiece* piece = FindRiverPiece(river))
        paint(Sheet::CornfieldSprite, PlainRiverRect(*piece, x, y));
}

void DrawRoad(const MapCell& cell, const Neighbours& nb, const CellPainter& paint) {
    const int mask = (HasRoad(nb.n) ? 128 : 0) + (HasRoad(nb.ne) ? 64 : 0) + (HasRoad(nb.e) ? 32 : 0) +
                     (HasRoad(nb.se) ? 16 : 0) + (HasRoad(nb.s) ? 8 : 0) + (HasRoad(nb.sw) ? 4 : 0) +
                     (HasRoad(nb.w) ? 2 : 0) + (HasRoad(nb.nw) ? 1 : 0);
    const Sheet sheet =
        cell.cornfield == 1 && cell.river == 0 ? Sheet::RoadOnCornfieldSprite : Sheet::RoadSprite;
    paint(sheet, Box(55 * (mask % 16) + 1, 55 * (mask / 16) + 1, 54, 54), -1, -1);
}

// Rivers of the land around that flow into this Sea cell.
void DrawRiverMouths(const Neighbours& nb, const CellPainter& paint) {
    if (nb.s && nb.s->river % 10 == 1) paint(Sheet::CoastSprite, {1020, 0, 1037, 19}, 16, 33);
    if (nb.w && nb.w->river / 10 % 10 >= 1) paint(Sheet::CoastSprite, {1020, 21, 1039, 38}, -3, 16);
    if (nb.n && nb.n->river / 100 % 10 >= 1) paint(Sheet::CoastSprite, {1020, 40, 1037, 59}, 16, -3);
    if (nb.e && nb.e->river / 1000 % 10 >= 1) paint(Sheet::CoastSprite, {1020, 61, 1039, 78}, 34, 16);
}

void DrawRiver(int x, int y, const MapCell& cell, const CellPainter& paint) {
    const RiverPiece* piece = FindRiverPiece(cell.river);
    if (!piece) return;
    if (cell.forest != 1) {
        paint(Sheet::RiverSprite, PlainRiverRect(*piece, x, y));
        return;
    }
    const art::PiecePos at = art::ForestRiverPieceAt(*piece, (x + y) % piece->variants);
    int column = at.column;
    if (cell.terrain == kArtic) column += 255;
    if (cell.terrain == kGrassland || cell.terrain == kSavannah) column += 510;
    paint(Sheet::RiverSprite, Box(column, at.row, 50, 55), 0, -5);
}

bool ForestOrSeaNorth(const Neighbours& nb) {
    return nb.n && (nb.n->forest == 1 || nb.n->terrain == kSea);
}

void DrawForest(int x, int y, const MapCell& cell, const Neighbours& nb, const CellPainter& paint) {
    const int v = (x + y) % 4;
    if (cell.terrain == kDesert) {
        paint(Sheet::ProductSprite, {347, 0, 387, 31}, 4, 10); // a palm grove
        return;
    }
    if (cell.terrain == kArtic) {
        if (ForestOrSeaNorth(nb))
            paint(Sheet::ForestSprite, {51 * v + 1, 673, 51 * v + 50, 735}, 0, -12);
        else
            paint(Sheet::ForestSprite, {51 * v + 1, 736, 51 * v + 50, 786});
        return;
    }
    const int code = (ForestOrSeaNorth(nb) ? 1000 : 0) + (nb.e && nb.e->forest == 1 ? 100 : 0) +
                     (nb.s && nb.s->forest == 1 ? 10 : 0) + (nb.w && nb.w->forest == 1 ? 1 : 0);
    const ForestPiece piece = ForestPieceFor(code);
    const bool wide = piece.width == 52;
    int column = wide ? 54 * v + 1 : 51 * v + 1;
    if (cell.terrain == kGrassland || cell.terrain == kSavannah) column += 300;
    paint(Sheet::ForestSprite, {column, piece.top, column + piece.width, piece.bottom}, wide ? -3 : 0,
          piece.bottom - piece.top > 49 ? -12 : 0);
}

// Pass 5: a hill stands on the cell's bottom-right corner and may reach up and left.
void DrawHill(int x, int y, const MapCell& cell, const Neighbours& nb, int left, int top) {
    const art::HillShape& shape = HillShapeFor(nb.n && nb.n->hill == 1, nb.w && nb.w->hill == 1, x, y);
    const int pitch = shape.width + 1;
    int piece = cell.terrain == kArtic ? 2 : 0;
    if (cell.hillExamined == 1 && cell.special == 12) piece = 1;
    if (cell.hillExamined == 1 && cell.special == 11) piece = 3;
    const int px = left + kCell - shape.width, py = top + kCell - (shape.bottom - shape.top);
    DrawSprite(px, py, {piece * pitch, shape.top, piece * pitch + shape.width, shape.bottom}, true,
               Sheet::HillSprite);
    if (cell.road == 1)
        DrawSprite(px + 1, py, {4 * pitch + 1, shape.top, 5 * pitch - 1, shape.bottom}, true,
                   Sheet::HillSprite);
}

} // namespace

MapView MainView() {
    return {12, 9, game.viewX, game.viewY, 20, 15};
}

int HasFraction(double v) {
    return v != static_cast<double>(Trunc(v)) ? 1 : 0;
}

int CellLeft(const MapView& view, int x) {
    const int whole = Trunc(view.originX);
    return (x - whole) * kCell + view.left - Round((view.originX - whole) * kCell);
}

int CellTop(const MapView& view, int y) {
    const int whole = Trunc(view.originY);
    return (y - whole) * kCell + view.top - Round((view.originY - whole) * kCell);
}

// The view may reach past the map's last column or row (an origin beyond its limit, a
// small view at the edge): those cells are not drawn, and nothing is read from them.
CellSpan ViewColumns(const MapView& view) {
    const int first = Trunc(view.originX);
    return {std::max(first, 1),
            std::min(first + view.columns - 1 + HasFraction(view.originX), int(game.mapWidth))};
}

CellSpan ViewRows(const MapView& view) {
    const int first = Trunc(view.originY);
    return {std::max(first, 1),
            std::min(first + view.rows - 1 + HasFraction(view.originY), int(game.mapHeight))};
}

void ClampView() {
    game.viewX = std::max(game.viewX, 1.0);
    game.viewY = std::max(game.viewY, 1.0);
    game.viewX = std::min(game.viewX, game.mapWidth - 19.0);
    game.viewY = std::min(game.viewY, game.mapHeight - 14.0);
}

void CentreViewOn(int x, int y) {
    game.viewX = x - 10.0;
    game.viewY = y - 7.5;
    ClampView();
}

bool InUnitView(int x, int y) {
    return game.viewX <= x && x <= game.viewX + 20 && game.viewY <= y && y <= game.viewY + 15;
}

bool Seen(const MapCell& cell) {
    return cell.explored == 1 || NobodyPlays();
}

bool ShownOnMap(int x, int y) {
    return InsideMap(x, y) && InUnitView(x, y) && Seen(Cell(x, y));
}

bool CoveredByCityScreen(int x, int y) {
    if (ui.cityMenuX == 0) return false;
    const double dx = x - game.viewX, dy = y - game.viewY;
    return dx >= 3 && dx <= 16 && dy >= 4 && dy <= 10;
}

void DrawSampleCell(int left, int top, const MapCell& cell) {
    if (!PicturesShown()) return;
    const CellPainter at{left, top};
    // A road runs on north and south; a lone cell has no other neighbours.
    MapCell roadCell{};
    roadCell.road = 1;
    roadCell.terrain = cell.terrain;
    Neighbours nb{};
    if (cell.road == 1) nb.n = nb.s = &roadCell;
    DrawGround(cell, left, top);
    if (cell.cornfield == 1 && cell.road != 1) DrawCornfield(0, 0, cell, nb, at);
    if (cell.road == 1) DrawRoad(cell, nb, at);
    if (cell.river != 0 && cell.cornfield != 1) DrawRiver(0, 0, cell, at);
    if (cell.forest == 1 && cell.river == 0) DrawForest(0, 0, cell, nb, at);
    if (cell.hill == 1) DrawHill(0, 0, cell, nb, left, top);
}

void RedrawMapCell(int x, int y) {
    const MapView main = MainView();
    DrawTerrain(CellLeft(main, x), CellTop(main, y), x, y, 1, 1);
}

void DrawTerrain(int left, int top, double originX, double originY, int columns, int rows) {
    if (!PicturesShown()) return;
    const MapView view{left, top, originX, originY, columns, rows};
    const CellSpan xs = ViewColumns(view), ys = ViewRows(view);
    // The city screen's own 5 x 5 view shows every cell; other views leave out what it covers.
    const bool testCover = columns != 5 && ui.cityMenuX != 0;
    // Under an open overview or the help only the cells that show round its edges are
    // drawn. A cell's pictures stay within it, but for hills and trees, which reach up
    // to 15 pixels up and left of it.
    // The city screen leaves out its own cells above and lets specials show at its edge.
    const Rect under = columns == 20 && ui.cityMenuX == 0 ? OpenWindowSolidArea() : Rect{};
    constexpr int kReach = 16;
    auto hidden = [&](int cellLeft, int cellTop) {
        return !under.Empty() && cellLeft - kReach >= under.left && cellTop - kReach >= under.top &&
               cellLeft + kCell <= under.right && cellTop + kCell <= under.bottom;
    };

    // Each pass goes over every cell of the view before the next begins.
    auto pass = [&](bool skipCovered, auto&& draw) {
        for (int x = xs.first; x <= xs.last; ++x) {
            const int cellLeft = CellLeft(view, x);
            for (int y = ys.first; y <= ys.last; ++y) {
                if (skipCovered && testCover && CoveredByCityScreen(x, y)) continue;
                const int cellTop = CellTop(view, y);
                if (hidden(cellLeft, cellTop)) continue;
                draw(x, y, Cell(x, y), CellPainter{cellLeft, cellTop});
            }
        }
    };

    pass(true, [](int, int, const MapCell& cell, CellPainter at) { DrawGround(cell, at.left, at.top); });
    pass(true, [](int x, int y, const MapCell& cell, CellPainter at) {
        if (cell.terrain == kSea) DrawCoast(x, y, Around(x, y), at);
    });
    pass(true,
         [](int x, int y, const MapCell& cell, CellPainter at) { DrawTerrainEdges(cell, Around(x, y), at); });
    pass(true, [](int x, int y, const MapCell& cell, CellPainter at) {
        if (!cell.cornfield && !cell.road && !cell.river && !cell.forest && cell.terrain != kSea) return;
        const Neighbours nb = Around(x, y);
        if (cell.cornfield == 1 && (cell.road != 1 || cell.river != 0)) DrawCornfield(x, y, cell, nb, at);
        if (cell.road == 1) DrawRoad(cell, nb, at);
        if (cell.terrain == kSea) DrawRiverMouths(nb, at);
        if (cell.terrain != kSea && cell.river != 0 && cell.cornfield != 1) DrawRiver(x, y, cell, at);
        if (cell.forest == 1 && cell.river == 0) DrawForest(x, y, cell, nb, at);
    });
    pass(true, [](int x, int y, const MapCell& cell, CellPainter at) {
        if (cell.terrain != kSea && cell.hill == 1) DrawHill(x, y, cell, Around(x, y), at.left, at.top);
    });
    // Specials show over the city screen's edge too.
    pass(false, [](int x, int y, const MapCell& cell, CellPainter at) {
        if (cell.special == 0 || cell.hill == 1) return;
        const Rect icon = SpecialIcon(cell.special, cell.terrain, x, y);
        if (icon.Empty()) return;
        DrawSprite(Round(at.left + 25 - icon.Width() / 2.0), Round(at.top + 25 - icon.Height() / 2.0), icon,
                   true, Sheet::ProductSprite);
    });
    pass(true, [](int, int, const MapCell& cell, CellPainter at) {
        if (cell.site != 0) at(Sheet::OthersSprite, {324, 196, 351, 228}, 12, 10);
    });
    pass(true, [](int, int, const MapCell& cell, CellPainter at) {
        if (!Seen(cell)) at(Sheet::OthersSprite, {353, 63, 403, 113});
    });
    // Soft edges where the seen land meets the unseen; small views have no room for them.
    if (columns < 6) return;
    pass(true, [](int x, int y, const MapCell& cell, CellPainter at) {
        if (!Seen(cell)) return;
        const Neighbours nb = Around(x, y);
        if (nb.w && !Seen(*nb.w)) at(Sheet::MixSprite, {128, 51, 143, 100});
        if (nb.e && !Seen(*nb.e)) at(Sheet::MixSprite, {128, 0, 143, 49}, 35, 0);
        if (nb.n && !Seen(*nb.n)) at(Sheet::MixSprite, {51, 230, 100, 245});
        if (nb.s && !Seen(*nb.s)) at(Sheet::MixSprite, {0, 230, 49, 245}, 0, 35);
    });
}

} // namespace annals
