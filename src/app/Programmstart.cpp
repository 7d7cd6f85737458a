// Start-up helpers: command line and data folder.
#include "Programmstart.h"

#include <QDir>
#include <QStandardPaths>

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

}  // namespace trm::app
