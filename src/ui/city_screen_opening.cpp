// Until the city screen draws its figures and garrison, opening it only brings the
// city's production up to date, so the screen and the lists agree.
#include "ui/city_screen_opening.h"

#include "economy/city.h"
#include "state/state.h"

namespace annals {

void OpenCityScreen() {
    if (!InsideMap(ui.cityMenuX, ui.cityMenuY) || !Cell(ui.cityMenuX, ui.cityMenuY).hasCity) return;
    ComputeProduction(City(ui.cityMenuX, ui.cityMenuY));
}

} // namespace annals
