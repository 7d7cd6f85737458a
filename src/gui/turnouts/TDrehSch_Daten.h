// TDrehSch_Daten: the data window "Drehscheibe" of the selected turntable, a tool window that
// stays on top. Every field left after a change, the slider and the tool buttons run a core
// command (DrehscheibenBefehle); the main window then redraws and the window refreshes.
#pragma once

#include "gui/editor/Werkzeugfenster.h"
#include <map>

#include "core/turnouts/DrehscheibenBefehle.h"
#include "gui/editor/Teilsystem.h"

class QLabel;
class QLineEdit;
class QSlider;

namespace trm::gui {

class Zahlenfeld;

class TDrehSch_Daten : public Werkzeugfenster {
  Q_OBJECT
 public:
  TDrehSch_Daten(const Fensterteile& t, QWidget* eltern);

  /// Shows the window beside the main window's right edge and fills it.
  void Zeigen();
  /// Fills every field from the selected turntable; the slider returns to 0.
  void Auffrischen();
  /// A field of the window by its object name (ED_…).
  Zahlenfeld* Feld(const QString& name) const;

 private:
  Zahlenfeld* Zahl(const char* name, Drehscheibenfeld feld, bool ganzzahl = false);
  void SchieberBewegt(int grad);
  void SchieberLosgelassen();

  Fensterteile t_;
  QLineEdit* name_ = nullptr;
  std::map<Drehscheibenfeld, Zahlenfeld*> felder_;
  QLabel* beiGrad_ = nullptr;
  QSlider* schieber_ = nullptr;
  double schieberAusgang_ = 0;  ///< the start angle when the slider was taken
  int schieberZuletzt_ = 0;     ///< the slider's position after the last step by key
  Drehscheibenschieber schieberZug_;  ///< the slider's drag as one step
};

}  // namespace trm::gui
