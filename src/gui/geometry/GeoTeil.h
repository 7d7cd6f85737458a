// Background components in the main window: the tool button "Geo" opens the geometry editor;
// its drop-down is the geometry menu (edit modes, the library's components, the library
// import); a double click on a component opens the dialog "Element bearbeiten".
#pragma once

#include "gui/editor/Teilsystem.h"

class QMenu;

namespace trm {
class TGeo;
}

namespace trm::gui {

class TGeoDaten;

class GeoTeil : public Teilsystem {
 public:
  void Anlegen(const Fensterteile& t) override;
  void Aktualisieren(const Befehlszustand&) override {}

 private:
  void MenueAufbauen();
  void Dialog(TGeo& g);
  Fensterteile t_;
  QMenu* menue_ = nullptr;
  TGeoDaten* editorFenster_ = nullptr;
};

}  // namespace trm::gui
