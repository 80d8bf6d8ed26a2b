#include "forms/spin_edit.h"

#include <algorithm>

namespace forms {

SpinEdit::SpinEdit(int minimum, int maximum, int value, QWidget* parent) : QSpinBox(parent) {
  setRange(minimum, maximum);
  setValue(value);
}

int SpinEdit::Value() const { return valueFromText(text()); }

QValidator::State SpinEdit::validate(QString& input, int&) const {
  const bool digitsAndSigns = std::all_of(input.cbegin(), input.cend(), [](QChar c) {
    return (c >= u'0' && c <= u'9') || c == u'+' || c == u'-';
  });
  return digitsAndSigns ? QValidator::Acceptable : QValidator::Invalid;
}

int SpinEdit::valueFromText(const QString& text) const {
  bool isInteger = false;
  const int typed = text.toInt(&isInteger);
  return std::clamp(isInteger ? typed : minimum(), minimum(), maximum());
}

}  // namespace forms
