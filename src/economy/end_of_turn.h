// The update of every civilization at the end of a game turn: the calendar, contacts,
// strength, relations, upkeep, every city's turn, research, and the computer's planning
// of its cities.
#pragma once

#include <cstdint>

namespace annals {

// Runs once per game turn, when the turn wraps from the natives to civilization 1.
void EndOfTurn();

// The year after `year`: +100 up to 2000 BC, +50 up to 1000 BC, +20 up to 999, then +10.
int32_t NextYear(int32_t year);

// The strength of a civilization as the statistics record it: its soldiers by weight and
// the citizens of its cities.
int32_t CivilizationStrength(int civ);

// Relations between civilizations: 0 means the two never met, above 20 they are at peace.
constexpr double kRelationPeace = 20;
// Quarrels wear a relation down to this floor and no further.
constexpr double kRelationFloor = 10;

// Lowers a relation by `amount`, never below the floor. A relation already at or below
// the floor stays as it is, so two peoples who never met (0) are not made acquainted.
void LowerRelation(double& relation, double amount);

} // namespace annals
