// The layout check in the main window: "Extras" › "Anlage prüfen" and the tool button "Prüfen"
// open its window; after every command the layout is checked again (while "nach jeder Änderung
// prüfen" is ticked), the list and the count in the status bar follow, and while the window
// shows, the drawing shows a marker at every finding of the current module.
#pragma once

#include <QString>
#include <cstdint>
#include <vector>

#include "core/check/Anlagenpruefung.h"
#include "gui/editor/Teilsystem.h"

class QLabel;

namespace trm::gui {

class TAnlagePruefen;
class TZeichenflaeche;

class PruefTeil : public Teilsystem {
 public:
  void Anlegen(const Fensterteile& t) override;
  void Aktualisieren(const Befehlszustand& z) override;

  TAnlagePruefen* fenster() const { return fenster_; }
  const std::vector<TBefund>& befunde() const { return befunde_; }
  /// Checks the layout now with the settings of the data folder and shows the result.
  void Pruefen();
  /// Selects the tracks of finding i and centres the view on its place.
  void Waehlen(int i);

 private:
  Fensterteile t_;
  TAnlagePruefen* fenster_ = nullptr;
  TZeichenflaeche* flaeche_ = nullptr;
  QLabel* zahl_ = nullptr;
  TAnlagenpruefung pruefung_;
  std::vector<TBefund> befunde_;
  int gewaehlt_ = -1;
  std::uint64_t stand_ = 0;  ///< the check's state the list shows
  QString hinweis_;
};

}  // namespace trm::gui
