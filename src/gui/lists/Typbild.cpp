// Type preview widget.
#include "gui/lists/Typbild.h"

#include <QPainter>

#include "core/render/Typvorschau.h"
#include "gui/render/QtCanvas.h"

namespace trm::gui {

Typbild::Typbild(const TListenart& art, const Anlage& anlage, QWidget* eltern)
    : QWidget(eltern), art_(art), anlage_(anlage) {
  setObjectName(QStringLiteral("Typbild"));
  setMinimumSize(260, 200);
}

void Typbild::SatzSetzen(Zeilen satz) {
  satz_ = std::move(satz);
  bild_ = QImage();
  update();
}

void Typbild::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), palette().color(QPalette::Base));
  if (satz_.empty()) {
    hinweis_.clear();
    return;
  }
  if (bild_.size() != size()) {
    bild_ = QImage(size(), QImage::Format_RGB32);
    QPainter b(&bild_);
    QtCanvas c(b, width(), height());
    hinweis_ = QString::fromStdString(TypVorschauMalen(art_, satz_, anlage_, c));
  }
  if (hinweis_.isEmpty())
    p.drawImage(0, 0, bild_);
  else
    p.drawText(rect(), Qt::AlignCenter | Qt::TextWordWrap, hinweis_);
}

}  // namespace trm::gui
