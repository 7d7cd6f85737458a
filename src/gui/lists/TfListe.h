// TfListe: the modal list window of an element library, set up by the kind's TListenart:
// the types of the active list file, movable rows, choose, remove, cancel.
#pragma once

#include <QDialog>
#include <QPoint>
#include <functional>
#include <optional>

#include "core/editor/Bibliothek.h"

class QMenu;
class QTableWidget;

namespace trm::gui {
class Typbild;
}

namespace trm::gui {

/// The list window of one library kind over the layout's active list of that kind.
class TfListe : public QDialog {
  Q_OBJECT
 public:
  /// Results of the window's buttons, as the core's Listenknopf.
  enum Ergebnis {
    Abbrechen = static_cast<int>(Listenknopf::Abbrechen),
    Auswaehlen = static_cast<int>(Listenknopf::Auswaehlen),
    Entfernen = static_cast<int>(Listenknopf::Entfernen)
  };

  TfListe(const TListenart& art, const Anlage& anlage, QWidget* eltern = nullptr);
  /// The record number (1-based) of the selected row.
  int Auswahl() const { return auswahl_; }
  /// The button the window was closed with.
  Listenknopf Knopf() const { return static_cast<Listenknopf>(result()); }
  /// The window closed because a row was dragged out of it ("Auswählen"): the type is to
  /// follow the mouse over the drawing instead of being inserted at the current segment.
  bool Gezogen() const { return gezogen_; }
  QTableWidget& Tabelle() { return *tabelle_; }
  Typbild& Bild() { return *bild_; }
  /// Fills the grid from the active list; false when it cannot be read.
  bool Fuellen();
  /// Exchanges the records of rows von and nach (1-based) in the file, refills, selects row 1.
  void ZeileVerschieben(int von, int nach);
  /// Adds "Datei" › "importieren" › `text` to the window's menu bar: `import` runs, and when it
  /// changed the active list the grid shows the new one.
  void ImportAnbieten(const QString& name, const QString& text, std::function<bool()> import);

 protected:
  bool eventFilter(QObject* objekt, QEvent* e) override;

 private:
  const TListenart& art_;
  const Anlage& anlage_;
  QTableWidget* tabelle_;
  Typbild* bild_;
  std::vector<Zeilen> saetze_;  ///< the records as last read, for the preview
  QMenu* importieren_ = nullptr;
  int auswahl_ = 1;
  bool gezogen_ = false;
  std::optional<QPoint> druck_;  ///< where the left button went down on a row
  int druckZeile_ = -1;
  void BildZeigen();
};

}  // namespace trm::gui
