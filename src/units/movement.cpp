#include "units/movement.h"

namespace annals {

// Units do not move yet; movement and routes come with their rules.
RouteStep StepHumanRoute() {
    return RouteStep::Waiting;
}

} // namespace annals
