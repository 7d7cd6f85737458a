// The turntables in the main window.
#include <algorithm>

#include "gui/turnouts/DrehscheibenTeil.h"

#include <QAction>
#include <QMenu>
#include <QToolBar>

#include "core/editor/Bibliothek.h"
#include "core/model/Anlage.h"
#include "core/turnouts/DrehscheibenBefehle.h"
#include "core/turnouts/Drehscheibenliste.h"
#include "gui/editor/Aktion.h"
#include "gui/turnouts/TDrehSch_Daten.h"

namespace trm::gui {

void DrehscheibenTeil::Anlegen(const Fensterteile& t) {
  t_ = t;
  daten_ = new TDrehSch_Daten(t, t.fenster);
  t.importieren->addAction(NeueAktion(t.fenster, "MI_ImportDrehscheibenliste", "Drehscheibenliste", "", [this] {
    if (t_.editor->ListeImportieren(ListeDrehscheiben)) t_.aktualisieren();
  }));
  t.exportieren->addAction(NeueAktion(t.fenster, "MI_ExportDrehscheibenliste", "Drehscheibenliste", "", [this] {
    ListeExportierenDialog(t_.editor->anlage(), ListeDrehscheiben, *t_.dialoge);
  }));
  t.elemente->addAction(NeueAktion(t.fenster, "TB_DS", "Dre", "Drehscheibenliste aufrufen", [this] {
    Editor* ed = t_.editor;
    if (ListeZeigen(t_, ListeDrehscheiben, [ed](const Zeilen& satz) { return DrehscheibeEinsetzen(*ed, satz); }))
      Zeigen();
  }));
}

void DrehscheibenTeil::Kontextmenue(QMenu& menue, const Kontextzustand& k) {
  QAction* liste = NeueAktion(&menue, "PM_Drehscheibe", "Drehscheibe -> Drehscheibenliste", "",
                              [this] { DrehscheibeSpeichern(*t_.editor); });
  liste->setEnabled(std::ranges::find(k.markiert, Elementart::Drehscheibe) != k.markiert.end());
  menue.addAction(liste);
}

void DrehscheibenTeil::Aktualisieren(const Befehlszustand&) {
  // The window belongs to the selected turntable: without one (undone, removed) it goes.
  if (!daten_->isVisible()) return;
  if (Drehscheibe(*t_.editor))
    daten_->Auffrischen();
  else
    daten_->hide();
}

void DrehscheibenTeil::Elementfenster(Fensteranlass anlass) {
  if (anlass == Fensteranlass::Verbergen)
    daten_->hide();
  else if (ElementfensterOeffnen(t_.editor->anlage(), anlass))
    Zeigen();
}

void DrehscheibenTeil::Zeigen() {
  if (!Drehscheibe(*t_.editor)) {
    daten_->hide();
    return;
  }
  daten_->Zeigen();
}

}  // namespace trm::gui
