// The print job over QPrinter and the canvas.
#include "gui/output/Druckausgabe.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QPrinter>
#include <cmath>

#include "core/model/Anlage.h"
#include "core/model/Dateiersatz.h"
#include "core/model/Fehler.h"
#include "gui/render/QtCanvas.h"

namespace trm::gui {

TSeitenmass Seitenmass(const QPrinter& p) {
  TSeitenmass s;
  const QRectF mm = p.pageLayout().paintRect(QPageLayout::Millimeter);
  // Whole millimetres, as a printer driver reports them; a hair of rounding noise is not a mm less.
  s.breiteMm = static_cast<std::int64_t>(std::floor(mm.width() + 1e-6));
  s.hoeheMm = static_cast<std::int64_t>(std::floor(mm.height() + 1e-6));
  const QRect px = p.pageLayout().paintRectPixels(p.resolution());
  s.breitePx = px.width();
  s.hoehePx = px.height();
  s.dpiX = p.resolution();
  s.dpiY = p.resolution();
  return s;
}

void PdfEinrichten(QPrinter& p, const QString& pfad, QPageSize::PageSizeId papier, QPageLayout::Orientation lage) {
  p.setOutputFormat(QPrinter::PdfFormat);
  p.setOutputFileName(pfad);
  p.setPageLayout(QPageLayout(QPageSize(papier), lage, QMarginsF(PdfRandMm, PdfRandMm, PdfRandMm, PdfRandMm),
                              QPageLayout::Millimeter));
}

bool BlaetterDrucken(const Anlage& a, const TModul& m, const TDruckoptionen& o, std::int64_t n,
                     const std::vector<std::int64_t>& blaetter, QPrinter& p) {
  const TSeitenmass s = Seitenmass(p);
  const TBlattaufteilung t = Blaetter(m.Breite, m.Hoehe, n, s.breiteMm, s.hoeheMm);
  p.setDocName(QString::fromStdString(a.Name));
  QPainter maler;
  if (!maler.begin(&p)) return false;
  for (std::size_t i = 0; i < blaetter.size(); ++i) {
    if (i > 0) p.newPage();
    const TDrucktransform d(s.dpiX, s.dpiY, n, s.breitePx, s.hoehePx, BlattLage(blaetter[i], t.spalten));
    maler.save();
    maler.setClipRect(0, 0, s.breitePx, s.hoehePx);
    QtCanvas c(maler, s.breitePx, s.hoehePx);
    BlattZeichnen(a, m, o, d, blaetter[i], c);
    maler.restore();
  }
  return maler.end();
}

void Ersetzen(const QString& tmp, const QString& ziel) {
  const std::string meldung = "Die Datei \"" + ziel.toStdString() + "\" konnte nicht geschrieben werden.";
  Uebernehmen(tmp.toStdString(), Speicherziel(ziel.toStdString()), meldung);
}

/// A temporary file of its own beside the file the path names (links followed).
QString Zwischendatei(const QString& ziel, const std::string& meldung) {
  return QString::fromStdString(trm::Zwischendatei(Speicherziel(ziel.toStdString()), meldung));
}

void PdfDrucken(const Anlage& a, const TModul& m, const TDruckoptionen& o, std::int64_t n,
                const std::vector<std::int64_t>& blaetter, QPageSize::PageSizeId papier,
                QPageLayout::Orientation lage, const QString& ziel) {
  const QString fehler = "Die Datei \"" + ziel + "\" konnte nicht geschrieben werden.";
  const QString tmpPfad = Zwischendatei(ziel, fehler.toStdString());
  {
    QPrinter p(QPrinter::HighResolution);
    PdfEinrichten(p, tmpPfad, papier, lage);
    if (!BlaetterDrucken(a, m, o, n, blaetter, p) || QFileInfo(tmpPfad).size() == 0) {
      QFile::remove(tmpPfad);
      throw DateiFehler(fehler.toStdString());
    }
  }
  Ersetzen(tmpPfad, ziel);
}

}  // namespace trm::gui
