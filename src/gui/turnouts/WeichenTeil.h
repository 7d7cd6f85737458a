// The turnouts in the main window: importing and exporting the turnout list, its tool
// button, and the turnout entries of the context menu.
#pragma once

#include "gui/editor/Teilsystem.h"

namespace trm::gui {

class WeichenTeil : public Teilsystem {
 public:
  void Anlegen(const Fensterteile& t) override;
  void Kontextmenue(QMenu& menue, const Kontextzustand& k) override;
  void Aktualisieren(const Befehlszustand&) override {}

 private:
  Fensterteile t_;
};

}  // namespace trm::gui
