// Connecting two track ends: the plan of a track of straights and arcs that leaves one end and
// arrives at the other, no radius below a minimum.
#pragma once

#include <optional>
#include <string>

#include "core/editor/Bahn.h"

namespace trm {

/// The plan of a track from pose a (leaving in direction a.w) to pose b (arriving there in
/// direction b.w), no radius below rMin (> 0). In order of preference: one straight, one arc,
/// an arc in the corner of the two direction lines (with one straight), or arc–straight–arc
/// with equal radii as large as the same construction allows. None, with a German reason in
/// `grund`, when no such track joins them. m only for BahnEnde: the end check uses the
/// module's settings.
std::optional<TBahn> EndenVerbinden(const TLage& a, const TLage& b, double rMin, TModul& m, std::string& grund);

}  // namespace trm
