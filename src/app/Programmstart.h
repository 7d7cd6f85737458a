// Start-up of the program: the command line and the data folder.
#pragma once

#include <QString>
#include <QStringList>

namespace trm::app {

/// What the command line asks for.
struct Startoptionen {
  QString datenordner;  ///< --data DIR, else the per-user folder
  QString datei;        ///< a layout file to open at start
};

/// Reads "--data DIR" and an optional file name.
Startoptionen OptionenLesen(const QStringList& argumente);

/// The per-user data folder (XDG data location) followed by "trassomatic".
QString StandardDatenordner();


}  // namespace trm::app
