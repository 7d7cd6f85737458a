// Dialoge with scripted answers for tests: questions are answered from a queue, messages and
// file choices are recorded.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "core/base/Dialoge.h"

namespace trm::test {

class SkriptDialoge : public Dialoge {
 public:
  std::deque<Antwort> antworten;                ///< answers to the next questions
  std::deque<std::optional<std::string>> pfade;  ///< answers of the next file dialogs
  std::vector<std::string> fragen, fehler, infos;

  Antwort Frage(const std::string& text, Knoepfe knoepfe) override {
    fragen.push_back(text);
    if (antworten.empty()) return knoepfe == Knoepfe::JaNein ? Antwort::Nein : Antwort::Abbrechen;
    const Antwort a = antworten.front();
    antworten.pop_front();
    return a;
  }
  void Fehler(const std::string& text) override { fehler.push_back(text); }
  void Information(const std::string& text) override { infos.push_back(text); }
  std::optional<std::string> OeffnenDialog(const std::string&) override { return Naechster(); }
  std::optional<std::string> SpeichernDialog(const std::string&, const std::string&,
                                             const std::string&) override {
    return Naechster();
  }

 private:
  std::optional<std::string> Naechster() {
    if (pfade.empty()) return std::nullopt;
    auto p = pfade.front();
    pfade.pop_front();
    return p;
  }
};

}  // namespace trm::test
