// The open layout and the file commands on it: new (from the settings file), open, save,
// save as and the close query. Questions go through Dialoge; the GUI shows Titel().
#pragma once

#include <memory>
#include <string>

#include "core/editor/Dialoge.h"
#include "core/editor/Verlauf.h"
#include "core/model/Anlage.h"

namespace trm {

/// Filter of the layout file dialogs.
inline constexpr const char* FilterAnlagen = "Gleisanlagen (*.m88)|*.m88";
/// Start of the main window title; the layout name follows.
inline constexpr const char* TitelAnfang = "T88 TRASSOMATIC - Datei: ";

/// Holds the open layout. A failed read leaves it exactly as it was.
class Dokument {
 public:
  /// datenordner: the data folder holding the settings file and the standard lists.
  Dokument(Dialoge& dialoge, std::string datenordner, std::shared_ptr<Zufall> zufall = nullptr);

  Anlage& anlage() { return *anlage_; }
  const Anlage& anlage() const { return *anlage_; }
  /// The undo history of the open layout.
  Verlauf& verlauf() { return verlauf_; }
  const Verlauf& verlauf() const { return verlauf_; }
  /// The data folder with a trailing separator.
  const std::string& Datenpfad() const { return datenpfad_; }

  /// The main window title for the open layout.
  std::string Titel() const { return TitelAnfang + anlage_->Name; }

  /// "neu": asks about unsaved changes, then reads the settings file as the new layout.
  /// When the settings file cannot be read the error is shown and false returned; the open
  /// layout stays (at program start, a minimal built-in layout takes its place).
  bool Neu();
  /// "öffnen": the save-changes question (Ja / Nein / Abbrechen), then the open dialog, then
  /// the file is read.
  bool Oeffnen();
  /// Opens the given file: asks about unsaved changes, reads, replaces the layout.
  bool OeffnenDatei(const std::string& pfad);
  /// "importieren" › "Plan aus .trm-Datei importieren": asks before unsaved changes are lost,
  /// then the open dialog. The import replaces the layout only when it succeeded; the result
  /// has no file name yet and counts as not saved.
  bool Importieren();
  bool ImportierenDatei(const std::string& pfad);
  /// "importieren" › "XTrackCAD-Anlage (*.xtc)…": the same question and dialog; the layout
  /// is replaced only when the import succeeded, and what was taken and skipped is shown.
  bool XtcImportieren();
  bool XtcImportierenDatei(const std::string& pfad);
  /// "speichern": save-as for an unnamed layout, else writes to the file path.
  bool Speichern();
  /// "speichern unter...": the save dialog, then writes.
  bool SpeichernUnter();
  /// The close query: true when the window may close.
  bool SchliessenErlaubt();

  /// Recomputes the current module (the geometry step of a redraw).
  void Neuberechnen();

 private:
  /// The save-changes question before new and open (Ja / Nein / Abbrechen); false when the
  /// command must stop.
  bool AenderungenSichern();
  /// Reads the file and replaces the layout; the error is shown when it cannot be read.
  bool Laden(const std::string& pfad);
  bool Schreiben(const std::string& pfad);
  void Uebernehmen(std::unique_ptr<Anlage> neu);

  Dialoge& dialoge_;
  std::string datenpfad_;
  std::shared_ptr<Zufall> zufall_;
  std::unique_ptr<Anlage> anlage_;
  Verlauf verlauf_;
  std::string letzterSpeicherpfad_;
};

/// The layout name for a chosen file: the file name without folder, with the first ".m88"
/// (any letter case) removed.
std::string NameAusPfad(const std::string& pfad);

}  // namespace trm
