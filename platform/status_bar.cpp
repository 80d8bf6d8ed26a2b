#include "platform/status_bar.h"

namespace platform {

void StatusBarModel::SetPanelText(int panel, const std::string& text) {
  std::string& current = texts_.at(std::size_t(panel));
  if (current == text) return;
  current = text;
  if (OnChange) OnChange(panel);
}

void StatusBarModel::SetColor(TColor c) {
  if (color_ == c) return;
  color_ = c;
  if (OnChange) OnChange(kColorChanged);
}

}  // namespace platform
