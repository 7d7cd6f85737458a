// The optimiser's status window.
#include "gui/optimiser/TOptiStatus.h"

#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QTimer>
#include <QVBoxLayout>

#include "core/editor/Editor.h"

namespace trm::gui {

TOptiStatus::TOptiStatus(Editor& editor, QWidget* eltern)
    : QWidget(eltern, Qt::Tool | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint), ed_(editor) {
  setObjectName(QStringLiteral("TOptiStatus"));
  setWindowTitle(QStringLiteral("Status"));
  balken_ = new QProgressBar(this);
  balken_->setRange(0, 100);
  balken_->setTextVisible(false);
  takt_ = new QTimer(this);
  takt_->setInterval(250);
  connect(takt_, &QTimer::timeout, this, [this] {
    // One step of 5 per tick; past the end it starts again.
    const int neu = balken_->value() + 5;
    balken_->setValue(neu > 100 ? 0 : neu);
  });
  auto* l = new QVBoxLayout(this);
  l->addWidget(new QLabel(QStringLiteral("Optimierung läuft...Abbrechen mit der ESC-Taste"), this));
  l->addWidget(balken_);
  setFocusPolicy(Qt::StrongFocus);
  // While a run lasts only this window takes input: Esc cancels, nothing else reaches the layout.
  setWindowModality(Qt::ApplicationModal);
}

void TOptiStatus::showEvent(QShowEvent* e) {
  balken_->setValue(0);
  takt_->start();
  if (parentWidget()) {
    const QRect r = parentWidget()->geometry();
    move(r.center() - rect().center());
  }
  QWidget::showEvent(e);
  activateWindow();
  setFocus();
}

void TOptiStatus::hideEvent(QHideEvent* e) {
  takt_->stop();
  QWidget::hideEvent(e);
}

void TOptiStatus::keyPressEvent(QKeyEvent* e) {
  if (e->key() == Qt::Key_Escape) {
    ed_.OptiAbbruchSetzen(true);
    return;
  }
  QWidget::keyPressEvent(e);
}

}  // namespace trm::gui
