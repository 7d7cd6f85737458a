// A generated layout for the benchmarks: one module with thousands of tracks made of
// straights, arcs and transition curves, with gradients.
#pragma once

#include <memory>

#include "core/model/Anlage.h"

namespace trm::bench {

/// One module of `gleise` tracks with `boegenJeGleis` segments each, spread over the module.
std::unique_ptr<Anlage> Testanlage(int gleise = 2000, int boegenJeGleis = 5);

/// The generated module put into layout a (an editor's), made current and computed.
TModul& TestanlageEinsetzen(Anlage& a);

}  // namespace trm::bench
