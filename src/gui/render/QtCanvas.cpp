// QPainter drawing of the canvas calls.
#include "gui/render/QtCanvas.h"

#include <QFontMetrics>
#include <QPolygon>
#include <algorithm>

#include "core/render/ModulZeichnen.h"

namespace trm::gui {

QColor QFarbe(std::int32_t farbe) {
  return QColor(farbe & 0xFF, (farbe >> 8) & 0xFF, (farbe >> 16) & 0xFF);
}

namespace {
QPolygon QPunkte(const std::vector<PixelPunkt>& punkte) {
  QPolygon q(static_cast<int>(punkte.size()));
  for (int i = 0; i < q.size(); ++i) q[i] = QPoint(punkte[static_cast<std::size_t>(i)].x, punkte[static_cast<std::size_t>(i)].y);
  return q;
}
}  // namespace

QtCanvas::QtCanvas(QPainter& painter, std::int32_t breite, std::int32_t hoehe, int schriftgroesse)
    : p_(painter),
      breite_(breite),
      hoehe_(hoehe),
      schrift_(QStringLiteral("Sans Serif"), schriftgroesse > 0 ? schriftgroesse : Schriftgroesse) {
  p_.setRenderHint(QPainter::Antialiasing, false);
  p_.setRenderHint(QPainter::TextAntialiasing, true);
  p_.setFont(schrift_);
  SetStift({});
  SetPinsel({});
}

void QtCanvas::SetStift(const Stift& s) {
  QPen stift(QFarbe(s.farbe));
  stift.setWidth(s.breite > 1 ? s.breite : 0);  // 0: cosmetic, one pixel at any transform
  stift.setStyle(s.gepunktet ? Qt::DotLine : Qt::SolidLine);
  p_.setPen(stift);
}

void QtCanvas::SetPinsel(const Pinsel& p) {
  p_.setBrush(p.leer ? QBrush(Qt::NoBrush) : QBrush(QFarbe(p.farbe)));
}

void QtCanvas::Fuellen(std::int32_t farbe) {
  p_.fillRect(fuellbereich.value_or(QRect(0, 0, breite_, hoehe_)), QFarbe(farbe));
}

void QtCanvas::Linie(PixelPunkt a, PixelPunkt b) { p_.drawLine(a.x, a.y, b.x, b.y); }

void QtCanvas::Polylinie(const std::vector<PixelPunkt>& punkte) { p_.drawPolyline(QPunkte(punkte)); }

void QtCanvas::Polygon(const std::vector<PixelPunkt>& punkte) { p_.drawPolygon(QPunkte(punkte)); }

void QtCanvas::Ellipse(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2) {
  p_.drawEllipse(QRect(QPoint(x1, y1), QPoint(x2 - 1, y2 - 1)));
}

void QtCanvas::Pixel(PixelPunkt p, std::int32_t farbe) {
  const QPen alt = p_.pen();
  p_.setPen(QFarbe(farbe));
  p_.drawPoint(p.x, p.y);
  p_.setPen(alt);
}

void QtCanvas::Text(PixelPunkt p, const std::string& text, std::int32_t farbe, bool mitHintergrund,
                    std::int32_t hintergrund) {
  const QString t = QString::fromStdString(text);
  // The metrics of the device drawn on: a printer's differ from the screen's.
  const QFontMetrics fm(schrift_, p_.device());
  if (mitHintergrund) p_.fillRect(QRect(p.x, p.y, fm.horizontalAdvance(t), fm.height()), QFarbe(hintergrund));
  const QPen alt = p_.pen();
  p_.setPen(QFarbe(farbe));
  p_.drawText(p.x, p.y + fm.ascent(), t);
  p_.setPen(alt);
}

void QtCanvas::TextGedreht(PixelPunkt p, const std::string& text, std::int32_t farbe, double winkelGrad,
                           std::int32_t hoehePx) {
  if (text.empty()) return;
  QFont f = schrift_;
  f.setPixelSize(std::max(1, hoehePx));
  p_.save();
  p_.setFont(f);
  p_.setPen(QFarbe(farbe));
  p_.translate(p.x, p.y);
  p_.rotate(-winkelGrad);  // the model turns counter-clockwise, the device's y runs down
  p_.drawText(0, QFontMetrics(f, p_.device()).ascent(), QString::fromStdString(text));
  p_.restore();
}

TextMass QtCanvas::TextGroesse(const std::string& text) {
  const QFontMetrics fm(schrift_, p_.device());
  return {fm.horizontalAdvance(QString::fromStdString(text)), fm.height()};
}

}  // namespace trm::gui
