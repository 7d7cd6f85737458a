// What a drawing shows besides the tracks, and the hooks through which special elements draw.
#pragma once

#include <functional>

namespace trm {

class Canvas;
class TAnsicht;
class TModul;

/// Element drawing: called with the module after the tracks, in the fixed element order.
using Elementzeichner = std::function<void(TModul&, Canvas&, const TAnsicht&)>;

/// Hooks of the element kinds that are drawn from outside (turnouts are drawn directly);
/// empty until those kinds exist.
struct Elementhaken {
  Elementzeichner Kreuzungen, EKWs, DKWs, Drehscheiben, Geos;
  /// Slip end arrows (drawn when an end flag of the module is set).
  Elementzeichner EndPfeile;
  /// Sheet overlay of the print window.
  Elementzeichner Blattuebersicht;
};

}  // namespace trm
