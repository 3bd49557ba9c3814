// The city view: which picture stands in which of the city's 45 slots.
#include "economy/city.h"

#include "economy/city_numbers.h"
#include "state/random.h"
#include "state/rules.h"
#include "state/state.h"

#include <cmath>

namespace annals {

using namespace city_numbers;

namespace {

bool IsFree(const CityData& city, int slot) {
    return slot >= 1 && slot <= kLastPictureSlot && city.pictures[slot] == kEmptyPicture;
}

bool IsOccupied(const CityData& city, int slot) {
    const int8_t picture = city.pictures[slot];
    return picture != kEmptyPicture && picture != kBlockedPicture;
}

// A large picture wants room around it. Its room is measured from its own slot with the
// x distance shrunk and the y distance, less a shift, stretched: the picture reaches
// further down than sideways.
struct Room {
    double need = 0; // 0: an ordinary picture that fits anywhere
    double factor = 1.15;
    double shift = 11;
};

Room RoomOf(int building) {
    switch (building) {
    case kWeaverHouse:
    case kWeaverHouse + 1: // Cigar House
    case kWeaverHouse + 2: // Winery
    case kFurrier:
    case kHangingGardens:
    case kColesseum:
    case kHagiaSophia:
    case kObservatory:
    case kEiffelTower:
        return {17, 1.15, 11};
    case kSchoolhouse:
        return {17, 1.25, 10};
    case kPowerPlant:
        return {17, 1.25, 11};
    case kMarketplace:
        return {17, 1.15, 9};
    case kTheatre:
        return {17, 1.0, 11};
    case kBarracks:
        return {13, 1.15, 11};
    case kTemple:
        return {15, 1.15, 11};
    case kPyramids:
        return {19, 1.15, 11};
    default:
        return {};
    }
}

double Distance(int from, int to, const Room& room) {
    const PixelPos a = picturePosition(from), b = picturePosition(to);
    const double dx = (b.x - a.x) / room.factor;
    const double dy = (b.y - a.y - room.shift) * room.factor;
    return std::sqrt(dx * dx + dy * dy);
}

// Whether a large picture in `slot` would crowd a picture already standing.
bool Crowded(const CityData& city, int slot, const Room& room) {
    for (int k = 1; k <= kMaxPictures; ++k)
        if (k != slot && IsOccupied(city, k) && Distance(slot, k, room) < room.need) return true;
    return false;
}

} // namespace

void UpdateNextFreeSlot(CityData& city) {
    for (int k = 1; k <= kLastPictureSlot; ++k) {
        if (city.pictures[k] == kEmptyPicture) {
            city.nextFreeSlot = static_cast<uint8_t>(k);
            return;
        }
    }
    city.nextFreeSlot = kNoFreeSlot;
}

void AddCitizenFigure(CityData& city) {
    const int figure = 1 + Random(3);
    if (IsFree(city, city.nextFreeSlot)) city.pictures[city.nextFreeSlot] = static_cast<int8_t>(figure);
    UpdateNextFreeSlot(city);
}

void RemoveCitizenFigure(CityData& city) {
    for (int k = kMaxPictures; k >= 1; --k) {
        if (city.pictures[k] >= 1 && city.pictures[k] <= 3) {
            city.pictures[k] = kEmptyPicture;
            break;
        }
    }
    UpdateNextFreeSlot(city);
}

void PutPictureInFreeSlot(CityData& city, int building) {
    const int picture = buildingPicture(building);
    UpdateNextFreeSlot(city);
    if (picture != 0 && IsFree(city, city.nextFreeSlot))
        city.pictures[city.nextFreeSlot] = static_cast<int8_t>(picture);
    UpdateNextFreeSlot(city);
}

void PlaceBuildingPicture(CityData& city, int building) {
    const int picture = buildingPicture(building);
    UpdateNextFreeSlot(city);
    if (picture == 0) return;
    const Room room = RoomOf(building);
    int slot = city.nextFreeSlot;
    if (room.need > 0 && (!IsFree(city, slot) || Crowded(city, slot, room))) {
        slot = 0;
        for (int k = 1; k <= kLastPictureSlot && slot == 0; ++k)
            if (IsFree(city, k) && !Crowded(city, k, room)) slot = k;
    }
    if (!IsFree(city, slot)) return; // no room left in the view: the building stands unseen
    city.pictures[slot] = static_cast<int8_t>(picture);
    if (room.need > 0) {
        for (int k = 1; k <= kLastPictureSlot; ++k)
            if (IsFree(city, k) && Distance(slot, k, room) < room.need) city.pictures[k] = kBlockedPicture;
    }
    UpdateNextFreeSlot(city);
}

} // namespace annals
