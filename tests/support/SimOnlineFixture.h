#pragma once
// A test's world with a simulated controller behind port 1: clean state
// (versions, parameter data, system parameters, going-online trace, choice
// answers), English texts, the port not kept open, the link started. With
// pcMatches the PC's actuator setting equals the controller's as installed.
#include "sim/SimOnline.h"
#include "support/TestEnv.h"

namespace SimOnline {
struct Fixture {
    explicit Fixture(bool pcMatches = false);
    TestEnv::Scope env;
    SimController sim;
};
} // namespace SimOnline
