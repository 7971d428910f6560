// The grid under the program table: writes outside it never touch a cell and
// are reported, so that a stale row number cannot pass unseen.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/grid.h"

namespace parvix::testing {
namespace {

std::vector<std::string> faults;

TEST(GridTest, WritesOutsideTheGridAreReportedAndChangeNothing) {
  Grid grid(2, 3);
  grid.SetText(2, 1, "last");
  faults.clear();
  const GridFaultHandler previous = SetGridFaultHandler([](const char* op, int row, int col) {
    faults.push_back(std::string(op) + " " + std::to_string(row) + "," + std::to_string(col));
  });
  grid.SetText(3, 0, "below");
  grid.SetText(-1, 0, "above");
  grid.SetText(0, 2, "right");
  grid.SetBackColor(5, 0, kOriginGrey);
  grid.SetForeColor(0, -1, kRed);
  grid.SetColors(3, 1, kOriginGrey, kRed);
  grid.SetRow(3, {Cell{"row"}});
  EXPECT_EQ(grid.Text(7, 7), "");  // reads outside stay quiet
  SetGridFaultHandler(previous);
  EXPECT_EQ(faults, (std::vector<std::string>{"SetText 3,0", "SetText -1,0", "SetText 0,2",
                                              "SetBackColor 5,0", "SetForeColor 0,-1",
                                              "SetColors 3,1", "SetRow 3,0"}));
  EXPECT_EQ(grid.Rows(), 3);
  EXPECT_EQ(grid.Text(2, 1), "last");
  EXPECT_EQ(grid.Text(0, 0), "");
}

}  // namespace
}  // namespace parvix::testing
