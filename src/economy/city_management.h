// The computer's management of its cities: where citizens work, taxes and spending.
#pragma once

namespace annals {

struct CityData;

// Places every citizen of a computer's city anew.
void AssignCitizens(CityData& city);

} // namespace annals
