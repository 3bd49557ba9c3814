// The presses of the city screen: workers picked, dragged and dropped, the worker pop-up,
// the production and building lists, the spending buttons, the products column with its
// pop-up, and the cargo pop-ups of the ships and wagon trains in the city.
#include "economy/city.h"
#include "economy/city_commands.h"
#include "state/host.h"
#include "state/rules.h"
#include "state/state.h"
#include "ui/city_screen.h"
#include "ui/text.h"

#include <algorithm>
#include <cmath>

namespace annals {

using namespace city_screen;

namespace {

void Click() {
    PlaySound("click");
}

bool Near(int x, int y, int cx, int cy, double radius) {
    return std::hypot(static_cast<double>(x - cx), static_cast<double>(y - cy)) < radius;
}

bool InWorkArea(int x, int y) {
    return x >= 388 && x < 636 && y >= 196 && y < 444;
}

bool AnyCityPopupOpen() {
    return ui.productionListOpen || ui.buildingListOpen || ui.workerMenuOpen ||
           (ui.productMenu != 0 && !ui.productMenuHovered) || ui.cargoMenu != 0;
}

// A pop-up opens at the press point, kept on the screen.
void PlacePopup(int x, int y, int width, int height) {
    ui.popupX = std::clamp(x, 0, 1024 - width);
    ui.popupY = std::clamp(y, 0, std::max(0, 768 - height));
    ui.popupHeight = height;
}

void OpenWorkerMenu(const CityData& city, int x, int y) {
    CloseCityPopups();
    WorkerEntry entries[kMaxWorkerEntries];
    PlacePopup(x, y, kWorkerMenuWidth, WorkerMenuHeight(WorkerMenuEntries(city, entries)));
    ui.workerMenuOpen = 1;
    Click();
}

void Sell(CityData& city, int product) {
    const double gold = SellStock(city, product);
    if (gold > 0 && IsHuman(city.owner)) {
        PlaySound("golds");
        StartCoinDisplay(gold);
    }
}

void MakeSettler(CityData& city) {
    if (city.size <= 1) {
        ShowMessage(
            Tr("This city has a population of one, so you cannot turn your only citizen into a settler.",
               "Bu şehrin nüfusu bir olduğu için tek şehirlinizi işçiye çeviremezsiniz."));
        return;
    }
    if (city.settlerReleased == 1) {
        ShowMessage(Tr(
            "You have already taken a citizen from this city this turn so you cannot do this one more time.",
            "Bu turda bu şehirden zaten bir şehirli aldınız, bunu bir kez daha yapamazsınız."));
        return;
    }
    const int before = city.size;
    city.settlerReleased = 1;
    ReleaseSettler(city.cityX, city.cityY);
    // A full unit table takes no settler: the city keeps its chance for this turn.
    if (city.size == before) city.settlerReleased = 0;
    OpenCityScreen();
}

void WorkerMenuPress(CityData& city, int x, int y) {
    WorkerEntry entries[kMaxWorkerEntries];
    const int n = WorkerMenuEntries(city, entries);
    int row = 0;
    if (x > ui.popupX && x < ui.popupX + kWorkerMenuWidth) {
        if (y >= ui.popupY + 5 && y < ui.popupY + 5 + 15 * n) row = (y - ui.popupY - 5) / 15 + 1;
        if (y >= ui.popupY + 15 * n + 13 && y < ui.popupY + 15 * n + 33) row = 99;
    }
    ui.workerMenuOpen = 0;
    ui.workerMenuRow = 0;
    if (row == 0) {
        Click();
    } else if (row == 99) {
        MakeSettler(city);
    } else {
        const WorkerEntry& e = entries[row - 1];
        int dx = 0, dy = 0;
        const bool cell = PickedCellValid(city, dx, dy);
        if (e.code <= kProducts) {
            if (cell) {
                SetCellProduct(city, e.code);
            } else if (PickedBuilding(city) != 0 && MoveWorkerToCell(city, e.x, e.y)) {
                city.WorkedProduct(e.x - city.cityX, e.y - city.cityY) = static_cast<uint8_t>(e.code);
            }
        } else {
            MoveWorkerToBuilding(city, e.code - kProducts);
        }
    }
    ClearPickedWorker(city);
    if (OpenCityData() == &city) ComputeProduction(city);
}

void ProductMenuPress(CityData& city, int button, int x, int y) {
    const int product = ui.productMenu / 100;
    const int height = ProductMenuHeight(city);
    int row = 0;
    if (button == 0 && x >= ui.popupX && x < ui.popupX + kProductMenuWidth && y >= ui.popupY + 20 &&
        y < ui.popupY + height)
        row = (y - ui.popupY - 20) / 15 + 1;
    ui.productMenu = 0;
    ui.productMenuHovered = 0;
    if (row == 1) {
        Sell(city, product);
    } else if (row >= 3) {
        int carriers[kMaxUnits + 1];
        const int n = Carriers(city, carriers);
        if (row - 2 <= n && LoadCargo(city, carriers[row - 3], product) == LoadResult::NoPlace)
            ShowMessage(
                Tr("There is no room for new cargo in this unit.", "Bu birlikte yeni yük için yer yok."));
        ComputeProduction(city);
    }
}

void CargoMenuPress(CityData& city, int x, int y) {
    const int position = ui.cargoMenu;
    const FigureSpot& spot = kFigureSpots[position];
    if (Near(x, y, spot.x, spot.y, 17)) {
        ui.cargoMenu = 0;
        return;
    }
    const int slot = FigureUnit(city, position);
    int positions[7];
    const int n = GoodsPositions(city.owner, slot, positions);
    // Only a press on the pop-up itself unloads.
    if (slot != 0 && x >= ui.popupX && x < ui.popupX + kCargoMenuWidth && y >= ui.popupY + 20) {
        const int row = (y - ui.popupY - 20) / 15 + 1;
        if (row <= n) {
            UnloadCargo(city, slot, positions[row - 1]);
            return;
        }
    }
    ui.cargoMenu = 0;
}

bool ProductionListPress(CityData& city, int x, int y) {
    int choices[36];
    const int n = ProductionChoices(city, choices);
    const int height = 15 * n + 10;
    ui.productionListOpen = 0;
    if (x > 232 && x < 382 && y >= 219 && y < 218 + height) {
        const int r = (y - 219) / 15 + 1;
        if (r >= 1 && r <= n) {
            city.unitBuildItem = static_cast<uint8_t>(choices[r - 1]);
            Click();
        }
        return true;
    }
    return false;
}

bool BuildingListPress(CityData& city, int x, int y) {
    int choices[47];
    const int n = city.buildItem != 0 ? 1 : BuildingChoices(city, choices);
    ui.buildingListOpen = 0;
    if (x >= 366 && x < 516 && y >= 304 && y < 304 + 15 * n) {
        const int r = (y - 304) / 15 + 1;
        const int item = city.buildItem != 0 ? city.buildItem : choices[r - 1];
        if (ChooseBuilding(city, item) == BuildingChoice::TooMany)
            ShowMessage(Tr("You cannot build more than 8 buildings in a city.",
                           "Bir şehirde 8 binadan fazlasını kuramazsınız."));
        ComputeProduction(city);
        return true;
    }
    return false;
}

bool SpendingPress(CityData& city, int x, int y) {
    struct Button {
        int x, y;
        Spending what;
        bool up;
    };
    static constexpr Button kButtons[6] = {
        {705, 207, Spending::Science, false},  {735, 207, Spending::Science, true},
        {705, 221, Spending::Military, false}, {735, 221, Spending::Military, true},
        {705, 248, Spending::Tax, false},      {745, 248, Spending::Tax, true},
    };
    for (const Button& b : kButtons) {
        if (!Near(x, y, b.x, b.y, 7)) continue;
        if (ChangeSpending(city, b.what, b.up)) {
            PlaySound("adjust");
            ComputeProduction(city);
        }
        return true;
    }
    return false;
}

bool ProductButtonPress(const CityData& city, int x, int y) {
    int rows[kMaxProductRows + 1];
    const int n = ProductRows(city, rows);
    for (int r = 1; r <= n; ++r) {
        const double a = (833 - x) / 1.8, b = 344 + 13 * (r - 1) + 4 - y;
        if (std::sqrt(a * a + b * b) >= 8) continue;
        CloseCityPopups();
        ui.productMenu = 100 * rows[r] + r;
        PlacePopup(x, y, kProductMenuWidth, ProductMenuHeight(city));
        Click();
        return true;
    }
    return false;
}

bool FigurePress(const CityData& city, int x, int y) {
    FillCityFigures(city);
    for (int p = 1; p <= 8; ++p) {
        if (FigureUnit(city, p) == 0 || !Near(x, y, kFigureSpots[p].x, kFigureSpots[p].y, 17)) continue;
        CloseCityPopups();
        ui.cargoMenu = p;
        ui.popupX = kFigureSpots[p].popupX;
        ui.popupY = kFigureSpots[p].popupY;
        ui.popupHeight = CargoMenuHeight(city);
        Click();
        return true;
    }
    return false;
}

void WorkAreaPress(CityData& city, int button, int x, int y) {
    const int dx = (x - kAreaLeft) / 50 - 2, dy = (y - kAreaTop) / 50 - 2;
    const int cx = city.cityX + dx, cy = city.cityY + dy;
    const bool square = dx == 0 && dy == 0;
    if (InsideMap(cx, cy) && city.Worked(dx, dy)) {
        if (button == 0) {
            CloseCityPopups();
            if (!square) PickCellWorker(city, cx, cy);
        } else if (!square) {
            PickCellWorker(city, cx, cy);
            OpenWorkerMenu(city, x, y);
        }
        return;
    }
    if (HasPickedWorker(city)) {
        CloseCityPopups();
        MoveWorkerToCell(city, cx, cy);
    }
}

bool JobBoxPress(CityData& city, int button, int x, int y) {
    if (!(x >= 181 && x < 370 && y >= 401 && y < 590)) return false;
    int buildings[kMaxJobBoxes];
    const int n = JobBuildings(city, buildings);
    for (int k = 0; k < n; ++k) {
        const int b = buildings[k], col = k / 4, row = k % 4;
        const double cy = 45 * row + 440;
        if (city.jobs[b] < maxWorkers(b) && HasPickedWorker(city)) {
            const double a = 0.25 * (x - (109 * col + 210)), d = (y - cy) / 1.3;
            if (std::sqrt(a * a + d * d) < 16) {
                MoveWorkerToBuilding(city, b);
                return true;
            }
        }
        for (int j = 1; j <= city.jobs[b]; ++j) {
            const double a = x - (109 * col + 227 + 25 * (j - 1)), d = (y - cy) / 1.3;
            if (std::sqrt(a * a + d * d) >= 13) continue;
            PickBuildingWorker(city, b, j);
            if (button == 0) {
                ui.workerDragging = 1;
            } else if (ui.workerMenuOpen) {
                CloseCityPopups();
            } else {
                OpenWorkerMenu(city, x, y);
            }
            return true;
        }
    }
    return false;
}

} // namespace

void CityWorkerDragPress(int button, int x, int y) {
    CityData* city = OpenCityData();
    if (!city || button != 0 || AnyCityPopupOpen() || !InWorkArea(x, y)) return;
    const int dx = (x - kAreaLeft) / 50 - 2, dy = (y - kAreaTop) / 50 - 2;
    if ((dx != 0 || dy != 0) && InsideMap(city->cityX + dx, city->cityY + dy) && city->Worked(dx, dy))
        ui.workerDragging = 1;
}

bool CityMenuMouseDown(int button, int x, int y) {
    CityData* open = OpenCityData();
    if (!open) {
        CloseCityScreen(false);
        return false;
    }
    CityData& city = *open;
    // A press on a note is the note's: it never reaches the map or closes the screen.
    if (!AnyCityPopupOpen() && CityNotePress(city, x, y)) return true;
    if (ui.workerMenuOpen) {
        WorkerMenuPress(city, x, y);
        return true;
    }
    if (ui.productMenu != 0) {
        if (!ui.productMenuHovered) {
            ProductMenuPress(city, button, x, y);
            return true;
        }
        // Opened by the pointer resting on a product's row: a press on one of its lines
        // acts as on a pop-up opened by a press; a press on that row sells.
        if (x >= ui.popupX && x < ui.popupX + kProductMenuWidth && y >= ui.popupY &&
            y < ui.popupY + ProductMenuHeight(city)) {
            ProductMenuPress(city, button, x, y);
            return true;
        }
        const int product = ui.productMenu / 100, r = ui.productMenu % 100;
        ui.productMenu = 0;
        ui.productMenuHovered = 0;
        if (button == 0 && x > 643 && x < 813 && y > 332 + 13 * r && y <= 345 + 13 * r) {
            Sell(city, product);
            return true;
        }
    }
    if (ui.cargoMenu != 0) {
        CargoMenuPress(city, x, y);
        return true;
    }
    const bool productionWasOpen = ui.productionListOpen, buildingWasOpen = ui.buildingListOpen;
    if (productionWasOpen && ProductionListPress(city, x, y)) return true;
    if (buildingWasOpen && BuildingListPress(city, x, y)) return true;
    ui.productionListOpen = ui.buildingListOpen = 0;

    if (Near(x, y, 209, 223, 25)) {
        CloseCityPopups();
        ui.productionListOpen = !productionWasOpen;
        if (ui.productionListOpen) Click();
        return true;
    }
    if (Near(x, y, 366, 299, 15)) {
        CloseCityPopups();
        ui.buildingListOpen = !buildingWasOpen;
        if (ui.buildingListOpen) Click();
        return true;
    }
    if (SpendingPress(city, x, y)) return true;
    if (ProductButtonPress(city, x, y)) return true;
    if (FigurePress(city, x, y)) return true;
    if (InWorkArea(x, y)) {
        WorkAreaPress(city, button, x, y);
        return true;
    }
    JobBoxPress(city, button, x, y);
    return true;
}

} // namespace annals
