// The optimiser and the curve windows in the main window.
#include "gui/optimiser/OptimiererTeil.h"

#include <QAction>
#include <QCoreApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QStatusBar>
#include <chrono>

#include "core/editor/Maus.h"
#include "core/model/Bogen.h"
#include "core/model/Geometrie.h"
#include "core/model/Gleis.h"
#include "core/model/Modul.h"
#include "core/model/OptiEP.h"
#include "core/model/Zahlformat.h"
#include "core/optimiser/Optimierer.h"
#include "core/optimiser/OptiZiel.h"
#include "gui/editor/Aktion.h"
#include "gui/editor/TBogenFF.h"
#include "gui/editor/TBogendaten.h"
#include "gui/optimiser/TOptiDaten.h"
#include "gui/optimiser/TOptiStatus.h"

namespace trm::gui {

OptimiererTeil::OptimiererTeil() = default;
OptimiererTeil::~OptimiererTeil() = default;

void OptimiererTeil::Anlegen(const Fensterteile& t) {
  t_ = t;
  Editor& ed = *t.editor;
  opt_ = std::make_unique<Optimierer>(ed, *t.dialoge);
  opt_->Zufall.seed(static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()));

  bogendaten_ = new TBogendaten(ed, t.fenster);
  bogendaten_->befehl = t.befehl;
  bogendaten_->optiAnfang = [this] { t_.befehl([this] { return opt_->AnfangMarkieren(); }); };
  bogendaten_->optiEnde = [this] {
    std::optional<bool> zeigen;
    t_.befehl([this, &zeigen] {
      zeigen = opt_->EndeMarkieren();
      return zeigen.has_value();
    });
    if (zeigen) OptiFensterZeigen(*zeigen);
  };
  fortfuehren_ = new TBogenFF(ed, t.fenster);
  fortfuehren_->befehl = t.befehl;
  optidaten_ = new TOptiDaten(ed, *opt_, t.fenster);
  optidaten_->neuZeichnen = t.neuZeichnen;
  optidaten_->optimieren = [this] { Laufen([this](const trm::TOptiStatus& s) { return opt_->Optimieren(s); }); };
  status_ = new TOptiStatus(ed, t.fenster);

  auto aktion = [&](const char* name) { return t.fenster->findChild<QAction*>(QString::fromUtf8(name)); };
  if (QAction* a = aktion("MI_FensterBogendaten")) {
    a->setEnabled(true);
    QObject::connect(a, &QAction::triggered, bogendaten_, [this] {
      bogendaten_->show();
      bogendaten_->raise();
      bogendaten_->Auffrischen();
    });
  }
  optiFensterAktion_ = aktion("MI_FensterOptimierung");
  if (optiFensterAktion_) {
    optiFensterAktion_->setEnabled(true);
    QObject::connect(optiFensterAktion_, &QAction::triggered, optidaten_, [this] { OptiFensterZeigen(true); });
  }
  rueckgaengig_ = aktion("MI_OptiRueckgaengig");
  if (rueckgaengig_) {
    QObject::connect(rueckgaengig_, &QAction::triggered, t.fenster, [this] { t_.befehl([this] { return opt_->Rueckgaengig(); }); });
    for (QObject* o : rueckgaengig_->associatedObjects())
      if (auto* menue = qobject_cast<QMenu*>(o))
        QObject::connect(menue, &QMenu::aboutToShow, t.fenster, [this] { rueckgaengig_->setEnabled(opt_->RueckgaengigMoeglich()); });
  }
  if (QAction* a = aktion("MI_Bogenbisx/y-Wertfortführen")) {
    QObject::connect(a, &QAction::triggered, fortfuehren_, [this] {
      fortfuehren_->show();
      fortfuehren_->raise();
    });
  }
  if (auto* haupt = qobject_cast<QMainWindow*>(t.fenster)) {
    luecke_ = new QLabel(haupt);
    luecke_->setObjectName(QStringLiteral("L_Luecke"));
    haupt->statusBar()->addPermanentWidget(luecke_);
  }
  if (t_.maus) ZielMausAnschliessen(*t_.maus, *opt_, [this] { optidaten_->Auffrischen(); });
}

void OptimiererTeil::OptiFensterZeigen(bool zeigen) {
  if (!zeigen) {
    optidaten_->hide();
    if (optiFensterAktion_) optiFensterAktion_->setEnabled(true);
    return;
  }
  optidaten_->show();
  optidaten_->raise();
  optidaten_->Auffrischen();
  if (optiFensterAktion_) optiFensterAktion_->setEnabled(false);
}

void OptimiererTeil::Laufen(const std::function<OptiAusgang(const trm::TOptiStatus&)>& lauf) {
  Editor& ed = *t_.editor;
  trm::TOptiStatus s;
  s.zeigen = [this] {
    status_->show();
    QCoreApplication::processEvents();
  };
  s.schliessen = [this] { status_->hide(); };
  s.abbrechen = [&ed] {
    QCoreApplication::processEvents();
    return ed.OptiAbbruch();
  };
  ed.OptiAbbruchSetzen(false);
  OptiAusgang ausgang = OptiAusgang::Nichts;
  t_.befehl([&] {
    ausgang = lauf(s);
    return true;
  });
  status_->hide();
  if (ausgang == OptiAusgang::ZuWenigParameter || ausgang == OptiAusgang::Erfolg || ausgang == OptiAusgang::Behalten ||
      ausgang == OptiAusgang::Verworfen)
    OptiFensterZeigen(false);
}

void OptimiererTeil::Kontextmenue(QMenu& menue, const Kontextzustand&) {
  const auto l = opt_->Luecke(t_.maus ? t_.maus->fangabstand : StdFangabstand);
  QAction* a = NeueAktion(&menue, QStringLiteral("PM_LueckeSchliessen"), QStringLiteral("Lücke schließen"), "", [this] {
    const double abstand = t_.maus ? t_.maus->fangabstand : StdFangabstand;
    Laufen([this, abstand](const trm::TOptiStatus& s) { return opt_->LueckeSchliessen(abstand, s); });
  });
  a->setEnabled(l.has_value());
  menue.addAction(a);
}

void OptimiererTeil::Aktualisieren(const Befehlszustand& z) {
  if (bogendaten_ && bogendaten_->isVisible()) bogendaten_->Auffrischen();
  if (optidaten_ && optidaten_->isVisible()) optidaten_->Auffrischen();
  if (rueckgaengig_) rueckgaengig_->setEnabled(opt_->RueckgaengigMoeglich());
  if (QAction* a = t_.fenster->findChild<QAction*>(QStringLiteral("MI_Bogenbisx/y-Wertfortführen"))) a->setEnabled(z.bogenFortfuehren);
  if (luecke_) {
    const auto l = opt_->Luecke(t_.maus ? t_.maus->fangabstand : StdFangabstand);
    luecke_->setText(l ? QString::fromStdString("Lücke: " + FestText(l->abstand) + " mm, " + FestText(l->winkelGrad) + "°")
                       : QString());
  }
}

void OptimiererTeil::Maus(const Mausantwort& a) {
  if (a.optimierfenster) OptiFensterZeigen(*a.optimierfenster);
  if (a.fensterAuffrischen) {
    if (bogendaten_->isVisible()) bogendaten_->Auffrischen();
    optidaten_->Auffrischen();
  }
}

}  // namespace trm::gui
