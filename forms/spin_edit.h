#pragma once
// A spin box whose text is free to hold any run of digits and signs while it is edited, as a
// spin edit's does; what the text means is decided only when the value is read.
#include <QSpinBox>

namespace forms {

class SpinEdit : public QSpinBox {
 public:
  SpinEdit(int minimum, int maximum, int value, QWidget* parent = nullptr);

  // The text read as an integer (the minimum when it is not one), clamped to the range.
  int Value() const;

 protected:
  QValidator::State validate(QString& input, int& pos) const override;
  int valueFromText(const QString& text) const override;
};

}  // namespace forms
