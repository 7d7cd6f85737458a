// The optimiser window "Optimierungsendpunkt": the target as numbers, nudged by arrows, turned
// by an angle, and the run button.
#pragma once

#include "gui/editor/Werkzeugfenster.h"
#include <functional>

class QLabel;
class QPushButton;

namespace trm {
class Optimierer;
class Editor;
}  // namespace trm

namespace trm::gui {

class Zahlenfeld;

class TOptiDaten : public Werkzeugfenster {
  Q_OBJECT
 public:
  TOptiDaten(Editor& editor, Optimierer& optimierer, QWidget* eltern);

  /// Redraws the module after the target moved (the main window's redraw refreshes this window).
  std::function<void()> neuZeichnen;
  /// "Optimieren".
  std::function<void()> optimieren;

  /// Fills the fields from the target; nothing without one.
  void Auffrischen();

 protected:
  void showEvent(QShowEvent* e) override;
  bool event(QEvent* e) override;

 private:
  /// A field with its arrows: position stepped by 5 within [min, max].
  QWidget* Zeile(const QString& name, const QString& text, Zahlenfeld*& feld, int& position, int min, int max);
  void Anwenden(int feld, const QString& text);

  Editor& ed_;
  Optimierer& opt_;
  QLabel* anfW_;
  Zahlenfeld *x_, *y_, *w_, *drehen_;
  int xPos_ = 0, yPos_ = 0, wPos_ = 0;
};

}  // namespace trm::gui
