// The calculators and the 3-D view in the main window.
#include "gui/calculators/RechnerTeil.h"

#include <QAction>
#include <QToolBar>

#include "core/editor/Maus.h"
#include "gui/calculators/TGlsWendel.h"
#include "gui/calculators/TSteigung.h"
#include "gui/editor/Aktion.h"
#include "gui/output/TDDD.h"

namespace trm::gui {

void RechnerTeil::Anlegen(const Fensterteile& t) {
  t_ = t;
  steigung_ = new TSteigung(*t.editor, t.fenster);
  steigung_->befehl = t.befehl;
  wendel_ = new TGlsWendel(*t.editor, t.fenster);
  wendel_->befehl = t.befehl;
  auto verbinden = [&](const char* name, std::function<void()> tun) {
    if (QAction* a = t.fenster->findChild<QAction*>(QString::fromUtf8(name))) {
      a->setEnabled(true);
      QObject::connect(a, &QAction::triggered, t.fenster, std::move(tun));
    }
  };
  verbinden("MI_Steigungberechnen", [this] {
    steigung_->show();
    steigung_->raise();
  });
  verbinden("MI_Gleiswendelberechnen", [this] {
    wendel_->show();
    wendel_->raise();
  });
  t.elemente->addAction(NeueAktion(t.fenster, QStringLiteral("TB_3D"), QStringLiteral("3D"), QStringLiteral("3D-Ansicht"), [this] {
    if (!t_.editor->modul()) return;
    TDDD fenster(*t_.editor->modul(), t_.fenster);
    fenster.exec();
  }));
}

void RechnerTeil::Aktualisieren(const Befehlszustand&) {
  if (steigung_->isVisible()) steigung_->Auffrischen();
}

void RechnerTeil::Maus(const Mausantwort& a) {
  if (a.fensterAuffrischen && steigung_->isVisible()) {
    steigung_->daten().Waehlen();
    steigung_->Auffrischen();
  }
}

}  // namespace trm::gui
