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
#include "core/turnouts/Drehscheibe.h"
#include "core/turnouts/DrehscheibeMaus.h"
#include "core/turnouts/Drehscheibenliste.h"
#include "core/turnouts/Weiche.h"
#include "core/turnouts/Weichenliste.h"

namespace trm {

const std::vector<TElementart>& Elementarten() {
  static const std::vector<TElementart> arten = {
      {Elementart::Weiche, "weiche", "Weiche", 9, &TEWeiche::Lesen, BereichWeiche,
       [](Anlage& a, const Zeilen& satz, double x, double y, std::int32_t nummer) -> TElement* {
         return WeicheEinfuegenBei(a, satz, x, y, nummer);
       },
       &ListeWeichen, nullptr},
      {Elementart::Kreuzung, "kreuzung", "Kreuzung", 10, &TKreuzung::Lesen, BereichKreuzung,
       [](Anlage& a, const Zeilen& satz, double x, double y, std::int32_t nummer) -> TElement* {
         return KreuzungEinfuegenBei(a, satz, x, y, nummer);
       },
       &ListeKreuzungen, nullptr},
      {Elementart::EKW, "ekw", "EKW", 11, &TEKW::Lesen, BereichKreuzung,
       [](Anlage& a, const Zeilen& satz, double x, double y, std::int32_t nummer) -> TElement* {
         return EKWEinfuegenBei(a, satz, x, y, nummer);
       },
       &ListeEKW, nullptr},
      {Elementart::DKW, "dkw", "DKW", 12, &TDKW::Lesen, BereichKreuzung,
       [](Anlage& a, const Zeilen& satz, double x, double y, std::int32_t nummer) -> TElement* {
         return DKWEinfuegenBei(a, satz, x, y, nummer);
       },
       &ListeDKW, nullptr},
      // Turntables are placed from their list only; their tracks are ordinary tracks.
      {Elementart::Drehscheibe, "drehscheibe", "Drehscheibe", 0, &TDrehscheibe::Lesen, BereichDrehscheibe, nullptr,
       &ListeDrehscheiben, &DrehscheibenMaus},
      // Background components are placed from the geometry menu; they have no tracks.
      {Elementart::Geo, "geo", "Bauteil", 0, &TGeo::Lesen, BereichGeo, nullptr, nullptr, &GeoMausAnschliessen},
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
