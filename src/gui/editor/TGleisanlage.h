// TGleisanlage: the main window, the editor. Holds the open layout (through the core's
// Dokument and Editor) for the whole run: menus, two tool bars with their fields, the drawing
// area, the status bar and the context menu. Every command runs in the core, then the window
// redraws and refreshes its command states.
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

#include "core/editor/Dokument.h"
#include "core/editor/Editor.h"
#include "core/editor/Maus.h"
#include "gui/editor/QtDialoge.h"
#include "gui/editor/Teilsystem.h"

class QAction;
class QCheckBox;
class QLabel;
class QMenu;
class QSettings;
class QSpinBox;

namespace trm::gui {

class TZeichenflaeche;
class Zahlenfeld;

/// The program's one main window.
class TGleisanlage : public QMainWindow {
  Q_OBJECT
 public:
  /// datenordner: the data folder with the settings file; zufall: the random source;
  /// dialoge: the questions and messages (Qt message boxes when none is given).
  TGleisanlage(const QString& datenordner, std::shared_ptr<Zufall> zufall = nullptr,
               Dialoge* dialoge = nullptr);
  ~TGleisanlage() override;

  Dokument& dokument() { return *dokument_; }
  Editor& editor() { return *editor_; }
  Mausbedienung& maus() { return *maus_; }
  TZeichenflaeche& zeichenflaeche() { return *flaeche_; }
  QSpinBox& zoomfeld() { return *zoomfeld_; }
  /// A menu or tool-bar action by its object name (TB_…, MI_…).
  QAction* Aktion(const QString& name) const;
  /// An edit field of the tool bars by its object name (ED_…).
  Zahlenfeld* Feld(const QString& name) const;
  /// The context menu of the drawing area as it would open now.
  std::unique_ptr<QMenu> Kontextmenue();

  /// Runs "neu"; when the settings file cannot be read the built-in layout stays.
  void FormCreate();
  /// Opens a file given at start (an XTrackCAD layout ".xtc" is imported); false (with the
  /// error shown) when it cannot be read.
  bool DateiOeffnen(const QString& pfad);
  /// Puts the layout's title into the window.
  void TitelAktualisieren();
  /// "als Bitmap speichern" to a given path; false when the image cannot be made or written.
  bool BitmapSpeichern(const QString& pfad);
  /// Redraws the module and refreshes the command states.
  void Neuzeichnen();
  /// The refresh of the command states.
  void Aktualisieren();
  /// Sets the mouse mode and its cursor.
  void MausmodusSetzen(Mausmodus modus);

 protected:
  void closeEvent(QCloseEvent* e) override;
  bool eventFilter(QObject* objekt, QEvent* e) override;

 private:
  QAction* NeueAktion(const QString& name, const QString& text, const QString& hinweis,
                      std::function<void()> tun);
  /// Runs a command of the core; when it did something, redraws and refreshes.
  void Befehl(const std::function<bool()>& tun);
  void MenuesAnlegen();
  void Werkzeugleiste1();
  void Werkzeugleiste2();
  /// The drawing tools' buttons (with their keys) and the transition option.
  void Zeichenwerkzeuge(QToolBar* leiste);
  /// The option "mit Übergangsbögen" and its length to the drawing tools.
  void UebergangSetzen();
  Zahlenfeld* PunktFeld(class QToolBar* leiste, const QString& name, const QString& hinweis,
                        const QString& pfeilHinweis, bool (Editor::*setzen)(const std::string&));
  /// The rotate buttons and the arrows: the field's value to the next multiple of 5, applied.
  void Fuenferschritt(Zahlenfeld* feld, bool runter);
  void ModulmenueAufbauen();
  void NachDateibefehl();
  void GleisDrehenFragen();
  /// "Erste Schritte": a short guide.
  void ErsteSchritte();
  /// Fits the drawing to the window after an open.
  void Einpassen();
  /// Scrolls the current track into view.
  void GleisZeigen();
  void MausAntwort(const Mausantwort& a, QPoint position);
  /// The subsystems add their menu entries and tool buttons (into `elemente`).
  void TeileAnlegen(QToolBar* elemente);
  /// An action whose enabled state follows a command state.
  QAction* Schalter(QAction* a, bool Befehlszustand::*an);

  std::unique_ptr<QtDialoge> qtDialoge_;
  std::unique_ptr<QSettings> ablage_;  ///< the places of the panels (fenster.ini)
  Dialoge* dialoge_ = nullptr;
  std::unique_ptr<Dokument> dokument_;
  std::unique_ptr<Editor> editor_;
  std::unique_ptr<Mausbedienung> maus_;
  QLabel* modushinweis_ = nullptr;  ///< what the mouse mode expects next
  QLabel* untermaus_ = nullptr;     ///< what lies under the mouse
  QPointer<QDialog> anleitung_;     ///< the open guide window
  TZeichenflaeche* flaeche_ = nullptr;
  QSpinBox* zoomfeld_ = nullptr;
  QMenu* modulmenue_ = nullptr;
  QMenu* importieren_ = nullptr;
  QMenu* exportieren_ = nullptr;
  std::vector<std::unique_ptr<Teilsystem>> teile_;
  /// Actions enabled by a command state, refreshed after every command.
  std::vector<std::pair<QAction*, bool Befehlszustand::*>> schalter_;
  /// Actions whose caption is a command state ("Rückgängig: …").
  std::vector<std::pair<QAction*, std::string Befehlszustand::*>> beschriftungen_, hinweise_;
  /// The tool-bar fields and the command state each shows.
  std::vector<std::pair<Zahlenfeld*, std::string Befehlszustand::*>> felder_;
  QAction* lupe_ = nullptr;
  /// The drawing tools' buttons and their modes; checked while their mode is on.
  std::vector<std::pair<QAction*, Mausmodus>> werkzeuge_;
  QCheckBox* uebergangAn_ = nullptr;  ///< "mit Übergangsbögen"
  Zahlenfeld* uebergangFeld_ = nullptr;  ///< their length in mm
  double uebergangLaenge_ = 100;  ///< the length last taken from the field
  QLabel* mausposition_ = nullptr;
};

}  // namespace trm::gui
