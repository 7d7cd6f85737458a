// The palette pop-up "Farbe auswählen": 16 standard and 16 user colours; a press colours the
// current segment (and its turnout or crossing), the release closes it.
#pragma once

#include <QWidget>
#include <cstdint>
#include <functional>

#include "core/editor/Farbmischer.h"

namespace trm::gui {

class TfFarben : public QWidget {
  Q_OBJECT
 public:
  explicit TfFarben(QWidget* eltern);
  /// Shows the pop-up at a screen position with the current user colours.
  void ZeigenBei(const QPoint& position, const Farbspeicher& benutzer);
  /// Called with the chosen colour on the press.
  std::function<void(std::int32_t)> gewaehlt;
  /// The colour of cell i (0..31).
  std::int32_t Zellfarbe(int i) const;

 protected:
  void paintEvent(QPaintEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;

 private:
  static constexpr int kZelle = 13;
  Farbspeicher benutzer_{};
};

}  // namespace trm::gui
