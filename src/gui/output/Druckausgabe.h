// Printing sheets of a module on a QPrinter through the one canvas: the page metrics the
// printer reports, the tiling they give, and the print job (also into a PDF file).
#pragma once

#include <QPageLayout>
#include <QPageSize>
#include <QString>
#include <cstdint>
#include <vector>

#include "core/output/Blattaufteilung.h"
#include "core/output/Druckblatt.h"

class QPrinter;

namespace trm {
class Anlage;
class TModul;
}  // namespace trm

namespace trm::gui {

/// What the printer reports for one sheet.
struct TSeitenmass {
  std::int64_t breiteMm = 0, hoeheMm = 0;  ///< printable area in whole millimetres
  std::int32_t breitePx = 0, hoehePx = 0;  ///< printable area in printer pixels
  double dpiX = 0, dpiY = 0;               ///< printer pixels per inch
};

/// The printable area and resolution of the printer's current page.
TSeitenmass Seitenmass(const QPrinter& p);

/// Margin of a PDF sheet in mm, standing for a printer's unprintable border.
inline constexpr double PdfRandMm = 5;

/// Sets a PDF printer for file pfad, paper and orientation, with PdfRandMm margins.
void PdfEinrichten(QPrinter& p, const QString& pfad, QPageSize::PageSizeId papier, QPageLayout::Orientation lage);

/// Prints the given sheets (1-based, in this order) of module m at 1 : n on p, one page per
/// sheet. The module must be computed. False when the printer could not start.
bool BlaetterDrucken(const Anlage& a, const TModul& m, const TDruckoptionen& o, std::int64_t n,
                     const std::vector<std::int64_t>& blaetter, QPrinter& p);

/// Prints into the PDF file ziel: written to a temporary file beside it and renamed over it, so
/// a failed job leaves no half-written file. Throws DateiFehler with a German message.
void PdfDrucken(const Anlage& a, const TModul& m, const TDruckoptionen& o, std::int64_t n,
                const std::vector<std::int64_t>& blaetter, QPageSize::PageSizeId papier,
                QPageLayout::Orientation lage, const QString& ziel);

/// Replaces the file ziel names (links followed) by the finished temporary file tmp, made by
/// Zwischendatei: flushed, given the old file's rights and renamed (removed on failure). Throws
/// DateiFehler.
void Ersetzen(const QString& tmp, const QString& ziel);
/// An empty temporary file of its own beside the file ziel names (links followed). Throws
/// DateiFehler: meldung, and why.
QString Zwischendatei(const QString& ziel, const std::string& meldung);

}  // namespace trm::gui
