// The component library file (".g88"): the number of components, then their records.
#pragma once

#include <string>
#include <vector>

#include "core/geometry/Geo.h"

namespace trm {

/// The data folder's standard component library.
inline constexpr const char* StdGeoListe = "stdGeoListe.g88";

/// A file name with the extension ".g88" (letter case ignored).
bool IstGeoListe(const std::string& pfad);
/// Reads every component of the lines. Throws LeseFehler naming the line.
std::vector<TGeo> GeoListeAusZeilen(const Zeilen& z);
/// Appends the names of the components to `namen` in order. Throws LeseFehler at the first
/// record that does not read; the names before it stay.
void GeoNamenLesen(const Zeilen& z, std::vector<std::string>& namen);
/// Reads a library file. Throws DateiFehler or LeseFehler (German, naming file and line).
std::vector<TGeo> GeoListeLesen(const std::string& pfad);
/// The lines of a library with these components.
Zeilen GeoListeZeilen(const std::vector<TGeo>& liste);

}  // namespace trm
