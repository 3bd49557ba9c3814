// The frame loop lives here.
