// The one table of element kinds. A new kind adds its own folder and one entry here.
#include "core/model/Elementart.h"

#include "core/turnouts/Weiche.h"
#include "core/turnouts/Weichenliste.h"

namespace trm {

const std::vector<TElementart>& Elementarten() {
  static const std::vector<TElementart> arten = {
      {Elementart::Weiche, "weiche", "Weiche", 9, &TEWeiche::Lesen,
       [](Anlage& a, const Zeilen& satz, double x, double y, std::int32_t nummer) -> TElement* {
         return WeicheEinfuegenBei(a, satz, x, y, nummer);
       }},
  };
  return arten;
}

const TElementart* ElementartInfo(Elementart a) {
  for (const TElementart& e : Elementarten())
    if (e.art == a) return &e;
  return nullptr;
}

}  // namespace trm
