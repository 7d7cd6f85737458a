// The sleeper editor's working plan, selection and edits.
#include "core/turnouts/Schwelleneditor.h"

#include <algorithm>
#include <cmath>

#include "core/base/Dialoge.h"
#include "core/editor/Editor.h"
#include "core/model/Anlage.h"
#include "core/model/Bogen.h"
#include "core/model/Fehler.h"
#include "core/model/Modul.h"
#include "core/model/Zahlformat.h"
#include "core/turnouts/WeichenBefehle.h"

namespace trm {

namespace {

/// The point end of the main track and the direction into the turnout there.
TSchwellenpunkt Spitze(const TEWeiche& w) {
  const TBogen& b = *w.Stammbogen(1);
  if (w.Anschluss == AnschlussStammEnde) return {b.XEnde, b.YEnde, b.WEnde + Pi, true};
  return {b.XAnf(), b.YAnf(), b.WAnf(), true};
}

/// Whether p lies inside the convex outline u (either winding).
bool Innen(const TSchwellenumriss& u, TPaar p) {
  int plus = 0, minus = 0;
  for (std::size_t k = 0; k < u.size(); ++k) {
    const TPaar& a = u[k];
    const TPaar& b = u[(k + 1) % u.size()];
    const double kreuz = (b.x - a.x) * (p.y - a.y) - (b.y - a.y) * (p.x - a.x);
    if (kreuz > 0) ++plus;
    if (kreuz < 0) ++minus;
  }
  return plus == 0 || minus == 0;
}

double Abstand(TPaar a, TPaar b) { return std::hypot(a.x - b.x, a.y - b.y); }

}  // namespace

TSchwelleneditor::TSchwelleneditor(const TEWeiche& w, Dialoge& dialoge)
    : w_(&w), dialoge_(dialoge), plan_(Schwellenplan(w)) {
  // User lengths beyond the plan stand for no sleeper: they are not carried along.
  const std::size_t n = plan_.Paare[0].size() + plan_.Paare[1].size() + plan_.Paare[2].size();
  if (plan_.SwLaengen.size() > n) plan_.SwLaengen.resize(n);
  Neu();
  if (!schwellen_.empty()) schwellen_[0].Gewaehlt = true;
}

void TSchwelleneditor::Gespeichert(const TEWeiche& w) {
  w_ = &w;
  geaendert_ = false;
  Neu();
}

std::string TSchwelleneditor::Titel() const { return "Schwellenplan - " + w_->Name; }

double TSchwelleneditor::Laenge() const {
  if (!w_->Vollstaendig()) return 0;
  return w_->Stammbogen(1)->Laenge() + w_->Stammbogen(2)->Laenge() + w_->Stammbogen(3)->Laenge();
}

double TSchwelleneditor::Massstab() const {
  return w_->Modul && w_->Modul->Anlage_ ? w_->Modul->Anlage_->Massstab : 87.0;
}

std::string TSchwelleneditor::Wert(double mm, bool dm, int stellen) const {
  return FestText(dm ? mm * Massstab() / 100.0 : mm, stellen);
}

void TSchwelleneditor::Neu() {
  std::vector<int> gewaehlt;
  for (const TWeichenschwelle& s : schwellen_)
    if (s.Gewaehlt) gewaehlt.push_back(s.SwNummer);
  schwellen_.clear();
  if (!w_->Vollstaendig()) return;
  const TSchwellenmitten m = Schwellenmitten(*w_, plan_.Paare);
  const TSchwellenpunkt o = Spitze(*w_);
  const double c = std::cos(-o.w), s = std::sin(-o.w);
  auto rahmen = [&](TPaar p) {
    const double dx = p.x - o.x, dy = p.y - o.y;
    return TPaar{dx * c - dy * s, dx * s + dy * c};
  };
  for (const TSchwelle& sw : SchwellenLegen(*w_, m, plan_.SwLaengen)) {
    TWeichenschwelle e;
    e.SwNummer = static_cast<int>(schwellen_.size()) + 1;
    e.SwPaar = sw.Index;
    for (std::size_t k = 0; k < 4; ++k) e.SwEcken[k] = rahmen(sw.Ecken[k]);
    e.SwMitte = {(e.SwEcken[0].x + e.SwEcken[2].x) / 2, (e.SwEcken[0].y + e.SwEcken[2].y) / 2};
    e.SwLen = Abstand(e.SwEcken[1], e.SwEcken[2]);
    e.Lage = sw.Lage;
    std::size_t k = sw.Index;
    for (const TSwAbstARR& paar : plan_.Paare) {
      if (k < paar.size()) {
        e.SwVorAbst = sw.Lage == Schwellenlage::Zweig ? paar[k].y : paar[k].x;
        break;
      }
      k -= paar.size();
    }
    e.Gewaehlt = std::find(gewaehlt.begin(), gewaehlt.end(), e.SwNummer) != gewaehlt.end();
    schwellen_.push_back(e);
  }
}

void TSchwelleneditor::Aendern() {
  ZweigAbstaendeNeu(*w_, plan_);
  geaendert_ = true;
  Neu();
}

TPaar* TSchwelleneditor::Eintrag(std::size_t i, std::size_t* paar) {
  for (std::size_t k = 0; k < 3; ++k) {
    if (i < plan_.Paare[k].size()) {
      if (paar) *paar = k;
      return &plan_.Paare[k][i];
    }
    i -= plan_.Paare[k].size();
  }
  return nullptr;
}

// ---- selection ----

bool TSchwelleneditor::Klicken(TPaar p, bool strg) {
  for (TWeichenschwelle& s : schwellen_) {
    if (!Innen(s.SwEcken, p)) continue;
    if (!strg)
      for (TWeichenschwelle& t : schwellen_) t.Gewaehlt = false;
    s.Gewaehlt = true;
    return true;
  }
  return false;
}

void TSchwelleneditor::Schritt(int schritt) {
  const int n = static_cast<int>(schwellen_.size());
  if (n == 0) return;
  int von = 0;
  for (const TWeichenschwelle& s : schwellen_)
    if (s.Gewaehlt) {
      von = s.SwNummer;
      break;
    }
  const int nach = von == 0 ? 1 : ((von - 1 + schritt) % n + n) % n + 1;
  for (TWeichenschwelle& s : schwellen_) s.Gewaehlt = s.SwNummer == nach;
}

void TSchwelleneditor::NummerWaehlen(const std::string& text) {
  std::int64_t nr = 0;
  try {
    nr = TextInt(text);
  } catch (const LeseFehler&) {
    nr = 0;
  }
  if (nr < 1 || nr > static_cast<std::int64_t>(schwellen_.size())) {
    dialoge_.Warnung(MeldungBereichEins);
    nr = 1;
  }
  for (TWeichenschwelle& s : schwellen_) s.Gewaehlt = s.SwNummer == nr;
}

int TSchwelleneditor::Einzeln() const {
  int nr = 0;
  for (const TWeichenschwelle& s : schwellen_)
    if (s.Gewaehlt) {
      if (nr != 0) return 0;
      nr = s.SwNummer;
    }
  return nr;
}

// ---- the selected sleeper ----

std::string TSchwelleneditor::NummerText() const {
  const int nr = Einzeln();
  return nr == 0 ? "-,-" : std::to_string(nr);
}

std::string TSchwelleneditor::AbstandText(bool dm) const {
  const int nr = Einzeln();
  return nr == 0 ? "-,-" : Wert(schwellen_[static_cast<std::size_t>(nr - 1)].SwVorAbst, dm, 2);
}

std::string TSchwelleneditor::LaengeText(bool dm) const {
  const int nr = Einzeln();
  return nr == 0 ? "-,-" : Wert(schwellen_[static_cast<std::size_t>(nr - 1)].SwLen, dm, 2);
}

std::optional<double> TSchwelleneditor::Millimeter(const std::string& text, bool dm) const {
  try {
    const double v = TextReal(text);
    return dm ? v * 100.0 / Massstab() : v;
  } catch (const LeseFehler& e) {
    dialoge_.Fehler(e.what());
    return std::nullopt;
  }
}

bool TSchwelleneditor::AbstandSetzen(const std::string& text, bool dm) {
  const int nr = Einzeln();
  if (nr == 0) return false;
  const auto eingabe = Millimeter(text, dm);
  if (!eingabe) return false;
  double mm = *eingabe;
  if (!(mm >= 0) || mm > Laenge()) {
    dialoge_.Warnung(MeldungBereichNull);
    mm = 0;
  }
  std::size_t paar = 0;
  TPaar* e = Eintrag(schwellen_[static_cast<std::size_t>(nr - 1)].SwPaar, &paar);
  if (!e) return false;
  if (paar == 2 && e->x < 0)
    e->y = mm;
  else
    e->x = mm;
  Aendern();
  return true;
}

bool TSchwelleneditor::LaengeSetzen(const std::string& text, bool dm) {
  const int nr = Einzeln();
  if (nr == 0) return false;
  const auto eingabe = Millimeter(text, dm);
  if (!eingabe) return false;
  const double mm = *eingabe;
  if (!(mm > 0)) {
    dialoge_.Warnung(MeldungSchwellenlaenge);
    return false;
  }
  if (mm > MaxEingabe) {
    dialoge_.Fehler(MeldungZuGross);
    return false;
  }
  const std::size_t i = schwellen_[static_cast<std::size_t>(nr - 1)].SwPaar;
  if (plan_.SwLaengen.size() <= i) plan_.SwLaengen.resize(i + 1);
  plan_.SwLaengen[i] = {-1, mm};
  Aendern();
  return true;
}

bool TSchwelleneditor::SenkrechtBisSetzen(const std::string& text) {
  std::int32_t n;
  try {
    n = TextInt(text);
  } catch (const LeseFehler&) {
    dialoge_.Information(MeldungNurZahlen);
    return false;
  }
  plan_.SenkrechtBis = n;
  Aendern();
  return true;
}

// ---- sleepers per pair ----

bool TSchwelleneditor::PaarAenderbar(int paar) const {
  if (!w_->Vollstaendig()) return false;
  switch (paar) {
    case 1:
      return true;
    case 2:
      return w_->Stammbogen(2)->Laenge() > 0;
    case 3:
      return w_->Stammbogen(3)->Laenge() > 0 && w_->Zweigbogen(3)->Laenge() > 0;
    default:
      return false;
  }
}

bool TSchwelleneditor::Hinzufuegen(int paar) {
  if (!PaarAenderbar(paar)) return false;
  const std::size_t n = plan_.Paare[0].size() + plan_.Paare[1].size() + plan_.Paare[2].size();
  if (n >= MaxSchwellen) return false;
  TSwAbstARR& p = plan_.Paare[static_cast<std::size_t>(paar - 1)];
  const double a = w_->SwAbst();
  TPaar neu{a, a};
  if (!p.empty() && p.back().x < 0)
    neu = {KeineSchwelle, a};
  else if (!p.empty() && p.back().y < 0)
    neu = {a, KeineSchwelle};
  // Its user length goes in at its own index, so that those of later sleepers stay theirs.
  std::size_t index = 0;
  for (int k = 0; k < paar; ++k) index += plan_.Paare[static_cast<std::size_t>(k)].size();
  p.push_back(neu);
  if (index <= plan_.SwLaengen.size())
    plan_.SwLaengen.insert(plan_.SwLaengen.begin() + static_cast<std::ptrdiff_t>(index),
                           TPaar{0, 0});
  Aendern();
  for (TWeichenschwelle& s : schwellen_) s.Gewaehlt = s.SwNummer == 1;
  return true;
}

bool TSchwelleneditor::Loeschen(int paar) {
  if (!PaarAenderbar(paar)) return false;
  TSwAbstARR& p = plan_.Paare[static_cast<std::size_t>(paar - 1)];
  if (p.empty()) return false;
  std::size_t index = 0;
  for (int k = 0; k < paar; ++k) index += plan_.Paare[static_cast<std::size_t>(k)].size();
  --index;
  p.pop_back();
  if (index < plan_.SwLaengen.size())
    plan_.SwLaengen.erase(plan_.SwLaengen.begin() + static_cast<std::ptrdiff_t>(index));
  Aendern();
  for (TWeichenschwelle& s : schwellen_) s.Gewaehlt = s.SwNummer == 1;
  return true;
}

std::array<TSchwelleneditor::Versatz, 3> TSchwelleneditor::Versaetze(bool dm) const {
  std::array<Versatz, 3> v;
  if (!w_->Vollstaendig()) return v;
  for (int k = 1; k <= 3; ++k) {
    const TSwAbstARR& p = plan_.Paare[static_cast<std::size_t>(k - 1)];
    Versatz& z = v[static_cast<std::size_t>(k - 1)];
    if (p.empty()) {
      z = {"-", "-"};
      continue;
    }
    z.anfang = Wert(p.front().x, dm, 2);
    // Pair 3: the longer of its two segments, with its own distances.
    const double s = w_->Stammbogen(k)->Laenge(), zl = w_->Zweigbogen(k)->Laenge();
    const bool zweig = k == 3 && zl > s;
    double summe = 0;
    for (const TPaar& e : p) summe += std::max(0.0, zweig ? e.y : e.x);
    z.ende = Wert((zweig ? zl : s) - summe, dm, 2);
  }
  return v;
}

// ---- saving and closing ----

bool SchwelleneditorSpeichern(Editor& ed, TSchwelleneditor& e) {
  if (!SchwellenplanUebernehmen(ed, e.Plan(), true)) return false;
  if (const TEWeiche* w = Weiche(ed)) e.Gespeichert(*w);
  return true;
}

Schliessergebnis SchwelleneditorSchliessen(Editor& ed, TSchwelleneditor& e) {
  if (!e.Geaendert()) return Schliessergebnis::Geschlossen;
  if (e.Automatisch()) {
    const Antwort a = ed.dialoge().Frage(MeldungAenderungenUebernehmen, Knoepfe::JaNeinAbbrechen);
    if (a == Antwort::Abbrechen) return Schliessergebnis::Bleibt;
    if (a == Antwort::Nein) return Schliessergebnis::Geschlossen;
  }
  return SchwelleneditorSpeichern(ed, e) ? Schliessergebnis::Gespeichert : Schliessergebnis::Geschlossen;
}

}  // namespace trm
