// The calculators and the 3-D view in the main window: "Extras" › "Steigung berechnen" and
// "Gleiswendel berechnen", and the tool button "3D".
#pragma once

#include "gui/editor/Teilsystem.h"

namespace trm::gui {

class TSteigung;
class TGlsWendel;

class RechnerTeil : public Teilsystem {
 public:
  void Anlegen(const Fensterteile& t) override;
  void Aktualisieren(const Befehlszustand& z) override;
  void Maus(const Mausantwort& a) override;

 private:
  Fensterteile t_;
  TSteigung* steigung_ = nullptr;
  TGlsWendel* wendel_ = nullptr;
};

}  // namespace trm::gui
