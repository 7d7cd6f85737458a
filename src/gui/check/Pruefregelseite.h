// The page "Prüfregeln" of the settings window: the largest gradient, the vertical clearance in
// the prototype and which rules of the layout check run. Every change is written at once to
// the settings file of the data folder; the layout file is not touched.
#pragma once

#include <QWidget>
#include <array>

#include "core/check/Pruefregeln.h"

class QCheckBox;

namespace trm {
class Dialoge;
}

namespace trm::gui {

class Zahlenfeld;

class Pruefregelseite : public QWidget {
  Q_OBJECT
 public:
  /// datenpfad: the data folder that holds the settings file.
  Pruefregelseite(std::string datenpfad, Dialoge& dialoge, QWidget* eltern);
  /// Reads the settings file again and shows it.
  void Auffrischen();

 protected:
  void showEvent(QShowEvent* e) override;

 private:
  void Speichern();

  std::string datenpfad_;
  Dialoge& dialoge_;
  TPruefregeln regeln_;
  Zahlenfeld *steigung_, *hoehe_;
  std::array<QCheckBox*, RegelAnzahl> an_{};
};

}  // namespace trm::gui
