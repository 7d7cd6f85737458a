// Zungenschema: the blade schematic of the slip windows, a picture of 240 x 150 pixels: the two
// crossing lines, the slip line (two for a double slip) and a circle at each end of a slip
// line, cyan while the blade device is in place and purple while it is swapped. A click on a
// circle asks for the swap.
#pragma once

#include <QWidget>
#include <array>
#include <functional>
#include <optional>

#include "core/crossings/KreuzungsBefehle.h"

namespace trm::gui {

class Zungenschema : public QWidget {
  Q_OBJECT
 public:
  explicit Zungenschema(QWidget* eltern = nullptr);
  /// A double slip shows four circles; `getauscht` in the order of Zungenkreis.
  void Setzen(bool doppelt, const std::array<bool, 4>& getauscht);
  /// The centre of a circle in the picture.
  static QPoint Mitte(Zungenkreis k);
  /// A click on a circle: the circle whose centre lies at most 8 pixels away.
  std::function<void(Zungenkreis)> geklickt;
  /// The mouse moved: the circle within 16 pixels of it, or none.
  std::function<void(std::optional<Zungenkreis>)> darueber;

 protected:
  void paintEvent(QPaintEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;
  void mouseMoveEvent(QMouseEvent* e) override;
  void leaveEvent(QEvent* e) override;

 private:
  /// The circle within `abstand` pixels (rounded) of p, or none.
  std::optional<Zungenkreis> Kreis(QPoint p, int abstand) const;

  bool doppelt_ = false;
  std::array<bool, 4> getauscht_{};
};

}  // namespace trm::gui
