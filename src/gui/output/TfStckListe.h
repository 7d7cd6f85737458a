// The parts-list window "Stückliste": six grids rebuilt from the layout on every show, with the
// kept piece lengths, waste and prices of the data folder; compute, print, export as CSV.
#pragma once

#include <QDialog>
#include <vector>

#include "core/output/Stueckliste.h"

class QTableWidget;

namespace trm {
class Anlage;
class Dialoge;
class Editor;
}  // namespace trm

namespace trm::gui {

class TfStckListe : public QDialog {
 public:
  TfStckListe(Editor& e, Dialoge& d, QWidget* eltern);

  /// Counts the layout anew, fills in the kept values and computes.
  void Neuaufbau();
  /// Takes the typed cells, computes, keeps the typed values and shows the result. False (with
  /// a message) when a cell is no number.
  bool Berechnen();
  /// Writes the list as CSV to pfad (atomically). False with a message on failure.
  bool Exportieren(const QString& pfad);
  const TStueckliste& Liste() const { return s_; }
  QTableWidget* GleisGrid() const { return gleis_; }
  QTableWidget* Grid(int k) const { return tabellen_.at(static_cast<std::size_t>(k)); }

 protected:
  bool eventFilter(QObject* o, QEvent* e) override;

 private:
  void Zeigen();
  void Uebernehmen();
  void Drucken();
  std::string PreisDatei() const;

  Editor& e_;
  Anlage& A() const;
  Dialoge& d_;
  TStueckliste s_;
  QTableWidget* gleis_;
  std::vector<QTableWidget*> tabellen_;  ///< one per counted kind, as the list's tables
};

}  // namespace trm::gui
