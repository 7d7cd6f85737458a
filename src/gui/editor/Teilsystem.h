// A subsystem of the main window (turnouts, crossings and slips, turntables, the optimiser,
// settings, components, output, calculators): it adds its own menu entries, tool buttons and
// context-menu entries and refreshes them after every command. The main window only lists its
// subsystems.
#pragma once

#include <QString>
#include <functional>

#include "core/editor/Editor.h"

class QMenu;
class QToolBar;
class QWidget;

namespace trm {
struct TListenart;
class Mausbedienung;
struct Mausantwort;
}

namespace trm::gui {

/// What the window offers its subsystems.
struct Fensterteile {
  QWidget* fenster = nullptr;
  Editor* editor = nullptr;
  Dialoge* dialoge = nullptr;
  QMenu* importieren = nullptr;  ///< "Datei" › "importieren"
  QMenu* exportieren = nullptr;  ///< "Datei" › "exportieren"
  QToolBar* elemente = nullptr;  ///< the tool buttons of the element lists
  /// Runs a core command; when it did something, the window redraws and refreshes.
  std::function<void(const std::function<bool()>&)> befehl;
  /// Refreshes the command states.
  std::function<void()> aktualisieren;
  /// The mouse work of the drawing area (its hooks let a subsystem take part).
  Mausbedienung* maus = nullptr;
  /// Redraws the module and refreshes.
  std::function<void()> neuZeichnen;
};

/// Why the element windows are asked to show: a click in the drawing area, a double click, or
/// a command after which they hide (a new track).
enum class Fensteranlass { Klick, Doppelklick, Verbergen };

/// Whether an element's data window opens on this occasion: a double click always, a click
/// unless the element editor opens on double click only (option 7), Verbergen never. (A window
/// already open was refreshed with the new selection before: every click refreshes.)
bool ElementfensterOeffnen(const Anlage& a, Fensteranlass anlass);

class Teilsystem {
 public:
  virtual ~Teilsystem() = default;
  /// Adds the subsystem's menu entries and tool buttons (in the order they are shown).
  virtual void Anlegen(const Fensterteile& t) = 0;
  /// Adds its entries to the drawing area's context menu as it opens.
  virtual void Kontextmenue(QMenu& menue, const Kontextzustand& k) {
    (void)menue;
    (void)k;
  }
  /// After every command: enabled states and captions.
  virtual void Aktualisieren(const Befehlszustand& z) = 0;
  /// After every mouse event in the drawing area, with what it asks of the windows.
  virtual void Maus(const Mausantwort&) {}
  /// After a mouse event: the subsystem's element windows show or hide by the element-editor
  /// mode.
  virtual void Elementfenster(Fensteranlass anlass) { (void)anlass; }
};

class TfListe;

/// Opens the list window of a kind over its active list and carries out the choice; a chosen
/// type goes to `einsetzen` through the window's command. True when `einsetzen` placed it.
/// `einrichten` may add the kind's own entries to the window before it shows.
bool ListeZeigen(const Fensterteile& t, const TListenart& art, const std::function<bool(const Zeilen&)>& einsetzen,
                 const std::function<void(TfListe&)>& einrichten = {});

}  // namespace trm::gui
