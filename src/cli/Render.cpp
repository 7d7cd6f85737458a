// The "render" command over the Qt canvas, on the offscreen platform.
#include "Render.h"

#include "Offscreen.h"

#include <QGuiApplication>
#include <cstdlib>
#include <iostream>
#include <memory>

#include "core/editor/Zoom.h"
#include "core/model/Anlage.h"
#include "core/model/Neuberechnung.h"
#include "gui/render/Bildexport.h"
#include "gui/render/Vektorexport.h"

namespace trm::cli {

int Render(Anlage& a, int modul, double mmProPixel, const std::string& ziel) {
  if (modul < 0) modul = a.AktModul;
  if (modul >= static_cast<int>(a.Module.size())) {
    std::cerr << "Das Modul " << modul << " gibt es nicht; die Anlage hat " << a.Module.size()
              << " Module.\n";
    return 2;
  }
  const auto app = OffscreenAnwendung();

  a.ModulWaehlen(modul);
  TModul& m = *a.Module[static_cast<std::size_t>(modul)];
  if (mmProPixel > 0) m.MmProPixel = mmProPixel;
  ModulBerechnen(m);
  ModulBerechnen(m);
  if (QString::fromStdString(ziel).endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive) ||
      QString::fromStdString(ziel).endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive)) {
    try {
      gui::ModulPdf(a, m, QString::fromStdString(ziel));
    } catch (const std::runtime_error& f) {
      std::cerr << f.what() << '\n';
      return 1;
    }
    return 0;
  }
  const QImage bild = gui::ModulBild(a, m);
  if (bild.isNull()) {
    std::cerr << MeldungMassstab << '\n';
    return 1;
  }
  const QString pfad = gui::BildPfad(QString::fromStdString(ziel));
  if (!gui::BildSpeichern(bild, pfad)) {
    std::cerr << "Die Datei \"" << pfad.toStdString() << "\" konnte nicht gespeichert werden.\n";
    return 1;
  }
  return 0;
}

}  // namespace trm::cli
