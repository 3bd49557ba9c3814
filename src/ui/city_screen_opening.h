// Opening the city screen of the city at (ui.cityMenuX, ui.cityMenuY).
#pragma once

namespace annals {

// The caller has set the city's square, played "city", noted that a city screen was
// opened and which list (if any) to return to; this makes the city's figures current.
void OpenCityScreen();

} // namespace annals
