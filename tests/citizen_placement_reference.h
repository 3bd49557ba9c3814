// The plain citizen planner, kept to check the game's own against.
#pragma once

namespace annals {

struct CityData;

// Places every citizen of a computer's city as AssignCitizens does, asking every question
// afresh.
void AssignCitizensPlain(CityData& city);

} // namespace annals
