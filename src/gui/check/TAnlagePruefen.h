// The window "Anlage prüfen": the findings of the layout check as a list (errors before hints),
// the check box "nach jeder Änderung prüfen" and a button that checks now. A click on a
// finding hands it to the main window, which selects its track and centres the view on it.
#pragma once

#include <functional>
#include <vector>

#include "core/check/Befund.h"
#include "gui/editor/Werkzeugfenster.h"

class QCheckBox;
class QLabel;
class QTableWidget;

namespace trm::gui {

class TAnlagePruefen : public Werkzeugfenster {
  Q_OBJECT
 public:
  explicit TAnlagePruefen(QWidget* eltern);

  /// Shows the findings; `hinweis` is shown above them (a settings file that does not read).
  void Zeigen(const std::vector<TBefund>& befunde, const QString& hinweis = {});
  /// "nach jeder Änderung prüfen" is ticked.
  bool Fortlaufend() const;
  QTableWidget& liste() { return *liste_; }

  /// "jetzt prüfen".
  std::function<void()> pruefen;
  /// A finding was clicked (its index in the list shown).
  std::function<void(int)> gewaehlt;
  /// The check box changed.
  std::function<void(bool)> fortlaufendGeaendert;

 private:
  QTableWidget* liste_;
  QCheckBox* fortlaufend_;
  QLabel* hinweis_;
};

}  // namespace trm::gui
