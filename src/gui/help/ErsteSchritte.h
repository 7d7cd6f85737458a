// "Erste Schritte": the short guide of the "Hilfe" menu, with pictures drawn by the program.
#pragma once

#include <QDialog>

namespace trm {
class Anlage;
}

class QTextBrowser;

namespace trm::gui {

/// A window beside the main window (not modal: the reader follows the steps in the program).
class ErsteSchritte : public QDialog {
  Q_OBJECT
 public:
  ErsteSchritte(const Anlage& anlage, QWidget* eltern = nullptr);
  QTextBrowser& Text() { return *text_; }

 private:
  QTextBrowser* text_;
};

}  // namespace trm::gui
