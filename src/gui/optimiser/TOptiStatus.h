// The status window of a run: a moving progress bar, and Esc to cancel.
#pragma once

#include <QWidget>

class QProgressBar;
class QTimer;

namespace trm {
class Editor;
}

namespace trm::gui {

class TOptiStatus : public QWidget {
  Q_OBJECT
 public:
  TOptiStatus(Editor& editor, QWidget* eltern);

 protected:
  void showEvent(QShowEvent* e) override;
  void hideEvent(QHideEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;

 private:
  Editor& ed_;
  QProgressBar* balken_;
  QTimer* takt_;
};

}  // namespace trm::gui
