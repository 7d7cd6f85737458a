// Editor commands on the current module, track and segment.
#include "core/editor/Editor.h"

#include <algorithm>
#include <cmath>

#include "core/editor/Bibliothek.h"
#include "core/model/Fehler.h"
#include "core/model/Neuberechnung.h"
#include "core/model/Satz.h"
#include "core/model/Verbindungen.h"
#include "core/model/Zahlformat.h"
#include "core/turnouts/Weiche.h"
#include "core/turnouts/Weichenliste.h"

namespace trm {

namespace {
double Grad(double rad) { return rad * 180.0 / Pi; }
double Rad(double grad) { return grad * Pi / 180.0; }
std::int32_t Pfeil(double v) { return static_cast<std::int32_t>(std::clamp<double>(std::round(v), -32000, 32000)); }
}  // namespace

std::string KopierartName(Kopierart k) {
  switch (k) {
    case Kopierart::Gleis: return "Gleis";
    case Kopierart::Bogen: return "Bogen";
    case Kopierart::Weiche: return "Weiche";
    case Kopierart::Kreuzung: return "Kreuzung";
    case Kopierart::EKW: return "EKW";
    case Kopierart::DKW: return "DKW";
    default: return "";
  }
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
  z.speichern = a.Geaendert;
  z.modulLoeschen = a.Module.size() > 1;
  z.rueckgaengigLoeschen = !loeschpuffer.empty();
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
  z.anfangswinkel = FestText(Grad(g->WAnf()));
  if (!g->Boegen.empty()) {
    const TBogen& erster = *g->Boegen.front();
    const TBogen& letzter = *g->Boegen.back();
    z.endwinkel = FestText(Grad(letzter.WEnde));
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
    k.weicheInListe = g->IstWeichengleis();
    k.weicheEntfernen = g->IstWeichengleis() && modul()->Gleise.size() >= 3;
    if (g->IstWeichengleis()) k.kopierenErstes = "Weiche";
  }
  if (kopierart != Kopierart::Keine) k.einfuegen = KopierartName(kopierart) + " einfügen";
  k.einfuegenAktiv = kopierart != Kopierart::Keine &&
                     !(kopierart == Kopierart::Bogen && (!g || !g->IstGewoehnlich()));
  return k;
}

void Editor::NeuesModul() {
  ModulBerechnen(*anlage().NeuesModulAnlegen());
  anlage().Geaendert = true;
}

bool Editor::ModulLoeschen() {
  Anlage& a = anlage();
  if (a.Module.size() < 2) return false;
  if (dialoge_.Frage("Modul unwiderruflich löschen?", Knoepfe::JaAbbrechen) != Antwort::Ja) return false;
  const int i = a.AktModul;
  a.ModulEntfernen(i);
  a.ModulWaehlen(std::max(0, i - 1));
  return true;
}

void Editor::ModulWechseln(int index) {
  Anlage& a = anlage();
  if (index < 0 || index >= static_cast<int>(a.Module.size())) return;
  a.ModulWaehlen(index);
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
  Anlage& a = anlage();
  ModulBerechnen(*m);
  const std::int32_t nr = a.NeueNummer(BereichNeuesGleis);
  TGleis* neu = m->GleisAnhaengen();
  neu->XAnf = c->XEnde();
  neu->YAnf = c->YEnde();
  neu->ZAnfWert = c->ZEnde();
  neu->SetWAnf(c->WEnde());
  neu->Nummer = nr;
  m->GleisWaehlen(static_cast<int>(m->Gleise.size()) - 1);
  auto b = std::make_unique<TBogen>();
  b->SetLaenge(17400.0 / a.Massstab);
  neu->BogenAnhaengen(std::move(b));
  neu->BogenWaehlen(0);
  AlsNachfolgerEinfuegen(*m, c, neu);
  VerbundVereinen(c, neu);
  LageWeitergeben(*m, neu);
  a.Geaendert = true;
  return true;
}

bool Editor::GleisLoeschen() {
  if (!Zustand().gleisLoeschen) return false;
  TModul* m = modul();
  TGleis* t = gleis();
  loeschpuffer.clear();
  GleisSchreiben(*t, loeschpuffer);
  GleisLoesen(*m, t);
  VerbundAufbauen(*m, t);
  const std::vector<TGleis*> gruppe = t->Verbund;
  for (TGleis* v : gruppe)
    if (v != t) std::erase(v->Verbund, t);
  m->GleisEntfernen(m->GleisIndex(t));
  m->GleisWaehlen(static_cast<int>(m->Gleise.size()) - 1);
  if (TGleis* g = m->AktuellesGleis()) g->BogenWaehlen(0);
  anlage().Geaendert = true;
  return true;
}

bool Editor::GleisLoeschenRueckgaengig() {
  TModul* m = modul();
  if (!m || loeschpuffer.empty()) return false;
  auto neu = std::make_unique<TGleis>(m);
  std::size_t i = 0;
  try {
    GleisLesen(*neu, loeschpuffer, i);
  } catch (const LeseFehler& e) {
    dialoge_.Fehler(e.what());
    return false;
  }
  neu->Nummer = anlage().NeueNummer(BereichModul);
  neu->VorgaengerNr = -1;
  neu->VerbundNummern.clear();
  neu->Markiert = false;
  m->Gleise.push_back(std::move(neu));
  loeschpuffer.clear();
  anlage().Geaendert = true;
  return true;
}

std::optional<double> Editor::Zahl(const std::string& text) {
  try {
    return TextReal(text);
  } catch (const LeseFehler& e) {
    dialoge_.Fehler(e.what());
    return std::nullopt;
  }
}

void Editor::GruppeVerschieben(double dx, double dy) {
  for (TGleis* t : gleis()->Verbund) {
    t->XAnf += dx;
    t->YAnf += dy;
  }
}

void Editor::GruppeDrehen(double winkel, double cx, double cy) {
  // The list is copied first: the pivot may be a track of the group itself.
  const std::vector<TGleis*> gruppe = gleis()->Verbund;
  for (TGleis* t : gruppe) {
    const TPunkt p = PunktDrehen(t->XAnf, t->YAnf, winkel, cx, cy);
    t->XAnf = p.x;
    t->YAnf = p.y;
    t->SetWAnf(t->WAnf() + winkel);
  }
}

bool Editor::AnfangswinkelSetzen(const std::string& grad) {
  TGleis* g = gleis();
  if (!g) return false;
  const auto a = Zahl(grad);
  if (!a) return false;
  const double d = g->WAnf() - Rad(*a);
  GruppeDrehen(-d, g->XAnf, g->YAnf);
  anlage().Geaendert = true;
  return true;
}

bool Editor::EndwinkelSetzen(const std::string& grad) {
  TGleis* g = gleis();
  if (!g || g->Boegen.empty()) return false;
  const auto a = Zahl(grad);
  if (!a) return false;
  ModulBerechnen(*modul());
  const double d = Rad(*a) - g->WEnde();
  GruppeDrehen(d, g->XEnde(), g->YEnde());
  anlage().Geaendert = true;
  return true;
}

bool Editor::PunktSetzen(const std::string& text, bool ende, bool senkrecht) {
  TGleis* g = gleis();
  const auto v = g ? Zahl(text) : std::nullopt;
  if (!v || g->Boegen.empty()) return false;
  ModulBerechnen(*modul());
  const TBogen& b = ende ? *g->Boegen.back() : *g->Boegen.front();
  const double jetzt = senkrecht ? (ende ? b.YEnde : b.YAnf()) : (ende ? b.XEnde : b.XAnf());
  GruppeVerschieben(senkrecht ? 0 : *v - jetzt, senkrecht ? *v - jetzt : 0);
  anlage().Geaendert = true;
  return true;
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
  GruppeDrehen(Rad(grad), cx, cy);
  anlage().Geaendert = true;
  return true;
}

bool Editor::ParallelabstandSetzen(const std::string& text) {
  TGleis* g = gleis();
  const auto v = g ? Zahl(text) : std::nullopt;
  if (!v) return false;
  g->Eigen.GlsAbst = *v;
  return true;
}

bool Editor::GleisKopieren() {
  TGleis* g = gleis();
  if (!g) return false;
  if (g->IstWeichengleis()) {
    // The list form: the copy gets its own track numbers and no links when it is placed.
    TEWeiche* w = weiche();
    if (!w) return false;
    kopierpuffer.clear();
    w->TypSchreiben(kopierpuffer);
    kopierart = Kopierart::Weiche;
    return true;
  }
  if (!g->IstGewoehnlich()) return false;
  kopierpuffer.clear();
  GleisSchreiben(*g, kopierpuffer);
  kopierart = Kopierart::Gleis;
  return true;
}

bool Editor::BogenKopieren() {
  TBogen* b = bogen();
  if (!b) return false;
  kopierpuffer.clear();
  BogenSchreiben(*b, kopierpuffer);
  kopierart = Kopierart::Bogen;
  return true;
}

std::string Editor::WertKopieren(Wert w) {
  TBogen* b = bogen();
  if (!b) return wertpuffer;
  double v = 0;
  switch (w) {
    case Wert::AnfangX: v = b->XAnf(); break;
    case Wert::AnfangY: v = b->YAnf(); break;
    case Wert::Anfangswinkel: v = Grad(b->WAnf()); break;
    case Wert::EndeX: v = b->XEnde; break;
    case Wert::EndeY: v = b->YEnde; break;
    case Wert::Endwinkel: v = Grad(b->WEnde); break;
  }
  wertpuffer = FestText(v);
  return wertpuffer;
}

bool Editor::Einfuegen() {
  if (!Kontext().einfuegenAktiv) return false;
  switch (kopierart) {
    case Kopierart::Gleis: modus = Mausmodus::GleisEinfuegen; return true;
    case Kopierart::Weiche: modus = Mausmodus::WeicheEinfuegen; return true;
    case Kopierart::Kreuzung: modus = Mausmodus::KreuzungEinfuegen; return true;
    case Kopierart::EKW: modus = Mausmodus::EKWEinfuegen; return true;
    case Kopierart::DKW: modus = Mausmodus::DKWEinfuegen; return true;
    default: break;
  }
  TGleis* g = gleis();
  auto b = std::make_unique<TBogen>(g);
  std::size_t i = 0;
  try {
    BogenLesen(*b, kopierpuffer, i);
  } catch (const LeseFehler& e) {
    dialoge_.Fehler(e.what());
    return false;
  }
  const int nach = g->AktBogen + 1;
  g->Boegen.insert(g->Boegen.begin() + nach, std::move(b));
  g->BogenVorgaengerNeu();
  g->BogenWaehlen(nach);
  ModulBerechnen(*modul());
  LageWeitergeben(*modul(), g);
  anlage().Geaendert = true;
  return true;
}

TEWeiche* Editor::weiche() {
  TGleis* g = gleis();
  return g && g->IstWeichengleis() ? WeicheZuGleis(*modul(), *g) : nullptr;
}

bool Editor::WeicheDrehen() {
  TEWeiche* w = weiche();
  if (!w) return false;
  w->Drehen();
  WeicheAktualisieren(*w);
  return true;
}

bool Editor::WeicheRichtungWechseln() {
  TEWeiche* w = weiche();
  if (!w) return false;
  w->RichtungWechseln();
  WeicheAktualisieren(*w);
  return true;
}

bool Editor::WeicheAusPlanEntfernen() {
  if (!Kontext().weicheEntfernen) return false;
  TModul& m = *modul();
  TEWeiche* w = weiche();
  if (!w) return false;
  for (int i = 0; i < m.AnzahlWeichen(); ++i)
    if (m.Weichen[static_cast<std::size_t>(i)].get() == w) {
      if (!trm::WeicheEntfernen(m, i)) return false;
      anlage().Geaendert = true;
      return true;
    }
  return false;
}

bool Editor::ListeImportieren(const TListenart& art) {
  if (!ListeImportierenDialog(anlage(), art, dialoge_)) return false;
  anlage().Geaendert = true;
  return true;
}

bool Editor::ListeAufrufen(const TListenart& art) {
  if (trm::ListeAufrufen(anlage(), art, dialoge_) == Listenaufruf::Zeigen) return true;
  anlage().Geaendert = true;
  return false;
}

bool Editor::ElementEinfuegenBei(Mausmodus m, double x, double y, std::int32_t nummer) {
  if (m != Mausmodus::WeicheEinfuegen || kopierart != Kopierart::Weiche) return false;
  try {
    return WeicheEinfuegenBei(anlage(), kopierpuffer, x, y, nummer) != nullptr;
  } catch (const LeseFehler& e) {
    dialoge_.Fehler(e.what());
    return false;
  }
}

TGleis* Editor::GleisEinfuegenBei(double x, double y) {
  TModul* m = modul();
  if (!m || kopierart != Kopierart::Gleis || kopierpuffer.empty()) return nullptr;
  auto neu = std::make_unique<TGleis>(m);
  std::size_t i = 0;
  try {
    GleisLesen(*neu, kopierpuffer, i);
  } catch (const LeseFehler& e) {
    dialoge_.Fehler(e.what());
    return nullptr;
  }
  neu->XAnf = x;
  neu->YAnf = y;
  neu->VorgaengerNr = -1;
  neu->VerbundNummern.clear();
  neu->Nummer = anlage().NeueNummer(999'999);
  neu->Markiert = false;
  m->Gleise.push_back(std::move(neu));
  anlage().Geaendert = true;
  return m->Gleise.back().get();
}

}  // namespace trm
