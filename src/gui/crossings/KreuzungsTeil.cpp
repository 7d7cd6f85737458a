// The crossings and slips in the main window.
#include "gui/crossings/KreuzungsTeil.h"

#include <QAction>
#include <QMenu>
#include <QToolBar>

#include "core/crossings/Kreuzung.h"
#include "core/crossings/KreuzungsBefehle.h"
#include "core/crossings/Kreuzungslisten.h"
#include "core/editor/Bibliothek.h"
#include "core/model/Anlage.h"
#include "gui/crossings/KrDatenfenster.h"
#include "gui/editor/Aktion.h"

namespace trm::gui {

namespace {

/// A kind's list: its tool button, menu names and what its button shows.
struct Listenknopf {
  Elementart art;
  const TListenart* liste;
  const char* knopf;   ///< tool button
  const char* text;    ///< its caption
  const char* menue;   ///< the entry in "importieren" and "exportieren"
};

const std::array<Listenknopf, 3> Listen = {{
    {Elementart::Kreuzung, &ListeKreuzungen, "TB_Kreuzungsliste", "Kre", "Kreuzungsliste"},
    {Elementart::EKW, &ListeEKW, "TB_EKW-Liste", "EKW", "EKW-Liste"},
    {Elementart::DKW, &ListeDKW, "TB_DKW-Liste", "DKW", "DKW-Liste"},
}};

}  // namespace

KreuzungsTeil::~KreuzungsTeil() {
  // The windows belong to the main window and outlive the editor.
  for (KrDatenfenster* f : fenster_)
    if (f) f->Trennen();
}

void KreuzungsTeil::Anlegen(const Fensterteile& t) {
  t_ = t;
  fenster_ = {new TKreuzungsdaten(t, t.fenster), new TEKWDaten(t, t.fenster), new TDKWDaten(t, t.fenster)};
  for (const Listenknopf& l : Listen) {
    const TListenart* liste = l.liste;
    const QString menue = QString::fromUtf8(l.menue);
    t.importieren->addAction(NeueAktion(t.fenster, QStringLiteral("MI_Import") + menue, menue, "", [this, liste] {
      if (t_.editor->ListeImportieren(*liste)) t_.aktualisieren();
    }));
    t.exportieren->addAction(NeueAktion(t.fenster, QStringLiteral("MI_Export") + menue, menue, "", [this, liste] {
      ListeExportierenDialog(t_.editor->anlage(), *liste, *t_.dialoge);
    }));
    const Elementart art = l.art;
    t.elemente->addAction(NeueAktion(t.fenster, QString::fromUtf8(l.knopf), QString::fromUtf8(l.text),
                                     menue + QStringLiteral(" aufrufen"), [this, liste, art] {
                                       // Only the new element's window stays open.
                                       for (KrDatenfenster* f : fenster_) f->hide();
                                       Editor* ed = t_.editor;
                                       if (ListeZeigen(t_, *liste, [ed, art](const Zeilen& satz) {
                                             return KreuzungEinsetzen(*ed, art, satz);
                                           }))
                                         Zeigen();
                                     }));
  }
}

void KreuzungsTeil::Kontextmenue(QMenu& menue, const Kontextzustand& k) {
  Editor* ed = t_.editor;
  const bool kreuzung = k.element == Elementart::Kreuzung, ekw = k.element == Elementart::EKW,
             dkw = k.element == Elementart::DKW;
  const char* art = kreuzung ? "Kreuzung" : ekw ? "EKW" : dkw ? "DKW" : nullptr;
  if (art != nullptr) {
    const QString name = QString::fromUtf8(art);
    QMenu* untermenue = menue.addMenu(name);
    auto eintrag = [&](const char* kennung, const QString& text, std::function<bool()> befehl, bool an) {
      QAction* a = NeueAktion(untermenue, kennung, text, "", [this, befehl] { t_.befehl(befehl); });
      a->setEnabled(an);
      untermenue->addAction(a);
    };
    eintrag("PM_KreuzungDrehen", name + " drehen", [ed] { return ed->ElementDrehen(); }, true);
    eintrag("PM_KreuzungEntfernen", name + " aus dem Plan entfernen", [ed] { return ed->ElementAusPlanEntfernen(); },
            k.elementEntfernen);
  }
  const std::array<std::pair<const char*, bool>, 3> speichern = {{{"Kreuzung -> Kreuzungsliste", kreuzung},
                                                                   {"EKW -> EKW-Liste", ekw},
                                                                   {"DKW -> DKW-Liste", dkw}}};
  for (const auto& [text, an] : speichern) {
    const QString t = QString::fromUtf8(text);
    QAction* a = NeueAktion(&menue, QStringLiteral("PM_") + t.section(' ', 0, 0), t, "",
                            [ed] { KreuzungSpeichern(*ed); });
    a->setEnabled(an);
    menue.addAction(a);
  }
}

void KreuzungsTeil::Aktualisieren(const Befehlszustand&) {
  // A window belongs to the element of the current track: without one of its kind it goes.
  const TKreuzung* k = Kreuzung(*t_.editor);
  for (KrDatenfenster* f : fenster_) {
    if (!f->isVisible()) continue;
    if (k && k->Art() == f->Art())
      f->Auffrischen();
    else
      f->hide();
  }
}

void KreuzungsTeil::Elementfenster(Fensteranlass anlass) {
  if (anlass == Fensteranlass::Verbergen)
    for (KrDatenfenster* f : fenster_) f->hide();
  else if (ElementfensterOeffnen(t_.editor->anlage(), anlass))
    Zeigen();
}

void KreuzungsTeil::Zeigen() {
  const TKreuzung* k = Kreuzung(*t_.editor);
  for (KrDatenfenster* f : fenster_) {
    if (k && k->Art() == f->Art())
      f->Zeigen();
    else
      f->hide();
  }
}

}  // namespace trm::gui
