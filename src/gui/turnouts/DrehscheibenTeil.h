// The turntables in the main window: importing and exporting the turntable list, its tool
// button, the context-menu entry that stores a turntable as a type, and the data window.
#pragma once

#include "gui/editor/Teilsystem.h"

namespace trm::gui {

class TDrehSch_Daten;

class DrehscheibenTeil : public Teilsystem {
 public:
  void Anlegen(const Fensterteile& t) override;
  void Kontextmenue(QMenu& menue, const Kontextzustand& k) override;
  void Aktualisieren(const Befehlszustand& z) override;
  void Elementfenster(Fensteranlass anlass) override;

 private:
  /// Shows the data window for the selected turntable (hides it when there is none).
  void Zeigen();

  Fensterteile t_;
  TDrehSch_Daten* daten_ = nullptr;
};

}  // namespace trm::gui
