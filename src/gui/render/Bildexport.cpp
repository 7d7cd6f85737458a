// Bitmap export of a module drawing.
#include "gui/render/Bildexport.h"

#include <QBuffer>
#include <QFileInfo>

#include "core/model/Anlage.h"
#include "core/model/Dateiersatz.h"
#include "core/model/Fehler.h"
#include "core/render/Ansicht.h"
#include "core/render/ModulZeichnen.h"
#include "gui/render/QtCanvas.h"

namespace trm::gui {

QImage ModulBild(Anlage& a, TModul& m) {
  if (!(m.MmProPixel > 0)) return {};
  const qint64 b = TAnsicht::ZeichnungBreite(m), h = TAnsicht::ZeichnungHoehe(m);
  if (b <= 0 || h <= 0 || b > 1'000'000 || h > 1'000'000 || b * h > MaxBildpunkte) return {};
  QImage bild(static_cast<int>(b), static_cast<int>(h), QImage::Format_RGB32);
  if (bild.isNull()) return {};
  QPainter painter(&bild);
  QtCanvas c(painter, static_cast<std::int32_t>(b), static_cast<std::int32_t>(h));
  ModulMalen(a, m, c, TAnsicht(m));
  return bild;
}

QString BildPfad(const QString& pfad) {
  if (QFileInfo(pfad).suffix().isEmpty()) return pfad + QStringLiteral(".bmp");
  return pfad;
}

bool BildSpeichern(const QImage& bild, const QString& pfad) {
  const bool png = pfad.endsWith(QStringLiteral(".png"), Qt::CaseInsensitive);
  // Encoded in memory, then replacing the file as a layout is saved.
  QByteArray bytes;
  QBuffer puffer(&bytes);
  if (!puffer.open(QIODevice::WriteOnly) || !bild.save(&puffer, png ? "PNG" : "BMP")) return false;
  try {
    DateiErsetzen(pfad.toStdString(), std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
  } catch (const DateiFehler&) {
    return false;
  }
  return true;
}

}  // namespace trm::gui
