// PDF and SVG export of a module drawing.
#include "gui/render/Vektorexport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

#include "core/editor/Zoom.h"
#include "core/model/Anlage.h"
#include "core/model/Fehler.h"
#include "core/render/Ansicht.h"
#include "core/render/ModulZeichnen.h"
#include "gui/output/Druckausgabe.h"
#include "gui/render/QtCanvas.h"

namespace trm::gui {

void ModulPdf(Anlage& a, TModul& m, const QString& pfad) {
  if (!(m.MmProPixel > 0)) throw DateiFehler(MeldungMassstab);
  const qint64 b = TAnsicht::ZeichnungBreite(m), h = TAnsicht::ZeichnungHoehe(m);
  if (b <= 0 || h <= 0 || b > 14400 || h > 14400) throw DateiFehler(MeldungMassstab);
  ModulPdf(a, m, pfad, QRect(0, 0, static_cast<int>(b), static_cast<int>(h)));
}

void ModulPdf(Anlage& a, TModul& m, const QString& pfad, const QRect& teil) {
  const std::string fehler = "Die Datei \"" + pfad.toStdString() + "\" konnte nicht geschrieben werden.";
  if (!(m.MmProPixel > 0)) throw DateiFehler(MeldungMassstab);
  const qint64 b = teil.width(), h = teil.height();
  // PDF pages end at 200 inches a side (14400 points).
  if (b <= 0 || h <= 0 || b > 14400 || h > 14400) throw DateiFehler(MeldungMassstab);
  const QString tmpPfad = Zwischendatei(pfad, fehler);
  bool gut = false;
  auto malen = [&](QPaintDevice& geraet) {
    QPainter painter;
    if (!painter.begin(&geraet)) return false;
    QtCanvas c(painter, static_cast<std::int32_t>(b), static_cast<std::int32_t>(h));
    ModulMalen(a, m, c,
               TAnsicht(m.MmProPixel, m.Hoehe, teil.x(), teil.y(), static_cast<std::int32_t>(b),
                        static_cast<std::int32_t>(h)));
    return painter.end();
  };
  if (pfad.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive)) {
    QSvgGenerator svg;
    svg.setFileName(tmpPfad);
    svg.setTitle(QString::fromStdString(a.Name));
    svg.setSize(QSize(static_cast<int>(b), static_cast<int>(h)));
    svg.setViewBox(QRect(0, 0, static_cast<int>(b), static_cast<int>(h)));
    svg.setResolution(72);
    gut = malen(svg);
  } else {
    QPdfWriter pdf(tmpPfad);
    pdf.setTitle(QString::fromStdString(a.Name));
    pdf.setResolution(72);
    pdf.setPageLayout(QPageLayout(QPageSize(QSizeF(static_cast<double>(b), static_cast<double>(h)), QPageSize::Point),
                                  QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
    gut = malen(pdf);
  }
  if (!gut || QFileInfo(tmpPfad).size() == 0) {
    QFile::remove(tmpPfad);
    throw DateiFehler(fehler);
  }
  Ersetzen(tmpPfad, pfad);
}

}  // namespace trm::gui
