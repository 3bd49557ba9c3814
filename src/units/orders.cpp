#include "units/orders.h"

namespace annals {

// No orders yet; they come with the units' rules.
uint8_t UnitActivity(int) {
    return 1;
}
void CompleteJob(int, int) {}
void BuildOrderButtons() {}

bool IsJobBase(int jobTimer) {
    return jobTimer == 30 || jobTimer == 50 || jobTimer == 60 || jobTimer == 80;
}

} // namespace annals
