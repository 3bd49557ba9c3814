#include "ai/computer_player.h"

#include "state/state.h"

#include <vector>

namespace annals {

// The computer players' decisions come with their own rules; until then a computer unit
// simply stands.
void AI() {}
void CityReleasePass() {}
bool BorderChecks(int, int, int&) {
    return true;
}

bool ReachTest(int civ, int x, int y, int tx, int ty, int points) {
    if (!InsideMap(x, y) || !InsideMap(tx, ty)) return false;
    // best[x][y] holds the most points left on arriving there, plus 5 (0 = not reached).
    static int best[kMaxMapSize + 1][kMaxMapSize + 1];
    for (int cx = 1; cx <= game.mapWidth; ++cx)
        for (int cy = 1; cy <= game.mapHeight; ++cy) best[cx][cy] = 0;
    struct Visit {
        int x, y, points;
    };
    std::vector<Visit> stack{{x, y, points}};
    while (!stack.empty()) {
        const Visit v = stack.back();
        stack.pop_back();
        if (best[v.x][v.y] != 0 && best[v.x][v.y] >= v.points + 5) continue;
        best[v.x][v.y] = v.points + 5;
        if (v.points <= 0) continue;
        const MapCell& here = Cell(v.x, v.y);
        // The fill reaches the sea and foreign units but does not spread from them.
        if (here.terrain == kSea || (here.unitCount > 0 && here.unitOwner != civ)) continue;
        for (int dx = -1; dx <= 1; ++dx) {
            for (int dy = -1; dy <= 1; ++dy) {
                const int nx = v.x + dx, ny = v.y + dy;
                if (!InsideMap(nx, ny)) continue;
                const int cost = here.road && Cell(nx, ny).road ? 1 : 3;
                const int left = v.points - cost;
                if (best[nx][ny] != 0 && best[nx][ny] >= left + 5) continue;
                stack.push_back({nx, ny, left});
            }
        }
    }
    return best[tx][ty] != 0;
}

} // namespace annals
