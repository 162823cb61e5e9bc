#pragma once
// A test's link to a simulated controller: isolated environment, every
// module's state at its start values, English texts, the error list read,
// the simulator's parameter blocks installed and behind port 1, the engine
// running and the application online.
#include "sim/SimController.h"
#include "support/TestEnv.h"

struct LinkFixture {
    LinkFixture();
    ~LinkFixture();
    LinkFixture(const LinkFixture &) = delete;
    LinkFixture &operator=(const LinkFixture &) = delete;

    QStringList frames(const char *code) const { return sim.framesOf(code); }

    TestEnv::Scope env;
    SimController sim;
};
