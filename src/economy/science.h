// Research: the sciences a civilization learns.
#pragma once

namespace annals {

struct CityData;

// The city's science goes into its owner's current research.
void AdvanceResearch(CityData& city);

} // namespace annals
