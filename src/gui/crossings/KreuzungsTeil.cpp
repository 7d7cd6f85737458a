// The crossings in the main window.
#include "gui/crossings/KreuzungsTeil.h"

#include <QAction>
#include <QMenu>
#include <QToolBar>

#include "gui/editor/Aktion.h"

namespace trm::gui {

void KreuzungsTeil::Anlegen(const Fensterteile& t) {
  t_ = t;
  // Until the crossing list exists, the button places the standard crossing.
  t.elemente->addAction(NeueAktion(t.fenster, "TB_Kreuzungsliste", "Kre", "Kreuzung einsetzen", [this] {
    t_.befehl([this] { return t_.editor->KreuzungEinsetzen(); });
  }));
}

void KreuzungsTeil::Kontextmenue(QMenu& menue, const Kontextzustand& k) {
  if (!k.kreuzungInListe) return;
  Editor* ed = t_.editor;
  QMenu* kreuzung = menue.addMenu(QStringLiteral("Kreuzung"));
  auto eintrag = [&](const char* name, const char* text, std::function<bool()> befehl, bool an) {
    QAction* a = NeueAktion(kreuzung, name, QString::fromUtf8(text), "", [this, befehl] { t_.befehl(befehl); });
    a->setEnabled(an);
    kreuzung->addAction(a);
  };
  eintrag("PM_KreuzungDrehen", "Kreuzung drehen", [ed] { return ed->KreuzungDrehen(); }, true);
  eintrag("PM_KreuzungEntfernen", "Kreuzung aus dem Plan entfernen", [ed] { return ed->KreuzungAusPlanEntfernen(); },
          k.kreuzungEntfernen);
}

}  // namespace trm::gui
