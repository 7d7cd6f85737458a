// trassomatic: the desktop program.
#include <QApplication>
#include <QDir>
#include <QLocale>

#include "Programmstart.h"
#include "core/model/Datenordner.h"
#include "gui/Uebersetzung.h"
#include "gui/editor/TGleisanlage.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Trassomatic"));
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  trm::gui::UebersetzungLaden(app);

  const auto optionen = trm::app::OptionenLesen(QApplication::arguments());
  QString ordner = optionen.datenordner;
  if (ordner.isEmpty()) ordner = trm::app::StandardDatenordner();
  const QString auslieferung =
      QDir(QStringLiteral(TRM_QUELLDATEN)).exists() ? QStringLiteral(TRM_QUELLDATEN)
                                                    : QStringLiteral(TRM_INSTALLDATEN);
  trm::DatenordnerEinrichten(ordner.toStdString(), auslieferung.toStdString());

  trm::gui::TGleisanlage fenster(ordner);
  if (!optionen.datei.isEmpty()) fenster.DateiOeffnen(optionen.datei);
  fenster.showMaximized();
  return app.exec();
}
