// The colour mixer "Farbmischer": palette, greys, user colours and three channel bars; a modal
// dialog whose result is the colour of its preview.
#pragma once

#include <QDialog>
#include <cstdint>
#include <vector>

#include "core/editor/Farbmischer.h"

class QLabel;
class QScrollBar;
class QFrame;

namespace trm::gui {

class TFarb_Insp : public QDialog {
  Q_OBJECT
 public:
  /// Starts at `farbe`; works on a copy of the user colours (read back with `Benutzerfarben`).
  TFarb_Insp(std::int32_t farbe, const Farbspeicher& benutzer, QWidget* eltern);

  std::int32_t Farbe() const { return farbe_; }
  const Farbspeicher& Benutzerfarben() const { return benutzer_; }

 protected:
  void keyPressEvent(QKeyEvent* e) override;
  void keyReleaseEvent(QKeyEvent* e) override;

 private:
  QFrame* Feld(const QString& name, std::int32_t farbe, int tag, QWidget* eltern);
  void Waehlen(QFrame* feld, std::int32_t farbe, int tag);
  void Zeigen(std::int32_t farbe);
  void BenutzerAuffrischen();
  void Regler(int welcher, int wert);

  std::int32_t farbe_;
  Farbspeicher benutzer_;
  int tag_ = 0;
  bool strg_ = false;
  bool setzt_ = false;
  std::vector<QFrame*> felder_, benutzerFelder_;
  QFrame* vorschau_;
  QScrollBar* regler_[3];
  QLabel* zahlen_;
};

/// A swatch's style: its colour, and a dotted outline when marked.
QString Farbstil(std::int32_t farbe, bool markiert = false);

}  // namespace trm::gui
