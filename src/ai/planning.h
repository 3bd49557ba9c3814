// The computer's once-a-turn look over its whole civilization.
#pragma once

#include "state/state.h"

namespace annals {

// Weighs threats, chooses city sites and founders, escorts, the cities' production, the
// wagon trains' stone, raids and attacks, and the settlers' work of civilization `civ`, and
// marks the pass as done for this turn.
void PlanningPass(int civ);

// How much danger each of a civilization's cities is in, by its list index.
struct ThreatAssessment {
    int cityDefence[kMaxCities + 1];
    // [city][civilization][arrival turn 0..19]; civilization 0 holds the largest of the others.
    double table[kMaxCities + 1][kMaxCivs + 1][20];
    bool threatened[kMaxCities + 1];
};
void AssessThreats(int civ, ThreatAssessment& out);

// Growth of a distance (thirds of a move) in the weighing of a site: far sites cost more
// and more.
double SitePenalty(double d);

// Whether (x, y) may be chosen as `civ`'s next city site: room for a city, buildable land,
// and (the fewer cities founded, the wider) no armed units around.
bool SiteCandidate(int civ, int x, int y);

// The worth of (x, y) as `civ`'s next city: its quality, weighed by how near it lies to the
// civilization's cities. 0 when none of them can reach it.
double SiteScore(int civ, int x, int y);

// Who goes to found the city at a site: a city giving a citizen or a Settler in the field.
struct FounderChoice {
    int city = 0;    // list index of the city that releases a citizen
    int settler = 0; // or the slot of the Settler that goes
    int distance = -1;
};
FounderChoice ChooseFounder(int civ, int sx, int sy, const ThreatAssessment& threats);

// Whether the journey of `distance` thirds is long enough for the cities' income to pay
// for the new city on the way; never outside Despotism and Monarchy.
bool FoundingGateOpen(int civ, int distance);

// Settlers' work: the job (3 field or clearing, 5 hill, 6 road, 10 site visit) worth doing
// at (x, y) for `civ` by a settler `distance` thirds away, and how much; 0 when none.
struct SettlerJob {
    int order = 0;
    double rating = 0;
};
SettlerJob RateSettlerJob(int civ, int x, int y, int distance);
// The Food a city's land wants, from the average Food of its area.
double FoodNeed(const CityData& city);
// The least rating that sends a settler to work.
double SettlerWorkThreshold(int citiesFounded, double gold);

} // namespace annals
