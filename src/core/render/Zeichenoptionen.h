// What a drawing shows besides the layout: overlays that windows add.
#pragma once

#include <functional>

namespace trm {

class Canvas;
class TAnsicht;
class TModul;

/// An overlay drawn with the module after its elements.
using Elementzeichner = std::function<void(const TModul&, Canvas&, const TAnsicht&)>;

/// Overlays of windows; empty until those windows exist. Elements draw themselves.
struct Elementhaken {
  /// Slip end arrows (drawn when an end flag of the module is set).
  Elementzeichner EndPfeile;
  /// Sheet overlay of the print window.
  Elementzeichner Blattuebersicht;
};

}  // namespace trm
