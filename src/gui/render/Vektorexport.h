// The module drawing as a vector file (PDF, or SVG for a name ending in ".svg"), drawn through
// the same canvas as the screen.
#pragma once

#include <QRect>
#include <QString>

namespace trm {
class Anlage;
class TModul;
}  // namespace trm

namespace trm::gui {

/// Writes the whole module (already computed) at its display scale as a one-page PDF whose page
/// is the drawing, one drawing pixel a point (1/72 inch). Written to a temporary file and
/// renamed. Throws DateiFehler; a scale that gives no drawing throws it with MeldungMassstab.
void ModulPdf(Anlage& a, TModul& m, const QString& pfad);
/// The same for a part of the drawing: the box teil in drawing pixels (the visible part).
void ModulPdf(Anlage& a, TModul& m, const QString& pfad, const QRect& teil);

}  // namespace trm::gui
