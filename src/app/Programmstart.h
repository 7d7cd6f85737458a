// Start-up of the program: German translations, the data folder and its seeding.
#pragma once

#include <QString>
#include <QStringList>

class QApplication;

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

/// Loads Qt's German translation so that standard buttons read "Ja", "Nein", "Abbrechen".
void UebersetzungLaden(QApplication& app);

}  // namespace trm::app
