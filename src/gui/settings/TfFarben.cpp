// The palette pop-up.
#include "gui/settings/TfFarben.h"

#include <QMouseEvent>
#include <QPainter>

namespace trm::gui {

namespace {
QColor Q(std::int32_t f) { return QColor(Rot(f), Gruen(f), Blau(f)); }
}  // namespace

TfFarben::TfFarben(QWidget* eltern) : QWidget(eltern, Qt::Popup | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
  setObjectName(QStringLiteral("TfFarben"));
  setWindowTitle(QStringLiteral("Farbe auswählen"));
  setFixedSize(8 * kZelle + 10, 4 * kZelle);
}

std::int32_t TfFarben::Zellfarbe(int i) const {
  if (i < 0 || i > 31) return 0;
  return i < 16 ? Standardfarben[static_cast<std::size_t>(i)] : benutzer_[static_cast<std::size_t>(i - 16)];
}

void TfFarben::ZeigenBei(const QPoint& position, const Farbspeicher& benutzer) {
  benutzer_ = benutzer;
  move(position);
  show();
  raise();
}

void TfFarben::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), Q(0x6633CC));
  for (int i = 0; i < 32; ++i) p.fillRect((i / 4) * kZelle + 1, (i % 4) * kZelle + 1, kZelle - 2, kZelle - 2, Q(Zellfarbe(i)));
  // The small cross that closes the pop-up.
  const int x = 8 * kZelle + 2, y = height() - 8;
  p.setPen(Qt::white);
  p.drawLine(x, y, x + 6, y + 6);
  p.drawLine(x, y + 6, x + 6, y);
}

void TfFarben::mousePressEvent(QMouseEvent* e) {
  const QPoint p = e->position().toPoint();
  if (p.x() < 8 * kZelle && gewaehlt) {
    // The colour of the cell under the mouse.
    const int i = (p.x() / kZelle) * 4 + p.y() / kZelle;
    gewaehlt(Zellfarbe(i));
  }
}

void TfFarben::mouseReleaseEvent(QMouseEvent*) { hide(); }

}  // namespace trm::gui
