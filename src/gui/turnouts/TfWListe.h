// TfWListe: the modal list window of the turnout library ("Einfache Weichen"): the types of
// the active list file, movable rows, choose, remove, cancel.
#pragma once

#include <QDialog>
#include <string>

#include "core/model/Typliste.h"

class QTableWidget;

namespace trm::gui {

/// The turnout list window over a list file.
class TfWListe : public QDialog {
  Q_OBJECT
 public:
  /// Results of the window's buttons.
  enum Ergebnis { Abbrechen = 0, Auswaehlen = 1, Entfernen = 2 };

  TfWListe(std::string pfad, QWidget* eltern = nullptr);
  /// The record number (1-based) of the selected row.
  int Auswahl() const { return auswahl_; }
  QTableWidget& Tabelle() { return *tabelle_; }
  /// Fills the grid from the list file; false when it cannot be read.
  bool Fuellen();
  /// Exchanges the records of rows von and nach (1-based) in the file, refills, selects row 1.
  void ZeileVerschieben(int von, int nach);
  /// The type tag of this list.
  static constexpr const char* Typ = "EW";

 private:
  std::string pfad_;
  QTableWidget* tabelle_;
  int auswahl_ = 1;
};

}  // namespace trm::gui
