// Cell changes applied after the cell editor closed, Enter in grids, number cells.
#include "gui/editor/Zellen.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QTableWidget>

namespace trm::gui {

QWidget* Zellenbearbeiter::createEditor(QWidget* eltern, const QStyleOptionViewItem& o, const QModelIndex& i) const {
  ++offen_;
  return QStyledItemDelegate::createEditor(eltern, o, i);
}

void Zellenbearbeiter::destroyEditor(QWidget* editor, const QModelIndex& i) const {
  --offen_;
  QStyledItemDelegate::destroyEditor(editor, i);
}

bool ZelleOffen(const QTableWidget* t) {
  const auto* d = qobject_cast<const Zellenbearbeiter*>(t->itemDelegate());
  return d && d->Offen();
}

void ZellaenderungVerbinden(QTableWidget* t, const bool* fuellen,
                            std::function<void(int, int, const QString&)> anwenden) {
  if (!qobject_cast<Zellenbearbeiter*>(t->itemDelegate())) t->setItemDelegate(new Zellenbearbeiter(t));
  QObject::connect(t, &QTableWidget::cellChanged, t, [t, fuellen, anwenden](int zeile, int spalte) {
    if (fuellen && *fuellen) return;
    const QTableWidgetItem* i = t->item(zeile, spalte);
    if (!i) return;
    const QString text = i->text();
    if (!ZelleOffen(t)) {
      anwenden(zeile, spalte, text);
      return;
    }
    // Inside the editor's commit: applied when the view is done with it (dropped with the grid).
    QMetaObject::invokeMethod(t, [anwenden, zeile, spalte, text] { anwenden(zeile, spalte, text); },
                              Qt::QueuedConnection);
  });
}

bool IstEingabetaste(const QEvent* e) {
  if (e->type() != QEvent::KeyPress) return false;
  const int taste = static_cast<const QKeyEvent*>(e)->key();
  return taste == Qt::Key_Return || taste == Qt::Key_Enter;
}

bool EnterZurNaechstenZeile(QTableWidget* t, const QEvent* e, int spalte) {
  // The editor lets Enter pass on to the grid after it has asked for its commit.
  if (!IstEingabetaste(e) || ZelleOffen(t) || t->rowCount() == 0) return false;
  t->setCurrentCell((t->currentRow() + 1) % t->rowCount(), spalte);
  return true;
}

QWidget* Zahlenzelle::createEditor(QWidget* eltern, const QStyleOptionViewItem& o, const QModelIndex& i) const {
  QWidget* w = Zellenbearbeiter::createEditor(eltern, o, i);
  if (auto* feld = qobject_cast<QLineEdit*>(w))
    feld->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[-0-9,]*")), feld));
  return w;
}

}  // namespace trm::gui
