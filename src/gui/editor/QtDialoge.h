// Dialoge answered with Qt message boxes and file dialogs, parented to a window.
#pragma once

#include <QWidget>

#include "core/base/Dialoge.h"

namespace trm::gui {

/// Questions and file choices of the core, shown as German Qt dialogs.
class QtDialoge : public Dialoge {
 public:
  explicit QtDialoge(QWidget* eltern) : eltern_(eltern) {}
  Antwort Frage(const std::string& text, Knoepfe knoepfe) override;
  void Fehler(const std::string& text) override;
  void Warnung(const std::string& text) override;
  void Information(const std::string& text) override;
  std::optional<std::string> Eingabe(const std::string& titel, const std::string& frage,
                                     const std::string& vorschlag) override;
  std::optional<std::string> OeffnenDialog(const std::string& filter) override;
  std::optional<std::string> SpeichernDialog(const std::string& filter, const std::string& vorschlag,
                                             const std::string& endung) override;

  /// "Text (*.ext)|*.ext" as a Qt name filter "Text (*.ext)".
  static QString QtFilter(const std::string& filter);

 private:
  QWidget* eltern_;
};

}  // namespace trm::gui
