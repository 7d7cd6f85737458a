// TDS_Daten: the modal dialog "Doppelschwellen" of crossings and slips: one field per double
// sleeper, offered with the element's numbers; "übernehmen" closes it with the texts of the
// fields, which the core reads and sorts.
#pragma once

#include <QDialog>
#include <string>
#include <vector>

class QLineEdit;

namespace trm::gui {

class TDS_Daten : public QDialog {
  Q_OBJECT
 public:
  /// `felder`: the texts of the fields, one field each (none: "keine Doppelschwellen").
  TDS_Daten(const std::vector<std::string>& felder, QWidget* eltern);
  /// The texts of the fields in their order.
  std::vector<std::string> Felder() const;
  /// The fields, for tests.
  const std::vector<QLineEdit*>& Eingaben() const { return eingaben_; }

 private:
  std::vector<QLineEdit*> eingaben_;
};

}  // namespace trm::gui
