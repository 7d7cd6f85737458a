// Checking element library files: one table entry per list kind.
#include "Typlisten.h"

#include <cstdio>
#include <filesystem>

#include "core/model/Kleinschreibung.h"
#include "core/turnouts/Weiche.h"
#include "core/turnouts/Weichenliste.h"

namespace trm::cli {

namespace {

constexpr Listenart kListenarten[] = {
    {".w88", ZeilenWeiche, WeichentypLesen},
};

}  // namespace

const Listenart* ListenartVon(const std::string& pfad) {
  const std::string endung = AsciiKlein(std::filesystem::path(pfad).extension().string());
  for (const Listenart& art : kListenarten)
    if (endung == art.endung) return &art;
  return nullptr;
}

int ListePruefen(const std::string& pfad, const Listenart& art) {
  const TTypliste liste = TTypliste::Laden(pfad, art.satzlaenge, art.lesen);
  std::printf("Liste: %s\nTypen: %lld\n", liste.Text()[0].c_str(),
              static_cast<long long>(liste.Anzahl()));
  return 0;
}

}  // namespace trm::cli
