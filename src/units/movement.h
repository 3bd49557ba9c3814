// Movement, routes and the distance tables.
#pragma once

namespace annals {

// Rebuilds every distance table for the current civilization.
void DistanceCalculation();

enum class RouteStep {
    Waiting,  // the move animation is still running: nothing stepped
    Stepped,  // the unit stepped along its route
    EndFrame, // the route ended with a ship's extra step: the frame ends without drawing
};

// One frame's route stepping of the current human unit: recompute its route and, while
// its move animation is at rest, step it along.
RouteStep StepHumanRoute();

} // namespace annals
