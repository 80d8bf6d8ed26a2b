#include "forms/fonts.h"

namespace forms {

namespace {
QFont Font(const char* family, int pixelSize, bool bold) {
  QFont font(QString::fromLatin1(family));
  font.setPixelSize(pixelSize);
  font.setBold(bold);
  font.setStyleHint(QFont::SansSerif);
  return font;
}
}  // namespace

QFont DialogFont(int pixelSize, bool bold) { return Font("DejaVu Sans", pixelSize, bold); }
QFont ArialFont(int pixelSize, bool bold) { return Font("Liberation Sans", pixelSize, bold); }

}  // namespace forms
