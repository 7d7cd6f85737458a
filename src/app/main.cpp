// trassomatic: the desktop program.
#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QLocale>

#include "Programmstart.h"
#include "core/model/Datenordner.h"
#include "gui/Uebersetzung.h"
#include "gui/editor/TGleisanlage.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Trassomatic"));
  QApplication::setDesktopFileName(QStringLiteral("trassomatic"));
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/trassomatic.svg")));
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  trm::gui::UebersetzungLaden(app);

  const auto optionen = trm::app::OptionenLesen(QApplication::arguments());
  QString ordner = optionen.datenordner;
  if (ordner.isEmpty()) ordner = trm::app::StandardDatenordner();
  // The shipped data beside an installed program first, then the source tree of a build, then
  // the prefix the program was configured for.
  const QString neben = QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("../share/trassomatic"));
  const QString auslieferung = QDir(neben).exists()                          ? QDir(neben).canonicalPath()
                               : QDir(QStringLiteral(TRM_QUELLDATEN)).exists() ? QStringLiteral(TRM_QUELLDATEN)
                                                                             : QStringLiteral(TRM_INSTALLDATEN);
  trm::DatenordnerEinrichten(ordner.toStdString(), auslieferung.toStdString());

  trm::gui::TGleisanlage fenster(ordner);
  if (!optionen.datei.isEmpty()) fenster.DateiOeffnen(optionen.datei);
  fenster.showMaximized();
  return app.exec();
}
