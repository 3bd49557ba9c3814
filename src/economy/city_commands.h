// What a person orders for one of his cities from its screen: where its citizens work,
// what it trains and builds, what it spends, and what becomes of its stocks.
//
// The citizen a person has picked is kept in the city's releaseX, releaseY: a worked cell
// (its map column and row) or, with releaseX = 100 + b, worker releaseY of building b.
#pragma once

#include <cstdint>

namespace annals {

struct CityData;

constexpr int kMaxJobBoxes = 8;
constexpr int kBuildingWorkerMark = 100; // releaseX = 100 + building

// ---------------------------------------------------------------------------
// The picked citizen

void ClearPickedWorker(CityData& city);
// The worked cell (not the city square) at (x, y) becomes the picked citizen.
bool PickCellWorker(CityData& city, int x, int y);
void PickBuildingWorker(CityData& city, int building, int worker);
// The picked citizen still works where the mark says: a worked cell of this city's 5 x 5
// square other than its own square, or a worker inside a building of this city.
bool PickedCellValid(const CityData& city, int& dx, int& dy);
int PickedBuilding(const CityData& city); // the building of a valid picked worker, else 0
bool HasPickedWorker(const CityData& city);

// A cell a citizen may move to: inside the city's area, not worked by another city, not
// worked by this one.
bool FreeCellForCity(const CityData& city, int x, int y);

// The picked citizen goes to work the free cell (x, y); a citizen leaving a building works
// Food there. False (and nothing changes) when there is no valid pick or the cell is not free.
bool MoveWorkerToCell(CityData& city, int x, int y);
// The picked citizen goes inside `building`, which must have a free place.
bool MoveWorkerToBuilding(CityData& city, int building);
// The picked cell works `product` instead.
bool SetCellProduct(CityData& city, int product);

// Buildings 1..38 the city has that employ workers, in building order; at most eight.
int JobBuildings(const CityData& city, int out[kMaxJobBoxes]);
// Buildings 1..46 the city has that employ workers: no more than eight may stand.
int WorkerBuildingCount(const CityData& city);

// For the worker pop-up: the best yield of `product` over the free cells of the city's
// area (0 when none), and that cell.
int BestFreeYield(const CityData& city, int product, int& x, int& y);

// ---------------------------------------------------------------------------
// Building and spending

enum class BuildingChoice { Chosen, Cancelled, TooMany };
// A press on a row of the building list. While a building is under construction the only
// row cancels it and gives its stone back (up to the store's capacity); otherwise `item`
// (36..81) is started, unless eight working buildings already stand.
BuildingChoice ChooseBuilding(CityData& city, int item);

enum class Spending { Science, Military, Tax };
// One step of a spending button; false when the level is already at its limit.
bool ChangeSpending(CityData& city, Spending what, bool up);

// ---------------------------------------------------------------------------
// Stocks and cargo

// A cargo value that holds goods: 1000 * product + amount, product 1..14.
bool CargoHoldsGoods(int32_t value);
// The owner sells the whole stock of `product`; returns the gold gained (0 for an empty
// stock). The news that the store is full goes.
double SellStock(CityData& city, int product);
enum class LoadResult { Loaded, NoPlace, Nothing };
// Up to 100 units of the stock go into the first empty cargo position of the owner's
// unit `slot`, which stands on the city square.
LoadResult LoadCargo(CityData& city, int slot, int product);
// Cargo position `position` of the owner's unit `slot` is emptied into the city's store
// (what does not fit is lost); later positions move up.
bool UnloadCargo(CityData& city, int slot, int position);
// Cargo positions in use and in all.
int CargoUsed(int civ, int slot);

} // namespace annals
