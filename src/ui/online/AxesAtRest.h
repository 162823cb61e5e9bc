#pragma once
// Whether the controller's axes stand still, asked before every write that
// changes the controller's setting (parameters, system parameters, the
// actuators of the online actuator window).

namespace Online {

// "0RA" judged on the axes in use: 1 every axis at rest, 0 one moves, -1
// the query failed. The controller names the axes present at rest, which
// are the axes in use once going online has reconciled them; the parameter
// set's SP AXIS may name others (a file opened, a new axis count about to
// be written) and is left as it was.
int AxesAtRest();

} // namespace Online
