// Sharing the work on many tracks between two threads.
#include "core/model/Gleisarbeit.h"

#include <exception>
#include <thread>

#include "core/model/Gleis.h"

namespace trm {

void GleiseBearbeiten(const std::vector<TGleis*>& gleise,
                      const std::function<void(TGleis&)>& arbeit) {
  std::size_t boegen = 0;
  for (const TGleis* g : gleise) boegen += g->Boegen.size();
  static const bool mehrereKerne = std::thread::hardware_concurrency() >= 2;
  if (boegen < GleisarbeitParallelAb || !mehrereKerne) {
    for (TGleis* g : gleise) arbeit(*g);
    return;
  }
  std::size_t teilung = 0;
  for (std::size_t summe = 0; teilung < gleise.size() && 2 * summe < boegen; ++teilung)
    summe += gleise[teilung]->Boegen.size();
  std::exception_ptr fehler;
  std::thread zweiter([&] {
    try {
      for (std::size_t k = teilung; k < gleise.size(); ++k) arbeit(*gleise[k]);
    } catch (...) {
      fehler = std::current_exception();
    }
  });
  try {
    for (std::size_t k = 0; k < teilung; ++k) arbeit(*gleise[k]);
  } catch (...) {
    zweiter.join();
    throw;
  }
  zweiter.join();
  if (fehler) std::rethrow_exception(fehler);
}

}  // namespace trm
