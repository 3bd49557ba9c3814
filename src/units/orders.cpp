#include "units/orders.h"

namespace annals {

// No orders yet; they come with the units' rules.
void UnitActivity(int) {}

} // namespace annals
