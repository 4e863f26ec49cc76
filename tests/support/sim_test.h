// A test on a fresh simulated machine: every prompt must have been expected,
// and every expected prompt must have come.
#pragma once

#include <gtest/gtest.h>

#include "platform/machine.h"
#include "platform/sim/headless_ui.h"
#include "platform/sim/sim_machine.h"
#include "platform/ui/application.h"

namespace sv::test {

class SimTest : public ::testing::Test {
protected:
    SimTest() {
        ui::application().reset();
        ui::headlessUi().reset();
    }
    void TearDown() override {
        for (const auto& p : ui::headlessUi().problems()) ADD_FAILURE() << "window: " << p;
        for (const auto& u : ui::headlessUi().unusedExpectations()) ADD_FAILURE() << "expected window never came: " << u;
        for (const auto& p : m.dlg().problems()) ADD_FAILURE() << "dialog: " << p;
        for (const auto& u : m.dlg().unusedExpectations()) ADD_FAILURE() << "expected dialog never came: " << u;
    }

    sim::SimMachine m;
    MachineGuard guard{m};
};

}  // namespace sv::test
