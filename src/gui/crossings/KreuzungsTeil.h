// The crossings and slips in the main window: the tool buttons that place a crossing, a single
// and a double slip, and their entries of the context menu.
#pragma once

#include "gui/editor/Teilsystem.h"

namespace trm::gui {

class KreuzungsTeil : public Teilsystem {
 public:
  void Anlegen(const Fensterteile& t) override;
  void Kontextmenue(QMenu& menue, const Kontextzustand& k) override;
  void Aktualisieren(const Befehlszustand&) override {}

 private:
  Fensterteile t_;
};

}  // namespace trm::gui
