// TDoppelSw: the dialog "Doppelschwellen" of the turnout data window: none, one or two double
// sleepers with their numbers. It only collects the numbers; the data window runs the command.
#pragma once

#include <QDialog>
#include <cstdint>
#include <vector>

class QRadioButton;

namespace trm::gui {

class Zahlenfeld;

class TDoppelSw : public QDialog {
  Q_OBJECT
 public:
  /// Opens with the turnout's numbers and count.
  TDoppelSw(const std::vector<std::int32_t>& nummern, std::int32_t anzahl, QWidget* eltern);
  /// The numbers chosen (as many as the chosen count; an empty field counts as 0, which is none).
  std::vector<std::int32_t> Nummern() const;

 private:
  void Freigeben();

  QRadioButton* keine_ = nullptr;
  QRadioButton* eine_ = nullptr;
  QRadioButton* zwei_ = nullptr;
  Zahlenfeld* erste_ = nullptr;
  Zahlenfeld* zweite_ = nullptr;
};

}  // namespace trm::gui
