// The drawing tools: drafts while the mouse moves, one step of the command layer when they lay.
#include "core/editor/Gleiszeichner.h"

#include <cmath>

#include "core/editor/Endenverbindung.h"
#include "core/editor/Parallelbahn.h"
#include "core/editor/Treffer.h"
#include "core/editor/Uebergangsverbindung.h"
#include "core/editor/Ziehplanung.h"
#include "core/model/Anlage.h"
#include "core/model/Bildanlage.h"
#include "core/model/Fehler.h"
#include "core/model/Modul.h"
#include "core/model/Neuberechnung.h"
#include "core/model/Verbindungen.h"
#include "core/model/Zahlformat.h"

namespace trm {

namespace {

/// Two directions agree (a track may follow on).
bool Gleichgerichtet(double a, double b) { return std::fabs(Winkeldifferenz(a - b)) < 1e-9; }

std::string Grad(double w) { return FestText(w * 180 / Pi) + "°"; }

double Gesamtlaenge(const TBahn& b) {
  double l = 0;
  for (const TStueck& s : b.stuecke) l += s.laenge;
  return l;
}

/// How near the mouse a track must be for the parallel tool: the track spacing, at least the
/// distance a click picks a track at.
double Parallelfang(const TModul& m) { return std::max(Trefferabstand, m.GlsAbst()); }

/// The radius the connect tool keeps to: the module's minimum, else 1 mm.
double Verbindungsradius(const TModul& m) { return std::max(m.Mindestradius(), 1.0); }

/// The plan joining two open ends: from an end of a track where there is one (a new track
/// follows on there), arriving against the other end's direction; with transitions of length
/// `uebergang` at its arcs where they fit (`mitUebergang` tells whether they did).
std::optional<TBahn> Verbindungsplan(TGleisende& a, TGleisende& b, TModul& m, double uebergang, std::string& grund,
                                     bool& mitUebergang) {
  if (a.anfang && !b.anfang) std::swap(a, b);
  const TLage ziel{b.lage.x, b.lage.y, WinkelNorm(b.lage.w + Pi)};
  auto plan = EndenVerbinden(a.lage, ziel, Verbindungsradius(m), m, grund);
  mitUebergang = false;
  if (plan && uebergang > 0)
    if (auto mit = MitUebergaengen(*plan, uebergang, ziel, Verbindungsradius(m), m)) {
      plan = mit;
      mitUebergang = true;
    }
  return plan;
}

/// The parallel to the track nearest (x, y) on the mouse's side at the signed distance
/// `abstand`; none with an empty `grund` when no track is near, else with the reason.
std::optional<TBahn> Parallelplan(const TModul& m, double x, double y, std::string& grund, double& abstand) {
  const TGleis* g = GleisNahe(m, x, y, Parallelfang(m));
  if (!g) return std::nullopt;
  abstand = g->GlsAbst() * ParallelSeite(*g, x, y);
  return ParallelBahn(*g, abstand, grund);
}

}  // namespace

bool Zeichenmodus(Mausmodus m) {
  return m == Mausmodus::GeradeZiehen || m == Mausmodus::BogenZiehen || m == Mausmodus::EndenVerbinden ||
         m == Mausmodus::Parallelgleis;
}

Gleiszeichner::Gleiszeichner(Editor& ed) : ed_(ed) {}
Gleiszeichner::~Gleiszeichner() = default;

const TGleis* Gleiszeichner::Entwurf() const {
  if (!entwurf_) return nullptr;
  const TModul* m = entwurf_->AktuellesModul();
  return m && !m->Gleise.empty() && !m->Gleise[0]->Boegen.empty() ? m->Gleise[0].get() : nullptr;
}

void Gleiszeichner::Leeren() {
  zieht_ = false;
  ende_.reset();
  plan_.reset();
  entwurf_.reset();
  warnung_ = false;
  messwerte_.clear();
}

bool Gleiszeichner::Abbrechen() {
  const bool war = zieht_ || ende_ || entwurf_ || elementArt_;
  Leeren();
  elementArt_.reset();
  elementAnlage_.reset();
  elementEnde_.reset();
  return war;
}

void Gleiszeichner::ModulPruefen() {
  // The picked end must still be there as it was: undo or a command between two events may
  // have removed or moved its track.
  auto gilt = [&](const TGleisende& e) {
    for (const auto& g : modul_->Gleise)
      if (g.get() == e.gleis && !g->Boegen.empty()) {
        const TLage jetzt = EndeVon(*g, e.anfang).lage;
        return jetzt.x == e.lage.x && jetzt.y == e.lage.y && jetzt.w == e.lage.w;
      }
    return false;
  };
  if (modul_ == ed_.modul() && (!ende_ || gilt(*ende_))) return;
  Abbrechen();
  modul_ = ed_.modul();
}

void Gleiszeichner::EntwurfSetzen(const std::optional<TBahn>& b) {
  plan_ = b;
  if (!b) {
    entwurf_.reset();
    return;
  }
  // The draft lives in a layout of its own with the module's settings, so that it never points
  // into a layout that a command may replace before the next paint.
  if (!entwurf_) {
    entwurf_ = Bildanlage(ed_.anlage(), 1000);
    TModul* m = entwurf_->AktuellesModul();
    m->Eigen = modul_->Eigen;
    m->GleisAnhaengen();
  }
  BahnInGleis(*b, *entwurf_->AktuellesModul()->Gleise[0]);
}

bool Gleiszeichner::Druecken(Mausmodus modus, double x, double y, double fang) {
  ModulPruefen();
  TModul* m = modul_;
  if (!m) return false;
  switch (modus) {
    case Mausmodus::GeradeZiehen:
    case Mausmodus::BogenZiehen: {
      Leeren();
      ende_ = OffenesEndeBei(*m, x, y, fang);
      if (!ende_ && modus == Mausmodus::BogenZiehen) return false;  // a curve needs a tangent
      start_ = ende_ ? ende_->lage : TLage{x, y, 0};
      zieht_ = true;
      return false;
    }
    case Mausmodus::EndenVerbinden: {
      auto e = OffenesEndeBei(*m, x, y, fang);
      if (!e) return false;
      if (!ende_ || *e == *ende_) {
        Leeren();
        ende_ = e;
        return false;
      }
      TGleisende a = *ende_, b = *e;
      Leeren();
      std::string grund;
      bool mitUebergang = false;
      const auto plan = Verbindungsplan(a, b, *m, uebergang, grund, mitUebergang);
      if (!plan) {
        ed_.dialoge().Fehler(grund);
        return false;
      }
      return Legen("Gleisenden verbinden", *plan, a, b);
    }
    case Mausmodus::Parallelgleis: {
      std::string grund;
      double abstand = 0;
      const auto plan = Parallelplan(*m, x, y, grund, abstand);
      Leeren();
      if (!plan) {
        if (!grund.empty()) ed_.dialoge().Fehler(grund);
        return false;
      }
      return Legen("Parallelgleis", *plan, std::nullopt, std::nullopt);
    }
    default:
      return false;
  }
}

bool Gleiszeichner::Vorschau(Mausmodus modus, double x, double y, bool strg, double fang) {
  TModul* m = modul_;
  const std::string vorher = messwerte_;
  const bool hatte = entwurf_ != nullptr;
  warnung_ = false;
  messwerte_.clear();
  std::optional<TBahn> plan;
  switch (modus) {
    case Mausmodus::GeradeZiehen:
      if (!zieht_) break;
      plan = GeradePlanen(start_, ende_.has_value(), x, y, strg);
      if (plan) {
        messwerte_ = "L = " + FestText(plan->stuecke[0].laenge) + " mm · " + Grad(RichtungNorm(plan->anfang.w));
        if (ende_ && !Gleichgerichtet(plan->anfang.w, ende_->lage.w)) messwerte_ += " · nicht angeschlossen";
      }
      break;
    case Mausmodus::BogenZiehen: {
      if (!zieht_) break;
      const auto bp = BogenPlanen(start_, x, y, m->Mindestradius(), uebergang, *m, strg);
      if (!bp) break;
      plan = bp->bahn;
      warnung_ = bp->amMindestradius;
      if (std::isinf(bp->radius))
        messwerte_ = "gerade, L = " + FestText(Gesamtlaenge(bp->bahn)) + " mm";
      else
        messwerte_ = "R = " + FestText(std::fabs(bp->radius)) + " mm · " + Grad(std::fabs(bp->winkel)) +
                     (bp->radius > 0 ? " links" : " rechts");
      if (uebergang > 0 && bp->bahn.stuecke.size() > 1) messwerte_ += " · Übergangsbögen 2 × " + FestText(uebergang) + " mm";
      if (bp->amMindestradius) messwerte_ += " · Mindestradius";
      break;
    }
    case Mausmodus::EndenVerbinden: {
      if (!ende_) break;
      auto e = OffenesEndeBei(*m, x, y, fang);
      if (!e || *e == *ende_) break;
      TGleisende a = *ende_, b = *e;
      std::string grund;
      bool mitUebergang = false;
      plan = Verbindungsplan(a, b, *m, uebergang, grund, mitUebergang);
      if (plan) {
        messwerte_ = "L = " + FestText(Gesamtlaenge(*plan)) + " mm, " + std::to_string(plan->stuecke.size()) +
                     (plan->stuecke.size() == 1 ? " Bogen" : " Bögen");
        if (uebergang > 0 && !mitUebergang) messwerte_ += " · Übergangsbögen passen nicht";
      } else
        messwerte_ = grund;
      warnung_ = !plan;
      break;
    }
    case Mausmodus::Parallelgleis: {
      std::string grund;
      double abstand = 0;
      plan = Parallelplan(*m, x, y, grund, abstand);
      if (plan)
        messwerte_ = "Abstand " + FestText(std::fabs(abstand)) + " mm " + (abstand > 0 ? "links" : "rechts");
      else
        messwerte_ = grund;
      warnung_ = !plan && !grund.empty();
      break;
    }
    default:
      break;
  }
  EntwurfSetzen(plan);
  return plan || hatte || messwerte_ != vorher;
}

bool Gleiszeichner::Bewegen(Mausmodus modus, double x, double y, bool strg, double fang) {
  ModulPruefen();
  if (!modul_) return false;
  return Vorschau(modus, x, y, strg, fang);
}

bool Gleiszeichner::Loslassen(Mausmodus modus, double x, double y, bool strg, double fang) {
  ModulPruefen();
  if (!modul_ || !zieht_ || (modus != Mausmodus::GeradeZiehen && modus != Mausmodus::BogenZiehen)) return false;
  Vorschau(modus, x, y, strg, fang);
  const auto plan = plan_;
  const auto von = ende_;
  const bool gerade = modus == Mausmodus::GeradeZiehen;
  Leeren();
  // A straight that leaves the end in another direction is a track of its own there.
  const bool anschliessen = von && plan && Gleichgerichtet(plan->anfang.w, von->lage.w);
  return plan && Legen(gerade ? "Gerade zeichnen" : "Bogen zeichnen", *plan, anschliessen ? von : std::nullopt,
                       std::nullopt);
}

bool Gleiszeichner::Legen(const std::string& name, const TBahn& b, const std::optional<TGleisende>& von,
                          const std::optional<TGleisende>& bis) {
  // A plan that leaves a track's start is laid the other way round: the new track then ends
  // there and that track follows it.
  TBahn bahn = b;
  std::optional<TGleisende> anf = von, end = bis;
  if (von && von->anfang && !(bis && bis->anfang)) {
    TModul* m = ed_.modul();
    bahn = BahnUmkehren(b, BahnEnde(b, *m));
    std::swap(anf, end);
  }
  return ed_.Ausfuehren(name, [&] {
    TModul* m = ed_.modul();
    TGleis* neu = ed_.NeuesGleisAnlegen(bahn.anfang.x, bahn.anfang.y, bahn.anfang.w);
    BahnInGleis(bahn, *neu);
    // Its last segment is the current one: what is appended or inserted next goes at its end.
    neu->BogenWaehlen(static_cast<int>(neu->Boegen.size()) - 1);
    if (anf) {
      TGleis* g = anf->gleis;
      if (!anf->anfang) {
        neu->ZAnfWert = g->ZEnde();
        AlsNachfolgerEinfuegen(*m, g, neu);
      }
      VerbundVereinen(g, neu);
    }
    if (end) {
      TGleis* g = end->gleis;
      if (end->anfang && g->Vorgaenger == nullptr) AlsNachfolgerEinfuegen(*m, neu, g);
      // The two groups become one: every member of g's joins the new track's.
      const std::vector<TGleis*> gruppe = g->Verbund;
      for (TGleis* t : gruppe) VerbundVereinen(neu, t);
    }
    LageWeitergeben(*m, neu);
    return true;
  });
}

// ---- the element drag ----

bool Gleiszeichner::ElementBeginnen(Elementart art, const Zeilen& satz) {
  Abbrechen();
  const TElementart* info = ElementartInfo(art);
  if (!info || !info->Einsetzen || !info->EinfuegenBei) return false;
  modul_ = ed_.modul();
  elementArt_ = art;
  elementSatz_ = satz;
  return true;
}

bool Gleiszeichner::ElementBewegen(double x, double y, bool strg, double fang) {
  ModulPruefen();
  const TElementart* info = elementArt_ ? ElementartInfo(*elementArt_) : nullptr;
  if (!modul_ || !info || !info->Einsetzen || !info->EinfuegenBei) return false;
  elementEnde_ = strg ? std::nullopt : OffenesEndeBei(*modul_, x, y, fang, false);
  // The outline is the element placed in a layout of its own by the kind's own placing.
  elementAnlage_ = Bildanlage(ed_.anlage(), 1000);
  Anlage& a = *elementAnlage_;
  TModul* m = a.AktuellesModul();
  m->Eigen = modul_->Eigen;
  try {
    if (elementEnde_) {
      const TLage& e = elementEnde_->lage;
      TGleis* hilf = m->GleisAnhaengen();
      BahnInGleis({{e.x - std::cos(e.w), e.y - std::sin(e.w), e.w}, {{1, Unendlich, Unendlich}}}, *hilf);
      m->GleisWaehlen(0);
      hilf->BogenWaehlen(0);
      if (!info->Einsetzen(a, elementSatz_)) elementAnlage_.reset();
    } else if (!info->EinfuegenBei(a, elementSatz_, x, y, 1)) {
      elementAnlage_.reset();
    }
  } catch (const LeseFehler&) {
    elementAnlage_.reset();
  }
  messwerte_ = elementEnde_ ? "am Gleisende" : "frei";
  return true;
}

bool Gleiszeichner::ElementAbsetzen(double x, double y, bool strg, double fang) {
  ModulPruefen();
  const auto art = elementArt_;
  const Zeilen satz = elementSatz_;
  Abbrechen();
  TModul* m = ed_.modul();
  if (!art || !m) return false;
  if (const auto ende = strg ? std::nullopt : OffenesEndeBei(*m, x, y, fang, false)) {
    // The element follows on at that end: the end's track and its last segment are chosen.
    m->GleisWaehlen(m->GleisIndex(ende->gleis));
    ende->gleis->BogenWaehlen(static_cast<int>(ende->gleis->Boegen.size()) - 1);
    return ed_.ElementEinsetzen(*art, satz);
  }
  return ed_.ElementEinfuegenBei(*art, satz, x, y, ed_.anlage().NeueElementnummer(BereichNeuesGleis));
}

std::string Gleiszeichner::Hinweis(Mausmodus modus) const {
  if (elementArt_) return "Element ziehen: rastet am nächsten offenen Gleisende ein · Strg: frei · Esc: abbrechen";
  switch (modus) {
    case Mausmodus::GeradeZiehen:
      return zieht_ ? "Loslassen: Gerade legen · Strg: 15°-Schritte, Richtung des Gleisendes, ganze mm · Esc: abbrechen"
                    : "";
    case Mausmodus::BogenZiehen:
      return zieht_ ? "Loslassen: Bogen legen · der Radius hält den Mindestradius · Strg: 15°-Schritte, ganze mm · Esc: abbrechen" : "";
    case Mausmodus::EndenVerbinden:
      return ende_ ? "Zweites offenes Gleisende anklicken · Esc: abbrechen" : "";
    default:
      return {};
  }
}

}  // namespace trm
