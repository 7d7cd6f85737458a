// The turnout commands of the data window and the texts it shows.
#include "core/turnouts/WeichenBefehle.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <optional>

#include "core/editor/Editor.h"
#include "core/model/Anlage.h"
#include "core/model/Fehler.h"
#include "core/model/Modul.h"
#include "core/model/Zahlformat.h"
#include "core/turnouts/Weiche.h"
#include "core/turnouts/WeichenRadien.h"

namespace trm {

namespace {

double Grad(double rad) { return rad * 180.0 / Pi; }

/// A radius as the cells show it: "0" for a straight.
std::string RadiusText(double r) { return std::isinf(r) ? "0" : FestText(r); }


/// The text without blanks.
std::string OhneLeerzeichen(std::string t) {
  t.erase(std::remove_if(t.begin(), t.end(), [](unsigned char c) { return c <= ' '; }), t.end());
  return t;
}

bool PlanPasst(const TEWeiche& w) {
  return w.SchwellenAutomatisch() || SchwellenplanPasst(w, {w.SwAbst1, w.SwAbst2, w.SwAbst3});
}

/// A change of the turnout as one step: the turnout rebuilt, the tracks behind it moved. A
/// user-defined plan that the change leaves longer than the turnout is pointed out once.
bool Aendern(Editor& ed, TEWeiche& w, const std::string& name,
             const std::function<bool(TEWeiche&)>& f) {
  const bool passteVorher = PlanPasst(w);
  const bool ok = ed.Ausfuehren(name, [&] {
    if (!f(w)) return false;
    WeicheAktualisieren(w);
    return true;
  });
  if (ok && passteVorher) {
    // The objects stay the same within a step that was kept.
    if (const TEWeiche* jetzt = Weiche(ed); jetzt && !PlanPasst(*jetzt))
      ed.dialoge().Warnung(MeldungPlanPasstNicht);
  }
  return ok;
}

bool Nicht(Editor& ed, const char* meldung) {
  ed.dialoge().Warnung(meldung);
  return false;
}

/// A distance of a pair: not negative.
bool Abstand(Editor& ed, TEWeiche& w, const std::string& name, double v, double TEWeiche::*feld) {
  if (v < 0) return Nicht(ed, MeldungWeicheWert);
  return Aendern(ed, w, name, [&](TEWeiche& x) {
    x.*feld = v;
    return true;
  });
}

/// Start or end distance of arc pair 2: their sum must stay below the length, else 0.
bool AbstandPaar2(Editor& ed, TEWeiche& w, const std::string& name, double v, bool anfang) {
  if (v < 0) return Nicht(ed, MeldungWeicheWert);
  const double summe = v + (anfang ? w.EndAbst2 : w.AnfAbst2);
  if (!(w.StammLaenge2() > summe)) {
    ed.dialoge().Warnung(MeldungAbstandssumme);
    v = 0;
  }
  return Aendern(ed, w, name, [&](TEWeiche& x) {
    (anfang ? x.AnfAbst2 : x.EndAbst2) = v;
    return true;
  });
}

/// Sleeper length, width or spacing: above 0, or -1 for the module's value.
bool Schwellenmass(Editor& ed, TEWeiche& w, const std::string& name, double v,
                   void (TWeiche::*setzen)(double)) {
  if (!(v > 0) && v != -1) {
    ed.dialoge().Information(MeldungSchwellenmass);
    return false;
  }
  return Aendern(ed, w, name, [&](TEWeiche& x) {
    (x.*setzen)(v);
    return true;
  });
}

bool Zahlenfeld(Editor& ed, TEWeiche& w, Weichenfeld feld, double v) {
  auto geo = [&](const std::string& name, const std::function<bool(TEWeiche&)>& f) {
    return Aendern(ed, w, name, f);
  };
  auto laenge3 = [&](const std::string& name, bool stamm) {
    const double l = std::fabs(v);
    return Aendern(ed, w, name, [&](TEWeiche& x) {
      if (stamm || x.LaengenAnpassen()) x.SetStammLaenge3(l);
      if (!stamm || x.LaengenAnpassen()) x.SetZweigLaenge3(l);
      return true;
    });
  };
  auto beziehung = [&](const std::string& name, bool (TEWeiche::*aendern)(double), double wert) {
    // The relations refuse a value whose results would not be numbers: then no step is kept.
    bool moeglich = true;
    const bool ok = geo(name, [&](TEWeiche& x) { return moeglich = (x.*aendern)(wert); });
    if (!moeglich) ed.dialoge().Warnung(MeldungWeicheWert);
    return ok;
  };
  switch (feld) {
    case Weichenfeld::Radius:
      return beziehung("Radius", &TEWeiche::GrundradiusAendern, std::fabs(v));
    case Weichenfeld::Winkel:
      return beziehung("Winkel", &TEWeiche::WinkelAendern, v * Pi / 180.0);
    case Weichenfeld::Tangentenlaenge:
      return beziehung("Tangentenlänge", &TEWeiche::TangenteAendern, v);
    case Weichenfeld::Stammgleisradius:
      return beziehung("Stammgleisradius", &TEWeiche::StammRadius1Aendern, v);
    case Weichenfeld::Zweiggleisradius:
      return beziehung("Zweiggleisradius", &TEWeiche::ZweigRadius1Aendern, v);
    case Weichenfeld::Spurweite:
      return geo("Spurweite", [&](TEWeiche& x) {
        x.SetSpur(v);
        return true;
      });
    case Weichenfeld::Schienenkopfbreite:
      return geo("Schienenkopfbreite", [&](TEWeiche& x) {
        x.SetSpurAussen(x.Spur() + 2.0 * v);
        return true;
      });
    case Weichenfeld::AnfAbst1:
      return Abstand(ed, w, "Anfangsabstand", v, &TEWeiche::AnfAbst1);
    case Weichenfeld::EndAbst1:
      return Abstand(ed, w, "Endabstand", v, &TEWeiche::EndAbst1);
    case Weichenfeld::Laenge2:
      return geo("Länge", [&](TEWeiche& x) {
        x.SetStammLaenge2(std::fabs(v));
        if (v == 0) x.AnfAbst2 = x.EndAbst2 = 0;
        return true;
      });
    case Weichenfeld::Radius2:
      return geo("Radius", [&](TEWeiche& x) {
        x.SetRadius2(v);
        return true;
      });
    case Weichenfeld::AnfAbst2:
      return AbstandPaar2(ed, w, "Anfangsabstand", v, true);
    case Weichenfeld::EndAbst2:
      return AbstandPaar2(ed, w, "Endabstand", v, false);
    case Weichenfeld::StammLaenge3:
      return laenge3("Länge", true);
    case Weichenfeld::ZweigLaenge3:
      return laenge3("Länge", false);
    case Weichenfeld::StammRadius3:
      return geo("Radius", [&](TEWeiche& x) {
        x.SetStammRadius3(v);
        return true;
      });
    case Weichenfeld::ZweigRadius3:
      return geo("Radius", [&](TEWeiche& x) {
        x.SetZweigRadius3(v);
        return true;
      });
    case Weichenfeld::AnfAbst3:
      return Abstand(ed, w, "Anfangsabstand", v, &TEWeiche::AnfAbst3);
    case Weichenfeld::EndAbst3:
      return Abstand(ed, w, "Endabstand", v, &TEWeiche::EndAbst3);
    case Weichenfeld::Schwellenlaenge:
      return Schwellenmass(ed, w, "Schwellenlänge", v, &TWeiche::SetSwLen);
    case Weichenfeld::Schwellenbreite:
      return Schwellenmass(ed, w, "Schwellenbreite", v, &TWeiche::SetSwBrt);
    case Weichenfeld::Schwellenabstand:
      return Schwellenmass(ed, w, "Schwellenabstand", v, &TWeiche::SetSwAbst);
    case Weichenfeld::MaxSchwellenlaenge:
      if (v < w.SwLen()) {
        ed.dialoge().Information(MeldungMaxSchwellenlaenge);
        return false;
      }
      return geo("Maximale Schwellenlänge", [&](TEWeiche& x) {
        x.MaxSwLaenge = v;
        return true;
      });
    case Weichenfeld::Korrekturfaktor:
      return geo("Korrekturfaktor", [&](TEWeiche& x) {
        x.Korrekturfaktor = v;
        return true;
      });
    default:
      return false;
  }
}

}  // namespace

Weichenanzeige WeicheAnzeigen(const Anlage& a, const TEWeiche& w) {
  (void)a;
  Weichenanzeige z;
  z.titel = "Weichendaten - " + w.Name;
  auto& v = z.werte;
  v[Weichenfeld::Name] = w.Name;
  v[Weichenfeld::Radius] = RadiusText(w.Radius());
  v[Weichenfeld::Winkel] = FestText(Grad(w.Winkel));
  v[Weichenfeld::Neigung] = "1:" + FestText(NeigungAusWinkel(w.Winkel));
  v[Weichenfeld::Tangentenlaenge] = FestText(w.TangLaenge);
  v[Weichenfeld::Weichenrichtung] = w.IstRechts() ? "Rechtsweiche" : "Linksweiche";
  switch (w.Anschluss) {
    case AnschlussStammAnfang:
      v[Weichenfeld::Anschluss] = "Stammgleisanfang";
      break;
    case AnschlussStammEnde:
      v[Weichenfeld::Anschluss] = "Stammgleisende";
      break;
    case AnschlussZweig:
      v[Weichenfeld::Anschluss] = "Zweiggleis";
      break;
    default:
      v[Weichenfeld::Anschluss] = "";
      break;
  }
  v[Weichenfeld::Spurweite] = FestText(w.Spur());
  v[Weichenfeld::Schienenkopfbreite] = FestText((w.SpurAussen() - w.Spur()) / 2.0);
  v[Weichenfeld::Stammgleisradius] = RadiusText(w.StammRadius1());
  v[Weichenfeld::Zweiggleisradius] = RadiusText(w.ZweigRadius1());
  v[Weichenfeld::AnfAbst1] = FestText(w.AnfAbst1);
  v[Weichenfeld::EndAbst1] = FestText(w.EndAbst1);
  v[Weichenfeld::Laenge2] = FestText(w.StammLaenge2());
  v[Weichenfeld::Radius2] = RadiusText(w.Radius2());
  v[Weichenfeld::AnfAbst2] = FestText(w.AnfAbst2);
  v[Weichenfeld::EndAbst2] = FestText(w.EndAbst2);
  v[Weichenfeld::StammLaenge3] = FestText(w.StammLaenge3());
  v[Weichenfeld::StammRadius3] = RadiusText(w.StammRadius3());
  v[Weichenfeld::ZweigLaenge3] = FestText(w.ZweigLaenge3());
  v[Weichenfeld::ZweigRadius3] = RadiusText(w.ZweigRadius3());
  v[Weichenfeld::AnfAbst3] = FestText(w.AnfAbst3);
  v[Weichenfeld::EndAbst3] = FestText(w.EndAbst3);
  v[Weichenfeld::Schwellenlaenge] = FestText(w.SwLen());
  v[Weichenfeld::Schwellenbreite] = FestText(w.SwBrt());
  v[Weichenfeld::Schwellenabstand] = FestText(w.SwAbst());
  v[Weichenfeld::MaxSchwellenlaenge] = FestText(w.MaxSwLaenge);
  v[Weichenfeld::SchwellenSenkrecht] = "bis Nr. " + std::to_string(w.SenkrechtBis);
  v[Weichenfeld::Schwellenplan] = w.SchwellenAutomatisch() ? "automatisch" : "benutzerdefiniert";
  v[Weichenfeld::Korrekturfaktor] = FestText(w.Korrekturfaktor);
  static constexpr const char* formen[] = {"Einfache Weiche", "Innenbogenweiche",
                                           "Aussenbogenweiche"};
  z.weichenform = formen[w.Weichenform()];
  const auto& d = w.IndexDoppelSw;
  if (w.AnzDoppelSw <= 0 || d.empty())
    z.doppelschwellen = "keine";
  else if (w.AnzDoppelSw == 1 || d.size() == 1)
    z.doppelschwellen = "Nr. " + std::to_string(d[0]);
  else
    z.doppelschwellen = "Nr. " + std::to_string(d[0]) + " / Nr. " + std::to_string(d[1]);
  z.laengenAnpassen = w.LaengenAnpassen();
  z.radiusAnpassen = w.RadiusAnpassen();
  z.entfernen = w.Modul && w.Modul->Gleise.size() >= 3;
  z.planPasst = PlanPasst(w);
  return z;
}

bool WeicheFeldSetzen(Editor& ed, Weichenfeld feld, const std::string& text) {
  TEWeiche* w = Weiche(ed);
  if (!w) return false;
  switch (feld) {
    case Weichenfeld::Name:
      if (w->Name == text) return false;
      return ed.Ausfuehren("Name", [&] {
        w->Name = text;
        return true;
      });
    case Weichenfeld::Neigung: {
      const std::string t = OhneLeerzeichen(text);
      if (t.size() < 2 || t[0] != '1' || (t[1] != ':' && t[1] != '/')) {
        ed.dialoge().Fehler(MeldungNeigung);
        return false;
      }
      const auto n = ed.Zahl(t.substr(2));
      if (!n) return false;
      bool moeglich = true;
      const bool ok =
          Aendern(ed, *w, "Neigung", [&](TEWeiche& x) { return moeglich = x.NeigungAendern(*n); });
      if (!moeglich) ed.dialoge().Warnung(MeldungWeicheWert);
      return ok;
    }
    case Weichenfeld::Weichenrichtung:
      if ((text == "Linksweiche") == w->IstLinks()) return false;
      return Aendern(ed, *w, "Weichenrichtung", [&](TEWeiche& x) {
        x.RichtungWechseln();
        return true;
      });
    case Weichenfeld::Anschluss: {
      std::uint8_t anschluss = 0;
      if (text == "Stammgleisanfang") anschluss = AnschlussStammAnfang;
      if (text == "Stammgleisende") anschluss = AnschlussStammEnde;
      if (text == "Zweiggleis") anschluss = AnschlussZweig;
      if (anschluss == 0 || anschluss == w->Anschluss) return false;
      return Aendern(ed, *w, "Anschluss mit", [&](TEWeiche& x) {
        x.AnschlussSetzen(anschluss);
        return true;
      });
    }
    case Weichenfeld::SchwellenSenkrecht: {
      std::string t = OhneLeerzeichen(text);
      if (t.rfind("bisNr.", 0) == 0) t = t.substr(6);
      std::int32_t n = 0;
      try {
        n = TextInt(t);
      } catch (const LeseFehler&) {
        ed.dialoge().Information(MeldungNurZahlen);
        return false;
      }
      if (n == w->SenkrechtBis) return false;
      return Aendern(ed, *w, "Schwellen senkrecht", [&](TEWeiche& x) {
        x.SenkrechtBis = n;
        return true;
      });
    }
    case Weichenfeld::Schwellenplan: {
      const bool automatisch = text == "automatisch";
      if (!automatisch && text != "benutzerdefiniert") return false;
      if (automatisch == w->SchwellenAutomatisch()) return false;
      return Aendern(ed, *w, "Schwellenplan", [&](TEWeiche& x) {
        x.SetOption(5, automatisch ? '0' : '1');
        if (automatisch) x.SwLaengen.clear();
        return true;
      });
    }
    default: {
      const auto v = ed.Zahl(text);
      if (!v) return false;
      return Zahlenfeld(ed, *w, feld, *v);
    }
  }
}

bool WeicheOptionSetzen(Editor& ed, int option, bool an) {
  TEWeiche* w = Weiche(ed);
  if (!w || (option != 3 && option != 4) || (w->Option(option) == '1') == an) return false;
  return Aendern(ed, *w, option == 3 ? "Radius anpassen" : "Längen anpassen", [&](TEWeiche& x) {
    x.SetOption(option, an ? '1' : '0');
    return true;
  });
}

bool DoppelschwellenSetzen(Editor& ed, const std::vector<std::int32_t>& nummern) {
  TEWeiche* w = Weiche(ed);
  if (!w || nummern.size() > 2) return false;
  return Aendern(ed, *w, "Doppelschwellen", [&](TEWeiche& x) {
    x.AnzDoppelSw = static_cast<std::int32_t>(nummern.size());
    x.IndexDoppelSw = nummern;
    return true;
  });
}

bool SchwellenplanUebernehmen(Editor& ed, const TSchwellenplan& plan, bool benutzerdefiniert) {
  TEWeiche* w = Weiche(ed);
  if (!w) return false;
  return Aendern(ed, *w, "Schwellenplan bearbeiten", [&](TEWeiche& x) {
    if (benutzerdefiniert) x.SetOption(5, '1');
    x.SwAbst1 = plan.Paare[0];
    x.SwAbst2 = plan.Paare[1];
    x.SwAbst3 = plan.Paare[2];
    x.SwLaengen = plan.SwLaengen;
    x.SenkrechtBis = plan.SenkrechtBis;
    return true;
  });
}

TEWeiche* Weiche(Editor& ed) {
  TElement* e = ed.element();
  return e && e->Art() == Elementart::Weiche ? static_cast<TEWeiche*>(e) : nullptr;
}

}  // namespace trm
