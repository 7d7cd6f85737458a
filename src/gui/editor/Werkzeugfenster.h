// Werkzeugfenster: an element or data window of the main window. The main window puts each one
// into a dock panel (docked at the right, tabbed with the others, floatable); showing and hiding
// the window then shows and hides its panel, so the windows' own code stays as it was.
#pragma once

#include <QDialog>

class QDockWidget;
class QMainWindow;
class QSettings;

namespace trm::gui {

class Werkzeugfenster : public QDialog {
  Q_OBJECT
 public:
  explicit Werkzeugfenster(QWidget* eltern);
  /// Shows or hides the dock panel that holds the window (the window itself when it has none).
  void setVisible(bool sichtbar) override;
  /// The panel that holds the window, or none.
  QDockWidget* Panel() const;
};

/// Puts every Werkzeugfenster of the main window into a dock panel of its own at the right,
/// tabbed together, then restores the panels' places from `ablage` (all panels start hidden:
/// each shows when its element is selected).
void WerkzeugfensterAndocken(QMainWindow& haupt, QSettings& ablage);
/// Keeps the panels' places (docked, tabbed or floating) for the next start.
void WerkzeugfensterMerken(const QMainWindow& haupt, QSettings& ablage);

}  // namespace trm::gui
