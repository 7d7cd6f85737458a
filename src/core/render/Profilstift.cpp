// Height texts of the profile signs.
#include "core/render/Profilstift.h"

#include "core/model/Zahlformat.h"
#include "core/render/Farben.h"

namespace trm {

void Profilstift::Hoehe(int x, int y, double z) const { c.Text({x, y}, FestText(z), farbe::Schwarz, false, 0); }

}  // namespace trm
