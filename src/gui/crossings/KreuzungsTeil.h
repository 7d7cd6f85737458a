// The crossings and slips in the main window: the tool buttons that open the crossing, single
// and double slip lists, their import and export, the entries of the context menu (turning,
// removing, storing as a type), and the three data windows, shown and hidden by the
// element-editor mode.
#pragma once

#include <array>

#include "gui/editor/Teilsystem.h"

namespace trm::gui {

class KrDatenfenster;

class KreuzungsTeil : public Teilsystem {
 public:
  ~KreuzungsTeil() override;
  void Anlegen(const Fensterteile& t) override;
  void Kontextmenue(QMenu& menue, const Kontextzustand& k) override;
  void Aktualisieren(const Befehlszustand& z) override;
  void Elementfenster(Fensteranlass anlass) override;

 private:
  /// Shows the window of the current track's element and hides the others.
  void Zeigen();

  Fensterteile t_;
  std::array<KrDatenfenster*, 3> fenster_{};  ///< crossing, single slip, double slip
};

}  // namespace trm::gui
