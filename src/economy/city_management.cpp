#include "economy/city_management.h"

namespace annals {

// The computer's city planner comes with its own rules; until then its citizens stay
// where they are and its taxes and spending as they were set.
void AssignCitizens(CityData&) {}
void AdjustTaxRate(CityData&) {}
void SetSpendingLevels(CityData&) {}

} // namespace annals
