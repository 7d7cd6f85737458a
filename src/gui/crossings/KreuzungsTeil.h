// The crossings in the main window: the tool button that places a crossing and the crossing
// entries of the context menu.
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
