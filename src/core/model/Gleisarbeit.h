// Work on many tracks at once: a large set is shared between two threads.
#pragma once

#include <functional>
#include <vector>

namespace trm {

class TGleis;

/// Segments below which the work stays on one thread: starting a thread costs about as much
/// as a few hundred segments.
inline constexpr std::size_t GleisarbeitParallelAb = 2000;

/// Calls `arbeit` with every track; a set of many segments in two halves of about equal
/// segments at the same time. `arbeit` must read and write only the track it is given (its
/// segments, its settings read through the module), so the result does not depend on which
/// thread did it. An exception of either half is thrown after both halves are done.
void GleiseBearbeiten(const std::vector<TGleis*>& gleise,
                      const std::function<void(TGleis&)>& arbeit);

}  // namespace trm
