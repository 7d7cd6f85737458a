// Output in the main window: "drucken" and its tool button open the print window,
// "Extras" › "Stückliste" the parts list, "Datei" › "exportieren" › "Zeichnung als PDF-Datei…".
#pragma once

#include "gui/editor/Teilsystem.h"

namespace trm::gui {

class TDruckdaten;
class TfStckListe;

class DruckTeil : public Teilsystem {
 public:
  void Anlegen(const Fensterteile& t) override;
  void Aktualisieren(const Befehlszustand& z) override;

 private:
  Fensterteile t_;
  TDruckdaten* druck_ = nullptr;
  TfStckListe* liste_ = nullptr;
};

}  // namespace trm::gui
