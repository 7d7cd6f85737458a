// The preview of the selected type in a list window, painted through the program's canvas.
#pragma once

#include <QImage>
#include <QWidget>

#include "core/model/Listenart.h"
#include "core/model/Zeilen.h"

namespace trm {
class Anlage;
}

namespace trm::gui {

/// Shows one type record of a list kind as it would be placed.
class Typbild : public QWidget {
  Q_OBJECT
 public:
  Typbild(const TListenart& art, const Anlage& anlage, QWidget* eltern = nullptr);
  /// The record to show; an empty one clears the picture.
  void SatzSetzen(Zeilen satz);
  /// Why the last paint showed no picture; empty when it did.
  const QString& Hinweis() const { return hinweis_; }

 protected:
  void paintEvent(QPaintEvent* e) override;

 private:
  const TListenart& art_;
  const Anlage& anlage_;
  Zeilen satz_;
  QString hinweis_;
  /// The picture of satz_ at the widget's size: a repaint does not build the type again.
  QImage bild_;
};

}  // namespace trm::gui
