// Small helpers of the city code, shared by its files only.
#pragma once

#include <cstdint>

namespace annals {

struct CityData;
struct MapCell;

namespace city_internal {

bool Has(const CityData& city, int building);
bool Knows(int civ, int science);
int NationOf(int civ);
// The entry of wonderOwner for wonder building 39..46 (1..8).
int WonderEntry(int building);
// How wonderOwner names the city that built a wonder.
int32_t WonderCode(const CityData& city);
// Whether the wonder stands in one of civ's cities.
bool HoldsWonder(int civ, int building);
// The map cell of the city's square.
MapCell& SquareOf(const CityData& city);

} // namespace city_internal
} // namespace annals
