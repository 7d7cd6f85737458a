// The one table of element kinds. A new kind adds its own folder and one entry here.
#include "core/model/Elementart.h"

#include <filesystem>

#include "core/crossings/DKW.h"
#include "core/crossings/EKW.h"
#include "core/crossings/Kreuzung.h"
#include "core/crossings/Kreuzungslisten.h"
#include "core/editor/Editor.h"
#include "core/geometry/Geo.h"
#include "core/geometry/GeoBefehle.h"
#include "core/geometry/GeoListe.h"
#include "core/model/Anlage.h"
#include "core/model/Kleinschreibung.h"
#include "core/model/Listenart.h"
#include "core/model/Modul.h"
#include "core/turnouts/Drehscheibe.h"
#include "core/turnouts/DrehscheibeMaus.h"
#include "core/turnouts/Drehscheibenliste.h"
#include "core/turnouts/Weiche.h"
#include "core/turnouts/Weichenliste.h"

namespace trm {

namespace {

/// A crossing or slip needs a segment to start from; without one nothing is placed.
template <TKreuzung* (*einsetzen)(Anlage&, const Zeilen&)>
TElement* KrEinsetzen(Anlage& a, const Zeilen& satz) {
  const TModul* m = a.AktuellesModul();
  const TGleis* g = m ? m->AktuellesGleis() : nullptr;
  if (!g || !g->AktuellerBogen()) return nullptr;
  return einsetzen(a, satz);
}

/// The library chooser of a kind with a type list.
template <const TListenart& liste>
bool Waehlen(Editor& ed) {
  return ed.ListeImportieren(liste);
}

}  // namespace

const std::vector<TElementart>& Elementarten() {
  static const std::vector<TElementart> arten = {
      {.art = Elementart::Weiche, .kennung = "weiche", .name = "Weiche", .spiegeln = "Linksweiche / Rechtsweiche",
       .Lesen = &TEWeiche::Lesen, .lesebereich = BereichWeiche,
       .EinfuegenBei = [](Anlage& a, const Zeilen& satz, double x, double y, std::int32_t nummer) -> TElement* {
         return WeicheEinfuegenBei(a, satz, x, y, nummer);
       },
       .Einsetzen = [](Anlage& a, const Zeilen& satz) -> TElement* { return WeicheEinsetzen(a, satz); },
       .liste = &ListeWeichen, .MausAnschliessen = nullptr, .standardliste = StdWeichenliste,
       .listeHinweis = "Weichenliste importieren", .listenname = "Weichenliste", .ListeWaehlen = &Waehlen<ListeWeichen>,
       .stuecklistenTitel = "Einfache Weichen", .stuecklistenKopf = "Weiche", .seitenspalte = "Richtung"},
      {.art = Elementart::Kreuzung, .kennung = "kreuzung", .name = "Kreuzung", .spiegeln = nullptr,
       .Lesen = &TKreuzung::Lesen, .lesebereich = BereichKreuzung,
       .EinfuegenBei = [](Anlage& a, const Zeilen& satz, double x, double y, std::int32_t nummer) -> TElement* {
         return KreuzungEinfuegenBei(a, satz, x, y, nummer);
       },
       .Einsetzen = &KrEinsetzen<&KreuzungEinsetzen>, .liste = &ListeKreuzungen, .MausAnschliessen = nullptr,
       .standardliste = StdKreuzungsliste, .listeHinweis = "Kreuzungsliste importieren",
       .listenname = "Kreuzungsliste", .ListeWaehlen = &Waehlen<ListeKreuzungen>, .stuecklistenTitel = "Kreuzungen", .stuecklistenKopf = "Kreuzung"},
      {.art = Elementart::EKW, .kennung = "ekw", .name = "EKW", .spiegeln = nullptr, .Lesen = &TEKW::Lesen,
       .lesebereich = BereichKreuzung,
       .EinfuegenBei = [](Anlage& a, const Zeilen& satz, double x, double y, std::int32_t nummer) -> TElement* {
         return EKWEinfuegenBei(a, satz, x, y, nummer);
       },
       .Einsetzen = &KrEinsetzen<&EKWEinsetzen>, .liste = &ListeEKW, .MausAnschliessen = nullptr,
       .standardliste = StdEKWListe, .listeHinweis = "EKW-Liste importieren", .listenname = "EKW-Liste", .ListeWaehlen = &Waehlen<ListeEKW>,
       .stuecklistenTitel = "Einfache Kreuzungsweichen", .stuecklistenKopf = "EKW"},
      {.art = Elementart::DKW, .kennung = "dkw", .name = "DKW", .spiegeln = nullptr, .Lesen = &TDKW::Lesen,
       .lesebereich = BereichKreuzung,
       .EinfuegenBei = [](Anlage& a, const Zeilen& satz, double x, double y, std::int32_t nummer) -> TElement* {
         return DKWEinfuegenBei(a, satz, x, y, nummer);
       },
       .Einsetzen = &KrEinsetzen<&DKWEinsetzen>, .liste = &ListeDKW, .MausAnschliessen = nullptr,
       .standardliste = StdDKWListe, .listeHinweis = "DKW-Liste importieren", .listenname = "DKW-Liste", .ListeWaehlen = &Waehlen<ListeDKW>,
       .stuecklistenTitel = "Doppelte Kreuzungsweichen", .stuecklistenKopf = "DKW"},
      // Turntables are placed from their list only; their tracks are ordinary tracks.
      {.art = Elementart::Drehscheibe, .kennung = "drehscheibe", .name = "Drehscheibe", .spiegeln = nullptr,
       .Lesen = &TDrehscheibe::Lesen, .lesebereich = BereichDrehscheibe, .EinfuegenBei = nullptr,
       .Einsetzen = nullptr, .liste = &ListeDrehscheiben, .MausAnschliessen = &DrehscheibenMaus,
       .standardliste = StdDrehscheibenliste, .listeHinweis = "Drehscheibenliste importieren",
       .listenname = "Drehscheibenliste", .ListeWaehlen = &Waehlen<ListeDrehscheiben>, .stuecklistenTitel = "Drehscheiben", .stuecklistenKopf = "Drehscheibe",
       .einzelnGelistet = true},
      // Background components are placed from the geometry menu; they have no tracks and are
      // not counted in the parts list.
      {.art = Elementart::Geo, .kennung = "geo", .name = "Bauteil", .spiegeln = nullptr, .Lesen = &TGeo::Lesen,
       .lesebereich = BereichGeo, .EinfuegenBei = nullptr, .Einsetzen = nullptr, .liste = nullptr,
       .MausAnschliessen = &GeoMausAnschliessen, .standardliste = StdGeoListe,
       .listeHinweis = "Elementen-Liste", .listenname = "Elementen-Liste", .ListeWaehlen = &GeoListeImportieren},
  };
  return arten;
}

const TElementart* ElementartInfo(Elementart a) {
  for (const TElementart& e : Elementarten())
    if (e.art == a) return &e;
  return nullptr;
}

const TListenart* ListenartZuDatei(const std::string& pfad) {
  const std::string endung = AsciiKlein(std::filesystem::path(pfad).extension().string());
  for (const TElementart& e : Elementarten())
    if (e.liste && endung == std::string(".") + e.liste->endung) return e.liste;
  return nullptr;
}

}  // namespace trm
