// The curve window: the current segment's radii, length, end direction and tangent, the
// quantity kept, walking along the track, adding and deleting segments, and the flags for
// drawing and the optimiser. A tool window over the main window; every change is a command.
#pragma once

#include "gui/editor/Werkzeugfenster.h"
#include <functional>
#include <memory>

#include "core/editor/Bogendaten.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QToolButton;

namespace trm {
class Editor;
}

namespace trm::gui {

class Zahlenfeld;

class TBogendaten : public Werkzeugfenster {
  Q_OBJECT
 public:
  TBogendaten(Editor& editor, QWidget* eltern);

  /// Runs a core command; the window redraws the main window when it did something.
  std::function<void(const std::function<bool()>&)> befehl;
  /// The optimiser marks (the optimiser's own commands).
  std::function<void()> optiAnfang, optiEnde;

  /// Shows the current segment.
  void Auffrischen();
  Bogendaten& daten() { return daten_; }

 protected:
  void mouseReleaseEvent(QMouseEvent* e) override;

 private:
  Zahlenfeld* Feld(const QString& name, bool nurLesen = false);
  /// Arrow buttons that step the field by `schritt` within [min, max] and apply it.
  QWidget* Pfeile(Zahlenfeld* feld, double schritt, double min, double max, std::function<void(const QString&)> anwenden);
  QPushButton* Knopf(const QString& name, const QString& text, std::function<bool()> tun);

  Editor& ed_;
  Bogendaten daten_;
  Zahlenfeld *anfRadius_, *laenge_, *endRadius_, *endwinkel_, *tangente_, *anfangswinkel_;
  QWidget *anfPfeile_, *laengePfeile_, *endPfeile_, *winkelPfeile_, *tangentePfeile_;
  QRadioButton *behaltLaenge_, *behaltRadius_, *behaltWinkel_;
  QLabel *kennwerte_, *anfangspunkt_;
  QPushButton *anfAufEnde_, *endeAufAnf_, *hinzufuegen_, *loeschen_, *zurueck_, *vor_, *umkehren_, *tauschen_;
  QPushButton *distAnf_, *distEnde_, *starrFlex_, *optiAnf_, *optiEnde_;
  QCheckBox *lfix_, *rfix_, *tfix_;
};

}  // namespace trm::gui
