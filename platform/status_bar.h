#pragma once
// The contents of a status bar: five panel texts and the bar's background colour.
// Listeners hear only of real changes, so rewriting the same text repaints nothing.
#include <array>
#include <functional>
#include <string>

#include "platform/color.h"

namespace platform {

class StatusBarModel {
 public:
  static constexpr int kPanels = 5;
  static constexpr int kColorChanged = -1;

  const std::string& PanelText(int panel) const { return texts_.at(std::size_t(panel)); }
  void SetPanelText(int panel, const std::string& text);
  TColor Color() const { return color_; }
  void SetColor(TColor c);

  // Called with the panel whose text changed, or kColorChanged.
  std::function<void(int)> OnChange;

 private:
  std::array<std::string, kPanels> texts_{};
  TColor color_ = clBtnFace;
};

}  // namespace platform
