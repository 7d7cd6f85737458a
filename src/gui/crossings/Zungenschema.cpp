// The blade schematic of the slip windows.
#include "gui/crossings/Zungenschema.h"

#include <QMouseEvent>
#include <QPainter>
#include <cmath>

namespace trm::gui {

namespace {

const QColor Frei(0, 255, 255);        // cyan: in place
const QColor Getauscht(204, 51, 102);  // purple (Windows colour 6697932): swapped
constexpr int Radius = 7;

}  // namespace

Zungenschema::Zungenschema(QWidget* eltern) : QWidget(eltern) {
  setObjectName(QStringLiteral("PB_Zungen"));
  setFixedSize(240, 150);
  setMouseTracking(true);
}

void Zungenschema::Setzen(bool doppelt, const std::array<bool, 4>& getauscht) {
  doppelt_ = doppelt;
  getauscht_ = getauscht;
  update();
}

QPoint Zungenschema::Mitte(Zungenkreis k) {
  switch (k) {
    case Zungenkreis::ObenLinks: return {50, 49};
    case Zungenkreis::UntenLinks: return {50, 91};
    case Zungenkreis::ObenRechts: return {190, 49};
    case Zungenkreis::UntenRechts: return {190, 91};
  }
  return {};
}

void Zungenschema::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), Qt::white);
  p.fillRect(QRect(0, 0, width(), 18), QColor(0, 0, 128));
  p.setPen(Qt::white);
  p.drawText(QRect(4, 0, width() - 8, 18), Qt::AlignVCenter | Qt::AlignLeft, QStringLiteral("Zungenvorrichtung vertauschen"));
  p.setPen(QPen(Qt::black, 2));
  // The slip lines join the crossing lines where they pass the circles' centres.
  p.drawLine(20, 100, 220, 40);
  p.drawLine(20, 40, 220, 100);
  p.drawLine(Mitte(Zungenkreis::ObenLinks), Mitte(Zungenkreis::ObenRechts));
  if (doppelt_) p.drawLine(Mitte(Zungenkreis::UntenLinks), Mitte(Zungenkreis::UntenRechts));
  p.setPen(QPen(Qt::black, 1));
  auto kreis = [&](QPoint m, bool getauscht) {
    p.setBrush(getauscht ? Getauscht : Frei);
    p.drawEllipse(m, Radius, Radius);
  };
  for (Zungenkreis k : {Zungenkreis::ObenLinks, Zungenkreis::UntenLinks, Zungenkreis::ObenRechts, Zungenkreis::UntenRechts}) {
    const bool unten = k == Zungenkreis::UntenLinks || k == Zungenkreis::UntenRechts;
    if (unten && !doppelt_) continue;
    kreis(Mitte(k), getauscht_[static_cast<std::size_t>(k)]);
  }
  kreis({14, 119}, false);
  kreis({14, 139}, true);
  p.setPen(Qt::black);
  p.drawText(QPoint(24, 123), QStringLiteral(" = nicht getauscht"));
  p.drawText(QPoint(24, 143), QStringLiteral(" = getauscht"));
}

std::optional<Zungenkreis> Zungenschema::Kreis(QPoint p, int abstand) const {
  for (Zungenkreis k : {Zungenkreis::ObenLinks, Zungenkreis::UntenLinks, Zungenkreis::ObenRechts, Zungenkreis::UntenRechts}) {
    const bool unten = k == Zungenkreis::UntenLinks || k == Zungenkreis::UntenRechts;
    if (unten && !doppelt_) continue;
    const QPoint d = p - Mitte(k);
    if (std::lround(std::hypot(d.x(), d.y())) <= abstand) return k;
  }
  return std::nullopt;
}

void Zungenschema::mousePressEvent(QMouseEvent* e) {
  if (const auto k = Kreis(e->position().toPoint(), 8); k && geklickt) geklickt(*k);
}

void Zungenschema::mouseMoveEvent(QMouseEvent* e) {
  if (darueber) darueber(Kreis(e->position().toPoint(), 16));
}

void Zungenschema::leaveEvent(QEvent*) {
  if (darueber) darueber(std::nullopt);
}

}  // namespace trm::gui
