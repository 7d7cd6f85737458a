// The gradient window "Steigung": the height profile of the current track, the rows of the
// selected segment, and the buttons that pass heights between tracks.
#pragma once

#include <QDialog>
#include <functional>

#include "core/calculators/Steigung.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QScrollArea;
class QTableWidget;

namespace trm {
class Editor;
}

namespace trm::gui {

class Zahlenfeld;

class TSteigung : public QDialog {
  Q_OBJECT
 public:
  TSteigung(Editor& editor, QWidget* eltern);
  std::function<void(const std::function<bool()>&)> befehl;
  Steigungsdaten& daten() { return daten_; }
  /// Rows, check boxes and the profile from the layout.
  void Auffrischen();

 protected:
  void showEvent(QShowEvent* e) override;
  bool eventFilter(QObject* o, QEvent* e) override;

 private:
  void Zelle(int zeile, const QString& text);
  Editor& ed_;
  Steigungsdaten daten_;
  QTableWidget* liste_;
  QLabel* profil_;
  QScrollArea* rahmen_;
  QCheckBox *ausrundung_, *nachfolgende_, *vorhergehende_;
  QPushButton *vomVorgaenger_, *aufNachfolger_;
  QGroupBox* drehscheibe_;
  Zahlenfeld* dsHoehe_;
  bool fuellt_ = false;
};

}  // namespace trm::gui
