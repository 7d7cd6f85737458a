// KrDatenfenster: the data window of a crossing, single or double slip, a tool window that
// stays on top. The tab pages and value lists come from the core (KreuzungAnzeigen) and are
// rebuilt when the element's rows change; every accepted entry, tool button, swap circle and
// the double-sleeper dialog run a core command (KreuzungsBefehle). TKreuzungsdaten, TEKWDaten
// and TDKWDaten are its three kinds.
#pragma once

#include "gui/editor/Werkzeugfenster.h"
#include <vector>

#include "core/crossings/Kreuzungsanzeige.h"
#include "gui/editor/Teilsystem.h"

class QCheckBox;
class QHBoxLayout;
class QTabWidget;
class QTableWidget;
class QTableWidgetItem;
class QToolButton;

namespace trm::gui {

class Zahlenfeld;
class Zungenschema;

class KrDatenfenster : public Werkzeugfenster {
  Q_OBJECT
 public:
  KrDatenfenster(Elementart art, const Fensterteile& t, QWidget* eltern);

  /// The kind of element the window shows.
  Elementart Art() const { return art_; }
  /// Shows the window at the top right of the screen and fills it.
  void Zeigen();
  /// Fills the window from the element of the current track (when it is of the window's kind).
  void Auffrischen();
  /// The value list with the given title, or none.
  QTableWidget* Liste(const QString& titel) const;
  /// Enters `text` in the row of `feld` as if typed there.
  void Eingeben(Krfeld feld, const QString& text);
  QTabWidget& Seiten() { return *seiten_; }
  /// "Radius anpassen".
  QCheckBox& RadiusAnpassen() { return *anpassen_; }
  /// The main window's editor goes away: the window no longer touches it.
  void Trennen() { getrennt_ = true; }

 protected:
  void hideEvent(QHideEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;
  void keyReleaseEvent(QKeyEvent* e) override;

 private:
  void Werkzeugleiste(QHBoxLayout* leiste);
  void Aufbauen(const Kreuzungsanzeige& a);
  void Fuellen(const Kreuzungsanzeige& a);
  void Geaendert(QTableWidget* tabelle, int zeile, const QString& wert);
  void Doppelschwellen(std::size_t anzahl);
  void Farbe();

  Elementart art_;
  Fensterteile t_;
  QTabWidget* seiten_ = nullptr;
  QCheckBox* anpassen_ = nullptr;
  QToolButton* kruemmung_ = nullptr;
  QToolButton* zweig_ = nullptr;
  Zahlenfeld* grundlaenge_ = nullptr;
  Zungenschema* schema_ = nullptr;
  std::vector<TDatenseite> gebaut_;  ///< the structure the pages were built for
  std::vector<QTableWidget*> listen_;
  bool fuellen_ = false;
  bool endmarke_ = false;  ///< an end flag of the module is set from the schematic
  bool getrennt_ = false;
};

/// The crossing window "Kreuzung".
class TKreuzungsdaten : public KrDatenfenster {
  Q_OBJECT
 public:
  TKreuzungsdaten(const Fensterteile& t, QWidget* eltern);
};

/// The single-slip window.
class TEKWDaten : public KrDatenfenster {
  Q_OBJECT
 public:
  TEKWDaten(const Fensterteile& t, QWidget* eltern);
};

/// The double-slip window.
class TDKWDaten : public KrDatenfenster {
  Q_OBJECT
 public:
  TDKWDaten(const Fensterteile& t, QWidget* eltern);
};

}  // namespace trm::gui
