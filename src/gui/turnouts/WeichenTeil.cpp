// The turnouts in the main window.
#include "gui/turnouts/WeichenTeil.h"

#include <QAction>
#include <QMenu>
#include <QToolBar>

#include "core/editor/Bibliothek.h"
#include "core/import/XtpImport.h"
#include "core/model/Anlage.h"
#include "core/turnouts/Weiche.h"
#include "core/turnouts/Weichenliste.h"
#include "gui/editor/Aktion.h"
#include "gui/lists/TfListe.h"
#include "gui/turnouts/TEW_Schwellendaten.h"
#include "gui/turnouts/TWeichendaten.h"

namespace trm::gui {

namespace {
const QString XtpText = QStringLiteral("Weichen aus XTrackCAD-Parameterdatei…");
}

void WeichenTeil::Anlegen(const Fensterteile& t) {
  t_ = t;
  daten_ = new TWeichendaten(t, t.fenster);
  daten_->schwelleneditor = [this] { Schwelleneditor(); };
  t.importieren->addAction(
      NeueAktion(t.fenster, "MI_ImportWeichenliste", "Weichenliste", "", [this] {
        if (t_.editor->ListeImportieren(ListeWeichen)) t_.aktualisieren();
      }));
  t.importieren->addAction(NeueAktion(t.fenster, "MI_ImportXtp", XtpText, "", [this] {
    if (XtpWeichenImportieren(*t_.editor)) t_.aktualisieren();
  }));
  t.exportieren->addAction(NeueAktion(
      t.fenster, "MI_ExportWeichenliste", "Weichenliste", "",
      [this] { ListeExportierenDialog(t_.editor->anlage(), ListeWeichen, *t_.dialoge); }));
  t.elemente->addAction(
      NeueAktion(t.fenster, "TB_Weichenliste", "Wei", "Weichenliste aufrufen", [this] {
        if (ListeZeigen(
                t_, ListeWeichen, [this](const Zeilen& satz) { return t_.editor->ElementEinsetzen(Elementart::Weiche, satz); },
                [this](TfListe& fenster) {
                  fenster.ImportAnbieten("MI_ImportXtp", XtpText, [this] {
                    const bool neu = XtpWeichenImportieren(*t_.editor);
                    if (neu) t_.aktualisieren();
                    return neu;
                  });
                }))
          Zeigen();
      }));
}

void WeichenTeil::Kontextmenue(QMenu& menue, const Kontextzustand& k) {
  QAction* liste = NeueAktion(&menue, "PM_Weiche", "Weiche -> Weichenliste", "", [this] {
    if (TEWeiche* w = Weiche(*t_.editor)) WeicheInListe(t_.editor->anlage(), *w, *t_.dialoge);
  });
  liste->setEnabled(k.element == Elementart::Weiche);
  menue.addAction(liste);
}

void WeichenTeil::Aktualisieren(const Befehlszustand&) {
  // The window belongs to the current turnout: without one (undone, removed, another track
  // chosen) it goes.
  if (!daten_->isVisible()) return;
  if (Weiche(*t_.editor))
    daten_->Auffrischen();
  else
    daten_->hide();
}

void WeichenTeil::Elementfenster(Fensteranlass anlass) {
  if (anlass == Fensteranlass::Verbergen)
    daten_->hide();
  else if (ElementfensterOeffnen(t_.editor->anlage(), anlass))
    Zeigen();
}

void WeichenTeil::Zeigen() {
  if (!Weiche(*t_.editor)) {
    daten_->hide();
    return;
  }
  daten_->Zeigen();
}

void WeichenTeil::Schwelleneditor() {
  if (!Weiche(*t_.editor)) return;
  {
    TEW_Schwellendaten editor(*t_.editor, t_.fenster);
    editor.exec();
  }
  t_.neuZeichnen();
}

}  // namespace trm::gui
