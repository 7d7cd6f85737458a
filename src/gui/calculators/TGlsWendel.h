// The helix calculator window "Gleiswendel": a list of eight values, "berechnen", "Daten
// holen" from the current segment and "übertragen" back to it.
#pragma once

#include <QDialog>
#include <functional>

#include "core/calculators/Gleiswendel.h"

class QPushButton;
class QTableWidget;

namespace trm {
class Editor;
}

namespace trm::gui {

class TGlsWendel : public QDialog {
  Q_OBJECT
 public:
  TGlsWendel(Editor& editor, QWidget* eltern);
  std::function<void(const std::function<bool()>&)> befehl;
  const TGleiswendel& werte() const { return w_; }

 protected:
  void showEvent(QShowEvent* e) override;
  bool eventFilter(QObject* o, QEvent* e) override;

 private:
  void Zeigen();
  void Knoepfe();
  void Zelle(int zeile, const QString& text);

  Editor& ed_;
  TGleiswendel w_;
  QTableWidget* liste_;
  QPushButton *berechnen_, *holen_, *uebertragen_;
  bool fuellt_ = false;
};

}  // namespace trm::gui
