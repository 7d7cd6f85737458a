// Whole layout files: load into a fresh layout (the open one is never touched by a failed
// read), and save with freshly computed start values.
#pragma once

#include <memory>
#include <string>

#include "core/model/Anlage.h"
#include "core/model/Textdatei.h"
#include "core/model/Zeilen.h"

namespace trm {

/// Reads a layout file into a new layout with the given data folder and random source, and
/// rebuilds its links. Throws LeseFehler or DateiFehler with a German message naming the file.
std::unique_ptr<Anlage> AnlageLaden(const std::string& pfad, const std::string& datenPfad,
                                    std::shared_ptr<Zufall> zufall);

/// Reads a layout from lines already in memory (clipboard, tests); same checks as a file.
std::unique_ptr<Anlage> AnlageAusZeilen(const Zeilenquelle& zeilen, const std::string& datenPfad,
                                        std::shared_ptr<Zufall> zufall);

/// Computes every module, then writes the layout atomically. Throws DateiFehler, or
/// SchreibFehler (nothing written) as AnlageZeilen does.
void AnlageSpeichern(Anlage& a, const std::string& pfad);

/// Computes every module as a redraw would, then returns the file lines of the layout. A
/// layout whose positions or values are not all finite, or that holds more sleepers than the
/// reader takes (Schwellenbudget), would not read back: SchreibFehler.
Zeilen AnlageZeilen(Anlage& a);

/// The same as the bytes of the file (Windows-1252, "\r\n"), built record by record: what
/// saving writes, without a list of all lines.
Textbloecke AnlageText(Anlage& a);

/// The layout a program without a readable settings file starts with: the fixed values of
/// the settings writer and one module of 1500 x 600 mm with one straight track.
std::unique_ptr<Anlage> ErsatzAnlage(const std::string& datenPfad, std::shared_ptr<Zufall> zufall);

}  // namespace trm
