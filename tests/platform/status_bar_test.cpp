#include "platform/status_bar.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

namespace platform {
namespace {

TEST(StatusBarModelTest, ListenerHearsOnlyRealChanges) {
  StatusBarModel bar;
  std::vector<int> heard;
  bar.OnChange = [&](int what) { heard.push_back(what); };

  bar.SetPanelText(2, "Blue: 2");
  bar.SetPanelText(2, "Blue: 2");
  bar.SetPanelText(0, "");  // panels start empty
  bar.SetPanelText(4, "Round 1");
  bar.SetPanelText(2, "Blue: 3");
  EXPECT_EQ(heard, (std::vector<int>{2, 4, 2}));
  EXPECT_EQ(bar.PanelText(2), "Blue: 3");
  EXPECT_EQ(bar.PanelText(4), "Round 1");

  heard.clear();
  bar.SetColor(clBtnFace);  // the starting colour
  bar.SetColor(clBlueToMove);
  bar.SetColor(clBlueToMove);
  bar.SetColor(clGreenToMove);
  EXPECT_EQ(heard, (std::vector<int>{StatusBarModel::kColorChanged, StatusBarModel::kColorChanged}));
  EXPECT_EQ(bar.Color(), clGreenToMove);
}

TEST(StatusBarModelTest, WorksWithoutAListenerAndRefusesUnknownPanels) {
  StatusBarModel bar;
  bar.SetPanelText(1, "x");
  bar.SetColor(clRed);
  EXPECT_EQ(bar.PanelText(1), "x");
  EXPECT_THROW(bar.SetPanelText(StatusBarModel::kPanels, "y"), std::out_of_range);
  EXPECT_THROW(bar.PanelText(-1), std::out_of_range);
}

}  // namespace
}  // namespace platform
