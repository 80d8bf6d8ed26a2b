#pragma once
// The fonts of the windows: a sans face for the dialog font and a metric match for Arial,
// both at exact pixel sizes so text looks the same on every machine.
#include <QFont>

namespace forms {

QFont DialogFont(int pixelSize = 11, bool bold = false);  // DejaVu Sans
QFont ArialFont(int pixelSize, bool bold = false);        // Liberation Sans

}  // namespace forms
