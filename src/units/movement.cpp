#include "units/movement.h"

namespace annals {

// Units do not move yet; movement and the tables come with their rules.
void DistanceCalculation() {}
uint8_t Walk(int, int) {
    return 1;
}
uint8_t FindPath(UnitRecord&, int, int, int, int, int) {
    return 0;
}
int roadDistance(int, int, int, int) {
    return -1;
}
RouteStep StepHumanRoute() {
    return RouteStep::Waiting;
}

} // namespace annals
