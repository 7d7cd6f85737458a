// The print window "Druckdaten": scale, printer or PDF file, paper, sheets, options; the sheet
// overlay on the drawing while it is open; preview and print. TD_Confirm shows during a job.
#pragma once

#include <QDialog>
#include <QPrinter>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "core/output/Blattaufteilung.h"
#include "core/output/Druckblatt.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace trm {
class Anlage;
class Dialoge;
class Editor;
}  // namespace trm

namespace trm::gui {

class TZeichenflaeche;

/// "… wird gedruckt": a small borderless window over everything while a job runs.
class TD_Confirm : public QWidget {
 public:
  TD_Confirm(const QString& anlage, QWidget* eltern);
};

class TDruckdaten : public QDialog {
 public:
  /// The entry of the printer list that prints into a file.
  static QString PdfEintrag() { return QStringLiteral("PDF-Datei"); }

  TDruckdaten(Editor& e, Dialoge& d, TZeichenflaeche* flaeche, QWidget* eltern);

  /// Reads the scale, asks the printer for its page, computes the tiling, shows it, sets the
  /// sheet overlay and redraws.
  void Auffrischen();
  /// The options as the boxes show them.
  TDruckoptionen Optionen() const;
  std::int64_t Massstab() const { return n_; }
  const TBlattaufteilung& Aufteilung() const { return t_; }
  QPrinter& Drucker() { return *drucker_; }
  /// Chooses a printer by name (or PdfEintrag()).
  void DruckerWaehlen(const QString& name);
  /// The sheets of the page field; a message and nothing when it names no sheet or a bad one.
  std::optional<std::vector<std::int64_t>> Seiten();
  /// Prints the sheets; into pdfPfad when the PDF entry is chosen (empty: ask for the file).
  /// True when printed.
  bool Drucken(const QString& pdfPfad = {});

  /// For a file chosen by a dialog: the path, or empty when cancelled (tests replace it).
  std::function<QString()> PdfDateiFragen;

 protected:
  void showEvent(QShowEvent* e) override;
  void hideEvent(QHideEvent* e) override;

 private:
  void PapierSetzen();
  void Vorschau();
  bool IstPdf() const;

  Editor& e_;
  Anlage& A() const;
  Dialoge& d_;
  TZeichenflaeche* flaeche_;
  std::unique_ptr<QPrinter> drucker_;
  std::int64_t n_ = 1;
  TBlattaufteilung t_;
  std::int64_t seiteBreiteMm_ = 1, seiteHoeheMm_ = 1;
  QLineEdit* massstab_;
  QLineEdit* seiten_;
  QComboBox* druckerWahl_;
  QComboBox* papier_;
  QRadioButton* hoch_;
  QRadioButton* quer_;
  QLabel* druckerName_;
  QLabel* papierName_;
  QLabel* blaetter_;
  QRadioButton* farbig_;
  QRadioButton* sw_;
  QCheckBox* schwellen_;
  QCheckBox* trasse_;
  QCheckBox* bogenname_;
  QCheckBox* bogenradius_;
  QCheckBox* schienen_;
  QCheckBox* raster_;
  QCheckBox* hoehen_;
  QCheckBox* geoRahmen_;
  QCheckBox* geoVoll_;
};

}  // namespace trm::gui
