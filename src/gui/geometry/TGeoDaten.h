// The geometry editor "Element-Editor": a millimetre drawing area with rulers, grid, cross-hair
// and snapping, the drawing tools, the fields of the selected element, and the component list.
#pragma once

#include <QDialog>

#include "core/geometry/GeoEditor.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QToolButton;

namespace trm {
class Editor;
}

namespace trm::gui {

class Zahlenfeld;
class GeoZeichenflaeche;

class TGeoDaten : public QDialog {
  Q_OBJECT
 public:
  TGeoDaten(Editor& editor, QWidget* eltern);
  TGeoEditor& editor() { return geo_; }
  /// Fields and list from the editor's state, then a redraw.
  void Auffrischen();

 public slots:
  /// Esc or closing: "Änderungen übernehmen?" when work would be lost; Ja takes the drawing into
  /// the list and saves it, Abbrechen keeps the window open.
  void reject() override;

 protected:
  void showEvent(QShowEvent* e) override;

 private:
  friend class GeoZeichenflaeche;
  /// "Elementenliste speichern": false when cancelled or not written.
  bool ListeSpeichern();
  QToolButton* Werkzeugknopf(const char* name, const QString& text, const QString& hinweis, int modus);

  Editor& ed_;
  TGeoEditor geo_;
  GeoZeichenflaeche* flaeche_;
  QListWidget* liste_;
  QLineEdit* name_;
  Zahlenfeld *x_, *y_, *urX_, *urY_, *drehen_, *stiftbreite_, *breite_, *hoehe_, *raster_, *schritt_;
  QCheckBox *ausrichten_, *rasterZeigen_, *fadenkreuz_;
  QRadioButton* stift_;
  QPushButton* farbe_;
  QToolButton *entfernen_, *vor_, *zeiger_;
};

}  // namespace trm::gui
