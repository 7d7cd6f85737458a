// TGleisanlage: the main window. Holds the open layout (through the core's Dokument) for
// the whole run and shows its name in the title.
#pragma once

#include <QMainWindow>
#include <memory>

#include "core/editor/Dokument.h"
#include "gui/editor/QtDialoge.h"

namespace trm::gui {

/// The program's one main window.
class TGleisanlage : public QMainWindow {
  Q_OBJECT
 public:
  /// datenordner: the data folder with the settings file; zufall: the random source.
  TGleisanlage(const QString& datenordner, std::shared_ptr<Zufall> zufall = nullptr,
               Dialoge* dialoge = nullptr);

  Dokument& dokument() { return *dokument_; }
  /// Runs "neu"; when the settings file cannot be read the built-in layout stays.
  void FormCreate();
  /// Opens a file given at start; false (with the error shown) when it cannot be read.
  bool DateiOeffnen(const QString& pfad);
  /// Puts the layout's title into the window.
  void TitelAktualisieren();

 protected:
  void closeEvent(QCloseEvent* e) override;

 private:
  std::unique_ptr<QtDialoge> qtDialoge_;
  std::unique_ptr<Dokument> dokument_;
};

}  // namespace trm::gui
