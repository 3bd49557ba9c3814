#include "ai/planning.h"

namespace annals {

// The plans come with their own rules; until then the units decide on their own.
void PlanningPass(int) {}

} // namespace annals
