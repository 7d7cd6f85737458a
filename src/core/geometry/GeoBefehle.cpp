// The component commands of the main window and the mouse work on placed components.
#include "core/geometry/GeoBefehle.h"

#include <cmath>
#include <filesystem>
#include <memory>

#include "core/base/Dialoge.h"
#include "core/editor/Editor.h"
#include "core/editor/Maus.h"
#include "core/editor/Mauswerkzeug.h"
#include "core/geometry/Geo.h"
#include "core/geometry/GeoListe.h"
#include "core/model/Anlage.h"
#include "core/model/Bogen.h"
#include "core/model/Fehler.h"
#include "core/model/Gleis.h"
#include "core/model/Modul.h"
#include "core/model/Textdatei.h"
#include "core/model/Zahlformat.h"

namespace trm {

namespace {

std::vector<TGeo*> Bauteile(TModul& m) {
  std::vector<TGeo*> r;
  for (TElement* e : m.ElementeDerArt(Elementart::Geo)) r.push_back(static_cast<TGeo*>(e));
  return r;
}

/// The state of one drag on the main canvas.
struct GeoMaus {
  TGeo* gegriffen = nullptr;
  std::vector<TPunkt> versatz;  ///< points minus the pick position
  double px = 0, py = 0;        ///< pick position
  TGeo* verformt = nullptr;     ///< the component whose point is deformed
  std::size_t element = 0, punkt = 0;
  bool schritt = false;
  const char* name = "Bauteil verschieben";
};

}  // namespace

std::vector<std::string> GeoListenNamen(Editor& ed) {
  std::vector<std::string> namen;
  try {
    // Names up to the first record that does not read; a missing library gives none.
    GeoNamenLesen(DateiLesen(ed.anlage().Listendatei(Elementart::Geo)), namen);
  } catch (const std::runtime_error&) {
  }
  return namen;
}

bool GeoEinsetzen(Editor& ed, std::size_t k) {
  TModul* m = ed.modul();
  TGleis* g = ed.gleis();
  TBogen* b = ed.bogen();
  if (!m || !g || !b) return false;
  std::vector<TGeo> liste;
  try {
    liste = GeoListeLesen(ed.anlage().Listendatei(Elementart::Geo));
  } catch (const std::runtime_error& e) {
    ed.dialoge().Fehler(e.what());
    return false;
  }
  if (k >= liste.size()) return false;
  return ed.Ausfuehren("Bauteil einsetzen", [&] {
    auto geo = std::make_unique<TGeo>(liste[k]);
    geo->Modul = m;
    const double x = b->XAnf(), y = b->YAnf(), t = b->WAnf();
    const double a = std::max(b->Spur() / 2, b->TrBrt() / 2);
    const double ox = x - a * std::sin(t), oy = y + a * std::cos(t);
    for (TGeoElement& e : geo->Elemente)
      for (TGeopunkt& p : e.Punkte) p.x += ox, p.y += oy;
    geo->Bezugspunkt = {ox, oy, 0, 0};
    geo->Drehen(t);
    geo->GeoNr = ed.anlage().NeueElementnummer(BereichGeo);
    m->ElementHinzufuegen(std::move(geo));
    return true;
  });
}

bool GeoListeImportieren(Editor& ed) {
  const auto pfad = ed.dialoge().OeffnenDialog("Bauteile-Listen (*.g88)|*.g88");
  if (!pfad) return false;
  Anlage& a = ed.anlage();
  std::error_code fehler;
  const std::string neu = std::filesystem::exists(*pfad, fehler) ? *pfad : a.DatenPfad + StdGeoListe;
  if (neu == a.Listendatei(Elementart::Geo)) return false;
  return ed.Ausfuehren("Bauteile-Liste importieren", [&] {
    a.Listendatei(Elementart::Geo) = neu;
    return true;
  });
}

bool GeoDialogAnwenden(Editor& ed, TGeo& g, const TGeoVerschiebung& v) {
  const auto x = ed.Zahl(v.x), y = ed.Zahl(v.y), w = ed.Zahl(v.grad);
  if (!x || !y || !w) return false;
  return ed.Ausfuehren("Bauteil bearbeiten", [&] {
    const double dx = v.position ? *x - g.Bezugspunkt.x : *x;
    const double dy = v.position ? *y - g.Bezugspunkt.y : *y;
    g.Verschieben(dx, dy);
    g.Drehen(*w * 3.141592653589793 / 180);
    return dx != 0 || dy != 0 || *w != 0;
  });
}

namespace {

/// Background components in the mouse work: a press on a reference point grabs the component
/// (moved in the normal mode, turned in "Bauteil drehen", removed in "Bauteil entfernen"), a
/// press on a point in "Bauteil verformen" drags that point; a double click on a reference
/// point opens the component dialog.
class Geowerkzeug : public Mauswerkzeug {
 public:
  explicit Geowerkzeug(Mausbedienung& maus) : maus_(maus), ed(maus.editor()) {}

  bool Vorab(Mausmodus modus, double mx, double my) override {
    TModul* m = ed.modul();
    if (!m) return false;
    const std::vector<TGeo*> alle = Bauteile(*m);
    for (TGeo* g : alle) g->Getroffen = false;
    for (TGeo* g : alle) {
      if (!(std::hypot(g->Bezugspunkt.x - mx, g->Bezugspunkt.y - my) < 10)) continue;
      if (modus == Mausmodus::GeoEntfernen) {
        // The same click then goes on to the tracks.
        ed.Ausfuehren("Bauteil entfernen", [&] {
          auto& liste = m->Elemente;
          for (std::size_t i = 0; i < liste.size(); ++i)
            if (liste[i].get() == g) {
              liste.erase(liste.begin() + static_cast<std::ptrdiff_t>(i));
              return true;
            }
          return false;
        });
        return false;
      }
      g->Gegriffen = g->Getroffen = true;
      z.gegriffen = g;
      z.versatz.clear();
      for (const TGeopunkt& p : g->AllePunkte()) z.versatz.push_back({p.x - mx, p.y - my});
      z.px = mx;
      z.py = my;
      g->GriffDX = g->Bezugspunkt.x - mx;
      g->GriffDY = g->Bezugspunkt.y - my;
      z.name = modus == Mausmodus::GeoDrehen ? "Bauteil drehen" : "Bauteil verschieben";
      return true;
    }
    if (modus != Mausmodus::GeoVerformen) return false;
    for (TGeo* g : alle)
      for (std::size_t e = 0; e < g->Elemente.size(); ++e)
        for (std::size_t p = 0; p < g->Elemente[e].Punkte.size(); ++p) {
          const TGeopunkt& q = g->Elemente[e].Punkte[p];
          if (!(std::hypot(q.x - mx, q.y - my) < 5)) continue;
          z.verformt = g;
          z.element = e;
          z.punkt = p;
          z.name = "Bauteil verformen";
          return true;
        }
    return false;
  }

  bool Bewegen(double mx, double my) override {
    const Mausmodus modus = ed.Modus();
    const bool bewegen = z.gegriffen && (modus == Mausmodus::Normal || modus == Mausmodus::GeoDrehen);
    if (!bewegen && !z.verformt) return false;
    if (!z.schritt) {
      ed.SchrittBeginnen();
      z.schritt = true;
    }
    if (z.verformt) {
      TGeopunkt& q = z.verformt->Elemente[z.element].Punkte[z.punkt];
      q.x = mx;
      q.y = my;
    } else if (modus == Mausmodus::GeoDrehen) {
      z.gegriffen->DrehenZu(mx, my, z.versatz, z.px, z.py);
    } else {
      z.gegriffen->BewegenZu(mx, my, z.versatz);
    }
    return true;
  }

  void Loslassen() override {
    if (TModul* m = ed.modul())
      for (TGeo* g : Bauteile(*m)) g->Gegriffen = g->Getroffen = false;
    if (z.schritt) ed.SchrittAbschliessen(z.name);
    z = GeoMaus{};
  }

  void Doppelklick(double mx, double my) override {
    TModul* m = ed.modul();
    if (!m || !maus_.elementDialog) return;
    for (TGeo* g : Bauteile(*m))
      if (std::hypot(g->Bezugspunkt.x - mx, g->Bezugspunkt.y - my) < 10) {
        maus_.elementDialog(*g);
        return;
      }
  }

 private:
  Mausbedienung& maus_;
  Editor& ed;
  GeoMaus z;  ///< the press being dragged
};

}  // namespace

void GeoMausAnschliessen(Mausbedienung& maus) { maus.WerkzeugHinzufuegen(std::make_unique<Geowerkzeug>(maus)); }


}  // namespace trm
