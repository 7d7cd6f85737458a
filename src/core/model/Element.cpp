// Track lists of special elements.
#include "core/model/Element.h"

namespace trm {

std::vector<TGleis*> TElement::AlleGleise() const {
  std::vector<TGleis*> gleise;
  for (TGleis* g : {Stammgleis(), Zweiggleis(), KreuzungsgleisA(), KreuzungsgleisB()})
    if (g) gleise.push_back(g);
  for (TGleis* g : Zweiggleise())
    if (g) gleise.push_back(g);
  return gleise;
}

}  // namespace trm
