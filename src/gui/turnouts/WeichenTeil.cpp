// The turnouts in the main window.
#include "gui/turnouts/WeichenTeil.h"

#include <QAction>
#include <QMenu>
#include <QToolBar>

#include "core/editor/Bibliothek.h"
#include "core/turnouts/Weiche.h"
#include "core/turnouts/Weichenliste.h"
#include "gui/editor/Aktion.h"

namespace trm::gui {

void WeichenTeil::Anlegen(const Fensterteile& t) {
  t_ = t;
  t.importieren->addAction(NeueAktion(t.fenster, "MI_ImportWeichenliste", "Weichenliste", "", [this] {
    if (t_.editor->ListeImportieren(ListeWeichen)) t_.aktualisieren();
  }));
  t.exportieren->addAction(NeueAktion(t.fenster, "MI_ExportWeichenliste", "Weichenliste", "", [this] {
    ListeExportierenDialog(t_.editor->anlage(), ListeWeichen, *t_.dialoge);
  }));
  t.elemente->addAction(NeueAktion(t.fenster, "TB_Weichenliste", "Wei", "Weichenliste aufrufen", [this] {
    ListeZeigen(t_, ListeWeichen, [this](const Zeilen& satz) { return t_.editor->WeicheEinsetzen(satz); });
  }));
}

void WeichenTeil::Kontextmenue(QMenu& menue, const Kontextzustand& k) {
  auto eintrag = [&](QMenu* in, const char* name, const char* text, std::function<bool()> befehl, bool an) {
    QAction* a = NeueAktion(in, name, QString::fromUtf8(text), "", [this, befehl] { t_.befehl(befehl); });
    a->setEnabled(an);
    in->addAction(a);
  };
  Editor* ed = t_.editor;
  if (k.weicheInListe) {
    QMenu* weiche = menue.addMenu(QStringLiteral("Weiche"));
    eintrag(weiche, "PM_WeicheDrehen", "Weiche drehen", [ed] { return ed->WeicheDrehen(); }, true);
    eintrag(weiche, "PM_WeicheRichtung", "Linksweiche / Rechtsweiche", [ed] { return ed->WeicheRichtungWechseln(); },
            true);
    eintrag(weiche, "PM_WeicheEntfernen", "Weiche aus dem Plan entfernen",
            [ed] { return ed->WeicheAusPlanEntfernen(); }, k.weicheEntfernen);
  }
  QAction* liste = NeueAktion(&menue, "PM_Weiche", "Weiche -> Weichenliste", "", [this] {
    if (TEWeiche* w = t_.editor->weiche()) WeicheInListe(t_.editor->anlage(), *w, *t_.dialoge);
  });
  liste->setEnabled(k.weicheInListe);
  menue.addAction(liste);
}

}  // namespace trm::gui
