// Start-up helpers: command line, data folder, translations.
#include "Programmstart.h"

#include <QApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QStandardPaths>
#include <QTranslator>

namespace trm::app {

Startoptionen OptionenLesen(const QStringList& argumente) {
  Startoptionen o;
  for (int i = 1; i < argumente.size(); ++i) {
    if (argumente[i] == QLatin1String("--data") && i + 1 < argumente.size())
      o.datenordner = argumente[++i];
    else if (!argumente[i].startsWith(QLatin1String("-")))
      o.datei = argumente[i];
  }
  return o;
}

QString StandardDatenordner() {
  const QString basis = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
  return QDir(basis).filePath(QStringLiteral("trassomatic"));
}

void UebersetzungLaden(QApplication& app) {
  auto* qt = new QTranslator(&app);
  if (qt->load(QStringLiteral("qtbase_de"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    app.installTranslator(qt);
}

}  // namespace trm::app
