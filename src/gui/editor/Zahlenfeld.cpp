// Numeric edit fields with key filter and value pop-up.
#include "gui/editor/Zahlenfeld.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QPointer>

#include "core/model/Eingabefilter.h"

namespace trm::gui {

Zahlenfeld::Zahlenfeld(bool ganzzahl, QWidget* eltern) : QLineEdit(eltern), ganzzahl_(ganzzahl) {
  setAlignment(Qt::AlignRight);
  setMaximumWidth(90);
}

void Zahlenfeld::Zeigen(const QString& text) {
  gezeigt_ = text;
  setText(text);
  setModified(false);
}

void Zahlenfeld::Anwenden() {
  setModified(false);
  // A decimal point is taken as the comma the files and the core use.
  QString t = text();
  if (!ganzzahl_ && t.contains(QChar('.'))) {
    t.replace(QChar('.'), QChar(','));
    setText(t);
    setModified(false);
  }
  if (Uebernehmen) Uebernehmen(t);
}

void Zahlenfeld::keyPressEvent(QKeyEvent* e) {
  // Editing and navigation keys pass; typed characters go through the filter.
  const QString t = e->text();
  const bool steuer = t.isEmpty() || e->key() == Qt::Key_Delete || e->key() == Qt::Key_Left ||
                      e->key() == Qt::Key_Right || e->key() == Qt::Key_Home || e->key() == Qt::Key_End ||
                      (e->modifiers() & Qt::ControlModifier);
  if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
    // The command may show a message or rebuild the window that holds this field.
    const QPointer<Zahlenfeld> selbst(this);
    if (isModified()) Anwenden();
    if (!selbst) return;
    emit Eingabetaste();
    if (selbst && enterWeiter) focusNextChild();
    return;
  }
  if (e->key() == Qt::Key_Escape && isModified()) {
    // Esc takes back what was typed; without a change it goes on to the window.
    Zeigen(gezeigt_);
    return;
  }
  if (steuer) return QLineEdit::keyPressEvent(e);
  const char32_t taste = t.toUcs4().value(0);
  const Tastenwirkung w = ganzzahl_ ? IntFilter(taste) : RealFilter(taste);
  if (w == Tastenwirkung::Annehmen) QLineEdit::keyPressEvent(e);
}

void Zahlenfeld::focusOutEvent(QFocusEvent* e) {
  QLineEdit::focusOutEvent(e);
  if (isModified()) Anwenden();
}

void Zahlenfeld::contextMenuEvent(QContextMenuEvent* e) {
  QMenu menue(this);
  QAction* kopieren = menue.addAction(QStringLiteral("Wert kopieren"), this, [this] {
    *wertpuffer = text().toStdString();
    QApplication::clipboard()->setText(text());
  });
  kopieren->setEnabled(wertpuffer != nullptr);
  QAction* einfuegen = menue.addAction(QStringLiteral("Wert einfügen"), this, [this] {
    setText(QString::fromStdString(*wertpuffer));
    Anwenden();
  });
  einfuegen->setEnabled(wertpuffer != nullptr && !wertpuffer->empty());
  menue.exec(e->globalPos());
}

}  // namespace trm::gui
