// The per-user data folder: the settings file and the standard list files. Seeded on first
// use from the shipped defaults; file names are matched without regard to letter case.
#pragma once

#include <optional>
#include <string>

namespace trm {

/// Name of the settings file in the data folder.
inline constexpr const char* Einstellungsdatei = "trassomatic.std";

/// Creates the folder if needed and copies every shipped file that it does not hold yet
/// (compared without letter case). Returns false when the folder cannot be created.
bool DatenordnerEinrichten(const std::string& ordner, const std::string& auslieferung);

/// The file in the folder whose name equals name without regard to letter case.
std::optional<std::string> DateiImOrdner(const std::string& ordner, const std::string& name);

/// The folder path with exactly one trailing separator.
std::string MitTrenner(const std::string& ordner);

}  // namespace trm
