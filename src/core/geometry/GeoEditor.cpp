// The geometry editor's tools, mouse, fields, zoom and drawing.
#include "core/geometry/GeoEditor.h"

#include <algorithm>
#include <cmath>

#include "core/geometry/GeoListe.h"
#include "core/model/Fehler.h"
#include "core/model/Zahlformat.h"
#include "core/render/Canvas.h"

namespace trm {

namespace {
constexpr double kPi = 3.141592653589793;
}

void TGeoEditor::Oeffnen() {
  Bezugspunkt = {};
  Arbeitsliste.clear();
  Listentext.clear();
  Namensliste.clear();
  gesicherteListe_.clear();
  gezeichnet_.clear();
  zeichnend_ = ziehend_ = false;
}

Zeilen TGeoEditor::Zeichnung() const {
  Zeilen z;
  for (const TGeoElement& e : Arbeitsliste)
    if (e.Fertig) e.Schreiben(z);
  if (z.empty()) return z;
  z.push_back(Name);
  z.push_back(PunktText(Bezugspunkt));
  return z;
}

void TGeoEditor::ZeichnungUebernehmen(std::optional<std::size_t> auswahl) {
  const Zeilen z = Zeichnung();
  if (!z.empty() && z != gezeichnet_) Hinzufuegen(auswahl);
}

bool TGeoEditor::Ungesichert() const {
  if (Listentext != gesicherteListe_) return true;
  const Zeilen z = Zeichnung();
  return !z.empty() && z != gezeichnet_;
}

int TGeoEditor::BildBreite() const { return static_cast<int>(std::lround(Breite / MmProPixel)); }
int TGeoEditor::BildHoehe() const { return static_cast<int>(std::lround(Hoehe / MmProPixel)); }

PixelPunkt TGeoEditor::Pixel(double x, double y) const {
  return {static_cast<std::int32_t>(std::lround(x / MmProPixel)),
          static_cast<std::int32_t>(std::lround((std::round(Hoehe) - y) / MmProPixel))};
}

double TGeoEditor::Ausrichten(double v) const { return Schritt > 0.09 ? std::round(v / Schritt) * Schritt : v; }

TGeoElement* TGeoEditor::Gewaehlt() {
  for (TGeoElement& e : Arbeitsliste)
    if (e.Gewaehlt) return &e;
  return nullptr;
}

void TGeoEditor::Werkzeug(int modus) {
  for (TGeoElement& e : Arbeitsliste) e.Gewaehlt = false;
  std::erase_if(Arbeitsliste, [](const TGeoElement& e) { return !e.Fertig; });
  Modus = modus;
  if (modus <= WzKreis) {
    TGeoElement e;
    e.Art = modus == WzLinie ? GeoPolylinie : modus == WzPolygon ? GeoPolygon : modus == WzBezier ? GeoBezier : GeoKreis;
    e.Gewaehlt = true;
    Arbeitsliste.push_back(e);
    zeichnend_ = true;
  }
}

void TGeoEditor::Druecken(int px, int py, bool rechts) {
  druckX_ = px;
  druckY_ = py;
  zeichnend_ = Modus <= WzKreis;
  double mx = PixelZuX(px), my = PixelZuY(py);
  if (ausrichten) mx = Ausrichten(mx), my = Ausrichten(my);
  druckMx_ = mx;
  druckMy_ = my;
  TGeoElement* e = Gewaehlt();
  if (!rechts && e && zeichnend_) {
    e->PunktHinzu(mx, my);
    if ((e->Art == GeoBezier && e->Punkte.size() == 4) || (e->Art == GeoKreis && e->Punkte.size() == 2)) {
      e->Fertig = true;
      Modus = WzZeiger;
    }
  }
  if (e) {
    if (e->Art == GeoPolylinie && e->Punkte.size() > 1) e->Fertig = true;
    if (e->Art == GeoPolygon && e->Punkte.size() > 2) e->Fertig = true;
  }
  if (rechts && e) {
    e->Fertig = e->Vollstaendig();
    e->Gewaehlt = false;
    Werkzeug(WzZeiger);
    return;
  }
  if (Modus >= WzRadierer) {
    for (TGeoElement& x : Arbeitsliste) x.Gewaehlt = false;
    bool getroffen = false;
    for (TGeoElement& x : Arbeitsliste)
      for (std::size_t i = 0; i < x.Punkte.size(); ++i)
        if (std::hypot(x.Punkte[i].x - mx, x.Punkte[i].y - my) < 2.1) {
          x.Gewaehlt = true;
          x.AktPunkt = static_cast<int>(i);
          getroffen = true;
          break;
        }
    ziehend_ = getroffen;
    if (TGeoElement* g = Gewaehlt()) start_ = g->Punkte;
  }
}

void TGeoEditor::Bewegen(int px, int py) {
  fadenX = px;
  fadenY = py;
  const double mx = PixelZuX(px), my = PixelZuY(py);
  double dx = mx - druckMx_, dy = my - druckMy_;
  if (ausrichten) dx = Ausrichten(dx), dy = Ausrichten(dy);
  TGeoElement* e = Gewaehlt();
  if (!(std::hypot(px - druckX_, py - druckY_) > 4) || !ziehend_ || !e) return;
  if (Modus == WzZeiger) e->Verschieben(start_, dx, dy);
  if (Modus == WzPunkt) e->PunktVerschieben(start_, static_cast<std::size_t>(e->AktPunkt), dx, dy);
  if (Modus == WzDrehen && e->AktPunkt < static_cast<int>(e->Punkte.size())) {
    const TGeopunkt c = e->Punkte[static_cast<std::size_t>(e->AktPunkt)];
    e->DrehenZu(start_, mx, my, c.x, c.y);
  }
}

void TGeoEditor::Loslassen() {
  zeichnend_ = ziehend_ = false;
  if (Modus == WzRadierer) {
    const auto it = std::find_if(Arbeitsliste.begin(), Arbeitsliste.end(), [](const TGeoElement& e) { return e.Gewaehlt; });
    if (it != Arbeitsliste.end()) Arbeitsliste.erase(it);
  }
}

bool TGeoEditor::PunktSetzen(bool x, double wert) {
  TGeoElement* e = Gewaehlt();
  if (!e || e->AktPunkt >= static_cast<int>(e->Punkte.size())) return false;
  (x ? e->Punkte[static_cast<std::size_t>(e->AktPunkt)].x : e->Punkte[static_cast<std::size_t>(e->AktPunkt)].y) = wert;
  return true;
}

void TGeoEditor::Drehen(double grad) {
  TGeoElement* e = Gewaehlt();
  if (!e || e->AktPunkt >= static_cast<int>(e->Punkte.size())) return;
  const TGeopunkt c = e->Punkte[static_cast<std::size_t>(e->AktPunkt)];
  e->Drehen(grad * kPi / 180, c.x, c.y);
}

std::optional<std::string> TGeoEditor::FeldSetzen(Geofeld f, double wert) {
  // The drawing area is a bitmap of Breite x Hoehe at up to 0.1 mm per pixel.
  constexpr double MaxFlaeche = 10'000, MaxPunkt = 1'000'000;
  const auto innerhalb = [&](double von, double bis) { return std::isfinite(wert) && wert >= von && wert <= bis; };
  bool ok = true;
  switch (f) {
    case Geofeld::X:
    case Geofeld::Y:
      ok = innerhalb(-MaxPunkt, MaxPunkt);
      if (ok) PunktSetzen(f == Geofeld::X, wert);
      break;
    case Geofeld::BezugX:
    case Geofeld::BezugY:
      ok = innerhalb(-MaxPunkt, MaxPunkt);
      if (ok) BezugSetzen(f == Geofeld::BezugX ? wert : Bezugspunkt.x, f == Geofeld::BezugY ? wert : Bezugspunkt.y);
      break;
    case Geofeld::Drehen:
      ok = std::isfinite(wert);
      if (ok) Drehen(wert);
      break;
    case Geofeld::Stiftbreite:
      ok = innerhalb(0, 1000);
      if (ok)
        if (TGeoElement* e = Gewaehlt()) e->Stiftbreite = wert;
      break;
    case Geofeld::Breite:
    case Geofeld::Hoehe:
      // Below 1 mm the area keeps 1 mm, as it always did.
      ok = innerhalb(-MaxFlaeche, MaxFlaeche);
      if (ok) (f == Geofeld::Breite ? Breite : Hoehe) = std::max(1.0, wert);
      break;
    case Geofeld::Raster:
      ok = wert > 0 && innerhalb(0, MaxFlaeche);
      if (ok) Raster = wert;
      break;
    case Geofeld::Schritt:
      ok = innerhalb(0, MaxFlaeche);
      if (ok) Schritt = wert;
      break;
  }
  if (ok) return std::nullopt;
  return std::string("Wert nicht sinnvoll");
}

void TGeoEditor::NaechsterPunkt() {
  TGeoElement* e = Gewaehlt();
  if (!e || e->Punkte.empty()) return;
  e->AktPunkt = (e->AktPunkt + 1) % static_cast<int>(e->Punkte.size());
}

void TGeoEditor::Vergroessern() {
  MmProPixel -= 0.1;
  if (MmProPixel < 0.1) MmProPixel += 0.1;
}

void TGeoEditor::NeueListe() {
  Arbeitsliste.clear();
  Namensliste.clear();
  Listentext.clear();
  gesicherteListe_.clear();
  gezeichnet_.clear();
}

void TGeoEditor::ListeLaden(const Zeilen& z) {
  Namensliste.clear();
  GeoNamenLesen(z, Namensliste);
  Listentext = z;
  gesicherteListe_ = z;
}

std::vector<TGeo> TGeoEditor::Komponenten() const {
  if (Listentext.empty()) return {};
  return GeoListeAusZeilen(Listentext);
}

void TGeoEditor::ListeSchreiben(const std::vector<TGeo>& liste) { Listentext = GeoListeZeilen(liste); }

void TGeoEditor::Hinzufuegen(std::optional<std::size_t> auswahl) {
  // The elements are stored relative to the reference point (and shown so afterwards).
  for (TGeoElement& e : Arbeitsliste)
    for (TGeopunkt& p : e.Punkte) p.x -= Bezugspunkt.x, p.y -= Bezugspunkt.y;
  TGeo neu;
  neu.Name = Name;
  neu.Bezugspunkt = Bezugspunkt;
  for (const TGeoElement& e : Arbeitsliste)
    if (e.Fertig) neu.Elemente.push_back(e);
  for (TGeoElement& e : neu.Elemente) e.Gewaehlt = false;
  std::vector<TGeo> liste = Komponenten();
  if (auswahl && *auswahl < liste.size()) {
    liste[*auswahl] = neu;
    Namensliste[*auswahl] = Name;
  } else {
    liste.push_back(neu);
    Namensliste.push_back(Name);
  }
  ListeSchreiben(liste);
  gezeichnet_ = Zeichnung();
}

void TGeoEditor::Entfernen(std::size_t auswahl) {
  std::vector<TGeo> liste = Komponenten();
  if (auswahl >= liste.size()) return;
  liste.erase(liste.begin() + static_cast<std::ptrdiff_t>(auswahl));
  Namensliste.erase(Namensliste.begin() + static_cast<std::ptrdiff_t>(auswahl));
  ListeSchreiben(liste);
}

void TGeoEditor::Laden(std::size_t auswahl) {
  const std::vector<TGeo> liste = Komponenten();
  if (auswahl >= liste.size()) return;
  const TGeo& g = liste[auswahl];
  Arbeitsliste = g.Elemente;
  Bezugspunkt = g.Bezugspunkt;
  for (TGeoElement& e : Arbeitsliste)
    for (TGeopunkt& p : e.Punkte) p.x += Bezugspunkt.x, p.y += Bezugspunkt.y;
  Name = g.Name;
  gezeichnet_ = Zeichnung();
}

void TGeoEditor::Zeichnen(Canvas& c) const {
  c.Fuellen(0xFFFFFF);
  c.SetStift({0, false});
  auto laenge = [](long v) { return v % 10 == 0 ? 5.0 : v % 5 == 0 ? 4.0 : 2.0; };
  // Rulers from 5 mm on, up to the first whole millimetre at or beyond the edge.
  for (long x = 5; x - 1 < Breite; ++x) c.Linie(Pixel(static_cast<double>(x), Hoehe), Pixel(static_cast<double>(x), Hoehe - laenge(x)));
  for (long y = 5; y - 1 < Hoehe; ++y) c.Linie(Pixel(0, static_cast<double>(y)), Pixel(laenge(y), static_cast<double>(y)));
  // A grid finer than two pixels would only grey the area (and cost a line per pixel).
  if (rasterZeigen && Raster > 0 && Raster / MmProPixel >= 2) {
    c.SetStift({0xC0C0C0, false});
    for (double x = 0; x < Breite; x += Raster) c.Linie(Pixel(x, 0), Pixel(x, Hoehe));
    for (double y = 0; y < Hoehe; y += Raster) c.Linie(Pixel(0, y), Pixel(Breite, y));
    c.SetStift({0, false});
  }
  if (fadenkreuzZeigen && fadenX >= 0) {
    c.SetStift({0x808080, true});
    c.Linie({fadenX, 0}, {fadenX, BildHoehe()});
    c.Linie({0, fadenY}, {BildBreite(), fadenY});
    c.SetStift({0, false});
  }
  const auto pixel = [this](double x, double y) { return Pixel(x, y); };
  for (const TGeoElement& e : Arbeitsliste) e.Zeichnen(c, pixel, MmProPixel, true);
  Bezugsmarke(c, Pixel(Bezugspunkt.x, Bezugspunkt.y));
}

}  // namespace trm
