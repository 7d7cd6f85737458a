// The mouse state machine of the drawing area.
#include "core/editor/Maus.h"

#include <cmath>
#include <cstdlib>

#include "core/editor/Treffer.h"
#include "core/model/Elementart.h"
#include "core/model/Anlage.h"
#include "core/model/Gruppenbewegung.h"
#include "core/model/Neuberechnung.h"
#include "core/model/Umrechnung.h"
#include "core/model/Verbindungen.h"
#include "core/model/Zahlformat.h"

namespace trm {

namespace {

/// A track drag starts beyond this many pixels (|dx| + |dy|) from the press.
constexpr std::int64_t Gleisschwelle = 4;
/// A tool's drag that changes the layout starts beyond this many pixels.
constexpr std::int64_t Werkzeugschwelle = 5;

bool Darstellbar(const TModul* m) { return m && m->MmProPixel > 0; }

}  // namespace

Mausbedienung::Mausbedienung(Editor& editor) : ed_(editor), zeichner_(editor) {
  for (const TElementart& art : Elementarten())
    if (art.MausAnschliessen) art.MausAnschliessen(*this);
}

Mausbedienung::~Mausbedienung() = default;

void Mausbedienung::WerkzeugHinzufuegen(std::unique_ptr<Mauswerkzeug> w) { werkzeuge_.push_back(std::move(w)); }

std::string Mausbedienung::Statustext(double x, double y) {
  return "Mausposition: x=" + FestText(x) + " y=" + FestText(y);
}

std::string Mausbedienung::Beschreibung(const TGleis& g, int bogen) {
  if (bogen < 0 || static_cast<std::size_t>(bogen) >= g.Boegen.size()) return "Gleis \"" + g.Name + "\"";
  const TBogen& b = *g.Boegen[static_cast<std::size_t>(bogen)];
  auto radius = [](double r) {
    if (!std::isfinite(r)) return std::string("∞");
    return FestText(std::fabs(r)) + (r > 0 ? " mm links" : " mm rechts");
  };
  std::string r;
  if (!std::isfinite(b.AnfRadius()) && !std::isfinite(b.EndRadius()))
    r = "gerade";
  else if (b.AnfRadius() == b.EndRadius())
    r = "R = " + radius(b.AnfRadius());
  else
    r = "R = " + radius(b.AnfRadius()) + " → " + radius(b.EndRadius());
  return "Gleis \"" + g.Name + "\", Bogen " + std::to_string(bogen + 1) + "/" + std::to_string(g.Boegen.size()) +
         " \"" + b.Name + "\": " + r + ", L = " + FestText(b.Laenge()) + " mm";
}

std::optional<TTreffer> Mausbedienung::Ueber() const {
  const TModul* m = ed_.modul();
  if (!ueber_ || !m) return std::nullopt;
  for (const auto& g : m->Gleise)
    if (g.get() == ueber_->gleis && static_cast<std::size_t>(ueber_->bogen) < g->Boegen.size()) return ueber_;
  return std::nullopt;
}

int Mausbedienung::ModusCursor() const {
  if (ed_.NeuesGleisModus()) return static_cast<int>(Mausmodus::NeuesGleis);
  return static_cast<int>(ed_.Modus());
}

int Mausbedienung::Cursor() const { return ueberschrieben_ ? *ueberschrieben_ : ModusCursor(); }

void Mausbedienung::Vormerken() {
  if (schritt_) return;
  ed_.SchrittBeginnen();
  schritt_ = true;
}

void Mausbedienung::Beenden() {
  if (schritt_) {
    // A drag from press to release is one step.
    ed_.SchrittAbschliessen(nimmt_ ? nimmt_->Schrittname() : "Gleis verschieben");
    schritt_ = false;
  }
  ziehtGleis_ = false;
  greift_ = nimmt_ = nullptr;
  versatz_.clear();
  kandidat_.reset();
  werkzeugKandidat_ = false;
  if (ueberschrieben_ == CursorKandidat) ueberschrieben_.reset();
}

bool Mausbedienung::ModulGleich() {
  if (modul_ == ed_.modul()) return true;
  // The module was switched or the layout replaced during a drag: the grabbed tracks and
  // their offsets belong to a module that is no longer shown (and may be gone).
  Beenden();
  modul_ = nullptr;
  return false;
}

Mausantwort Mausbedienung::Ereignis(const Mausereignis& e) {
  switch (e.art) {
    case Mausart::Druecken:
      return Druecken(e);
    case Mausart::Bewegen:
      return Bewegen(e);
    case Mausart::Loslassen:
      return Loslassen(e);
    case Mausart::Doppelklick:
      return Doppelklick(e);
  }
  return {};
}

void Mausbedienung::NeuesGleis(double x, double y, Mausantwort& r) {
  ed_.Ausfuehren("neues Gleis", [&] { return ed_.NeuesGleisAnlegen(x, y, 0) != nullptr; });
  ed_.ModusSetzen(Mausmodus::Normal);
  r.geaendert = true;
  r.auffrischen = true;
  r.elementfensterVerbergen = true;
  r.fensterAuffrischen = true;
}

Mausantwort Mausbedienung::Druecken(const Mausereignis& e) {
  Mausantwort r;
  TModul* m = ed_.modul();
  if (!Darstellbar(m)) {
    r.cursor = Cursor();
    return r;
  }
  if (ed_.Modus() == Mausmodus::Lupe) {
    // The widget zooms about the clicked pixel (LupenMassstab, LupenVerschiebung).
    r.lupe = e.taste;
    r.cursor = Cursor();
    return r;
  }
  // A press after a release that never came starts afresh.
  Beenden();
  Anlage& a = ed_.anlage();
  const TUmrechnung u(*m);
  const double wx = u.PixelZuWeltX(static_cast<double>(e.x));
  const double wy = u.PixelZuWeltY(static_cast<double>(e.y));
  if (Zeichnet()) return Zeichnen(e, wx, wy);
  modul_ = m;
  druckX_ = e.x;
  druckY_ = e.y;
  TGleis* g0 = m->AktuellesGleis();
  r.neuZeichnen = true;  // the group lines of the current track

  for (const auto& w : werkzeuge_)
    if (w->Vorab(ed_.Modus(), wx, wy)) {
      r.cursor = Cursor();
      return r;
    }
  if (ed_.NeuesGleisModus() || ed_.Modus() == Mausmodus::NeuesGleis) {
    NeuesGleis(wx, wy, r);
    r.cursor = Cursor();
    return r;
  }

  for (const auto& w : werkzeuge_)
    if (w->Greifen(wx, wy)) {
      greift_ = w.get();
      break;
    }
  const auto t = greift_ ? std::nullopt : GleisTreffen(*m, wx, wy);
  if (t) {
    ziehtGleis_ = true;
    m->GleisWaehlen(m->GleisIndex(t->gleis));
    t->gleis->BogenWaehlen(t->bogen);
    // A track of an element selects its element too.
    if (t->gleis->Element) m->ElementWaehlen(m->ElementIndex(t->gleis->Element));
    for (const TGleis* v : t->gleis->Verbund) versatz_[v] = {wx - v->XAnf, wy - v->YAnf};
  }

  TGleis* c = m->AktuellesGleis();
  auto geaendert = [&] { r.geaendert = true; };
  switch (ed_.Modus()) {
    case Mausmodus::GruppeVerbinden:
      if (g0 && c && g0 != c && ed_.Ausfuehren("Gleis verbinden", [&] {
            GleisVerbinden(g0, c);
            return true;
          }))
        geaendert();
      ziehtGleis_ = false;
      break;
    case Mausmodus::Loesen:
      if (c && ed_.Ausfuehren("Gleis lösen", [&] {
            GleisLoesenBefehl(*m, c);
            return true;
          }))
        geaendert();
      ziehtGleis_ = false;
      break;
    case Mausmodus::AlsNachfolger: {
      ziehtGleis_ = false;
      Anhaengen ergebnis = Anhaengen::Ignoriert;
      if (g0 && c)
        ed_.Ausfuehren("Gleis als Nachfolger verbinden", [&] {
          ergebnis = AlsNachfolgerVerbinden(*m, g0, c);
          return ergebnis == Anhaengen::Verbunden;
        });
      if (ergebnis == Anhaengen::Abgelehnt) ueberschrieben_ = CursorAbgelehnt;
      if (ergebnis != Anhaengen::Verbunden) {
        r.cursor = Cursor();
        return r;
      }
      geaendert();
      break;
    }
    case Mausmodus::GleisEinfuegen:
      if (ed_.GleisEinfuegenBei(wx, wy)) {
        ModulBerechnen(*m);
        geaendert();
      }
      break;
    case Mausmodus::ElementEinfuegen:
      if (ed_.ElementEinfuegenBei(wx, wy, a.NeueElementnummer(BereichNeuesGleis))) geaendert();
      break;
    default:
      break;
  }
  r.fensterAuffrischen = true;

  for (const auto& w : werkzeuge_)
    if (w->Nehmen(wx, wy)) {
      ziehtGleis_ = false;
      nimmt_ = w.get();
      break;
    }
  r.elementfensterKlick = true;
  r.auffrischen = true;
  r.cursor = Cursor();
  return r;
}

void Mausbedienung::Ausrichten(const TGleis& g) {
  const TModul& m = *ed_.modul();
  const TBogen* b = g.AktuellerBogen();
  std::optional<std::vector<TRichtpunkt>> eigene;
  for (const auto& w : werkzeuge_)
    if (b && (eigene = w->EigenePunkte(*b))) break;
  if (!eigene) eigene = EigenePunkte(m, g);
  std::vector<TRichtpunkt> ziele;
  for (const auto& w : werkzeuge_) {
    const std::vector<TRichtpunkt> z = w->Zielpunkte(m);
    ziele.insert(ziele.end(), z.begin(), z.end());
  }
  kandidat_ = AusrichtungSuchen(m, g, *eigene, ziele, fangabstand);
}

Mausantwort Mausbedienung::Bewegen(const Mausereignis& e) {
  Mausantwort r;
  TModul* m = ed_.modul();
  if (!Darstellbar(m)) {
    r.cursor = Cursor();
    return r;
  }
  ModulGleich();
  const TUmrechnung u(*m);
  const double wx = u.PixelZuWeltX(static_cast<double>(e.x));
  const double wy = u.PixelZuWeltY(static_cast<double>(e.y));
  if (Zeichnet()) return Zeichnen(e, wx, wy);
  r.status = Statustext(wx, wy);
  const std::int64_t d = std::llabs(e.x - druckX_) + std::llabs(e.y - druckY_);
  TGleis* g = m->AktuellesGleis();
  if (!g) ziehtGleis_ = false;

  bool bewegt = false;
  if (ziehtGleis_ && d > Gleisschwelle) {
    Vormerken();
    // The grabbed tracks move as one (those that joined the group after the press stay).
    std::vector<TGleis*> gegriffen;
    TGruppenbewegung b;
    for (TGleis* t : g->Verbund) {
      const auto it = versatz_.find(t);
      if (it == versatz_.end()) continue;
      b = {wx - it->second.x - t->XAnf, wy - it->second.y - t->YAnf};
      gegriffen.push_back(t);
    }
    GruppeBewegen(*m, gegriffen, b);
    // The search below must see the geometry that the redraw will show.
    ModulBerechnen(*m);
    bewegt = true;
  }
  // The target is the optimiser's, not part of the layout: moving it records no step.
  if (greift_) greift_->Ziehen(wx, wy);
  if (nimmt_ && d > Werkzeugschwelle) {
    Vormerken();
    nimmt_->Ziehen(wx, wy);
    bewegt = true;
  }
  const bool zieht = ziehtGleis_ || greift_ || nimmt_;
  if (zieht) {
    r.neuZeichnen = true;
    r.auffrischen = true;  // the start and end fields follow the track
  }
  // Only a real move changes the layout; a press with a jitter below the threshold does not.
  if (bewegt) r.geaendert = true;

  if ((ziehtGleis_ || greift_) && g) Ausrichten(*g);
  if (nimmt_) werkzeugKandidat_ = nimmt_->Suchen(fangabstand);
  if (kandidat_ || werkzeugKandidat_)
    ueberschrieben_ = CursorKandidat;
  else
    ueberschrieben_.reset();

  for (const auto& w : werkzeuge_)
    if (w->Bewegen(wx, wy)) r.neuZeichnen = true;

  // Hover: the track a press here would pick; during a drag the snap mark is shown instead.
  std::optional<TTreffer> ueber;
  if (!zieht) ueber = GleisTreffen(*m, wx, wy);
  r.hervorhebung = zieht || ueber != Ueber();
  ueber_ = ueber;
  r.unterMaus.emplace();
  if (ueber)
    r.unterMaus = Beschreibung(*ueber->gleis, ueber->bogen);
  else if (zieht && g)
    r.unterMaus = Beschreibung(*g, g->AktBogen);
  r.cursor = Cursor();
  return r;
}

Mausantwort Mausbedienung::Loslassen(const Mausereignis& e) {
  if (Zeichnet() && Darstellbar(ed_.modul())) {
    const TUmrechnung u(*ed_.modul());
    return Zeichnen(e, u.PixelZuWeltX(static_cast<double>(e.x)), u.PixelZuWeltY(static_cast<double>(e.y)));
  }
  Mausantwort r;
  r.kontextmenue = e.taste == Maustaste::Rechts && ed_.Modus() != Mausmodus::Lupe;
  TModul* m = ed_.modul();
  Anlage& a = ed_.anlage();
  const bool fangen =
      ueberschrieben_ == CursorKandidat && (e.strg || ed_.Strg() || a.Option(6) == '1');
  if (fangen && Darstellbar(m) && ModulGleich()) {
    TGleis* g = m->AktuellesGleis();
    bool bewegt = false;
    if (ziehtGleis_ && kandidat_ && g) {
      Vormerken();
      AusrichtungAnwenden(*kandidat_, g->Verbund);
      ModulBerechnen(*m);
      bewegt = true;
    } else if (greift_ && kandidat_) {
      greift_->Einrasten(&*kandidat_);
    } else if (nimmt_ && werkzeugKandidat_) {
      Vormerken();
      nimmt_->Einrasten(nullptr);
      bewegt = true;
    }
    if (bewegt) r.geaendert = true;
    ueberschrieben_.reset();
  }
  Beenden();
  for (const auto& w : werkzeuge_) w->Loslassen();
  if (m) {
    const TGleis* g = m->AktuellesGleis();
    const TBogen* b = g ? g->AktuellerBogen() : nullptr;
    r.optimierfenster = b && b->OptiEnde;
  }
  if (ed_.Modus() != Mausmodus::Lupe && ed_.Modus() != Mausmodus::GeoVerformen) ed_.ModusSetzen(Mausmodus::Normal);
  r.neuZeichnen = true;
  r.auffrischen = true;
  r.fensterAuffrischen = true;
  r.cursor = Cursor();
  return r;
}

Mausantwort Mausbedienung::Zeichnen(const Mausereignis& e, double wx, double wy) {
  Mausantwort r;
  const Mausmodus modus = ed_.Modus();
  const bool strg = e.strg || ed_.Strg();
  bool gelegt = false;
  if (zeichner_.ElementAktiv()) {
    // A library element follows the mouse; a left press places it, another button drops it.
    if (e.art == Mausart::Bewegen) {
      r.status = Statustext(wx, wy);
      r.neuZeichnen = r.hervorhebung = zeichner_.ElementBewegen(wx, wy, strg, fangabstand);
      r.unterMaus = zeichner_.Messwerte();
    } else if (e.art == Mausart::Druecken) {
      r.neuZeichnen = true;
      if (e.taste == Maustaste::Links)
        gelegt = zeichner_.ElementAbsetzen(wx, wy, strg, fangabstand);
      else
        zeichner_.Abbrechen();
    }
  } else {
    switch (e.art) {
      case Mausart::Druecken:
        if (e.taste != Maustaste::Links) {
          // Another button ends the tool's drag; the right one opens the menu on release.
          r.neuZeichnen = zeichner_.Abbrechen();
          break;
        }
        druckX_ = e.x;
        druckY_ = e.y;
        gelegt = zeichner_.Druecken(modus, wx, wy, fangabstand);
        r.neuZeichnen = true;
        break;
      case Mausart::Bewegen:
        r.status = Statustext(wx, wy);
        r.neuZeichnen = r.hervorhebung = zeichner_.Bewegen(modus, wx, wy, strg, fangabstand);
        r.unterMaus = zeichner_.Messwerte();
        break;
      case Mausart::Loslassen:
        r.kontextmenue = e.taste == Maustaste::Rechts;
        if (e.taste != Maustaste::Links) break;
        if (zeichner_.Zieht() && std::llabs(e.x - druckX_) + std::llabs(e.y - druckY_) <= Gleisschwelle)
          zeichner_.Abbrechen();  // a click, no drag: nothing is laid
        else
          gelegt = zeichner_.Loslassen(modus, wx, wy, strg, fangabstand);
        r.neuZeichnen = true;
        r.unterMaus = zeichner_.Messwerte();  // the draft's values go with it
        break;
      case Mausart::Doppelklick:
        break;
    }
  }
  if (gelegt) {
    r.geaendert = r.auffrischen = r.fensterAuffrischen = true;
    r.elementfensterVerbergen = true;
  }
  r.hinweis = Hinweis();
  r.cursor = Cursor();
  return r;
}

std::string Mausbedienung::Hinweis() const {
  const std::string z = zeichner_.Hinweis(ed_.Modus());
  return z.empty() ? Modushinweis(ed_.Modus()) : z;
}

bool Mausbedienung::Abbrechen() { return zeichner_.Abbrechen(); }

std::string Mausbedienung::Modushinweis(Mausmodus m) {
  switch (m) {
    case Mausmodus::GruppeVerbinden: return "Gleis anklicken, das mit dem markierten Gleis verbunden werden soll";
    case Mausmodus::Loesen: return "Gleis anklicken, das aus seiner Gruppe gelöst werden soll";
    case Mausmodus::AlsNachfolger: return "Gleis anklicken, das Nachfolger des markierten Gleises werden soll";
    case Mausmodus::GleisEinfuegen: return "In die Zeichnung klicken: dort beginnt das eingefügte Gleis";
    case Mausmodus::Lupe: return "Links klicken: vergrößern, rechts klicken: verkleinern";
    case Mausmodus::ElementEinfuegen: return "In die Zeichnung klicken: dort wird das Element eingefügt";
    case Mausmodus::GeoEntfernen: return "Bezugspunkt eines Bauteils anklicken, um es zu entfernen";
    case Mausmodus::GeoVerformen: return "Punkt eines Bauteils ziehen, um es zu verformen";
    case Mausmodus::GeoDrehen: return "Bezugspunkt eines Bauteils ziehen, um es zu drehen";
    case Mausmodus::NeuesGleis: return "In die Zeichnung klicken: dort beginnt das neue Gleis";
    case Mausmodus::GeradeZiehen: return "Gerade: an einem Gleisende oder frei drücken und ziehen";
    case Mausmodus::BogenZiehen: return "Bogen: an einem offenen Gleisende drücken und zum Endpunkt ziehen";
    case Mausmodus::EndenVerbinden: return "Erstes offenes Gleisende anklicken";
    case Mausmodus::Parallelgleis: return "Gleis anklicken: das Parallelgleis entsteht auf der Seite der Maus";
    default: return "Gleis anklicken und ziehen · Strg: einrasten · Mausrad: zoomen · mittlere Taste: verschieben";
  }
}

Mausantwort Mausbedienung::Doppelklick(const Mausereignis& e) {
  Mausantwort r;
  TModul* m = ed_.modul();
  if (Darstellbar(m)) {
    const TUmrechnung u(*m);
    for (const auto& w : werkzeuge_)
      w->Doppelklick(u.PixelZuWeltX(static_cast<double>(e.x)), u.PixelZuWeltY(static_cast<double>(e.y)));
  }
  r.elementfensterZeigen = ed_.anlage().Option(7) == '1' && m && m->AktuellesGleis();
  r.cursor = Cursor();
  return r;
}

}  // namespace trm
