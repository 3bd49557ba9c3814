// How content a city's citizens are, and why they are not.
#pragma once

#include <string>

namespace annals {

struct CityData;

// The change of the city's happiness this turn. `withTaxes` false leaves the tax burden
// out. For the city whose screen is open it also records the reasons for unhappiness
// (ui.reasons, ui.worstReason) and the result (ui.lastHappinessDelta).
double HappinessDelta(const CityData& city, bool withTaxes);

// The advisory of the city screen: a heading, the advice for ui.worstReason (0..10) and
// a closing note. `cityName` is named by the advice about the form of government.
std::string UnhappinessHeading(int worstReason);
std::string UnhappinessAdvice(int worstReason, const std::string& cityName);
std::string UnhappinessNote();

} // namespace annals
