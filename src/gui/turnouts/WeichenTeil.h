// The turnouts in the main window: importing and exporting the turnout list, its tool button,
// the context-menu entry that stores a turnout as a type, the data window "Weichendaten" with
// its dialogs and the sleeper editor.
#pragma once

#include "gui/editor/Teilsystem.h"

namespace trm::gui {

class TWeichendaten;

class WeichenTeil : public Teilsystem {
 public:
  void Anlegen(const Fensterteile& t) override;
  void Kontextmenue(QMenu& menue, const Kontextzustand& k) override;
  void Aktualisieren(const Befehlszustand& z) override;
  void Elementfenster(Fensteranlass anlass) override;

 private:
  /// Shows the data window for the current turnout (hides it when there is none).
  void Zeigen();
  /// The sleeper editor over the current turnout, modal; the drawing follows when it closes.
  void Schwelleneditor();

  Fensterteile t_;
  TWeichendaten* daten_ = nullptr;
};

}  // namespace trm::gui
