// Building a layout from an XTrackCAD file: tracks and turnouts, their directions chosen so that
// joined ends follow each other, links, link groups, heights, components and the report.
#include "core/import/XtcImport.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <filesystem>
#include <map>
#include <numeric>
#include <optional>
#include <unordered_map>
#include <variant>

#include "core/import/XtcDrehscheibe.h"
#include "core/import/XtcGleise.h"
#include "core/geometry/Geo.h"
#include "core/import/XtcZeichnung.h"
#include "core/model/AnlageDatei.h"
#include "core/model/Fehler.h"
#include "core/model/Kleinschreibung.h"
#include "core/model/Neuberechnung.h"
#include "core/model/Satz.h"
#include "core/model/Schwellenbudget.h"
#include "core/model/Textdatei.h"
#include "core/model/Verbindungen.h"
#include "core/model/Zitat.h"
#include "core/turnouts/Drehscheibe.h"
#include "core/turnouts/Weiche.h"
#include "core/crossings/DKW.h"
#include "core/crossings/EKW.h"
#include "core/crossings/Kreuzung.h"
#include "core/import/XtpWeichen.h"

namespace trm {

namespace {

/// How close a track end must lie to the file's end to stand for it: mm and radians (0.01°).
constexpr double EndToleranz = 0.01;
constexpr double RichtungToleranz = 0.01 * Pi / 180.0;

struct Massstab {
  const char* name;
  double verhaeltnis;
  double spur;  ///< mm
};
/// The scales of XTrackCAD layouts: ratio and gauge.
constexpr std::array<Massstab, 24> Massstaebe{{
    {"HO", 87.1, 16.5},   {"HOn3", 87.1, 10.5},  {"HOn30", 87.1, 9},    {"HOn3.5", 87.1, 12},  {"HOm", 87.1, 12},
    {"HOe", 87.1, 9},     {"N", 160, 9},         {"Nn3", 160, 6.5},     {"N(UK)", 148, 9},     {"N(JP)", 150, 9},
    {"OO", 76.2, 16.5},   {"EM", 76.2, 18.2},    {"P4", 76.2, 18.83},   {"OO9", 76.2, 9},      {"TT", 120, 12},
    {"Z", 220, 6.5},      {"S", 64, 22.2},       {"Sn3", 64, 14.3},     {"O", 48, 31.75},      {"On3", 48, 19.05},
    {"On30", 48, 16.5},   {"G", 22.5, 45},       {"1", 32, 45},         {"T", 450, 3}}};

/// Sets scale, gauge and the sleeper and spacing defaults of the layout (H0 values scaled).
void MassstabSetzen(Anlage& a, const std::string& name) {
  const Massstab* m = &Massstaebe[0];
  for (const Massstab& k : Massstaebe)
    if (AsciiKlein(name) == AsciiKlein(k.name)) m = &k;
  const double f = 87.0 / m->verhaeltnis;
  a.Massstab = m->verhaeltnis;
  a.Werte.SwAbst *= f;
  a.Werte.SwBrt *= f;
  a.Werte.SwLen *= m->spur / 16.5;
  a.Werte.TrBrt *= m->spur / 16.5;
  a.Werte.GlsAbst *= f;
  a.Werte.SpurAussen = m->spur + (a.Werte.SpurAussen - 16.5) * f;
  a.Werte.Spur = m->spur;
  a.Werte.MaxKruemmung /= f;
}

void Zaehlen(XtcErgebnis& e, const std::string& grund) {
  for (auto& [g, n] : e.uebersprungen)
    if (g == grund) {
      ++n;
      return;
    }
  e.uebersprungen.emplace_back(grund, 1);
}

/// What the file's kinds are called in the report.
std::string Artname(const std::string& art) {
  static const std::map<std::string, std::string> namen{
      {"STRAIGHT", "Gerade"},   {"CURVE", "Bogen"},         {"JOINT", "Übergangsbogen"}, {"CORNU", "Cornu-Kurve"},
      {"BEZIER", "Bezier-Gleis"}, {"BZRTRK", "Bezier-Gleis"}, {"TURNOUT", "Weiche"},       {"TURNTABLE", "Drehscheibe"},
      {"STRUCTURE", "Gebäude"}, {"CAR", "Fahrzeug"},        {"NOTE", "Notiz"},           {"TEXT", "Text"},
      {"DRAW", "Zeichnung"},    {"BZRLIN", "Bezier-Linie"}};
  const auto it = namen.find(art);
  return it != namen.end() ? it->second : "Objekt " + Zitat(art);
}

/// A side of a track plan: its start (A) or its end (B) as planned.
struct Seite {
  long plan = -1;  ///< index into the track plans, or -(turnout + 2) for a turnout
  bool anfang = true;
};

/// A track as made: the model track and the file ends at its start and end (object, end index).
struct Gemacht {
  TGleis* gleis = nullptr;
  std::pair<long, long> anfang{-1, -1}, ende{-1, -1};
};

/// Union-find over the made tracks.
struct Gruppen {
  std::vector<std::size_t> vater;
  std::size_t Wurzel(std::size_t i) {
    while (vater[i] != i) i = vater[i] = vater[vater[i]];
    return i;
  }
  void Vereinen(std::size_t a, std::size_t b) { vater[Wurzel(a)] = Wurzel(b); }
};

class Aufbau {
 public:
  Aufbau(const XtcPlan& p, const std::string& datei, Anlage& a, XtcErgebnis& e)
      : plan_(p), datei_(datei), a_(a), e_(e) {}

  void Ausfuehren() {
    TModul& m = *a_.ModulAnhaengen();
    a_.ModulWaehlen(0);
    m.Name = a_.Name;
    m.MmProPixel = a_.StdMmProPixel;
    m.Breite = std::max(100, static_cast<std::int32_t>(std::ceil(plan_.raumX * XtcZoll)));
    m.Hoehe = std::max(100, static_cast<std::int32_t>(std::ceil(plan_.raumY * XtcZoll)));
    const double maxSw = 60.0 * 87.0 / a_.Massstab;
    for (std::size_t k = 0; k < plan_.objekte.size(); ++k) {
      const XtcObjekt& o = plan_.objekte[k];
      const long index = o.Index();
      if (index >= 0) objektZu_[index] = k;
      if (XtcGleisart(o.art)) {
        ++e_.gleisobjekte;
        if (auto grund = XtcObjektUmwandeln(o, k, datei_, maxSw, plaene_)) {
          Zaehlen(e_, Artname(o.art) + ": " + *grund);
          ++e_.gleisobjekteUebersprungen;
        } else {
          genommen_.push_back(k);
        }
      } else if (o.art == "TURNTABLE") {
        ++e_.gleisobjekte;
        auto d = XtcDrehscheibeBestimmen(o, k, datei_);
        if (const auto* grund = std::get_if<std::string>(&d)) {
          ++e_.gleisobjekteUebersprungen;
          Zaehlen(e_, "Drehscheibe: " + *grund);
        } else {
          drehscheibenplaene_.push_back(std::get<XtcDrehscheibenplan>(d));
          genommen_.push_back(k);
        }
      } else if (o.art == "DRAW" || o.art == "TABLEEDGE") {
        // One component for the table edges, one for the drawings of each layer.
        const std::string name = o.art == "TABLEEDGE" ? std::string("Tischkanten")
                                                      : "Zeichnungen Ebene " + (o.werte.size() > 1 ? o.werte[1] : "0");
        auto& geo = zeichnungen_[name];
        if (!geo) {
          geo = std::make_unique<TGeo>(&m);
          geo->Name = name;
        }
        XtcZeichnungHinzufuegen(o, datei_, *geo);
      } else {
        Zaehlen(e_, Artname(o.art) + ": nicht übernommen");
      }
    }
    for (auto& [name, geo] : zeichnungen_)
      if (!geo->Elemente.empty()) {
        geo->GeoNr = a_.NeueElementnummer(BereichGeo);
        m.ElementHinzufuegen(std::move(geo));
        ++e_.bauteile;
      }
    e_.uebernommen = genommen_.size();
    e_.weichenAlsGleise = plaene_.weichenAlsGleise;
    e_.weichen = plaene_.weichen.size();
    e_.drehscheiben = drehscheibenplaene_.size();
    for (const XtcKreuzungsplan& kp : plaene_.kreuzungen)
      ++(kp.zweige == 0 ? e_.kreuzungen : kp.zweige == 1 ? e_.ekw : e_.dkw);
    SeitenZuordnen();
    DrehscheibenSeiten();
    VerbindungenFinden();
    KreuzungenUmlegen();
    Ausrichten();
    WeichenMachen(m);
    KreuzungenMachen(m);
    DrehscheibenMachen(m);
    GleiseMachen(m);
    Verbinden(m);
    if (!m.Gleise.empty()) {
      m.GleisWaehlen(0);
      if (!m.Gleise.front()->Boegen.empty()) m.Gleise.front()->BogenWaehlen(0);
    }
  }

  /// Counts the ends of the taken objects that some track start or end meets, after the
  /// geometry pass.
  void EndenZaehlen(const TModul& m) {
    std::unordered_multimap<long long, XtcLage> raster;  // 1 mm cells
    auto schluessel = [](double x, double y) {
      return static_cast<long long>(std::floor(x)) * 4'000'003LL + static_cast<long long>(std::floor(y));
    };
    for (const auto& g : m.Gleise) {
      if (g->Boegen.empty()) continue;
      const XtcLage an{g->XAnf, g->YAnf, g->WAnf()}, en{g->XEnde(), g->YEnde(), g->WEnde()};
      raster.emplace(schluessel(an.x, an.y), XtcLage{an.x, an.y, an.w + Pi});  // pointing out
      raster.emplace(schluessel(en.x, en.y), en);
    }
    for (const TDrehscheibe* d : drehscheiben_)
      for (const TAnschlusspunkt& p : d->Anschlusspunkte()) raster.emplace(schluessel(p.x, p.y), XtcLage{p.x, p.y, p.w});
    for (std::size_t k : genommen_)
      for (const XtcEnde& ende : plan_.objekte[k].enden) {
        ++e_.enden;
        const XtcLage z = XtcEndlage(ende.x, ende.y, ende.a, false);
        bool gefunden = false;
        for (int dx = -1; dx <= 1 && !gefunden; ++dx)
          for (int dy = -1; dy <= 1 && !gefunden; ++dy) {
            const auto [von, bis] = raster.equal_range(schluessel(z.x + dx, z.y + dy));
            for (auto it = von; it != bis && !gefunden; ++it)
              gefunden = LageAbstand(it->second, z) <= EndToleranz && RichtungsAbstand(it->second, z) <= RichtungToleranz;
          }
        e_.endenAmOrt += gefunden;
      }
  }

 private:
  /// Which file ends the sides of each plan stand for.
  void SeitenZuordnen() {
    for (std::size_t p = 0; p < plaene_.gleise.size(); ++p) {
      const XtcGleisplan& g = plaene_.gleise[p];
      XtcLage ende = g.anfang;
      for (const XtcBogen& b : g.boegen) ende = BogenEnde(ende, b);
      planEnden_.push_back(ende);
      // The file's ends are the truth: a plan computed from rounded values may miss them a
      // little, and the track is fitted onto them when it is made.
      const long a = NaechstesEnde(g.objekt, g.anfang, true, -1);
      const long b = NaechstesEnde(g.objekt, ende, false, a);
      if (a >= 0) seiten_.emplace(std::make_pair(static_cast<long>(g.objekt), a), Seite{static_cast<long>(p), true});
      if (b >= 0) seiten_.emplace(std::make_pair(static_cast<long>(g.objekt), b), Seite{static_cast<long>(p), false});
    }
    for (std::size_t w = 0; w < plaene_.weichen.size(); ++w) {
      const XtcWeichenplan& wp = plaene_.weichen[w];
      const auto& enden = plan_.objekte[wp.objekt].enden;
      for (std::size_t i = 0; i < enden.size(); ++i)
        seiten_.emplace(std::make_pair(static_cast<long>(wp.objekt), static_cast<long>(i)),
                        Seite{-static_cast<long>(w) - 2, i == wp.weichenende});
    }
    // A crossing's tracks start at the main track's start only.
    for (std::size_t k = 0; k < plaene_.kreuzungen.size(); ++k) {
      const XtcKreuzungsplan& kp = plaene_.kreuzungen[k];
      for (std::size_t i = 0; i < 4; ++i)
        seiten_.emplace(std::make_pair(static_cast<long>(kp.objekt), static_cast<long>(kp.enden[i])),
                        Seite{-static_cast<long>(plaene_.weichen.size() + k) - 2, i == 0});
    }
  }

  /// A turntable's ends as sides that tracks start at: its connected tracks leave its rim.
  void DrehscheibenSeiten() {
    const long basis = static_cast<long>(plaene_.weichen.size() + plaene_.kreuzungen.size());
    for (std::size_t d = 0; d < drehscheibenplaene_.size(); ++d) {
      const std::size_t k = drehscheibenplaene_[d].objekt;
      for (std::size_t i = 0; i < plan_.objekte[k].enden.size(); ++i)
        seiten_.emplace(Schluessel{static_cast<long>(k), static_cast<long>(i)}, Seite{-(basis + static_cast<long>(d)) - 2, false});
    }
  }

  /// The end of object k nearest to place l (leaving it when `hinein`, else arriving), other
  /// than end `ausser`; -1 when none lies within 0,05 in and 0,1 rad.
  long NaechstesEnde(std::size_t k, const XtcLage& l, bool hinein, long ausser) const {
    const auto& enden = plan_.objekte[k].enden;
    long best = -1;
    double abstand = Unendlich;
    for (std::size_t i = 0; i < enden.size(); ++i) {
      const XtcLage e = XtcEndlage(enden[i].x, enden[i].y, enden[i].a, hinein);
      const double d = LageAbstand(e, l), w = RichtungsAbstand(e, l);
      if (static_cast<long>(i) == ausser || d > 0.05 * XtcZoll || w > 0.1) continue;
      if (d + w * XtcZoll < abstand) {
        abstand = d + w * XtcZoll;
        best = static_cast<long>(i);
      }
    }
    return best;
  }

  /// Objects whose joints count: tracks, turnouts and turntables.
  static bool Gleisobjekt(const std::string& art) { return XtcGleisart(art) || art == "TURNTABLE"; }

  static bool Trifft(const XtcLage& a, const XtcLage& b) {
    return LageAbstand(a, b) <= EndToleranz && RichtungsAbstand(a, b) <= RichtungToleranz;
  }

  /// The joints: an end naming an object whose end names it back at the same place.
  void VerbindungenFinden() {
    std::vector<bool> genommen(plan_.objekte.size(), false);
    for (std::size_t k : genommen_) genommen[k] = true;
    for (std::size_t k = 0; k < plan_.objekte.size(); ++k) {
      const XtcObjekt& o = plan_.objekte[k];
      if (!Gleisobjekt(o.art)) continue;
      for (std::size_t i = 0; i < o.enden.size(); ++i) {
        const XtcEnde& e = o.enden[i];
        const auto it = objektZu_.find(e.partner);
        if (e.partner < 0 || it == objektZu_.end()) continue;
        const std::size_t q = it->second;
        const XtcObjekt& p = plan_.objekte[q];
        long best = -1;
        double abstand = 0.01;  // inches
        for (std::size_t j = 0; j < p.enden.size(); ++j)
          if (p.enden[j].partner == o.Index() && (q != k || j != i)) {
            const double d = std::hypot(p.enden[j].x - e.x, p.enden[j].y - e.y);
            if (d <= abstand) {
              abstand = d;
              best = static_cast<long>(j);
            }
          }
        if (best < 0) continue;
        const std::pair<long, long> a{static_cast<long>(k), static_cast<long>(i)}, b{static_cast<long>(q), best};
        if (b < a) continue;  // each joint once
        if (Gleisobjekt(p.art)) ++e_.verbindungen;
        if (genommen[k] && genommen[q]) {
          verbindungen_.emplace_back(a, b);
          partner_[a] = b;
          partner_[b] = a;
        }
      }
    }
  }

  /// Turns each crossing and slip so that as many of its joints to turnouts and other crossings
  /// as possible meet an end with a start: its one start is the main track's side A.
  void KreuzungenUmlegen() {
    // Each plan's file ends at its start and end.
    std::vector<std::array<Schluessel, 2>> planEnden(plaene_.gleise.size(), {Schluessel{-1, -1}, Schluessel{-1, -1}});
    for (const auto& [schluessel, seite] : seiten_)
      if (seite.plan >= 0) planEnden[static_cast<std::size_t>(seite.plan)][seite.anfang ? 0 : 1] = schluessel;
    // The side of a turnout or crossing that file end q leads to through a chain of plans
    // joined end to end; none where the chain ends open or branches.
    auto festeSeite = [&](Schluessel q) -> std::optional<Seite> {
      for (std::size_t schritt = 0; schritt <= plaene_.gleise.size(); ++schritt) {
        const auto [von, bis] = seiten_.equal_range(q);
        if (von == bis || std::next(von) != bis) return std::nullopt;
        if (von->second.plan < 0) return von->second;
        const auto& e = planEnden[static_cast<std::size_t>(von->second.plan)];
        const auto pa = partner_.find(von->second.anfang ? e[1] : e[0]);
        if (pa == partner_.end()) return std::nullopt;
        q = pa->second;
      }
      return std::nullopt;
    };
    const long basis = static_cast<long>(plaene_.weichen.size());
    for (int runde = 0; runde < 2; ++runde)
      for (std::size_t k = 0; k < plaene_.kreuzungen.size(); ++k) {
        XtcKreuzungsplan& kp = plaene_.kreuzungen[k];
        const long eigen = -(basis + static_cast<long>(k)) - 2;
        auto passend = [&](const XtcKreuzungsplan& p) {
          int n = 0;
          for (std::size_t i = 0; i < 4; ++i) {
            const auto pa = partner_.find(Schluessel{static_cast<long>(p.objekt), static_cast<long>(p.enden[i])});
            if (pa == partner_.end()) continue;
            const auto f = festeSeite(pa->second);
            n += f && f->plan != eigen && f->anfang != (i == 0);
          }
          return n;
        };
        std::size_t best = 0;
        int bestWert = passend(kp);
        for (std::size_t b = 1; b < 4; ++b)
          if (const int wert = passend(XtcKreuzungUmlegen(kp, b)); wert > bestWert) {
            best = b;
            bestWert = wert;
          }
        if (best == 0) continue;
        kp = XtcKreuzungUmlegen(kp, best);
        for (std::size_t i = 0; i < 4; ++i)
          for (auto [it, bis] = seiten_.equal_range(Schluessel{static_cast<long>(kp.objekt), static_cast<long>(kp.enden[i])});
               it != bis; ++it)
            if (it->second.plan == eigen) it->second.anfang = i == 0;
      }
  }

  /// Whether side s starts a track: turnouts at their switch point only; plans by their flip.
  bool Beginnt(const Seite& s) const {
    if (s.plan < 0) return s.anfang;
    return s.anfang != umgekehrt_[static_cast<std::size_t>(s.plan)];
  }

  /// Chooses the direction of each reversible plan so that joined ends follow each other:
  /// breadth first from the turnouts, then from every plan not reached.
  void Ausrichten() {
    const std::size_t n = plaene_.gleise.size();
    umgekehrt_.assign(n, false);
    std::vector<char> fest(n, 0);
    std::vector<std::vector<std::pair<Seite, Seite>>> nachbarn(n);  // (own side, other side)
    std::vector<std::size_t> schlange;
    for (const auto& [a, b] : verbindungen_) {
      const auto sa = seiten_.find(a), sb = seiten_.find(b);
      if (sa == seiten_.end() || sb == seiten_.end()) continue;
      if (sa->second.plan >= 0) nachbarn[static_cast<std::size_t>(sa->second.plan)].emplace_back(sa->second, sb->second);
      if (sb->second.plan >= 0) nachbarn[static_cast<std::size_t>(sb->second.plan)].emplace_back(sb->second, sa->second);
    }
    auto setzen = [&](std::size_t p, bool um) {
      umgekehrt_[p] = um;
      fest[p] = 1;
      schlange.push_back(p);
    };
    // Plans joined to a turnout first.
    for (std::size_t p = 0; p < n; ++p)
      for (const auto& [eigen, andere] : nachbarn[p])
        if (!fest[p] && andere.plan < 0 && plaene_.gleise[p].umkehrbar)
          setzen(p, (eigen.anfang == Beginnt(andere)) ? true : false);
    auto ausbreiten = [&] {
      for (std::size_t i = 0; i < schlange.size(); ++i) {
        const std::size_t p = schlange[i];
        for (const auto& [eigen, andere] : nachbarn[p]) {
          if (andere.plan < 0) continue;
          const auto q = static_cast<std::size_t>(andere.plan);
          if (fest[q] || !plaene_.gleise[q].umkehrbar) continue;
          // The other side must start exactly when this one does not.
          const bool sollBeginnen = !Beginnt(eigen);
          setzen(q, andere.anfang != sollBeginnen);
        }
      }
      schlange.clear();
    };
    ausbreiten();
    for (std::size_t p = 0; p < n; ++p)
      if (!fest[p]) {
        setzen(p, false);
        ausbreiten();
      }
    Nachbessern();
  }

  /// Reverses single plans while that keeps more joints as an end meeting a start: the
  /// breadth-first pass decides each plan by the first joint it reaches it through.
  void Nachbessern() {
    struct Gelenk {
      std::vector<Seite> a, b;  ///< every plan side at either file end
    };
    std::vector<Gelenk> gelenke;
    std::vector<std::vector<std::size_t>> gelenkeVon(plaene_.gleise.size());
    for (const auto& [a, b] : verbindungen_) {
      Gelenk g;
      for (auto [it, bis] = seiten_.equal_range(a); it != bis; ++it) g.a.push_back(it->second);
      for (auto [it, bis] = seiten_.equal_range(b); it != bis; ++it) g.b.push_back(it->second);
      if (g.a.empty() || g.b.empty()) continue;
      for (const auto* seiten : {&g.a, &g.b})
        for (const Seite& s : *seiten)
          if (s.plan >= 0) {
            auto& liste = gelenkeVon[static_cast<std::size_t>(s.plan)];
            if (liste.empty() || liste.back() != gelenke.size()) liste.push_back(gelenke.size());
          }
      gelenke.push_back(std::move(g));
    }
    auto gehalten = [&](std::size_t p) {
      std::size_t n = 0;
      for (std::size_t k : gelenkeVon[p]) {
        bool ja = false;
        for (const Seite& sa : gelenke[k].a)
          for (const Seite& sb : gelenke[k].b) ja = ja || Beginnt(sa) != Beginnt(sb);
        n += ja;
      }
      return n;
    };
    for (int runde = 0; runde < 20; ++runde) {
      bool besser = false;
      for (std::size_t p = 0; p < plaene_.gleise.size(); ++p) {
        if (!plaene_.gleise[p].umkehrbar || gelenkeVon[p].empty()) continue;
        const std::size_t vorher = gehalten(p);
        umgekehrt_[p] = !umgekehrt_[p];
        if (gehalten(p) > vorher) besser = true;
        else umgekehrt_[p] = !umgekehrt_[p];
      }
      if (!besser) break;
    }
  }

  using Schluessel = std::pair<long, long>;

  /// The tracks in an order in which each one that follows another comes after it: it starts
  /// on that one's end as made, and its last segment is fitted to end on its own end line, so
  /// that the propagation along successors moves nothing.
  void GleiseMachen(TModul& m) {
    const std::size_t n = plaene_.gleise.size();
    std::vector<Schluessel> anfang(n, {-1, -1}), ende(n, {-1, -1});
    for (const auto& [schl, seite] : seiten_)
      if (seite.plan >= 0) {
        const auto p = static_cast<std::size_t>(seite.plan);
        (seite.anfang != umgekehrt_[p] ? anfang[p] : ende[p]) = schl;
      }
    std::map<Schluessel, std::size_t> planAmEnde;
    for (std::size_t p = 0; p < n; ++p)
      if (ende[p].first >= 0) planAmEnde.emplace(ende[p], p);
    // Each plan waits for the plan whose end its start is joined to.
    std::vector<std::vector<std::size_t>> folger(n);
    std::vector<char> wartet(n, 0), fertig(n, 0);
    for (std::size_t p = 0; p < n; ++p) {
      const auto pa = partner_.find(anfang[p]);
      if (anfang[p].first < 0 || pa == partner_.end()) continue;
      const auto q = planAmEnde.find(pa->second);
      if (q != planAmEnde.end() && q->second != p) {
        folger[q->second].push_back(p);
        wartet[p] = 1;
      }
    }
    std::vector<std::size_t> schlange;
    auto machen = [&](std::size_t p) {
      fertig[p] = 1;
      GleisMachen(m, p, anfang[p], ende[p]);
      for (std::size_t f : folger[p])
        if (!fertig[f]) schlange.push_back(f);
    };
    auto abarbeiten = [&] {
      while (!schlange.empty()) {
        const std::size_t p = schlange.back();
        schlange.pop_back();
        if (!fertig[p]) machen(p);
      }
    };
    for (int runde = 0; runde < 2; ++runde)
      for (std::size_t p = 0; p < n; ++p)
        if (!fertig[p] && (runde == 1 || !wartet[p])) {
          machen(p);
          abarbeiten();
        }
  }

  void GleisMachen(TModul& m, std::size_t p, const Schluessel& anfang, const Schluessel& ende) {
    XtcGleisplan plan = umgekehrt_[p] ? Umgekehrt(plaene_.gleise[p], planEnden_[p]) : plaene_.gleise[p];
    // Where it may start: on its predecessor's end as made, else on its own end line.
    std::vector<XtcLage> anfaenge;
    if (anfang.first >= 0) anfaenge.push_back(Endlage(anfang, true));
    if (const auto pa = partner_.find(anfang); anfang.first >= 0 && pa != partner_.end() && istEnde_.count(pa->second))
      anfaenge.push_back(istEnde_.at(pa->second));
    anfaenge.push_back(plan.anfang);
    const std::vector<XtcBogen> boegen = plan.boegen;
    for (const XtcLage& a : anfaenge) {
      plan.anfang = a;
      plan.boegen = boegen;
      if (ende.first < 0 || plan.boegen.empty() || EndeTreffen(plan, Endlage(ende, false))) break;
    }
    TGleis* g = m.GleisAnhaengen();
    g->Nummer = a_.NeueNummer(BereichNeuesGleis);
    g->Name = Artname(plan_.objekte[plan.objekt].art);
    XtcLage lage = BoegenSetzen(*g, plan);
    // A fitted transition curve of almost no change in curvature is one the track's points
    // cannot follow closely; the track then keeps its segments as computed.
    if (plan.boegen != boegen && !plan.boegen.empty()) {
      g->PunkteBerechnen();
      const XtcLage ist{g->XEnde(), g->YEnde(), g->WEnde()};
      if (LageAbstand(ist, lage) > 1e-4 || RichtungsAbstand(ist, lage) > 1e-6) {
        plan.boegen = boegen;
        lage = BoegenSetzen(*g, plan);
      }
    }
    if (ende.first >= 0) istEnde_[ende] = lage;
    Gemacht gm{g, anfang, ende};
    Hoehen(*g, gm, Laenge(plan));
    gemacht_.push_back(gm);
  }

  static double Laenge(const XtcGleisplan& plan) {
    double l = 0;
    for (const XtcBogen& b : plan.boegen) l += b.laenge;
    return l;
  }

  /// Gives g the plan's start and segments; returns where it ends.
  XtcLage BoegenSetzen(TGleis& g, const XtcGleisplan& plan) const {
    g.Boegen.clear();
    g.XAnf = plan.anfang.x;
    g.YAnf = plan.anfang.y;
    g.SetWAnf(plan.anfang.w);
    XtcLage lage = plan.anfang;
    for (const XtcBogen& b : plan.boegen) {
      auto bogen = std::make_unique<TBogen>();
      bogen->SetLaenge(b.laenge);
      bogen->SetAnfRadius(b.r0);
      bogen->SetEndRadius(b.r1);
      bogen->Starr = plan_.objekte[plan.objekt].art == "TURNOUT";
      lage = BogenEnde(lage, b);
      g.BogenAnhaengen(std::move(bogen));
    }
    return lage;
  }

  /// Fits the last segment so that the track ends at `ziel`; false when it cannot.
  static bool EndeTreffen(XtcGleisplan& plan, const XtcLage& ziel) {
    XtcLage vorLetztem = plan.anfang;
    for (std::size_t k = 0; k + 1 < plan.boegen.size(); ++k) vorLetztem = BogenEnde(vorLetztem, plan.boegen[k]);
    XtcBogen& letzter = plan.boegen.back();
    const XtcLage ist = BogenEnde(vorLetztem, letzter);
    if (LageAbstand(ist, ziel) <= 1e-5 && RichtungsAbstand(ist, ziel) <= 1e-8) return true;
    const double k0 = std::isinf(letzter.r0) ? 0.0 : 1.0 / letzter.r0;
    const double k1 = std::isinf(letzter.r1) ? 0.0 : 1.0 / letzter.r1;
    auto b = UebergangAnpassen(vorLetztem, ziel, k0, k1, letzter.laenge);
    if (!b) return false;
    letzter = *b;
    return true;
  }

  XtcLage Endlage(const Schluessel& s, bool hinein) const {
    const XtcEnde& e = plan_.objekte[static_cast<std::size_t>(s.first)].enden[static_cast<std::size_t>(s.second)];
    return XtcEndlage(e.x, e.y, e.a, hinein);
  }

  /// The defined heights of the file's ends at the track's start and end: start height and
  /// the gradient between them.
  void Hoehen(TGleis& g, const Gemacht& gm, double laenge) {
    auto hoehe = [&](const std::pair<long, long>& s) -> const XtcEnde* {
      if (s.first < 0) return nullptr;
      const XtcEnde& e = plan_.objekte[static_cast<std::size_t>(s.first)].enden[static_cast<std::size_t>(s.second)];
      return e.hoehe ? &e : nullptr;
    };
    const XtcEnde* za = hoehe(gm.anfang);
    const XtcEnde* ze = hoehe(gm.ende);
    if (za) g.ZAnfWert = za->z * XtcZoll;
    else if (ze) g.ZAnfWert = ze->z * XtcZoll;
    if (za && ze && laenge > 0) {
      const double steigung = (ze->z - za->z) * XtcZoll / laenge * 100.0;
      for (const auto& b : g.Boegen) b->SetSteigung(steigung);
    }
  }

  void WeichenMachen(TModul& m) {
    for (std::size_t w = 0; w < plaene_.weichen.size(); ++w) {
      const XtcWeichenplan& wp = plaene_.weichen[w];
      std::size_t i = 0;
      auto weiche = TEWeiche::AusSatz(m, wp.satz, i, a_.NeueNummer(BereichNeuesGleis));
      weiche->XAnf = wp.anfang.x;
      weiche->YAnf = wp.anfang.y;
      weiche->WAnf = WinkelNorm(wp.anfang.w);
      const XtcEnde& sp = plan_.objekte[wp.objekt].enden[wp.weichenende];
      weiche->ZAnf = sp.hoehe ? sp.z * XtcZoll : 0;
      TEWeiche* t = WeicheHinzufuegen(m, std::move(weiche));
      VerbundVereinen(t->Stammgleis(), t->Zweiggleis());
      // The ends of both tracks stand for the object's other ends.
      const auto& enden = plan_.objekte[wp.objekt].enden;
      for (TGleis* g : {t->Stammgleis(), t->Zweiggleis()}) {
        Gemacht gm{g};
        if (g == t->Stammgleis()) gm.anfang = {static_cast<long>(wp.objekt), static_cast<long>(wp.weichenende)};
        const XtcLage ende{g->XEnde(), g->YEnde(), g->WEnde()};
        for (std::size_t k = 0; k < enden.size(); ++k)
          if (k != wp.weichenende && Trifft(ende, XtcEndlage(enden[k].x, enden[k].y, enden[k].a, false)))
            gm.ende = {static_cast<long>(wp.objekt), static_cast<long>(k)};
        if (gm.ende.first >= 0) istEnde_[gm.ende] = ende;
        gemacht_.push_back(gm);
      }
    }
  }

  /// An element for a crossing plan: a crossing, or a single or double slip in its base form
  /// (straight, the slip curves touching the legs at the inner segments' ends) with the blades
  /// inside, so that each slip curve is one arc of the file's radius between the tangent points.
  static std::unique_ptr<TKreuzung> Kreuzungselement(TModul& m, const XtcKreuzungsplan& kp) {
    if (kp.zweige == 0) {
      auto k = std::make_unique<TKreuzung>(&m);
      k->Name = "Kreuzung";
      return k;
    }
    std::unique_ptr<TEKW> e;
    if (kp.zweige == 2) e = std::make_unique<TDKW>(&m);
    else e = std::make_unique<TEKW>(&m);
    e->Name = kp.zweige == 2 ? "DKW" : "EKW";
    e->KrSpur = m.Spur();
    e->Grundform(kp.winkel, kp.radius);
    e->ZungenInnen = 1;
    // A double slip's first curve runs from crossing track A, its second from B.
    e->ZwAnschluss = kp.zweige == 2 ? 1 : kp.anschluss;
    return e;
  }

  void KreuzungenMachen(TModul& m) {
    for (const XtcKreuzungsplan& kp : plaene_.kreuzungen) {
      auto k = Kreuzungselement(m, kp);
      if (const auto& w = plan_.objekte[kp.objekt].werte; w.size() > 10) {
        const std::string name = XtpName(w.size() >= 12 ? w[11] : w[10]);
        if (!name.empty()) k->Name = name;
      }
      k->Winkel = kp.winkel;
      k->Laenge = kp.laenge;
      k->Richtung = kp.richtung;
      k->StALaenge = kp.stA;
      k->StBLaenge = kp.stB;
      k->KrALaenge = kp.krA;
      k->KrBLaenge = kp.krB;
      k->SetRadius(0);
      k->KrSpur = m.Spur();
      k->KrSpurAussen = m.SpurAussen();
      k->KrSwBrt = m.SwBrt();
      k->KrSwLen = m.SwLen();
      k->KrSwAbst = m.SwAbst();
      const XtcEnde& an = plan_.objekte[kp.objekt].enden[kp.enden[0]];
      k->KrNr = a_.NeueElementnummer(BereichKreuzung);
      k->XAnf = kp.anfang.x;
      k->YAnf = kp.anfang.y;
      k->ZAnf = an.hoehe ? an.z * XtcZoll : 0;
      k->WAnf = WinkelNorm(kp.anfang.w);
      k->Aufbauen();
      TKreuzung* t = k.get();
      m.ElementHinzufuegen(std::move(k));
      t->KrAktualisieren();
      const auto schl = [&](std::size_t i) { return Schluessel{static_cast<long>(kp.objekt), static_cast<long>(kp.enden[i])}; };
      const std::array<TGleis*, 3> gleise{t->Stammgleis(), t->KreuzungsgleisA(), t->KreuzungsgleisB()};
      for (std::size_t i = 0; i < 3; ++i) {
        Gemacht gm{gleise[i]};
        if (i == 0) gm.anfang = schl(0);
        gm.ende = schl(i + 1);
        istEnde_[gm.ende] = {gleise[i]->XEnde(), gleise[i]->YEnde(), gleise[i]->WEnde()};
        gemacht_.push_back(gm);
      }
      // The slip curves end inside the element.
      for (TGleis* z : t->Zweiggleise()) gemacht_.push_back(Gemacht{z});
    }
  }

  void DrehscheibenMachen(TModul& m) {
    for (const XtcDrehscheibenplan& dp : drehscheibenplaene_) {
      auto d = std::make_unique<TDrehscheibe>(&m);
      d->Name = "Drehscheibe";
      d->DSNr = a_.NeueElementnummer(BereichDrehscheibe);
      d->XMitte = dp.x;
      d->YMitte = dp.y;
      for (const XtcEnde& e : plan_.objekte[dp.objekt].enden)
        if (e.hoehe) d->ZMitte = e.z * XtcZoll;
      d->Innendurchmesser = d->Aussendurchmesser = dp.durchmesser;
      d->Teilung = dp.teilung;
      d->StartwinkelSetzen(dp.startwinkel);
      drehscheibeVon_[static_cast<long>(dp.objekt)] = drehscheiben_.size();
      drehscheiben_.push_back(d.get());
      m.ElementHinzufuegen(std::move(d));
    }
  }

  /// A joint between a turntable and a track that starts on its rim: the track is connected.
  /// True when the joint is one with a turntable.
  bool DrehscheibeVerbinden(const Schluessel& a, const Schluessel& b,
                            const std::multimap<std::pair<long, long>, std::pair<std::size_t, bool>>& anEnde) {
    const auto da = drehscheibeVon_.find(a.first), db = drehscheibeVon_.find(b.first);
    if (da == drehscheibeVon_.end() && db == drehscheibeVon_.end()) return false;
    if (da != drehscheibeVon_.end() && db != drehscheibeVon_.end()) return true;
    TDrehscheibe& d = *drehscheiben_[(da != drehscheibeVon_.end() ? da : db)->second];
    const Schluessel& gleis = da != drehscheibeVon_.end() ? b : a;
    for (auto [it, bis] = anEnde.equal_range(gleis); it != bis; ++it) {
      TGleis* g = gemacht_[it->second.first].gleis;
      if (!it->second.second || g->Element) continue;
      const XtcLage an{g->XAnf, g->YAnf, g->WAnf()};
      for (const TAnschlusspunkt& p : d.Anschlusspunkte())
        if (Trifft(an, {p.x, p.y, p.w})) {
          d.Anschliessen(g);
          ++e_.verbindungenGehalten;
          return true;
        }
    }
    return true;
  }

  /// Joined ends as predecessor and successor; every joint and element in one link group.
  void Verbinden(TModul& m) {
    // File end → (made, is start); the paths of a turnout taken as tracks share an end.
    std::multimap<std::pair<long, long>, std::pair<std::size_t, bool>> anEnde;
    for (std::size_t k = 0; k < gemacht_.size(); ++k) {
      if (gemacht_[k].anfang.first >= 0) anEnde.emplace(gemacht_[k].anfang, std::make_pair(k, true));
      if (gemacht_[k].ende.first >= 0) anEnde.emplace(gemacht_[k].ende, std::make_pair(k, false));
    }
    std::unordered_map<const TGleis*, std::size_t> nummer;
    for (std::size_t k = 0; k < gemacht_.size(); ++k) nummer[gemacht_[k].gleis] = k;
    Gruppen gruppen{std::vector<std::size_t>(gemacht_.size())};
    std::iota(gruppen.vater.begin(), gruppen.vater.end(), 0);
    for (const auto& e : m.Elemente) {
      const auto gleise = e->AlleGleise();
      for (std::size_t k = 1; k < gleise.size(); ++k) gruppen.Vereinen(nummer.at(gleise[0]), nummer.at(gleise[k]));
    }
    for (const auto& [a, b] : verbindungen_) {
      if (DrehscheibeVerbinden(a, b, anEnde)) continue;
      const auto [va, ba] = anEnde.equal_range(a);
      const auto [vb, bb] = anEnde.equal_range(b);
      if (va == ba || vb == bb) continue;
      gruppen.Vereinen(va->second.first, vb->second.first);
      // The first pair of an end and a start that are still free.
      TGleis *vor = nullptr, *nach = nullptr;
      for (auto ia = va; ia != ba && !vor; ++ia)
        for (auto ib = vb; ib != bb && !vor; ++ib) {
          if (ia->second.second == ib->second.second) continue;  // two starts or two ends meet
          TGleis* v = gemacht_[ia->second.second ? ib->second.first : ia->second.first].gleis;
          TGleis* n = gemacht_[ia->second.second ? ia->second.first : ib->second.first].gleis;
          if (n->Vorgaenger || !v->Nachfolger.empty() || v == n) continue;
          vor = v;
          nach = n;
        }
      if (!vor) continue;
      std::vector<TGleis*> folgen{nach};
      if (nach->Element) {
        for (TGleis* z : nach->Element->Mitnachfolger(nach)) folgen.push_back(z);
        if (TGleis* an = nach->Element->Anschlussgleis()) folgen.push_back(an);
      }
      for (TGleis* f : folgen)
        if (std::find(vor->Nachfolger.begin(), vor->Nachfolger.end(), f) == vor->Nachfolger.end()) {
          vor->Nachfolger.push_back(f);
          f->Vorgaenger = vor;
        }
      ++e_.verbindungenGehalten;
    }
    // One link group per connected part: every member lists every other.
    std::unordered_map<std::size_t, std::vector<TGleis*>> teile;
    for (std::size_t k = 0; k < gemacht_.size(); ++k) teile[gruppen.Wurzel(k)].push_back(gemacht_[k].gleis);
    for (auto& [wurzel, glieder] : teile)
      for (TGleis* g : glieder) {
        g->Verbund.clear();
        g->Verbund.push_back(g);
        for (TGleis* h : glieder)
          if (h != g) g->Verbund.push_back(h);
      }
  }

  const XtcPlan& plan_;
  const std::string& datei_;
  Anlage& a_;
  XtcErgebnis& e_;
  std::unordered_map<long, std::size_t> objektZu_;  ///< object index → position in the plan
  std::vector<std::size_t> genommen_;               ///< the objects taken
  std::map<std::string, std::unique_ptr<TGeo>> zeichnungen_;  ///< background components by name
  XtcGleisergebnis plaene_;
  std::vector<XtcLage> planEnden_;
  std::multimap<std::pair<long, long>, Seite> seiten_;
  std::vector<std::pair<std::pair<long, long>, std::pair<long, long>>> verbindungen_;
  std::vector<bool> umgekehrt_;
  std::vector<Gemacht> gemacht_;
  std::map<Schluessel, Schluessel> partner_;  ///< joined file ends, both ways
  std::map<Schluessel, XtcLage> istEnde_;     ///< where the made tracks end at file ends
  std::vector<XtcDrehscheibenplan> drehscheibenplaene_;
  std::vector<TDrehscheibe*> drehscheiben_;           ///< as made, in plan order
  std::unordered_map<long, std::size_t> drehscheibeVon_;  ///< object position → turntable
};

}  // namespace

std::unique_ptr<Anlage> XtcImportieren(const std::string& bytes, const std::string& datei,
                                       const std::string& datenPfad, std::shared_ptr<Zufall> zufall,
                                       XtcErgebnis& ergebnis) {
  ergebnis = XtcErgebnis{};
  const XtcPlan plan = XtcBytesLesen(bytes, datei);
  auto a = std::make_unique<Anlage>(std::move(zufall));
  a->DatenPfad = datenPfad;
  a->Kennung = "ATST";
  StandardlistenSetzen(*a);
  std::string name = plan.titel1.empty() ? std::filesystem::path(datei).stem().string() : plan.titel1;
  for (char& c : name)
    if (static_cast<unsigned char>(c) < 0x20) c = ' ';
  a->Name = name.empty() ? "XTrackCAD-Anlage" : name;
  MassstabSetzen(*a, plan.massstab);
  Aufbau aufbau(plan, datei, *a, ergebnis);
  aufbau.Ausfuehren();
  if (const std::string t = SchwellenUeberschritten(*a); !t.empty()) throw LeseFehler(t);
  TModul& m = *a->Module.front();
  ModulBerechnen(m);
  if (const TBogen* b = NichtEndlicheLage(m))
    throw LeseFehler("Die Lage eines Gleises (\"" + Zitat(b->Gleis ? b->Gleis->Name : b->Name) +
                     "\") lässt sich nicht berechnen.");
  aufbau.EndenZaehlen(m);
  return a;
}

std::unique_ptr<Anlage> XtcDateiImportieren(const std::string& pfad, const std::string& datenPfad,
                                            std::shared_ptr<Zufall> zufall, XtcErgebnis& ergebnis) {
  const std::string bytes = Dateibytes(pfad);
  try {
    return XtcImportieren(bytes, std::filesystem::path(pfad).filename().string(), datenPfad, std::move(zufall),
                          ergebnis);
  } catch (const LeseFehler& e) {
    throw LeseFehler("Die Datei \"" + pfad + "\" kann nicht importiert werden.\n" + e.what());
  }
}

std::string XtcBericht(const XtcErgebnis& e) {
  std::string text = std::to_string(e.uebernommen) + " von " + std::to_string(e.gleisobjekte) +
                     " Gleisobjekten übernommen (" + std::to_string(e.weichen) + " als Weiche, " + std::to_string(e.drehscheiben) + " als Drehscheibe, " + std::to_string(e.kreuzungen) + " als Kreuzung, " +
                     std::to_string(e.ekw) + " als einfache, " + std::to_string(e.dkw) + " als doppelte Kreuzungsweiche, " +
                     std::to_string(e.weichenAlsGleise) + " Weichen als Gleise je Weg), " + std::to_string(e.bauteile) +
                     " Bauteile.\n" + std::to_string(e.endenAmOrt) + " von " + std::to_string(e.enden) +
                     " Gleisenden am Ort, " + std::to_string(e.verbindungenGehalten) + " von " +
                     std::to_string(e.verbindungen) + " Verbindungen als Vorgänger und Nachfolger.";
  std::size_t n = 0;
  for (const auto& [g, k] : e.uebersprungen) n += k;
  if (n == 0) return text;
  text += "\n" + std::to_string(n) + " Objekte übersprungen:";
  auto gruende = e.uebersprungen;
  std::stable_sort(gruende.begin(), gruende.end(), [](const auto& a, const auto& b) { return a.second > b.second; });
  for (const auto& [g, k] : gruende) text += "\n" + std::to_string(k) + " × " + g;
  return text;
}

const Importart& XtcImport() {
  static const Importart art{FilterXtcImport, [](const std::string& pfad, const std::string& datenpfad,
                                                 std::shared_ptr<Zufall> zufall, Dialoge*) {
                               XtcErgebnis ergebnis;
                               auto a = XtcDateiImportieren(pfad, datenpfad, std::move(zufall), ergebnis);
                               a->Lesehinweise.insert(a->Lesehinweise.begin(), XtcBericht(ergebnis));
                               return a;
                             }};
  return art;
}

}  // namespace trm
