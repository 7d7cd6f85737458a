// The habits shared by the data grids of the tool windows: how a typed cell value reaches the
// core, what Enter does, and the cell editor for numbers.
#pragma once

#include <QStyledItemDelegate>
#include <QString>
#include <functional>

class QEvent;
class QTableWidget;

namespace trm::gui {

/// Connects a grid's cell changes to `anwenden` (row, column, new text). A value typed into a
/// cell editor is applied once the editor has closed: the command it runs may show a message
/// box or rebuild the grid, which must never happen while the view still works on the editor.
/// A change made by code (a pasted value) is applied at once. Nothing is applied while
/// `*fuellen` is set (the window filling its cells).
void ZellaenderungVerbinden(QTableWidget* t, const bool* fuellen,
                            std::function<void(int zeile, int spalte, const QString& text)> anwenden);

/// Whether the event is a press of Enter or Return.
bool IstEingabetaste(const QEvent* e);

/// Enter in a grid with no open cell editor moves to the next row in column `spalte`, from the
/// last back to the first; true when it did. An open editor keeps the key: it commits the cell.
bool EnterZurNaechstenZeile(QTableWidget* t, const QEvent* e, int spalte);

/// The cell editors of a grid, counted: while one is open, a cell change comes from its commit.
class Zellenbearbeiter : public QStyledItemDelegate {
  Q_OBJECT
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  QWidget* createEditor(QWidget* eltern, const QStyleOptionViewItem& o, const QModelIndex& i) const override;
  void destroyEditor(QWidget* editor, const QModelIndex& i) const override;
  bool Offen() const { return offen_ > 0; }

 private:
  mutable int offen_ = 0;
};

/// A cell editor that takes digits, the decimal comma and the minus sign only.
class Zahlenzelle : public Zellenbearbeiter {
  Q_OBJECT
 public:
  using Zellenbearbeiter::Zellenbearbeiter;
  QWidget* createEditor(QWidget* eltern, const QStyleOptionViewItem& o, const QModelIndex& i) const override;
};

/// Whether a cell of the grid is being edited (its delegate a Zellenbearbeiter).
bool ZelleOffen(const QTableWidget* t);

}  // namespace trm::gui
