// Research: every civilization studies one science at a time; its cities' science pays
// off the cost, and a known science unlocks units, buildings, settlers' work and, for
// Monarchy and Democracy, a new form of government.
#pragma once

#include <cstdint>

namespace annals {

struct CityData;

constexpr int kMonarchyScience = 27;
constexpr int kDemocracyScience = 34;

// Whether every science that `science` builds on is known. Sciences without
// requirements (1..6, and any number outside the tree) always pass.
bool ScienceAvailable(int civ, int science);
// The (at most two) sciences a science builds on; 0 for none.
void ScienceRequirements(int science, int& first, int& second);
// A science of the tree that the civilization does not know yet and may take up now.
bool CanResearch(int civ, int science);
// The sciences the civilization may take up now, in increasing order; returns how many
// (at most 50) were written to list[0..].
int ResearchChoices(int civ, int list[50]);

// Computers research in this fixed order; k = 1..50, 0 outside.
int researchOrder(int k);
// The first science of the computer's order that `civ` does not know; 0 when it knows all.
int NextComputerResearch(int civ);

// The science of all the civilization's cities per turn.
double CivScience(int civ);

// The city's science goes into its owner's research. A computer learns the science as
// soon as it is paid off and takes up the next one at once.
void AdvanceResearch(CityData& city);
// At the start of a person's turn: a paid-off science becomes known, and the research
// table opens for the next choice.
void CompleteHumanResearch(int civ);
// A game loaded while a person was still to choose his next science (the table was open
// when it was saved), or a person's first city just founded: the table opens for the
// choice, without a second announcement.
void ResumeHumanResearch(int civ);
// The person's choice on the research table.
void ChooseResearch(int civ, int science);
// The civilization knows `science` from now on (research, a village's gift, a trade).
// Monarchy and Democracy change the government with them.
void LearnScience(int civ, int science);

} // namespace annals
