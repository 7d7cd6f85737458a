// The one table of element kinds. A new kind adds its own folder and one entry here.
#include "core/model/Elementart.h"

#include <filesystem>

#include "core/crossings/DKW.h"
#include "core/crossings/EKW.h"
#include "core/crossings/Kreuzung.h"
#include "core/crossings/Kreuzungslisten.h"
#include "core/geometry/Geo.h"
#include "core/geometry/GeoBefehle.h"
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

}  // namespace

const std::vector<TElementart>& Elementarten() {
  static const std::vector<TElementart> arten = {
      {Elementart::Weiche, "weiche", "Weiche", "Linksweiche / Rechtsweiche", &TEWeiche::Lesen, BereichWeiche,
       [](Anlage& a, const Zeilen& satz, double x, double y, std::int32_t nummer) -> TElement* {
         return WeicheEinfuegenBei(a, satz, x, y, nummer);
       },
       [](Anlage& a, const Zeilen& satz) -> TElement* { return WeicheEinsetzen(a, satz); }, &ListeWeichen, nullptr},
      {Elementart::Kreuzung, "kreuzung", "Kreuzung", nullptr, &TKreuzung::Lesen, BereichKreuzung,
       [](Anlage& a, const Zeilen& satz, double x, double y, std::int32_t nummer) -> TElement* {
         return KreuzungEinfuegenBei(a, satz, x, y, nummer);
       },
       &KrEinsetzen<&KreuzungEinsetzen>, &ListeKreuzungen, nullptr},
      {Elementart::EKW, "ekw", "EKW", nullptr, &TEKW::Lesen, BereichKreuzung,
       [](Anlage& a, const Zeilen& satz, double x, double y, std::int32_t nummer) -> TElement* {
         return EKWEinfuegenBei(a, satz, x, y, nummer);
       },
       &KrEinsetzen<&EKWEinsetzen>, &ListeEKW, nullptr},
      {Elementart::DKW, "dkw", "DKW", nullptr, &TDKW::Lesen, BereichKreuzung,
       [](Anlage& a, const Zeilen& satz, double x, double y, std::int32_t nummer) -> TElement* {
         return DKWEinfuegenBei(a, satz, x, y, nummer);
       },
       &KrEinsetzen<&DKWEinsetzen>, &ListeDKW, nullptr},
      // Turntables are placed from their list only; their tracks are ordinary tracks.
      {Elementart::Drehscheibe, "drehscheibe", "Drehscheibe", nullptr, &TDrehscheibe::Lesen, BereichDrehscheibe,
       nullptr, nullptr, &ListeDrehscheiben, &DrehscheibenMaus},
      // Background components are placed from the geometry menu; they have no tracks.
      {Elementart::Geo, "geo", "Bauteil", nullptr, &TGeo::Lesen, BereichGeo, nullptr, nullptr, nullptr,
       &GeoMausAnschliessen},
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
