#include "economy/science.h"

#include "economy/city.h"
#include "state/chronicle.h"
#include "state/rules.h"
#include "state/state.h"

namespace annals {

namespace {

constexpr int kMonarchy = 3, kDemocracy = 5;

// What each science builds on (0 = nothing more); the first six build on nothing.
constexpr int kRequires[kSciences + 1][2] = {
    {0, 0},                                           //
    {0, 0},   {0, 0},   {0, 0},   {0, 0},   {0, 0},   // 1..5
    {0, 0},   {1, 0},   {2, 7},   {1, 3},   {3, 4},   // 6..10
    {2, 3},   {5, 0},   {6, 12},  {9, 0},   {8, 9},   // 11..15
    {13, 0},  {6, 0},   {9, 10},  {18, 27}, {12, 31}, // 16..20
    {22, 29}, {13, 0},  {14, 0},  {15, 25}, {11, 0},  // 21..25
    {18, 0},  {5, 10},  {24, 0},  {25, 26}, {23, 24}, // 26..30
    {15, 27}, {28, 29}, {16, 30}, {29, 19}, {28, 0},  // 31..35
    {32, 0},  {33, 35}, {33, 36}, {38, 40}, {30, 0},  // 36..40
    {32, 0},  {36, 39}, {41, 0},  {21, 43}, {47, 42}, // 41..45
    {43, 45}, {36, 0},  {40, 0},  {44, 0},  {46, 0},  // 46..50
};

// The computers' order of research.
constexpr int kResearchOrder[kSciences + 1] = {
    0,  4,  2,  3,  5,  1,  11, 6,  17, 12, 7,  8,  10, 27, 13, 16, 9,  15, 31, 22, 20, 18, 25, 26, 29, 21,
    24, 14, 28, 32, 41, 23, 30, 19, 34, 33, 35, 37, 36, 38, 40, 43, 44, 49, 39, 42, 47, 45, 46, 50, 48,
};

bool InPlay(int civ) {
    return civ >= 1 && civ <= kMaxCivs;
}

bool Knows(int civ, int science) {
    return science >= 1 && science <= kSciences && Civ(civ).knows[science] == 1;
}

} // namespace

void ScienceRequirements(int science, int& first, int& second) {
    first = second = 0;
    if (science < 1 || science > kSciences) return;
    first = kRequires[science][0];
    second = kRequires[science][1];
}

bool ScienceAvailable(int civ, int science) {
    if (science < 7 || science > kSciences) return true;
    for (int requirement : kRequires[science])
        if (requirement != 0 && !Knows(civ, requirement)) return false;
    return true;
}

bool CanResearch(int civ, int science) {
    return science >= 1 && science <= kSciences && !Knows(civ, science) && ScienceAvailable(civ, science);
}

int ResearchChoices(int civ, int list[50]) {
    int count = 0;
    for (int s = 1; s <= kSciences; ++s)
        if (CanResearch(civ, s)) list[count++] = s;
    return count;
}

int researchOrder(int k) {
    return k >= 1 && k <= kSciences ? kResearchOrder[k] : 0;
}

int NextComputerResearch(int civ) {
    for (int k = 1; k <= kSciences; ++k)
        if (!Knows(civ, kResearchOrder[k])) return kResearchOrder[k];
    return 0;
}

double CivScience(int civ) {
    if (!InPlay(civ)) return 0;
    const CivRecord& holder = Civ(civ);
    double total = 0;
    for (int k = 1; k <= holder.cityCount && k <= kMaxCities; ++k) {
        const CityData& city = City(holder.cities[k].x, holder.cities[k].y);
        if (city.hasCity && city.owner == civ) total += CityScience(city);
    }
    return total;
}

void AdvanceResearch(CityData& city) {
    if (!city.hasCity || !InPlay(city.owner)) return;
    const int owner = city.owner;
    CivRecord& civ = Civ(owner);
    // A treasury that started the turn in debt pays for nothing, research included.
    if (civ.goldAtTurnStart >= 0 && civ.researchLeft > 0) civ.researchLeft -= CityScience(city);
    if (civ.isComputer != 1 || civ.researchLeft > 0) return;
    // A computer never waits for a choice: what is paid off is learned, and the next
    // science of its order is taken up in the same turn. What was paid beyond the cost
    // is lost.
    civ.researchLeft = 0;
    LearnScience(owner, civ.research);
    const int next = NextComputerResearch(owner);
    if (next != 0) {
        civ.research = next;
        civ.researchLeft = scienceCost(next);
    } else {
        civ.researchLeft = scienceCost(researchOrder(kSciences));
    }
}

void CompleteHumanResearch(int civ) {
    if (!InPlay(civ)) return;
    CivRecord& person = Civ(civ);
    if (person.researchLeft > 0 || person.cityCount == 0 || person.isComputer == 1) return;
    int choices[kSciences];
    // Once the whole tree is known the research still names the last discovery; it is
    // announced once, not again every turn.
    const bool treeKnown = ResearchChoices(civ, choices) == 0;
    if (person.research != 0 && !(treeKnown && Knows(civ, person.research))) {
        LearnScience(civ, person.research);
        ui.discoveryShown = 1;
    }
    ui.selectedScience = 0;
    // The table opens for an announcement or a choice, never empty.
    ui.scienceTableOpen = ui.discoveryShown || ResearchChoices(civ, choices) > 0 ? 1 : 0;
}

void ResumeHumanResearch(int civ) {
    if (!InPlay(civ) || !IsHuman(civ)) return;
    const CivRecord& person = Civ(civ);
    if (person.researchLeft > 0 || person.cityCount == 0) return;
    if (person.research != 0 && !Knows(civ, person.research)) return; // paid off, not yet learned
    int choices[kSciences];
    ui.discoveryShown = 0;
    ui.selectedScience = 0;
    ui.scienceTableOpen = ResearchChoices(civ, choices) > 0 ? 1 : 0;
}

void ChooseResearch(int civ, int science) {
    if (!InPlay(civ) || !CanResearch(civ, science)) return;
    Civ(civ).research = science;
    Civ(civ).researchLeft = scienceCost(science);
}

void LearnScience(int civ, int science) {
    if (!InPlay(civ) || science < 1 || science > kSciences) return;
    CivRecord& learner = Civ(civ);
    bool first = !IsNatives(civ);
    for (int c = 1; c < game.civCount && first; ++c) first = Civ(c).knows[science] != 1;
    if (first) AddChronicle(kScienceFirst, civ, 0, science);
    learner.knows[science] = 1;
    if (science == kMonarchyScience) learner.government = kMonarchy;
    if (science == kDemocracyScience) learner.government = kDemocracy;
}

} // namespace annals
