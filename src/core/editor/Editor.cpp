// Editor commands on the current module, track and segment.
#include "core/editor/Editor.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "core/editor/Zoom.h"
#include "core/model/Elementart.h"
#include "core/editor/Bibliothek.h"
#include "core/model/Element.h"
#include "core/model/Fehler.h"
#include "core/model/Gruppenbewegung.h"
#include "core/model/Neuberechnung.h"
#include "core/model/Schwellenbudget.h"
#include "core/model/Pruefung.h"
#include "core/model/Satz.h"
#include "core/model/Verbindungen.h"
#include "core/model/Zahlformat.h"

namespace trm {

namespace {
double Rad(double grad) { return grad * Pi / 180.0; }
std::int32_t Pfeil(double v) { return static_cast<std::int32_t>(std::clamp<double>(std::round(v), -32000, 32000)); }
}  // namespace

std::string Editor::KopierName() const {
  switch (kopierart_) {
    case Kopierart::Gleis: return "Gleis";
    case Kopierart::Bogen: return "Bogen";
    case Kopierart::Element: {
      const TElementart* art = ElementartInfo(kopierElement_);
      return art ? art->name : "";
    }
    default: return "";
  }
}

namespace {

/// Debug builds check the layout's structure after every step, so that a fault stops at the
/// command that made it. Positions are left out: a file may store a start away from its
/// predecessor's end until the next propagation closes it.
void SchrittPruefen([[maybe_unused]] const Anlage& a, [[maybe_unused]] const std::string& name) {
#ifndef NDEBUG
  const std::vector<std::string> fehler = VerbindungenPruefen(a, false);
  if (fehler.empty()) return;
  std::fprintf(stderr, "Der Schritt \"%s\" hinterlässt %zu Fehler im Gefüge der Anlage:\n", name.c_str(),
               fehler.size());
  for (const std::string& f : fehler) std::fprintf(stderr, "  %s\n", f.c_str());
  std::abort();
#endif
}

}  // namespace

bool Editor::Ausfuehren(const std::string& name, const std::function<bool()>& befehl) {
  Verlauf& v = dok_.verlauf();
  // A command inside a command is part of the outer step.
  if (v.Offen()) return befehl();
  v.Vormerken(anlage());
  bool ok = false;
  try {
    ok = befehl();
  } catch (...) {
    v.Zuruecknehmen(anlage());
    throw;
  }
  if (!ok) {
    v.Verwerfen();
    return false;
  }
  // No step may leave a layout that could not be saved and read again: one whose sleepers
  // go beyond what a real layout holds is taken back (counted from lengths and spacings,
  // before any point is computed).
  if (const std::string zuViele = SchwellenUeberschritten(anlage()); !zuViele.empty()) {
    v.Zuruecknehmen(anlage());
    dialoge_.Fehler(zuViele + " Die Änderung wurde zurückgenommen.");
    return false;
  }
  if (TModul* m = modul()) ModulBerechnen(*m);
  v.Abschliessen(name);
  SchrittPruefen(anlage(), name);
  return true;
}

void Editor::SchrittBeginnen() { dok_.verlauf().Vormerken(anlage()); }

void Editor::SchrittAbschliessen(const std::string& name) {
  if (TModul* m = modul()) ModulBerechnen(*m);
  dok_.verlauf().Abschliessen(name);
  SchrittPruefen(anlage(), name);
}

bool Editor::Rueckgaengig() {
  if (!dok_.verlauf().Rueckgaengig(anlage())) return false;
  NachVerlauf();
  return true;
}

bool Editor::Wiederherstellen() {
  if (!dok_.verlauf().Wiederherstellen(anlage())) return false;
  NachVerlauf();
  return true;
}

void Editor::NachVerlauf() {
  modus_ = Mausmodus::Normal;
  neuesGleisModus_ = false;
  if (TModul* m = modul()) ModulBerechnen(*m);
}

TGleis* Editor::gleis() {
  TModul* m = modul();
  return m ? m->AktuellesGleis() : nullptr;
}

TBogen* Editor::bogen() {
  TGleis* g = gleis();
  return g ? g->AktuellerBogen() : nullptr;
}

Befehlszustand Editor::Zustand() {
  Befehlszustand z;
  Anlage& a = anlage();
  z.speichern = dok_.Geaendert();
  z.modulLoeschen = a.Module.size() > 1;
  z.rueckgaengigLoeschen = !loeschpuffer_.empty();
  const Verlauf& v = dok_.verlauf();
  const auto rueck = v.RueckgaengigName(), vor = v.WiederherstellenName();
  z.rueckgaengig = rueck ? "Rückgängig: " + *rueck : "Rückgängig";
  z.wiederherstellen = vor ? "Wiederherstellen: " + *vor : "Wiederherstellen";
  z.rueckgaengigAktiv = v.RueckgaengigName().has_value();
  z.wiederherstellenAktiv = v.WiederherstellenName().has_value();
  TModul* m = modul();
  if (!m) return z;
  z.zoomfeld = RundenGerade(10 * m->MmProPixel);
  const int n = static_cast<int>(m->Gleise.size());
  if (n > 1) {
    z.vorigesGleis = m->AktGleis > 0;
    z.naechstesGleis = m->AktGleis < n - 1;
  }
  int gewoehnlich = 0;
  for (const auto& g : m->Gleise) gewoehnlich += g->IstGewoehnlich();
  for (const auto& mod : a.Module) {
    z.module.push_back(mod->Name);
    z.modulHaken.push_back(mod->Name == m->Name);
  }
  TGleis* g = m->AktuellesGleis();
  if (!g) return z;
  z.gleisLoeschen = gewoehnlich >= 2 && g->IstGewoehnlich();
  z.gleisAnfuegen = !g->DSGleis && !g->Boegen.empty();
  z.bogenFortfuehren = g->IstGewoehnlich();
  z.parallelabstand = FestText(g->GlsAbst());
  z.anfangswinkel = FestText(RichtungGrad(g->WAnf()));
  if (!g->Boegen.empty()) {
    const TBogen& erster = *g->Boegen.front();
    const TBogen& letzter = *g->Boegen.back();
    z.endwinkel = FestText(RichtungGrad(letzter.WEnde));
    z.anfangX = FestText(erster.XAnf());
    z.anfangY = FestText(erster.YAnf());
    z.endeX = FestText(letzter.XEnde);
    z.endeY = FestText(letzter.YEnde);
    z.pfeilAnfangX = Pfeil(erster.XAnf());
    z.pfeilAnfangY = Pfeil(erster.YAnf());
    z.pfeilEndeX = Pfeil(letzter.XEnde);
    z.pfeilEndeY = Pfeil(letzter.YEnde);
  }
  return z;
}

Kontextzustand Editor::Kontext() {
  Kontextzustand k;
  TGleis* g = gleis();
  TBogen* b = bogen();
  if (g && b) {
    k.bogenTauschen = g->AktBogen > 0 && g->IstGewoehnlich();
    k.bogenVerbinden = b->Naechster() != nullptr && g->IstGewoehnlich();
    if (const TElement* e = g->Element) {
      k.element = e->Art();
      const std::size_t eigene = e->AlleGleise().size();
      k.elementEntfernen = eigene > 0 && modul()->Gleise.size() > eigene;
      if (const TElementart* art = ElementartInfo(e->Art())) k.kopierenErstes = art->name;
    }
  }
  if (const TModul* m = modul())
    for (const auto& e : m->Elemente)
      if (e->Markiert) k.markiert.push_back(e->Art());
  if (kopierart_ != Kopierart::Keine) k.einfuegen = KopierName() + " einfügen";
  k.einfuegenAktiv = kopierart_ != Kopierart::Keine &&
                     !(kopierart_ == Kopierart::Bogen && (!g || !g->IstGewoehnlich()));
  return k;
}

void Editor::NeuesModul() {
  Ausfuehren("neues Modul", [&] {
    ModulBerechnen(*anlage().NeuesModulAnlegen());
    return true;
  });
}

bool Editor::ModulLoeschen() {
  Anlage& a = anlage();
  if (a.Module.size() < 2) return false;
  if (dialoge_.Frage("Modul unwiderruflich löschen?", Knoepfe::JaAbbrechen) != Antwort::Ja) return false;
  return Ausfuehren("Modul löschen", [&] {
    const int i = a.AktModul;
    a.ModulEntfernen(i);
    a.ModulWaehlen(std::max(0, i - 1));
    return true;
  });
}

void Editor::ModulWechseln(int index) {
  Anlage& a = anlage();
  if (index < 0 || index >= static_cast<int>(a.Module.size())) return;
  a.ModulWaehlen(index);
}

bool Editor::GleisWaehlen(int modul, std::int32_t nummer) {
  Anlage& a = anlage();
  if (modul < 0 || modul >= static_cast<int>(a.Module.size())) return false;
  TModul& m = *a.Module[static_cast<std::size_t>(modul)];
  for (std::size_t i = m.Gleise.size(); i-- > 0;)
    if (m.Gleise[i]->Nummer == nummer && !m.Gleise[i]->Boegen.empty()) {
      if (a.AktModul != modul) ModulWechseln(modul);
      m.GleisWaehlen(static_cast<int>(i));
      m.Gleise[i]->BogenWaehlen(0);
      return true;
    }
  return false;
}

bool Editor::VorigesGleis() {
  TModul* m = modul();
  if (!m || m->AktGleis <= 0) return false;
  m->GleisWaehlen(m->AktGleis - 1);
  m->AktuellesGleis()->BogenWaehlen(0);
  return true;
}

bool Editor::NaechstesGleis() {
  TModul* m = modul();
  if (!m || m->AktGleis + 1 >= static_cast<int>(m->Gleise.size())) return false;
  m->GleisWaehlen(m->AktGleis + 1);
  m->AktuellesGleis()->BogenWaehlen(0);
  return true;
}

bool Editor::GleisAnfuegen() {
  TModul* m = modul();
  TGleis* c = gleis();
  if (!m || !c || c->DSGleis || c->Boegen.empty()) return false;
  return Ausfuehren("Gleis anfügen", [&] { return GleisAnfuegenBei(m, c); });
}

TGleis* Editor::NeuesGleisAnlegen(double x, double y, double w) {
  Anlage& a = anlage();
  TModul* m = modul();
  const std::int32_t nr = a.NeueNummer(BereichNeuesGleis);
  TGleis* neu = m->GleisAnhaengen();
  neu->XAnf = x;
  neu->YAnf = y;
  neu->SetWAnf(w);
  neu->Nummer = nr;
  m->GleisWaehlen(static_cast<int>(m->Gleise.size()) - 1);
  auto b = std::make_unique<TBogen>();
  b->SetLaenge(17400.0 / a.Massstab);
  neu->BogenAnhaengen(std::move(b));
  neu->BogenWaehlen(0);
  return neu;
}

bool Editor::GleisAnfuegenBei(TModul* m, TGleis* c) {
  ModulBerechnen(*m);
  TGleis* neu = NeuesGleisAnlegen(c->XEnde(), c->YEnde(), c->WEnde());
  neu->ZAnfWert = c->ZEnde();
  AlsNachfolgerEinfuegen(*m, c, neu);
  VerbundVereinen(c, neu);
  LageWeitergeben(*m, neu);
  return true;
}

bool Editor::GleisLoeschen() {
  if (!Zustand().gleisLoeschen) return false;
  return Ausfuehren("Gleis löschen", [&] { return GleisLoeschenJetzt(); });
}

bool Editor::GleisLoeschenJetzt() {
  TModul* m = modul();
  TGleis* t = gleis();
  loeschpuffer_.clear();
  try {
    GleisSchreiben(*t, loeschpuffer_);
  } catch (const SchreibFehler&) {
    loeschpuffer_.clear();  // a track with values that are no numbers cannot come back this way
  }
  GleisLoesen(*m, t);
  VerbundAufbauen(*m, t);
  const std::vector<TGleis*> gruppe = t->Verbund;
  for (TGleis* v : gruppe)
    if (v != t) std::erase(v->Verbund, t);
  const std::vector<TGleis*> folgende = t->Nachfolger;
  m->GleisEntfernen(m->GleisIndex(t));
  // What hung on the track begins trees of its own (in a loop, one that was never closed).
  for (TGleis* s : folgende) LageWeitergeben(*m, s);
  m->GleisWaehlen(static_cast<int>(m->Gleise.size()) - 1);
  if (TGleis* g = m->AktuellesGleis()) g->BogenWaehlen(0);
  return true;
}

bool Editor::GleisLoeschenRueckgaengig() {
  TModul* m = modul();
  if (!m || loeschpuffer_.empty()) return false;
  auto neu = std::make_unique<TGleis>(m);
  std::size_t i = 0;
  try {
    GleisLesen(*neu, loeschpuffer_, i);
  } catch (const LeseFehler& e) {
    dialoge_.Fehler(e.what());
    return false;
  }
  return Ausfuehren("Rückgängig Gleis löschen", [&] {
    neu->Nummer = anlage().NeueNummer(BereichModul);
    neu->VorgaengerNr = -1;
    neu->VerbundNummern.clear();
    neu->VerbundGelesen.clear();
    neu->Markiert = false;
    m->Gleise.push_back(std::move(neu));
    loeschpuffer_.clear();
    return true;
  });
}

std::optional<double> Editor::Zahl(const std::string& text) {
  double v = 0;
  try {
    v = TextReal(text);
  } catch (const LeseFehler& e) {
    dialoge_.Fehler(e.what());
    return std::nullopt;
  }
  if (!(std::fabs(v) <= MaxEingabe)) {
    dialoge_.Fehler(MeldungZuGross);
    return std::nullopt;
  }
  return v;
}

void Editor::GruppeVerschieben(double dx, double dy) {
  GruppeBewegen(*modul(), gleis()->Verbund, {dx, dy});
}

void Editor::GruppeDrehen(double winkel, double cx, double cy) {
  // The list is copied first: the pivot may be a track of the group itself.
  const std::vector<TGleis*> gruppe = gleis()->Verbund;
  GruppeBewegen(*modul(), gruppe, {0, 0, winkel, cx, cy});
}

bool Editor::AnfangswinkelSetzen(const std::string& grad) {
  TGleis* g = gleis();
  if (!g) return false;
  const auto a = Zahl(grad);
  if (!a) return false;
  // The smallest turn that gives the direction (a typed 370° is 10°).
  const double d = Winkeldifferenz(g->WAnf() - Rad(*a));
  return Ausfuehren("Anfangswinkel", [&] {
    GruppeDrehen(-d, g->XAnf, g->YAnf);
    return true;
  });
}

bool Editor::EndwinkelSetzen(const std::string& grad) {
  TGleis* g = gleis();
  if (!g || g->Boegen.empty()) return false;
  const auto a = Zahl(grad);
  if (!a) return false;
  ModulBerechnen(*modul());
  const double d = Winkeldifferenz(Rad(*a) - g->WEnde());
  return Ausfuehren("Endwinkel", [&] {
    GruppeDrehen(d, g->XEnde(), g->YEnde());
    return true;
  });
}

bool Editor::PunktSetzen(const std::string& text, bool ende, bool senkrecht) {
  TGleis* g = gleis();
  const auto v = g ? Zahl(text) : std::nullopt;
  if (!v || g->Boegen.empty()) return false;
  ModulBerechnen(*modul());
  const TBogen& b = ende ? *g->Boegen.back() : *g->Boegen.front();
  const double jetzt = senkrecht ? (ende ? b.YEnde : b.YAnf()) : (ende ? b.XEnde : b.XAnf());
  const std::string name = std::string(ende ? "Endpunkt " : "Anfangspunkt ") + (senkrecht ? "Y" : "X");
  return Ausfuehren(name, [&] {
    GruppeVerschieben(senkrecht ? 0 : *v - jetzt, senkrecht ? *v - jetzt : 0);
    return true;
  });
}

bool Editor::AnfangXSetzen(const std::string& text) { return PunktSetzen(text, false, false); }
bool Editor::AnfangYSetzen(const std::string& text) { return PunktSetzen(text, false, true); }
bool Editor::EndeXSetzen(const std::string& text) { return PunktSetzen(text, true, false); }
bool Editor::EndeYSetzen(const std::string& text) { return PunktSetzen(text, true, true); }

std::string Editor::Fuenferschritt(double wert, bool runter) {
  const double fuenf = std::trunc(wert / 5.0) * 5.0;
  return FestText(runter ? fuenf - 5 : fuenf + 5);
}

bool Editor::GleisDrehen(bool umAnfang, double grad) {
  TGleis* g = gleis();
  if (!g || g->Boegen.empty()) return false;
  ModulBerechnen(*modul());
  const double cx = umAnfang ? g->XAnf : g->XEnde();
  const double cy = umAnfang ? g->YAnf : g->YEnde();
  return Ausfuehren("Gleis drehen", [&] {
    // Whole turns are dropped first: the sine of a huge angle would be rounding noise.
    GruppeDrehen(Rad(std::remainder(grad, 360.0)), cx, cy);
    return true;
  });
}

bool Editor::ParallelabstandSetzen(const std::string& text) {
  TGleis* g = gleis();
  const auto v = g ? Zahl(text) : std::nullopt;
  if (!v) return false;
  return Ausfuehren("Parallelgleisabstand", [&] {
    g->Eigen.GlsAbst = *v;
    return true;
  });
}

bool Editor::Kopieren(Kopierart art, const std::function<void(Zeilen&)>& schreiben) {
  kopierpuffer_.clear();
  try {
    schreiben(kopierpuffer_);
  } catch (const SchreibFehler& e) {
    // A value that is not a finite number: nothing is copied.
    kopierpuffer_.clear();
    kopierart_ = Kopierart::Keine;
    dialoge_.Fehler(e.what());
    return false;
  }
  kopierart_ = art;
  return true;
}

bool Editor::GleisKopieren() {
  TGleis* g = gleis();
  if (!g) return false;
  if (g->Element) {
    // The list form: the copy gets its own track numbers and no links when it is placed.
    if (!Kopieren(Kopierart::Element, [&](Zeilen& z) { g->Element->TypSchreiben(z); }))
      return false;
    kopierElement_ = g->Element->Art();
    return true;
  }
  if (!g->IstGewoehnlich()) return false;
  return Kopieren(Kopierart::Gleis, [&](Zeilen& z) { GleisSchreiben(*g, z); });
}

bool Editor::BogenKopieren() {
  TBogen* b = bogen();
  if (!b) return false;
  return Kopieren(Kopierart::Bogen, [&](Zeilen& z) { BogenSchreiben(*b, z); });
}

std::string Editor::WertKopieren(Wert w) {
  TBogen* b = bogen();
  if (!b) return wertpuffer_;
  double v = 0;
  switch (w) {
    case Wert::AnfangX: v = b->XAnf(); break;
    case Wert::AnfangY: v = b->YAnf(); break;
    case Wert::Anfangswinkel: v = RichtungGrad(b->WAnf()); break;
    case Wert::EndeX: v = b->XEnde; break;
    case Wert::EndeY: v = b->YEnde; break;
    case Wert::Endwinkel: v = RichtungGrad(b->WEnde); break;
  }
  wertpuffer_ = FestText(v);
  return wertpuffer_;
}

bool Editor::Einfuegen() {
  if (!Kontext().einfuegenAktiv) return false;
  if (kopierart_ == Kopierart::Gleis) {
    ModusSetzen(Mausmodus::GleisEinfuegen);
    return true;
  }
  if (kopierart_ == Kopierart::Element) {
    const TElementart* art = ElementartInfo(kopierElement_);
    if (!art || !art->EinfuegenBei) return false;
    ModusSetzen(Mausmodus::ElementEinfuegen);
    return true;
  }
  TGleis* g = gleis();
  auto b = std::make_unique<TBogen>(g);
  std::size_t i = 0;
  try {
    BogenLesen(*b, kopierpuffer_, i);
  } catch (const LeseFehler& e) {
    dialoge_.Fehler(e.what());
    return false;
  }
  return Ausfuehren("Bogen einfügen", [&] {
    const int nach = g->AktBogen + 1;
    g->Boegen.insert(g->Boegen.begin() + nach, std::move(b));
    g->BogenVorgaengerNeu();
    g->BogenWaehlen(nach);
    ModulBerechnen(*modul());
    LageWeitergeben(*modul(), g);
    return true;
  });
}

TElement* Editor::element() {
  TGleis* g = gleis();
  return g ? g->Element : nullptr;
}

bool Editor::ElementDrehen() {
  TElement* e = element();
  const TElementart* art = e ? ElementartInfo(e->Art()) : nullptr;
  if (!art) return false;
  return Ausfuehren(art->name + std::string(" drehen"), [&] { return e->ImPlanDrehen(); });
}

bool Editor::ElementSpiegeln() {
  TElement* e = element();
  const TElementart* art = e ? ElementartInfo(e->Art()) : nullptr;
  if (!art || !art->spiegeln) return false;
  return Ausfuehren(art->spiegeln, [&] { return e->ImPlanSpiegeln(); });
}

bool Editor::ElementAusPlanEntfernen() {
  if (!Kontext().elementEntfernen) return false;
  TElement* e = element();
  return Ausfuehren(ElementartInfo(e->Art())->name + std::string(" entfernen"),
                    [&] { return ElementEntfernen(*modul(), e); });
}

bool Editor::ElementEinsetzen(Elementart art, const Zeilen& satz) {
  const TElementart* info = ElementartInfo(art);
  if (!info || !info->Einsetzen) return false;
  try {
    return Ausfuehren(info->name + std::string(" einsetzen"),
                      [&] { return info->Einsetzen(anlage(), satz) != nullptr; });
  } catch (const LeseFehler& e) {
    dialoge_.Fehler(e.what());
    return false;
  }
}

bool Editor::ListeImportieren(const TListenart& art) {
  return Ausfuehren(std::string(art.name) + " importieren",
                    [&] { return ListeImportierenDialog(anlage(), art, dialoge_); });
}

bool Editor::ListeAufrufen(const TListenart& art) {
  // A list that cannot be read is imported first; the window shows only a readable list.
  bool zeigen = false;
  Ausfuehren(std::string(art.name) + " importieren", [&] {
    zeigen = trm::ListeAufrufen(anlage(), art, dialoge_) == Listenaufruf::Zeigen;
    return !zeigen;
  });
  return zeigen;
}

bool Editor::ElementEinfuegenBei(double x, double y, std::int32_t nummer) {
  if (kopierart_ != Kopierart::Element) return false;
  return ElementEinfuegenBei(kopierElement_, kopierpuffer_, x, y, nummer);
}

bool Editor::ElementEinfuegenBei(Elementart art, const Zeilen& satz, double x, double y, std::int32_t nummer) {
  const TElementart* info = ElementartInfo(art);
  if (!info || !info->EinfuegenBei) return false;
  try {
    return Ausfuehren(std::string(info->name) + " einfügen",
                      [&] { return info->EinfuegenBei(anlage(), satz, x, y, nummer) != nullptr; });
  } catch (const LeseFehler& e) {
    dialoge_.Fehler(e.what());
    return false;
  }
}

TGleis* Editor::GleisEinfuegenBei(double x, double y) {
  TModul* m = modul();
  if (!m || kopierart_ != Kopierart::Gleis || kopierpuffer_.empty()) return nullptr;
  auto neu = std::make_unique<TGleis>(m);
  std::size_t i = 0;
  try {
    GleisLesen(*neu, kopierpuffer_, i);
  } catch (const LeseFehler& e) {
    dialoge_.Fehler(e.what());
    return nullptr;
  }
  TGleis* ergebnis = nullptr;
  Ausfuehren("Gleis einfügen", [&] {
    neu->XAnf = x;
    neu->YAnf = y;
    neu->VorgaengerNr = -1;
    neu->VerbundNummern.clear();
    neu->VerbundGelesen.clear();
    neu->Nummer = anlage().NeueNummer(999'999);
    neu->Markiert = false;
    m->Gleise.push_back(std::move(neu));
    ergebnis = m->Gleise.back().get();
    return true;
  });
  return ergebnis;
}

void Editor::ModusSetzen(Mausmodus m) {
  modus_ = m;
  if (m != Mausmodus::NeuesGleis) neuesGleisModus_ = false;
  // The points of background components show while they can be deformed.
  anlage().GeoPunkteZeigen = m == Mausmodus::GeoVerformen;
}

void Editor::NeuesGleisBeginnen() {
  ModusSetzen(Mausmodus::NeuesGleis);
  neuesGleisModus_ = true;
}

bool Editor::AlleVerbindungenLoesen() {
  TGleis* g = gleis();
  if (!g) return false;
  return Ausfuehren("alle Verbindungen lösen", [&] {
    VerbundAufloesen(*modul(), g);
    return true;
  });
}

bool Editor::BogenTauschen() {
  TGleis* g = gleis();
  if (!g || !Kontext().bogenTauschen) return false;
  return Ausfuehren("Bogen mit Vorgänger tauschen", [&] { return BogenMitVorgaengerTauschen(*g); });
}

bool Editor::BogenVerbinden() {
  TGleis* g = gleis();
  if (!g || !Kontext().bogenVerbinden) return false;
  return Ausfuehren("Bogen mit Nachfolger verbinden", [&] { return BogenMitNachfolgerVerbinden(*g); });
}



bool Editor::MassstabSetzen(double mmProPixel) {
  TModul* m = modul();
  if (!m) return false;
  if (!MassstabDarstellbar(m->Breite, m->Hoehe, mmProPixel)) {
    dialoge_.Warnung(MeldungMassstab);
    return false;
  }
  m->MmProPixel = mmProPixel;
  ModulBerechnen(*m);
  return true;
}

bool Editor::ZoomSetzen(std::int64_t feldwert) {
  const auto neu = MassstabAusZoomfeld(feldwert);
  if (!neu) {
    dialoge_.Warnung(MeldungMassstab);
    return false;
  }
  return MassstabSetzen(*neu);
}

bool Editor::Vergroessern() {
  const TModul* m = modul();
  return m && ZoomSetzen(ZoomfeldWert(m->MmProPixel) - 1);
}

bool Editor::Verkleinern() {
  const TModul* m = modul();
  return m && MassstabSetzen(trm::Verkleinern(m->MmProPixel));
}

bool Editor::AnsFensterAnpassen(std::int64_t bildBreite, std::int64_t bildHoehe, std::int64_t sichtBreite,
                                std::int64_t sichtHoehe) {
  const TModul* m = modul();
  return m && MassstabSetzen(trm::AnsFensterAnpassen(m->MmProPixel, bildBreite, bildHoehe, sichtBreite, sichtHoehe));
}

bool Editor::Lupe(Maustaste taste) {
  const TModul* m = modul();
  return m && MassstabSetzen(LupenMassstab(m->MmProPixel, taste));
}

}  // namespace trm
