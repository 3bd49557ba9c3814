#include "economy/city_management.h"

namespace annals {

// The computer's citizen planner comes with its own rules; until then its citizens stay
// where they are.
void AssignCitizens(CityData&) {}

} // namespace annals
