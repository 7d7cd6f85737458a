// TSwSenkrecht: the dialog "Schwellen senkrecht/fächerförmig" of the turnout data window: all
// sleepers of the first arc pair fan-shaped, or those up to a number square to the main track.
// It only collects the number; the data window runs the command.
#pragma once

#include <QDialog>
#include <cstdint>

class QRadioButton;

namespace trm::gui {

class Zahlenfeld;

class TSwSenkrecht : public QDialog {
  Q_OBJECT
 public:
  TSwSenkrecht(std::int32_t senkrechtBis, QWidget* eltern);
  /// The chosen SenkrechtBis: 0 for fan-shaped sleepers.
  std::int32_t SenkrechtBis() const;

 private:
  QRadioButton* faecher_ = nullptr;
  QRadioButton* senkrecht_ = nullptr;
  Zahlenfeld* bis_ = nullptr;
};

}  // namespace trm::gui
