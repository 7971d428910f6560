// Makes every write outside a grid fail the running test, whatever the build
// type: each test program that includes this header installs the handler
// before its tests start.
#pragma once

namespace parvix::testing {

// Installs the failing grid fault handler; returns true.
bool InstallGridGuard();

inline const bool kGridGuardInstalled = InstallGridGuard();

}  // namespace parvix::testing
