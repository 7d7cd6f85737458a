// Drawn cursors for the mouse modes.
#include "gui/editor/Cursor.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <map>

namespace trm::gui {

namespace {

/// A small arrow at the top left, white with a black outline.
void Pfeil(QPainter& p) {
  QPainterPath pfad;
  pfad.moveTo(1, 1);
  pfad.lineTo(1, 15);
  pfad.lineTo(5, 11);
  pfad.lineTo(8, 17);
  pfad.lineTo(10, 16);
  pfad.lineTo(7, 10);
  pfad.lineTo(12, 10);
  pfad.closeSubpath();
  p.setPen(QPen(Qt::black, 1));
  p.setBrush(Qt::white);
  p.drawPath(pfad);
}

QCursor Zeichnen(int nummer) {
  QPixmap bild(32, 32);
  bild.fill(Qt::transparent);
  QPainter p(&bild);
  p.setRenderHint(QPainter::Antialiasing, true);
  if (nummer == 7) {  // magnifier: lens with its hot spot in the middle of the glass
    p.setPen(QPen(Qt::black, 2));
    p.setBrush(QColor(255, 255, 255, 160));
    p.drawEllipse(QPoint(12, 12), 8, 8);
    p.drawLine(18, 18, 28, 28);
    p.end();
    return QCursor(bild, 12, 12);
  }
  if (nummer == 4711) {  // new track: a cross with a short track piece
    p.setPen(QPen(Qt::black, 1));
    p.drawLine(8, 0, 8, 16);
    p.drawLine(0, 8, 16, 8);
    p.setPen(QPen(Qt::darkRed, 2));
    p.drawLine(14, 22, 30, 22);
    p.drawLine(14, 27, 30, 27);
    p.end();
    return QCursor(bild, 8, 8);
  }
  Pfeil(p);
  p.setPen(QPen(Qt::black, 2));
  p.setBrush(Qt::NoBrush);
  const QRect feld(16, 16, 14, 14);
  switch (nummer) {
    case 2:  // join groups: two links of a chain
      p.drawEllipse(QRect(15, 19, 9, 7));
      p.drawEllipse(QRect(21, 19, 9, 7));
      break;
    case 3:  // release: a broken link
      p.drawArc(QRect(14, 19, 8, 7), 60 * 16, 240 * 16);
      p.drawArc(QRect(23, 19, 8, 7), 240 * 16, 240 * 16);
      break;
    case 4:  // attach as successor: an arrow onto a bar
      p.drawLine(15, 23, 26, 23);
      p.drawLine(22, 19, 26, 23);
      p.drawLine(22, 27, 26, 23);
      p.drawLine(29, 17, 29, 29);
      break;
    case CursorAnker:  // snap candidate: an anchor ring
      p.setPen(QPen(Qt::blue, 2));
      p.drawEllipse(QRect(17, 17, 12, 12));
      p.drawPoint(23, 23);
      break;
    default: {  // paste and the remaining modes: the mode number in a box
      p.setPen(QPen(Qt::black, 1));
      p.setBrush(Qt::yellow);
      p.drawRect(feld);
      QFont f = p.font();
      f.setPixelSize(nummer >= 10 ? 8 : 11);
      f.setBold(true);
      p.setFont(f);
      p.drawText(feld, Qt::AlignCenter, QString::number(nummer));
      break;
    }
  }
  p.end();
  return QCursor(bild, 1, 1);
}

}  // namespace

QCursor MausCursor(int nummer) {
  if (nummer == 0) return QCursor(Qt::ArrowCursor);
  if (nummer == CursorVerboten) return QCursor(Qt::ForbiddenCursor);
  static std::map<int, QCursor> zwischenspeicher;
  auto it = zwischenspeicher.find(nummer);
  if (it == zwischenspeicher.end()) it = zwischenspeicher.emplace(nummer, Zeichnen(nummer)).first;
  return it->second;
}

}  // namespace trm::gui
