// "Bogen fortführen": the length a straight or an arc needs to reach an x or y value, and its
// transfer to the current segment.
#pragma once

#include "gui/editor/Werkzeugfenster.h"
#include <functional>
#include <optional>

class QLabel;
class QPushButton;
class QRadioButton;

namespace trm {
class Editor;
}

namespace trm::gui {

class Zahlenfeld;

class TBogenFF : public Werkzeugfenster {
  Q_OBJECT
 public:
  TBogenFF(Editor& editor, QWidget* eltern);
  std::function<void(const std::function<bool()>&)> befehl;

  /// Value "0", both lines cleared, transfer disabled.
  void Zuruecksetzen();
  /// "Wert prüfen und berechnen".
  void Berechnen();

 protected:
  void showEvent(QShowEvent* e) override;

 private:
  Editor& ed_;
  QRadioButton* inX_;
  Zahlenfeld* wert_;
  QLabel *zeile1_, *zeile2_;
  QPushButton* uebertragen_;
  std::optional<double> laenge_;
};

}  // namespace trm::gui
