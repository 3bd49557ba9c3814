// The computer's management of its cities: where citizens work, taxes and spending.
#pragma once

#include <cstdint>

namespace annals {

struct CityData;

// Places every citizen of a computer's city anew. The city square stays worked for Food.
void AssignCitizens(CityData& city);
// Puts another planner in AssignCitizens' place (nullptr: its own), so that whole games
// can be played with a plain planner and compared with the game's.
void SetCitizenPlanner(void (*planner)(CityData&));
// Moves the city's tax rate, in steps of 5, towards what its citizens will bear.
void AdjustTaxRate(CityData& city);
// Chooses the gold the city spends on science and on the military.
void SetSpendingLevels(CityData& city);

// What n more units of stone are worth to the city when `planned` units are already planned.
double StoneValue(const CityData& city, int32_t planned, int32_t n);
// What a cell's special resource is worth for other uses than food.
double SpecialValue(int special);

} // namespace annals
