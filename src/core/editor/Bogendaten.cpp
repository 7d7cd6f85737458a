// The curve window's commands on the current segment.
#include "core/editor/Bogendaten.h"

#include <algorithm>
#include <cmath>
#include <functional>

#include "core/base/Dialoge.h"
#include "core/editor/Editor.h"
#include "core/model/Bogen.h"
#include "core/model/Element.h"
#include "core/model/Geometrie.h"
#include "core/model/Gleis.h"
#include "core/model/Modul.h"
#include "core/model/Neuberechnung.h"
#include "core/model/Schwellenbudget.h"
#include "core/model/Verbindungen.h"
#include "core/model/Zahlformat.h"

namespace trm {

namespace {

double Grad(double rad) { return rad * 180.0 / Pi; }
double Bogenmass(double grad) { return grad * Pi / 180.0; }
/// A radius as the fields show it: "0" for a straight.
std::string RadiusText(double r) { return std::isfinite(r) ? FestText(r) : "0"; }
bool Endlich(double r) { return std::isfinite(r) && r != 0; }
/// Segments of turnouts and crossings are made by their element: only radii and flags change.
bool Gewoehnlich(Editor& ed) { return ed.gleis() && ed.gleis()->IstGewoehnlich() && !ed.gleis()->Element; }

}  // namespace

void RadienKoppeln(TGleis& g, TBogen& b) {
  const auto& alle = g.Boegen;
  TBogen* p = nullptr;
  TBogen* n = nullptr;
  for (std::size_t k = 0; k < alle.size(); ++k)
    if (alle[k].get() == &b) {
      if (k > 0) p = alle[k - 1].get();
      if (k + 1 < alle.size()) n = alle[k + 1].get();
    }
  if (!b.Starr && p) b.SetAnfRadius(p->EndRadius());
  if (p && !p->Starr) p->SetEndRadius(b.AnfRadius());
  if (!b.Starr && n) b.SetEndRadius(n->AnfRadius());
  if (n && !n->Starr) n->SetAnfRadius(b.EndRadius());
}

TBogenanzeige Bogendaten::Anzeige() const {
  TBogenanzeige z;
  Editor& ed = ed_;
  const TGleis* g = ed.gleis();
  const TBogen* b = ed.bogen();
  if (!g || !b) return z;
  z.vorhanden = true;
  z.titel = "Bogendaten - " + b->Name;
  const double a0 = b->WAnf(), a1 = b->WEnde;
  z.uebergang = b->IstUebergangsbogen();
  z.anfRadius = RadiusText(b->AnfRadius());
  z.endRadius = RadiusText(b->EndRadius());
  z.laenge = FestText(b->Laenge());
  z.endwinkel = FestText(RichtungGrad(a1));
  z.anfangswinkel = FestText(RichtungGrad(a0));
  z.tangente = z.uebergang ? "--" : FestText(b->Tangentenlaenge());
  std::string art;
  if (z.uebergang) art = "Übergangsbogen  A = " + FestText(b->KlothoidenA());
  else if (std::fabs(1.0 / b->AnfRadius()) <= 1e-12) art = "Gerade";
  else art = "Kreisbogen";
  // The segment's own turn: its directions may be reduced differently (a start of 360°).
  const double drehung = b->Drehung();
  z.kennwerte = (drehung == 0 ? std::string("N = 0") : "N = 1:" + FestText(1.0 / std::tan(std::fabs(drehung)))) +
                "  W = " + FestText(Grad(drehung)) + "°  " + art;
  z.anfangspunkt = "Koordinaten Bogenanfangspunkt: x = " + FestText(b->XAnf()) + " y = " + FestText(b->YAnf());
  z.erzeugt = !g->IstGewoehnlich() || g->Element != nullptr;
  z.flex = !b->Starr;
  z.zurueck = g->AktBogen > 0;
  z.vor = g->AktBogen + 1 < static_cast<int>(g->Boegen.size());
  z.loeschen = g->Boegen.size() > 1 && !z.erzeugt;
  z.distAnf = b->DistAnf;
  z.distEnde = b->DistEnde;
  z.optiAnf = b->OptiAnf;
  z.optiEnde = b->OptiEnde;
  z.lfix = b->LFix;
  z.rfix = b->RFix;
  z.tfix = b->TFix;
  return z;
}

bool Bogendaten::Aendern(const std::string& name, bool koppeln, const std::function<bool(TBogen&)>& f) {
  TGleis* g = ed_.gleis();
  TBogen* b = ed_.bogen();
  if (!g || !b) return false;
  // A segment made longer than a layout file holds sleepers for would leave a layout that
  // cannot be saved: the step is taken back and the value refused.
  struct ZuVieleSchwellen {};
  const bool zaehlen = ZuVieleSchwellenImBogen(*b).empty();
  try {
    return ed_.Ausfuehren(name, [&] {
      if (!f(*b)) return false;
      if (zaehlen && !ZuVieleSchwellenImBogen(*b).empty()) throw ZuVieleSchwellen{};
      if (koppeln) RadienKoppeln(*g, *b);
      g->PunkteBerechnen();
      LageWeitergeben(*g->Modul, g);
      if (g->Element) {
        // A track of an element: the element places its other tracks anew from it, and what
        // hangs on their ends follows them.
        ModulBerechnen(*g->Modul);
        for (TGleis* t : g->Element->AlleGleise()) LageWeitergeben(*g->Modul, t);
      }
      return true;
    });
  } catch (const ZuVieleSchwellen&) {
    ed_.dialoge().Fehler("Wert nicht sinnvoll");
    return false;
  }
}

bool Bogendaten::AnfRadiusSetzen(const std::string& text) {
  const auto r = ed_.Zahl(text);
  if (!r) return false;
  return Aendern("Anfangsradius", true, [&](TBogen& b) {
    b.SetAnfRadius(*r);
    return true;
  });
}

bool Bogendaten::EndRadiusSetzen(const std::string& text) {
  const auto r = ed_.Zahl(text);
  if (!r) return false;
  return Aendern("Endradius", true, [&](TBogen& b) {
    b.SetEndRadius(*r);
    return true;
  });
}

bool Bogendaten::RadiusUebertragen(const std::string& text, bool vonEnde) {
  if (!Gewoehnlich(ed_)) return false;
  const auto r = ed_.Zahl(text);
  if (!r) return false;
  return Aendern(vonEnde ? "Endradius auf Anfangsradius" : "Anfangsradius auf Endradius", true, [&](TBogen& b) {
    b.SetAnfRadius(*r);
    b.SetEndRadius(*r);
    return true;
  });
}

bool Bogendaten::LaengeSetzen(const std::string& text) {
  if (!Gewoehnlich(ed_)) return false;
  const auto l = ed_.Zahl(text);
  if (!l) return false;
  if (!(*l > 0)) {
    ed_.dialoge().Fehler("Wert nicht sinnvoll");
    return false;
  }
  return Aendern("Bogenlänge", false, [&](TBogen& b) {
    const double d = b.Drehung();
    if (behalten == Behalten::Endwinkel && d != 0) {
      if (b.IstUebergangsbogen()) {
        b.SetEndRadius(1.0 / (2.0 * d / *l - 1.0 / b.AnfRadius()));
      } else {
        b.SetAnfRadius(*l / d);
        b.SetEndRadius(*l / d);
      }
    }
    b.SetLaenge(*l);
    return true;
  });
}

bool Bogendaten::EndwinkelSetzen(const std::string& text) {
  if (!Gewoehnlich(ed_)) return false;
  const auto w = ed_.Zahl(text);
  if (!w) return false;
  TBogen* bogen = ed_.bogen();
  if (!bogen) return false;
  // Directions are compared by the turn between them, never by their stored values: a start
  // of 350° and an end of 10° are a turn of 20°.
  const double unterschied = Bogenmass(*w) - bogen->WAnf();
  if (behalten == Behalten::Endradius) {
    const bool uebergang = bogen->IstUebergangsbogen();
    if (!Endlich(bogen->AnfRadius()) && !Endlich(bogen->EndRadius())) return false;
    // With the radius kept the curve goes on in its own sense until it faces the direction.
    const double voll = 2.0 * Pi;
    double d = std::fmod(unterschied, voll);
    if (bogen->MittlereKruemmung() > 0 && d < 0) d += voll;
    if (bogen->MittlereKruemmung() < 0 && d > 0) d -= voll;
    const double l = uebergang ? 2.0 * d / (1.0 / bogen->AnfRadius() + 1.0 / bogen->EndRadius()) : bogen->AnfRadius() * d;
    if (!(l > 0)) {
      ed_.dialoge().Fehler("Wert nicht sinnvoll");
      return false;
    }
    return Aendern("Endwinkel", false, [&](TBogen& b) {
      b.SetLaenge(l);
      return true;
    });
  }
  // With the length kept the radius follows the smallest turn, left or right.
  const double d = KleinsteDrehung(unterschied);
  return Aendern("Endwinkel", false, [&](TBogen& b) {
    const double l = b.Laenge();
    if (!b.IstUebergangsbogen()) {
      const double r = d == 0 ? 0.0 : l / d;
      b.SetAnfRadius(r);
      b.SetEndRadius(r);
    } else if (d != 0) {
      b.SetEndRadius(1.0 / (2.0 * d / l - 1.0 / b.AnfRadius()));
    }
    return true;
  });
}

bool Bogendaten::TangenteSetzen(const std::string& text) {
  const auto t = ed_.Zahl(text);
  if (!t || behalten == Behalten::Laenge) return false;
  return Aendern("Tangentenlänge", false, [&](TBogen& b) {
    const double r0 = b.AnfRadius();
    if (behalten == Behalten::Endradius) {
      b.SetLaenge(Endlich(r0) ? 2.0 * r0 * std::atan(*t / r0) : 2.0 * *t);
      return true;
    }
    double r = 0, h = 0;
    if (Endlich(r0)) {
      h = b.Laenge() / (2.0 * r0);
      r = *t / std::tan(h);
    }
    b.SetAnfRadius(r);
    b.SetEndRadius(r);
    b.SetLaenge(r != 0 ? 2.0 * r * h : 2.0 * *t);
    return true;
  });
}

bool Bogendaten::FortfuehrenUebertragen(double laenge) {
  if (!Gewoehnlich(ed_) || !(laenge >= 0)) return false;
  return Aendern("Bogen fortführen", false, [&](TBogen& b) {
    b.SetLaenge(laenge);
    return true;
  });
}

bool Bogendaten::BogenHinzufuegen() {
  TGleis* g = ed_.gleis();
  if (!g || !g->IstGewoehnlich()) return false;
  return ed_.Ausfuehren("Bogen hinzufügen", [&] {
    auto b = std::make_unique<TBogen>(g);
    b->SetLaenge(17400.0 / ed_.anlage().Massstab);
    const int nach = g->AktBogen + 1;
    g->Boegen.insert(g->Boegen.begin() + nach, std::move(b));
    g->BogenVorgaengerNeu();
    g->BogenWaehlen(nach);
    g->PunkteBerechnen();
    LageWeitergeben(*g->Modul, g);
    return true;
  });
}

bool Bogendaten::BogenLoeschen() {
  TGleis* g = ed_.gleis();
  if (!g || !g->IstGewoehnlich() || g->Boegen.size() < 2) return false;
  return ed_.Ausfuehren("Bogen löschen", [&] {
    const int i = std::clamp(g->AktBogen, 0, static_cast<int>(g->Boegen.size()) - 1);
    g->Boegen.erase(g->Boegen.begin() + i);
    g->BogenVorgaengerNeu();
    g->BogenWaehlen(i > 0 ? i - 1 : 0);
    g->PunkteBerechnen();
    LageWeitergeben(*g->Modul, g);
    return true;
  });
}

bool Bogendaten::BogenZurueck() {
  TGleis* g = ed_.gleis();
  if (!g || g->AktBogen <= 0) return false;
  g->BogenWaehlen(g->AktBogen - 1);
  return true;
}

bool Bogendaten::BogenVor() {
  TGleis* g = ed_.gleis();
  if (!g || g->AktBogen + 1 >= static_cast<int>(g->Boegen.size())) return false;
  g->BogenWaehlen(g->AktBogen + 1);
  return true;
}

bool Bogendaten::KruemmungUmkehren() {
  if (!Gewoehnlich(ed_)) return false;
  return Aendern("Krümmungsrichtung ändern", true, [&](TBogen& b) {
    b.SetAnfRadius(std::isfinite(b.AnfRadius()) ? -b.AnfRadius() : 0.0);
    b.SetEndRadius(std::isfinite(b.EndRadius()) ? -b.EndRadius() : 0.0);
    return true;
  });
}

bool Bogendaten::RadienTauschen() {
  if (!Gewoehnlich(ed_)) return false;
  return Aendern("Anfangs- und Endradius tauschen", true, [&](TBogen& b) {
    if (!b.IstUebergangsbogen()) return false;
    const double r0 = b.AnfRadius();
    b.SetAnfRadius(std::isfinite(b.EndRadius()) ? b.EndRadius() : 0.0);
    b.SetEndRadius(std::isfinite(r0) ? r0 : 0.0);
    return true;
  });
}

bool Bogendaten::DistanzpunkteUmschalten(bool ende) {
  return Aendern(ende ? "Distanzpunkte Bogenende" : "Distanzpunkte Bogenanfang", false, [&](TBogen& b) {
    (ende ? b.DistEnde : b.DistAnf) = !(ende ? b.DistEnde : b.DistAnf);
    return true;
  });
}

bool Bogendaten::StarrFlexUmschalten() {
  TGleis* g = ed_.gleis();
  if (!g || !g->IstGewoehnlich()) return false;
  return Aendern("starr <> flex", true, [&](TBogen& b) {
    b.Starr = !b.Starr;
    return true;
  });
}

bool Bogendaten::FixUmschalten(Fix f) {
  return Aendern(f == Fix::L ? "LFix" : f == Fix::R ? "RFix" : "TFix", false, [&](TBogen& b) {
    bool& x = f == Fix::L ? b.LFix : f == Fix::R ? b.RFix : b.TFix;
    x = !x;
    return true;
  });
}

}  // namespace trm
