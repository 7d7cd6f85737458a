// The settings window and the colour palette in the main window: "Anlagendaten" (menu bar and
// "Fenster"), disabled while the window is open, and "Farbe auswählen".
#pragma once

#include "gui/editor/Teilsystem.h"

class QAction;

namespace trm::gui {

class TAnlagendaten2;
class TfFarben;

class EinstellungsTeil : public Teilsystem {
 public:
  void Anlegen(const Fensterteile& t) override;
  void Aktualisieren(const Befehlszustand& z) override;
  void Maus(const Mausantwort& a) override;

 private:
  void Zeigen();
  Fensterteile t_;
  TAnlagendaten2* fenster_ = nullptr;
  TfFarben* palette_ = nullptr;
  std::vector<QAction*> oeffnen_;
};

}  // namespace trm::gui
