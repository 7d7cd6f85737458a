// Zahlenfeld: an edit field for numbers that lets only the keys of its filter through, moves
// to the next control on Enter, applies its value when left after a change, and offers
// "Wert kopieren" / "Wert einfügen" in its pop-up menu.
#pragma once

#include <QLineEdit>
#include <functional>
#include <string>

namespace trm::gui {

/// A numeric edit field (real or integer filter).
class Zahlenfeld : public QLineEdit {
  Q_OBJECT
 public:
  explicit Zahlenfeld(bool ganzzahl = false, QWidget* eltern = nullptr);

  /// Called with the text when the field is left after a change, or on "Wert einfügen".
  std::function<void(const QString&)> Uebernehmen;
  /// The value buffer shared by all fields of the window ("Wert kopieren" / "Wert einfügen"):
  /// the editor's. Without one the two items are disabled.
  std::string* wertpuffer = nullptr;
  /// Shows a value without counting as a change.
  void Zeigen(const QString& text);
  /// Applies the text as if the field was left.
  void Anwenden();
  /// Enter moves the focus to the next control (else it only emits Eingabetaste).
  bool enterWeiter = true;

 signals:
  /// Enter was pressed (after the value was applied).
  void Eingabetaste();

 protected:
  void keyPressEvent(QKeyEvent* e) override;
  void focusOutEvent(QFocusEvent* e) override;
  void contextMenuEvent(QContextMenuEvent* e) override;

 private:
  bool ganzzahl_;
  QString gezeigt_;  ///< the value last shown, which Esc brings back
};

}  // namespace trm::gui
