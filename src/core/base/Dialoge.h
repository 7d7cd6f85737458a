// The questions, messages and file choices that core commands need, answered by the GUI with
// message boxes and file dialogs, and by tests with scripted answers.
#pragma once

#include <optional>
#include <string>

namespace trm {

enum class Antwort { Ja, Nein, Abbrechen };
/// The buttons of a question.
enum class Knoepfe { JaNein, JaNeinAbbrechen, JaAbbrechen, Ja, OkAbbrechen };

/// The question before a window closes with work that would be lost (Ja / Nein / Abbrechen).
inline constexpr const char* MeldungAenderungenUebernehmen = "Änderungen übernehmen?";

/// What a command may ask the user.
class Dialoge {
 public:
  virtual ~Dialoge() = default;
  /// A question with the given buttons.
  virtual Antwort Frage(const std::string& text, Knoepfe knoepfe) = 0;
  /// An error message with an OK button.
  virtual void Fehler(const std::string& text) = 0;
  /// A warning with a Cancel button.
  virtual void Warnung(const std::string& text) { Fehler(text); }
  /// An input box with a caption, a prompt and a proposed text; none when cancelled.
  virtual std::optional<std::string> Eingabe(const std::string& titel, const std::string& frage,
                                             const std::string& vorschlag) {
    (void)titel;
    (void)frage;
    return vorschlag;
  }
  /// An information message with an OK button.
  virtual void Information(const std::string& text) = 0;
  /// The open dialog; filter in the form "Beschreibung (*.ext)|*.ext". None when cancelled.
  virtual std::optional<std::string> OeffnenDialog(const std::string& filter) = 0;
  /// The save dialog with a proposed name; endung is added when no extension is typed and
  /// overwriting is confirmed by the dialog. None when cancelled.
  virtual std::optional<std::string> SpeichernDialog(const std::string& filter,
                                                     const std::string& vorschlag,
                                                     const std::string& endung) = 0;
};

}  // namespace trm
