// The modal window "Gleis drehen": pivot at the start or the end, the angle in degrees.
#pragma once

#include <QDialog>

class QRadioButton;

namespace trm::gui {

class Zahlenfeld;

/// Asks for the pivot and angle of a rotation of the current track's group.
class TGleisDrehen : public QDialog {
  Q_OBJECT
 public:
  explicit TGleisDrehen(QWidget* eltern = nullptr);
  bool UmAnfang() const;
  /// The angle as typed.
  QString Winkeltext() const;
  Zahlenfeld& Feld() { return *feld_; }
  /// Puts a value into the field and confirms.
  void Schnellwahl(const QString& wert);

 private:
  QRadioButton* anfang_;
  Zahlenfeld* feld_;
};

}  // namespace trm::gui
