// The 44-line crossing record (layout and type form), reading it into a module, and placing a
// crossing type at the end of the current segment or at a click.
#include <cmath>

#include "core/crossings/Kreuzung.h"
#include "core/model/Anlage.h"
#include "core/model/Fehler.h"
#include "core/model/Modul.h"
#include "core/model/Neuberechnung.h"
#include "core/model/Verbindungen.h"
#include "core/model/Zahlformat.h"

namespace trm {

void TKreuzung::KrLaden(const Zeilenquelle& z, std::size_t& i) {
  const std::size_t anfang = i;
  KrZeilenLesen(z, i);
  WerteFehlerMelden(anfang);
}

void TKreuzung::KrZeilenLesen(const Zeilenquelle& z, std::size_t& i) {
  Zeilenleser l(z, i);
  Name = l.Text();
  Winkel = l.Real();
  Laenge = l.Real();
  BP1Laenge = l.Real();
  BP2Laenge = l.Real();
  Reserviert[0] = l.Real();
  EKWRadius = l.Real();
  StARadius = l.Real();
  StBRadius = l.Real();
  KrARadius = l.Real();
  KrBRadius = l.Real();
  StALaenge = l.Real();
  StBLaenge = l.Real();
  KrALaenge = l.Real();
  KrBLaenge = l.Real();
  Richtung = static_cast<std::uint8_t>(FlagLesen(l.Text()));
  Farbe = l.Int();
  MitSwPlan = l.Bool();
  (void)ListenZeile(l, PaarListeLesen);
  (void)ListenZeile(l, RealListeLesen);
  KrSwAbst = l.Real();
  KrSwLen = l.Real();
  DSwIndizes = ListenZeile(l, IntListeLesen);
  AbstKMP = l.Real();
  for (std::size_t k = 1; k < 6; ++k) Reserviert[k] = l.Real();
  BP2Endabst = l.Real();
  BP1Endabst = l.Real();
  SetRadius(l.Real());
  KrSpur = l.Real();
  KrSpurAussen = l.Real();
  KrSwBrt = l.Real();
  SwLenMax = l.Real();
  const int gleise = Gleiszahl();
  GleisNummern = ListenZeile(l, [gleise](const std::string& t) {
    for (int n = 0; n < gleise; ++n) (void)NtesItemLesen(t, n);
    return t;
  });
  VerbundNummern = ListenZeile(l, [](const std::string& t) {
    (void)IntListeLesen(t);
    return t;
  });
  l.Ueberspringen();
  const std::array<double, 4> lage = ListenZeile(l, VierRealsLesen);
  XAnf = lage[0];
  YAnf = lage[1];
  ZAnf = lage[2];
  WAnf = WinkelNorm(lage[3]);
  VorgaengerNr = ListenZeile(l, [](const std::string& t) {
    (void)TextInt(t);
    return t;
  });
  ZungenZeileLesen(l);
  l.Ueberspringen();  // reserved
  SwLenMaxLi = l.Real();
}

void TKreuzung::WerteFehlerMelden(std::size_t anfang) const {
  // The values that make the shape, named by their lines: angle 1, base length 2, inner
  // radius 31, gauge 32.
  const std::string fehler = Fehlerhaft();
  if (fehler.empty()) return;
  std::size_t k = 2;
  if (fehler.find("Kreuzungswinkel") != std::string::npos) k = 1;
  else if (fehler.find("Radius") != std::string::npos) k = 31;
  else if (fehler.find("Spurweite") != std::string::npos) k = 32;
  throw LeseFehler("Zeile " + std::to_string(anfang + k + 1) + ": " + fehler);
}

void TKreuzung::DatenSchreiben(Zeilen& out) const { Schreiben(out, false); }
void TKreuzung::TypSchreiben(Zeilen& out) const { Schreiben(out, true); }

void TKreuzung::Schreiben(Zeilen& out, bool typ) const {
  const bool lage = !typ && Vollstaendig();
  out.push_back(Name);
  for (double x : {Winkel, Laenge, BP1Laenge, BP2Laenge, Reserviert[0], EKWRadius, StARadius, StBRadius,
                   KrARadius, KrBRadius, StALaenge, StBLaenge, KrALaenge, KrBLaenge})
    out.push_back(RealText(x));
  out.push_back(Richtung == 1 ? "1" : "0");
  out.push_back(IntText(Farbe));
  out.push_back(BoolText(MitSwPlan));
  out.push_back("00");
  out.push_back("00");
  out.push_back(RealText(KrSwAbst));
  out.push_back(RealText(KrSwLen));
  out.push_back(IntListeText(DSwIndizes));
  out.push_back(RealText(AbstKMP));
  for (std::size_t k = 1; k < 6; ++k) out.push_back(RealText(Reserviert[k]));
  out.push_back(RealText(BP2Endabst));
  out.push_back(RealText(BP1Endabst));
  out.push_back(RealOderUnendlichText(Radius()));
  for (double x : {Spur(), SpurAussen(), SwBrt(), SwLenMaxWert()}) out.push_back(RealText(x));
  if (lage) {
    std::string nummern;
    for (const TGleis* g : AlleGleise()) nummern += (nummern.empty() ? "" : "#") + IntText(g->Nummer);
    out.push_back(nummern);
    std::vector<std::int32_t> gruppe;
    for (const TGleis* g : stamm_->Verbund) gruppe.push_back(g->Nummer);
    out.push_back(IntListeText(gruppe));
    out.push_back("00");
    out.push_back(VierRealsText(stamm_->XAnf, stamm_->YAnf, stamm_->ZAnf(), stamm_->WAnf()));
    out.push_back(stamm_->Vorgaenger ? IntText(stamm_->Vorgaenger->Nummer) : "-1");
  } else {
    std::string nummern = "-1";
    for (int n = 1; n < Gleiszahl(); ++n) nummern += "#-1";
    out.push_back(nummern);
    out.push_back("00");
    out.push_back("00");
    out.push_back("00");
    out.push_back("-1");
  }
  out.push_back(RealText(ZungenZeile()));
  out.push_back("00");
  out.push_back(RealText(SwLenMaxLi));
}

TElement* KrElementLesen(TModul& m, std::unique_ptr<TKreuzung> neu, const Zeilenquelle& z, std::size_t& i,
                         std::int32_t k) {
  const std::size_t anfang = i;
  neu->Modul = &m;
  neu->Laden(z, i);
  neu->KrNr = m.Anlage_ ? m.Anlage_->NeueElementnummer(BereichKreuzung) : k + 1;
  neu->Aufbauen();
  TKreuzung* p = neu.get();
  m.ElementHinzufuegen(std::move(neu));
  p->KrAktualisieren();
  p->BerechenbarPruefen(anfang);
  return p;
}

TElement* TKreuzung::Lesen(TModul& m, const Zeilenquelle& z, std::size_t& i, std::int32_t k) {
  return KrElementLesen(m, std::make_unique<TKreuzung>(), z, i, k);
}

Zeilen StandardKreuzung(const TModul& m) {
  TKreuzung k;
  k.Name = "Kreuzung 15°";
  k.Winkel = 15.0 * Pi / 180.0;
  k.KrSpur = m.Spur();
  k.KrSpurAussen = m.SpurAussen();
  k.KrSwBrt = m.SwBrt();
  k.KrSwLen = m.SwLen();
  k.KrSwAbst = m.SwAbst();
  k.Laenge = std::max(200.0, std::ceil(k.MinLaenge()));
  Zeilen satz;
  k.TypSchreiben(satz);
  return satz;
}

TKreuzung* KrElementEinsetzen(Anlage& a, std::unique_ptr<TKreuzung> neu, const Zeilen& satz) {
  TModul* m = a.AktuellesModul();
  TGleis* akt = m ? m->AktuellesGleis() : nullptr;
  TBogen* bogen = akt ? akt->AktuellerBogen() : nullptr;
  if (!bogen) return nullptr;
  ModulBerechnen(*m);
  // An element track hands on its own end, an ordinary track the end of the current segment.
  const bool element = !akt->IstGewoehnlich();
  const double x = element ? akt->XEnde() : bogen->XEnde;
  const double y = element ? akt->YEnde() : bogen->YEnde;
  const double z = element ? akt->ZEnde() : bogen->ZEnde;
  const double w = element ? akt->WEnde() : WinkelNorm(bogen->WEnde);
  std::size_t i = 0;
  neu->Modul = m;
  neu->Laden(satz, i);
  neu->KrNr = a.NeueElementnummer(999'999);
  neu->XAnf = x;
  neu->YAnf = y;
  neu->ZAnf = z;
  neu->WAnf = w;
  neu->Aufbauen();
  TKreuzung* k = neu.get();
  m->ElementHinzufuegen(std::move(neu));
  m->ElementWaehlen(m->ElementIndex(k));
  k->KrBerechnen();
  k->BerechenbarPruefen(0);
  TGleis* stamm = k->Stammgleis();
  m->GleisWaehlen(m->GleisIndex(stamm));
  stamm->BogenWaehlen(0);
  for (TGleis* t : k->AlleGleise()) VerbundVereinen(akt, t);
  HinterBogenEinhaengen(a, *m, akt, stamm, !element);
  return k;
}

TKreuzung* KrElementEinfuegenBei(Anlage& a, std::unique_ptr<TKreuzung> neu, const Zeilen& satz, double x,
                                 double y, std::int32_t nummer) {
  TModul* m = a.AktuellesModul();
  if (!m) return nullptr;
  std::size_t i = 0;
  neu->Modul = m;
  neu->Laden(satz, i);
  neu->KrNr = nummer;
  neu->XAnf = x;
  neu->YAnf = y;
  neu->ZAnf = 0;
  neu->WAnf = 0;
  neu->Aufbauen();
  TKreuzung* k = neu.get();
  m->ElementHinzufuegen(std::move(neu));
  k->KrAktualisieren();
  k->BerechenbarPruefen(0);
  ModulBerechnen(*m);
  return k;
}

TKreuzung* KreuzungEinsetzen(Anlage& a, const Zeilen& satz) {
  return KrElementEinsetzen(a, std::make_unique<TKreuzung>(), satz);
}

TKreuzung* KreuzungEinfuegenBei(Anlage& a, const Zeilen& satz, double x, double y, std::int32_t nummer) {
  return KrElementEinfuegenBei(a, std::make_unique<TKreuzung>(), satz, x, y, nummer);
}

}  // namespace trm
