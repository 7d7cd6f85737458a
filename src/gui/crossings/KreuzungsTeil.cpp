// The crossings and slips in the main window.
#include "gui/crossings/KreuzungsTeil.h"

#include <QAction>
#include <QMenu>
#include <QToolBar>

#include "gui/editor/Aktion.h"

namespace trm::gui {

void KreuzungsTeil::Anlegen(const Fensterteile& t) {
  t_ = t;
  // Until the lists of crossings and slips exist, the buttons place the standard types.
  t.elemente->addAction(NeueAktion(t.fenster, "TB_Kreuzungsliste", "Kre", "Kreuzung einsetzen", [this] {
    t_.befehl([this] { return t_.editor->KreuzungEinsetzen(); });
  }));
  t.elemente->addAction(NeueAktion(t.fenster, "TB_EKW-Liste", "EKW", "EKW einsetzen", [this] {
    t_.befehl([this] { return t_.editor->EKWEinsetzen(); });
  }));
  t.elemente->addAction(NeueAktion(t.fenster, "TB_DKW-Liste", "DKW", "DKW einsetzen", [this] {
    t_.befehl([this] { return t_.editor->DKWEinsetzen(); });
  }));
}

void KreuzungsTeil::Kontextmenue(QMenu& menue, const Kontextzustand& k) {
  const char* art = k.kreuzungInListe ? "Kreuzung" : k.ekwInListe ? "EKW" : k.dkwInListe ? "DKW" : nullptr;
  if (art == nullptr) return;
  Editor* ed = t_.editor;
  const QString name = QString::fromUtf8(art);
  QMenu* untermenue = menue.addMenu(name);
  auto eintrag = [&](const char* kennung, const QString& text, std::function<bool()> befehl, bool an) {
    QAction* a = NeueAktion(untermenue, kennung, text, "", [this, befehl] { t_.befehl(befehl); });
    a->setEnabled(an);
    untermenue->addAction(a);
  };
  eintrag("PM_KreuzungDrehen", name + " drehen", [ed] { return ed->KreuzungDrehen(); }, true);
  eintrag("PM_KreuzungEntfernen", name + " aus dem Plan entfernen", [ed] { return ed->KreuzungAusPlanEntfernen(); },
          k.kreuzungEntfernen);
}

}  // namespace trm::gui
