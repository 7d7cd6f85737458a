// The optimiser and the curve windows in the main window: "Fenster" › "Bogendaten" and
// "Optimierung", "Optimierung rückgängig", "Bogen bis x/y-Wert fortführen", the target on the
// drawing (pressed and dragged), the gap to a nearby track start in the status bar and
// "Lücke schließen" in the context menu.
#pragma once

#include <QPointF>
#include <memory>

#include "gui/editor/Teilsystem.h"

class QAction;
class QLabel;

namespace trm {
class Optimierer;
struct TOptiStatus;
enum class OptiAusgang;
}  // namespace trm

namespace trm::gui {

class TBogendaten;
class TBogenFF;
class TOptiDaten;
class TOptiStatus;

class OptimiererTeil : public Teilsystem {
 public:
  OptimiererTeil();
  ~OptimiererTeil() override;
  void Anlegen(const Fensterteile& t) override;
  void Kontextmenue(QMenu& menue, const Kontextzustand& k) override;
  void Aktualisieren(const Befehlszustand& z) override;
  void Maus(const Mausantwort& a) override;

  Optimierer& optimierer() { return *opt_; }
  TBogendaten* bogendaten() const { return bogendaten_; }
  TOptiDaten* optidaten() const { return optidaten_; }

 private:
  void OptiFensterZeigen(bool zeigen);
  /// Runs `lauf` with the status window; closes the optimiser window as the result asks.
  void Laufen(const std::function<OptiAusgang(const trm::TOptiStatus&)>& lauf);

  Fensterteile t_;
  std::unique_ptr<Optimierer> opt_;
  TBogendaten* bogendaten_ = nullptr;
  TBogenFF* fortfuehren_ = nullptr;
  TOptiDaten* optidaten_ = nullptr;
  TOptiStatus* status_ = nullptr;
  QAction* rueckgaengig_ = nullptr;
  QAction* optiFensterAktion_ = nullptr;
  QLabel* luecke_ = nullptr;
};

}  // namespace trm::gui
