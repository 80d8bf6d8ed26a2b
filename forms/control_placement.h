#pragma once
// Building blocks shared by the secondary windows: controls placed at fixed pixel positions,
// labels that size themselves to their text, the usual title-bar variants, and centring.
#include <QRect>
#include <QString>
#include <Qt>

class QLabel;
class QPushButton;
class QRadioButton;
class QWidget;

namespace forms {

// A title bar without any button.
inline constexpr Qt::WindowFlags kNoBorderIcons = Qt::CustomizeWindowHint | Qt::WindowTitleHint;
// A title bar with the close box only.
inline constexpr Qt::WindowFlags kCloseBoxOnly =
    kNoBorderIcons | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;

// A top-aligned label at (r.left, r.top) that takes the size of its text whenever the text
// changes; r's size only holds until then.
QLabel* AddLabel(QWidget* parent, const QString& text, const QRect& r);
// A label of fixed width whose text wraps onto further lines, growing downwards.
QLabel* AddWrappingLabel(QWidget* parent, const QString& text, const QRect& r);
// Changes a label's text and sizes the label to it again (a wrapping one keeps its width).
void SetCaption(QLabel* label, const QString& text);
// A picture of fixed place and size; a missing resource leaves it empty.
QLabel* AddPicture(QWidget* parent, const QString& resource, const QRect& r, bool stretched = false);
QPushButton* AddButton(QWidget* parent, const QString& text, const QRect& r);
QRadioButton* AddRadioButton(QWidget* parent, const QString& text, const QRect& r);

// Puts a top-level window in the middle of the primary screen's free area.
void CentreOnScreen(QWidget* window);

}  // namespace forms
