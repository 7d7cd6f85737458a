// The module image at its current scale as a file: a Windows bitmap, or PNG for ".png".
#pragma once

#include <QImage>
#include <QString>

namespace trm {
class Anlage;
class TModul;
}  // namespace trm

namespace trm::gui {

/// Largest image the export makes (pixels); beyond it the scale counts as not displayable.
inline constexpr qint64 MaxBildpunkte = 400'000'000;

/// Paints the whole module (already computed) into an image; a null image when it cannot be
/// made at this scale.
QImage ModulBild(Anlage& a, TModul& m);
/// The path with ".bmp" added when it has no extension.
QString BildPfad(const QString& pfad);
/// Writes the image: PNG when the path ends in ".png", else a Windows bitmap; the file is
/// replaced as a saved layout is (DateiErsetzen). False on failure.
bool BildSpeichern(const QImage& bild, const QString& pfad);

}  // namespace trm::gui
