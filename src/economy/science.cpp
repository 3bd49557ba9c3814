#include "economy/science.h"

namespace annals {

// Research comes with its own rules; until then cities discover nothing.
void AdvanceResearch(CityData&) {}

} // namespace annals
