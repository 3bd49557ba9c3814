// The computer's management of its cities: where citizens work, taxes and spending.
#pragma once

namespace annals {

struct CityData;

// Places every citizen of a computer's city anew.
void AssignCitizens(CityData& city);
// Moves the city's tax rate, in steps of 5, towards what its citizens will bear.
void AdjustTaxRate(CityData& city);
// Chooses the gold the city spends on science and on the military.
void SetSpendingLevels(CityData& city);

} // namespace annals
