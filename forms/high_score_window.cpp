#include "forms/high_score_window.h"

#include <QCloseEvent>
#include <QHeaderView>
#include <QPushButton>
#include <QShowEvent>
#include <QTableWidget>

#include "engine/score_table.h"
#include "forms/control_placement.h"
#include "forms/fonts.h"
#include "forms/main_window.h"
#include "forms/windows.h"

namespace forms {

namespace {
constexpr int kColumnWidths[TForm2::kColumns] = {200, 64, 64};
constexpr int kRowHeight = 18;
}  // namespace

TForm2::TForm2(QWidget* parent)
    : QDialog(parent, Qt::Dialog | kNoBorderIcons | Qt::WindowStaysOnTopHint) {
  setWindowTitle(QStringLiteral("High score"));
  setFont(DialogFont());
  setFixedSize(343, 253);
  setAttribute(Qt::WA_QuitOnClose, false);

  StringGrid1 = new QTableWidget(kRows, kColumns, this);
  StringGrid1->setGeometry(5, 5, 335, 214);
  StringGrid1->horizontalHeader()->hide();
  StringGrid1->verticalHeader()->hide();
  StringGrid1->verticalHeader()->setMinimumSectionSize(kRowHeight);
  StringGrid1->verticalHeader()->setDefaultSectionSize(kRowHeight);
  for (int col = 0; col < kColumns; ++col) StringGrid1->setColumnWidth(col, kColumnWidths[col]);
  StringGrid1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  StringGrid1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  StringGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
  StringGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
  StringGrid1->setShowGrid(true);
  for (int row = 0; row < kRows; ++row)
    for (int col = 0; col < kColumns; ++col) {
      auto* item = new QTableWidgetItem;
      if (row == 0) {  // the fixed header row: face-coloured, never selected
        item->setFlags(Qt::ItemIsEnabled);
        item->setBackground(palette().button());
      }
      StringGrid1->setItem(row, col, item);
    }

  Button1 = AddButton(this, QStringLiteral("&OK"), {130, 225, 75, 25});
  Button1->setDefault(true);
  connect(Button1, &QPushButton::clicked, this, &TForm2::Button1Click);
  CentreOnScreen(this);
}

void TForm2::SetCell(int col, int row, const QString& text) { StringGrid1->item(row, col)->setText(text); }

QString TForm2::Cell(int col, int row) const { return StringGrid1->item(row, col)->text(); }

void TForm2::FormShow() {
  SetCell(0, 0, QStringLiteral("Player name"));
  SetCell(1, 0, QStringLiteral("Percents (%)"));
  SetCell(2, 0, QStringLiteral("Score"));
  // Slot 10 holds the lowest result after a sort and is never shown.
  for (int row = 1; row < kRows; ++row) {
    const engine::TScoreRecord& record = Form1->ScoreTable[std::size_t(row - 1)];
    SetCell(0, row, QString::fromStdString(engine::DecodeName(record)));
    SetCell(1, row, QString::number(engine::DisplayedPercent(record)));
    SetCell(2, row, QString::number(engine::DisplayedScore(record)));
  }
}

void TForm2::Button1Click() {
  SetMainEnabled(true);
  hide();
}

void TForm2::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!event->spontaneous()) FormShow();
}

void TForm2::closeEvent(QCloseEvent* event) {
  SetMainEnabled(true);
  event->accept();
}

void TForm2::reject() {}

}  // namespace forms
