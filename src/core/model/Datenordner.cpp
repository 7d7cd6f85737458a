// Seeding of the data folder and case-blind file look-up.
#include "core/model/Datenordner.h"

#include <filesystem>
#include <system_error>

#include "core/model/Kleinschreibung.h"

namespace trm {

namespace fs = std::filesystem;

std::string MitTrenner(const std::string& ordner) {
  if (ordner.empty()) return ordner;
  if (ordner.back() == '/') return ordner;
  return ordner + "/";
}

std::optional<std::string> DateiImOrdner(const std::string& ordner, const std::string& name) {
  std::error_code ec;
  const fs::path genau = fs::path(ordner) / name;
  if (fs::is_regular_file(genau, ec)) return genau.string();
  const std::string gesucht = AsciiKlein(name);
  fs::directory_iterator it(fs::path(ordner), ec);
  if (ec) return std::nullopt;
  for (const auto& eintrag : it) {
    if (!eintrag.is_regular_file(ec)) continue;
    if (AsciiKlein(eintrag.path().filename().string()) == gesucht) return eintrag.path().string();
  }
  return std::nullopt;
}

bool DatenordnerEinrichten(const std::string& ordner, const std::string& auslieferung) {
  std::error_code ec;
  fs::create_directories(fs::path(ordner), ec);
  if (!fs::is_directory(fs::path(ordner), ec)) return false;
  fs::directory_iterator it(fs::path(auslieferung), ec);
  if (ec) return true;  // nothing shipped to seed from
  for (const auto& eintrag : it) {
    if (!eintrag.is_regular_file(ec)) continue;
    const std::string name = eintrag.path().filename().string();
    if (DateiImOrdner(ordner, name)) continue;
    fs::copy_file(eintrag.path(), fs::path(ordner) / name, ec);
  }
  return true;
}

}  // namespace trm
