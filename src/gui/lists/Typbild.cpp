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
  update();
}

void Typbild::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), palette().color(QPalette::Base));
  hinweis_.clear();
  if (satz_.empty()) return;
  QtCanvas c(p, width(), height());
  hinweis_ = QString::fromStdString(TypVorschauMalen(art_, satz_, anlage_, c));
  if (!hinweis_.isEmpty()) p.drawText(rect(), Qt::AlignCenter | Qt::TextWordWrap, hinweis_);
}

}  // namespace trm::gui
