#include "units/movement.h"

namespace annals {

// Units do not move yet; movement and the tables come with their rules.
void DistanceCalculation() {}
RouteStep StepHumanRoute() {
    return RouteStep::Waiting;
}

} // namespace annals
