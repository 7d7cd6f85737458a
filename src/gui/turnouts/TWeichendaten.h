// TWeichendaten: the data window "Weichendaten - " of the selected turnout, a tool window that
// stays on top. Three pages of name-value grids and a tool bar; every cell left after a change,
// every pick list, check box and tool button runs a core command (WeichenBefehle); the main
// window then redraws and the window refreshes from the turnout.
#pragma once

#include "gui/editor/Werkzeugfenster.h"
#include <functional>
#include <map>

#include "core/turnouts/WeichenBefehle.h"
#include "gui/editor/Teilsystem.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QTableWidget;
class QTabWidget;
class QToolButton;

namespace trm::gui {

class TWeichendaten : public Werkzeugfenster {
  Q_OBJECT
 public:
  TWeichendaten(const Fensterteile& t, QWidget* eltern);

  /// Shows the window at the top right of the screen and fills it.
  void Zeigen();
  /// Fills every grid, the check boxes and the delete button from the selected turnout.
  void Auffrischen();
  /// The grid of a name (SG_Grundform, SG_Bogenpaar1, SG_Bogenpaar2, SG_Stammbogen3,
  /// SG_Zweigbogen3, SG_Schwellen).
  QTableWidget* Raster(const QString& name) const;
  /// The value cell of a field: its grid and row.
  std::pair<QTableWidget*, int> Zelle(Weichenfeld f) const { return zellen_.at(f); }

  /// Opens the sleeper editor (set by the turnouts' part of the main window).
  std::function<void()> schwelleneditor;

 protected:
  bool eventFilter(QObject* o, QEvent* e) override;

 private:
  QTableWidget* NeuesRaster(const char* name, const QString& titel, QWidget* seite);
  void Zeile(QTableWidget* t, const QString& name, Weichenfeld f);
  void Auswahl(QTableWidget* t, const QString& name, Weichenfeld f, const QStringList& werte);
  /// A read-only row; its value label.
  QLabel* Anzeige(QTableWidget* t, const QString& name, QToolButton* knopf = nullptr);
  void Geaendert(QTableWidget* t, int zeile, const QString& wert);
  void Kontextmenue(QTableWidget* t, const QPoint& p);
  void Doppelschwellen();
  void Senkrecht();

  Fensterteile t_;
  QTabWidget* seiten_ = nullptr;
  std::map<Weichenfeld, std::pair<QTableWidget*, int>> zellen_;
  std::map<std::pair<QTableWidget*, int>, Weichenfeld> felder_;
  std::map<Weichenfeld, QComboBox*> auswahl_;
  QLabel* form_ = nullptr;
  QLabel* doppel_ = nullptr;
  QLabel* passt_ = nullptr;
  QCheckBox* laengen_ = nullptr;
  QCheckBox* radius_ = nullptr;
  QToolButton* entfernen_ = nullptr;
  bool fuellen_ = false;  ///< the grids are being filled: no command
};

}  // namespace trm::gui
