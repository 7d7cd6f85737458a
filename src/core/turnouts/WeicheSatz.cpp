// The 44-line turnout record (layout and type form) and the creation of a turnout's tracks.
#include <string_view>

#include "core/model/Anlage.h"
#include "core/model/Fehler.h"
#include "core/model/Modul.h"
#include "core/turnouts/Weichenliste.h"
#include "core/model/Zahlformat.h"
#include "core/turnouts/Weiche.h"
#include "core/turnouts/WeichenSchwellen.h"
#include "core/model/Zitat.h"

namespace trm {

namespace {


/// Track number `feld` of a "main#branch" text; -1 for "-1" or a text that does not hold it.
std::int32_t GleisNummer(std::string_view ids, int feld) {
  try {
    return NtesItemLesen(ids, feld);
  } catch (const LeseFehler&) {
    return -1;
  }
}

std::string ZuVieleSchwellen() {
  return "Der Schwellenplan der Weiche hat mehr als " + std::to_string(MaxSchwellen) + " Schwellen.";
}

/// Sleeper rows of a plan line, at most MaxSchwellen of them.
TSwAbstARR SchwellenZeilen(const std::string& text) {
  TSwAbstARR p = PaarListeLesen(text);
  if (p.size() > MaxSchwellen) throw LeseFehler(ZuVieleSchwellen());
  return p;
}

/// The user lengths ("NIL" when there are none), at most MaxSchwellen of them.
TSwLen LaengenZeile(const std::string& text) {
  TSwLen p = PaarListeOderNilLesen(text);
  if (p.size() > MaxSchwellen) throw LeseFehler(ZuVieleSchwellen());
  return p;
}

constexpr std::array<const char*, 3> StammNamen = {"Stammbogen 1", "Stammbogen 2", "Stammbogen 3"};
constexpr std::array<const char*, 3> ZweigNamen = {"Zweigbogen1", "Zweigbogen 2", "Zweigbogen 3"};

}  // namespace

std::unique_ptr<TEWeiche> TEWeiche::AusSatz(TModul& m, const Zeilenquelle& z, std::size_t& i,
                                            std::int32_t nummer) {
  auto w = std::make_unique<TEWeiche>(&m);
  w->DatenLesen(z, i);
  w->WeichenID = nummer;
  w->Anschluss = w->AnschlussAusOptionen();
  w->GleiseErzeugen();
  return w;
}

void TEWeiche::DatenLesen(const Zeilenquelle& z, std::size_t& i) {
  Zeilenleser l(z, i);
  Name = l.Text();
  SetRadius(l.Real());
  Winkel = l.Real();
  SenkrechtBis = l.Int();
  Farbe = l.Int();
  WOptionen = l.Text();
  const std::size_t zeileSwAbst = l.Index() + 1;
  SetSwAbst(l.Real());
  SetSwBrt(l.Real());
  SetSwLen(l.Real());
  AnzDoppelSw = l.Int();
  IndexDoppelSw = ListenZeile(l, IntListeLesen);
  SetReserve1(l.Real());
  SetStammRadius1(l.Real());
  SetRadius2(l.Real());
  SetStammRadius3(l.Real());
  SetReserve2(l.Real());
  SetZweigRadius1(l.Real());
  SetZweigRadius2(l.Real());
  SetZweigRadius3(l.Real());
  TangLaenge = l.Real();
  SetStammLaenge2(l.Real());
  SetStammLaenge3(l.Real());
  SetZweigLaenge2(l.Real());
  SetZweigLaenge3(l.Real());
  SwAbst1 = ListenZeile(l, SchwellenZeilen);
  SwAbst2 = ListenZeile(l, SchwellenZeilen);
  SwAbst3 = ListenZeile(l, SchwellenZeilen);
  if (SwAbst1.size() + SwAbst2.size() + SwAbst3.size() > MaxSchwellen)
    throw LeseFehler("Zeile " + std::to_string(l.Index()) + ": " + ZuVieleSchwellen());
  AnfAbst1 = l.Real();
  AnfAbst2 = l.Real();
  AnfAbst3 = l.Real();
  EndAbst1 = l.Real();
  EndAbst2 = l.Real();
  EndAbst3 = l.Real();
  const std::array<double, 4> anfang = ListenZeile(l, VierRealsLesen);
  XAnf = anfang[0];
  YAnf = anfang[1];
  ZAnf = anfang[2];
  WAnf = anfang[3];
  GruppenIDs = ListenZeile(l, [](const std::string& t) {
    (void)IntListeLesen(t);
    return t;
  });
  GleisIDs = ListenZeile(l, [](const std::string& t) {
    (void)NtesItemLesen(t, 0);
    (void)NtesItemLesen(t, 1);
    return t;
  });
  Korrekturfaktor = l.Real();
  VorgaengerID = ListenZeile(l, [](const std::string& t) {
    (void)TextInt(t);
    return t;
  });
  MaxSwLaenge = l.Real();
  SwLaengen = ListenZeile(l, LaengenZeile);
  SetSpur(l.Real());
  SetSpurAussen(l.Real());
  l.Ueberspringen(2);  // reserved
  // Sleepers are laid by dividing by the spacing: it must be positive (-1 in a type that is
  // not in a module yet stands for the module's value).
  if (!(SwAbst() > 0) && !(Modul == nullptr && SwAbst() == -1))
    throw LeseFehler("Zeile " + std::to_string(zeileSwAbst) + ": Der Schwellenabstand der Weiche \"" + Zitat(Name) +
                     "\" muss größer als 0 sein.");
}

void TEWeiche::GleiseErzeugen() {
  if (Modul == nullptr) return;
  TModul& m = *Modul;
  Anlage* anlage = m.Anlage_;
  std::int32_t vorgaenger = -1;
  try {
    vorgaenger = TextInt(VorgaengerID);
  } catch (const LeseFehler&) {
    vorgaenger = -1;
  }
  auto nummer = [&](int feld, std::int64_t bereich) {
    std::int32_t n = GleisNummer(GleisIDs, feld);
    if (n == -1 && anlage) n = anlage->NeueNummer(bereich);
    return n;
  };
  auto gleis = [&](const char* name, std::int32_t nr, const std::array<const char*, 3>& namen,
                   std::array<TBogen*, 3>& boegen) {
    TGleis* g = m.GleisAnhaengen();
    g->Name = name;
    g->SetWeichengleis(true);
    g->Element = this;
    g->Nummer = nr;
    g->VorgaengerNr = vorgaenger;
    for (std::size_t k = 0; k < 3; ++k) {
      auto b = std::make_unique<TBogen>();
      b->Name = namen[k];
      boegen[k] = g->BogenAnhaengen(std::move(b));
    }
    return g;
  };
  stamm_ = gleis("Stammgleis", nummer(0, BereichStammgleis), StammNamen, stammBoegen_);
  zweig_ = gleis("Zweiggleis", nummer(1, BereichZweiggleis), ZweigNamen, zweigBoegen_);
  for (TGleis* g : {stamm_, zweig_}) {
    g->WeichenNr = WeichenID;
    g->VerbundNummern = GruppenIDs;
  }
  m.GleisWaehlen(m.GleisIndex(stamm_));
  stamm_->BogenWaehlen(0);
}

void TEWeiche::DatenSchreiben(Zeilen& out) const { Schreiben(out, false); }

TElement* TEWeiche::Lesen(TModul& m, const Zeilenquelle& z, std::size_t& i, std::int32_t k) {
  const std::int32_t nummer = m.Anlage_ ? m.Anlage_->NeueElementnummer(BereichWeiche) : k + 1;
  return WeicheHinzufuegen(m, AusSatz(m, z, i, nummer));
}

void TEWeiche::TypSchreiben(Zeilen& out) const { Schreiben(out, true); }

void TEWeiche::Schreiben(Zeilen& out, bool typ) const {
  // Without its tracks a turnout has no group, numbers or predecessor to write.
  const bool lage = !typ && stamm_ != nullptr && zweig_ != nullptr;
  out.push_back(Name);
  out.push_back(RealOderUnendlichText(Radius()));
  out.push_back(RealText(Winkel));
  out.push_back(IntText(SenkrechtBis));
  out.push_back(IntText(Farbe));
  out.push_back(WOptionen);
  out.push_back(RealText(SwAbst()));
  out.push_back(RealText(SwBrt()));
  out.push_back(RealText(SwLen()));
  out.push_back(IntText(AnzDoppelSw));
  out.push_back(IntListeText(IndexDoppelSw));
  for (double r : {Reserve1(), StammRadius1(), Radius2(), StammRadius3(), Reserve2(),
                   ZweigRadius1(), ZweigRadius2(), ZweigRadius3()})
    out.push_back(RealOderUnendlichText(r));
  for (double x : {TangLaenge, StammLaenge2(), StammLaenge3(), ZweigLaenge2(), ZweigLaenge3()})
    out.push_back(RealText(x));
  for (const TSwAbstARR* a : {&SwAbst1, &SwAbst2, &SwAbst3}) out.push_back(PaarListeText(*a));
  for (double x : {AnfAbst1, AnfAbst2, AnfAbst3, EndAbst1, EndAbst2, EndAbst3})
    out.push_back(RealText(x));
  if (lage) {
    out.push_back(VierRealsText(XAnf, YAnf, ZAnf, WAnf));
    std::vector<std::int32_t> gruppe;
    gruppe.reserve(stamm_->Verbund.size());
    for (const TGleis* g : stamm_->Verbund) gruppe.push_back(g->Nummer);
    out.push_back(IntListeText(gruppe));
    out.push_back(IntText(stamm_->Nummer) + "#" + IntText(zweig_->Nummer));
  } else {
    out.push_back("-1");
    out.push_back("00");
    out.push_back("-1");
  }
  out.push_back(RealText(Korrekturfaktor));
  out.push_back(lage && stamm_->Vorgaenger ? IntText(stamm_->Vorgaenger->Nummer) : "-1");
  out.push_back(RealText(MaxSwLaenge));
  out.push_back(PaarListeOderNilText(SwLaengen));
  out.push_back(RealText(Spur()));
  out.push_back(RealText(SpurAussen()));
  out.push_back("0");
  out.push_back("0");
}

}  // namespace trm
