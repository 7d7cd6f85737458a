// Qt's own German texts: standard buttons read "Ja", "Nein", "Abbrechen".
#pragma once

class QCoreApplication;

namespace trm::gui {

/// Installs Qt's German translation; false when it is not installed on this machine.
bool UebersetzungLaden(QCoreApplication& app);

}  // namespace trm::gui
