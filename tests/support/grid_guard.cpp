#include "support/grid_guard.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

#include "base/grid.h"

namespace parvix::testing {

namespace {

// Inside a GoogleTest test the write fails that test; elsewhere (the QtTest
// widget programs) the program stops with the cell named.
void FailOnGridFault(const char* operation, int row, int col) {
  if (::testing::UnitTest::GetInstance()->current_test_info() != nullptr) {
    ADD_FAILURE() << "Grid::" << operation << " outside the grid: row " << row << ", column "
                  << col;
    return;
  }
  std::fprintf(stderr, "Grid::%s outside the grid: row %d, column %d\n", operation, row, col);
  std::abort();
}

}  // namespace

bool InstallGridGuard() {
  SetGridFaultHandler(FailOnGridFault);
  return true;
}

}  // namespace parvix::testing
