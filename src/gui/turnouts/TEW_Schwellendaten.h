// TEW_Schwellendaten: the sleeper editor "Schwellendaten" of the current turnout, modal and
// maximised. It shows the turnout's sleepers with their labels over the core's
// TSchwelleneditor and hands every entry to it; the turnout changes only when the plan is saved
// ("Schwellenplan speichern", or the question when the window closes).
#pragma once

#include <QDialog>
#include <array>
#include <memory>

#include "core/turnouts/Schwelleneditor.h"

class QAction;
class QCheckBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace trm {
class Editor;
}

namespace trm::gui {

class Zahlenfeld;
class Schwellenbild;

class TEW_Schwellendaten : public QDialog {
  Q_OBJECT
 public:
  /// Over the current turnout of the editor (which must exist).
  TEW_Schwellendaten(Editor& ed, QWidget* eltern);
  ~TEW_Schwellendaten() override;

  TSchwelleneditor& Kern() { return *kern_; }
  /// Whole pixels per mm of the drawing.
  int Massstab() const { return massstab_; }
  /// The drawing's view (frame origin, scale, labels).
  TEditoransicht Ansicht() const;
  /// Fills the fields and redraws.
  void Auffrischen();
  /// Closing: the core decides whether the plan is saved (once).
  void done(int r) override;

 protected:
  void keyPressEvent(QKeyEvent* e) override;
  void resizeEvent(QResizeEvent* e) override;

 private:
  Zahlenfeld* Feld(const char* name, bool ganzzahl, std::function<void(const QString&)> tun);
  void Einpassen();
  bool Dm() const;

  Editor& ed_;
  std::unique_ptr<TSchwelleneditor> kern_;
  Schwellenbild* bild_ = nullptr;
  int massstab_ = 1;
  int versatzY_ = 0;  ///< pixels the drawing is shifted down
  bool gezoomt_ = false;
  bool geschlossen_ = false;
  QCheckBox *nummer_ = nullptr, *abstand_ = nullptr, *laenge_ = nullptr;
  QRadioButton* dm_ = nullptr;
  QSpinBox* schrift_ = nullptr;
  Zahlenfeld *nummerFeld_ = nullptr, *abstandFeld_ = nullptr, *laengeFeld_ = nullptr,
             *senkrecht_ = nullptr;
  QLabel *abstandText_ = nullptr, *laengeText_ = nullptr;
  std::array<QPushButton*, 3> hinzu_{}, weg_{};
  std::array<QLabel*, 3> anfang_{}, ende_{};
  QAction* speichern_ = nullptr;
  QAction* kleiner_ = nullptr;
};

}  // namespace trm::gui
