// The settings window and the colour palette in the main window.
#include "gui/settings/EinstellungsTeil.h"

#include <QAction>
#include <QCursor>
#include <QMenu>
#include <QToolBar>

#include "core/editor/Anlagendaten.h"
#include "core/editor/Maus.h"
#include "core/geometry/GeoBefehle.h"
#include "gui/editor/Aktion.h"
#include "gui/settings/TAnlagendaten2.h"
#include "gui/settings/TfFarben.h"

namespace trm::gui {

void EinstellungsTeil::Anlegen(const Fensterteile& t) {
  t_ = t;
  fenster_ = new TAnlagendaten2(*t.editor, t.maus, t.fenster);
  fenster_->befehl = t.befehl;
  fenster_->neuZeichnen = t.neuZeichnen;
  fenster_->geschlossen = [this] {
    for (QAction* a : oeffnen_) a->setEnabled(true);
  };
  for (const char* name : {"MI_Anlagendaten", "MI_FensterAnlagendaten"})
    if (QAction* a = t.fenster->findChild<QAction*>(QString::fromUtf8(name))) {
      a->setEnabled(true);
      QObject::connect(a, &QAction::triggered, fenster_, [this] { Zeigen(); });
      oeffnen_.push_back(a);
    }

  palette_ = new TfFarben(t.fenster);
  palette_->gewaehlt = [this](std::int32_t farbe) {
    t_.befehl([this, farbe] { return Anlagendaten(*t_.editor).SegmentFaerben(farbe); });
  };
  QAction* farbe = NeueAktion(t.fenster, QStringLiteral("MI_FarbeAuswaehlen"), QStringLiteral("Farbe auswählen"),
                              QStringLiteral("Farbe auswählen"),
                              [this] { palette_->ZeigenBei(QCursor::pos(), t_.editor->anlage().Farbspeicher); });
  if (auto* leiste = t.fenster->findChild<QToolBar*>(QStringLiteral("Werkzeugleiste1"))) leiste->addAction(farbe);
  if (QAction* rueck = t.fenster->findChild<QAction*>(QStringLiteral("MI_OptiRueckgaengig")))
    for (QObject* o : rueck->associatedObjects())
      if (auto* menue = qobject_cast<QMenu*>(o)) menue->addAction(farbe);
}

void EinstellungsTeil::Zeigen() {
  fenster_->show();
  fenster_->raise();
  fenster_->Auffrischen();
  for (QAction* a : oeffnen_) a->setEnabled(false);
}

void EinstellungsTeil::Aktualisieren(const Befehlszustand&) {
  if (fenster_->isVisible()) fenster_->Auffrischen();
}

void EinstellungsTeil::Maus(const Mausantwort& a) {
  if (a.fensterAuffrischen && fenster_->isVisible()) fenster_->Auffrischen();
}

}  // namespace trm::gui
