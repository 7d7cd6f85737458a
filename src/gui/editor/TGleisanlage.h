// TGleisanlage: the main window. Holds the open layout (through the core's Dokument) for
// the whole run, shows it in the drawing area and its name in the title.
#pragma once

#include <QMainWindow>
#include <memory>

#include "core/editor/Dokument.h"
#include "gui/editor/QtDialoge.h"

class QSpinBox;
class QAction;

namespace trm::gui {

class TZeichenflaeche;

/// The program's one main window.
class TGleisanlage : public QMainWindow {
  Q_OBJECT
 public:
  /// datenordner: the data folder with the settings file; zufall: the random source;
  /// dialoge: the questions and messages (Qt message boxes when none is given).
  TGleisanlage(const QString& datenordner, std::shared_ptr<Zufall> zufall = nullptr,
               Dialoge* dialoge = nullptr);

  Dokument& dokument() { return *dokument_; }
  TZeichenflaeche& zeichenflaeche() { return *flaeche_; }
  QSpinBox& zoomfeld() { return *zoomfeld_; }
  /// Runs "neu"; when the settings file cannot be read the built-in layout stays.
  void FormCreate();
  /// Opens a file given at start; false (with the error shown) when it cannot be read.
  bool DateiOeffnen(const QString& pfad);
  /// Puts the layout's title into the window.
  void TitelAktualisieren();
  /// "als Bitmap speichern" to a given path; false when the image cannot be made or written.
  bool BitmapSpeichern(const QString& pfad);

 protected:
  void closeEvent(QCloseEvent* e) override;

 private:
  void MenuesAnlegen();
  void WerkzeugleisteAnlegen();
  void NachDateibefehl();
  void ZoomfeldAktualisieren();

  std::unique_ptr<QtDialoge> qtDialoge_;
  Dialoge* dialoge_ = nullptr;
  std::unique_ptr<Dokument> dokument_;
  TZeichenflaeche* flaeche_ = nullptr;
  QSpinBox* zoomfeld_ = nullptr;
  QAction* lupe_ = nullptr;
};

}  // namespace trm::gui
