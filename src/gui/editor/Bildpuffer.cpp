// The kept picture of the module under the drawing tools' drafts.
#include "gui/editor/Bildpuffer.h"

#include <QPainter>

namespace trm::gui {

const QImage& Bildpuffer::Bild(const Schluessel& k, const std::function<void(QPainter&)>& malen) {
  if (schluessel_ == k) return bild_;
  schluessel_ = k;
  const QSize geraet = (QSizeF(k.groesse) * k.pixelverhaeltnis).toSize();
  if (geraet.isEmpty()) {
    bild_ = QImage();
    return bild_;
  }
  if (bild_.size() != geraet || bild_.devicePixelRatio() != k.pixelverhaeltnis) {
    bild_ = QImage(geraet, QImage::Format_ARGB32_Premultiplied);
    bild_.setDevicePixelRatio(k.pixelverhaeltnis);
  }
  {
    QPainter p(&bild_);
    malen(p);
  }
  return bild_;
}

}  // namespace trm::gui
