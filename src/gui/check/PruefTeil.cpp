// The layout check in the main window.
#include "gui/check/PruefTeil.h"

#include <QAction>
#include <QLabel>
#include <QStatusBar>
#include <QToolBar>

#include "core/check/Befundmarken.h"
#include "core/model/Anlage.h"
#include "core/model/Fehler.h"
#include "gui/check/TAnlagePruefen.h"
#include "gui/editor/Aktion.h"
#include "gui/editor/TGleisanlage.h"
#include "gui/editor/TZeichenflaeche.h"

namespace trm::gui {

void PruefTeil::Anlegen(const Fensterteile& t) {
  t_ = t;
  fenster_ = new TAnlagePruefen(t.fenster);
  fenster_->pruefen = [this] { Pruefen(); };
  fenster_->gewaehlt = [this](int i) { Waehlen(i); };
  fenster_->fortlaufendGeaendert = [this](bool an) {
    if (an) Pruefen();
  };
  auto oeffnen = [this] {
    fenster_->show();
    fenster_->raise();
    Pruefen();
  };
  if (QAction* a = t.fenster->findChild<QAction*>(QStringLiteral("MI_Anlageprüfen"))) {
    a->setEnabled(true);
    QObject::connect(a, &QAction::triggered, t.fenster, oeffnen);
  }
  t.elemente->addAction(NeueAktion(t.fenster, QStringLiteral("TB_Pruefen"), QStringLiteral("Prüfen"),
                                   QStringLiteral("Anlage prüfen"), oeffnen));
  if (auto* haupt = qobject_cast<TGleisanlage*>(t.fenster)) {
    zahl_ = new QLabel(haupt);
    zahl_->setObjectName(QStringLiteral("L_Pruefung"));
    haupt->statusBar()->addPermanentWidget(zahl_);
    flaeche_ = &haupt->zeichenflaeche();
    flaeche_->Zusatz = [this](Canvas& c, const TAnsicht& v) {
      if (befunde_.empty() || !t_.editor || !fenster_->isVisible()) return;
      BefundmarkenZeichnen(befunde_, t_.editor->anlage().AktModul, c, v, gewaehlt_);
    };
  }
}

void PruefTeil::Aktualisieren(const Befehlszustand&) {
  if (fenster_ && fenster_->Fortlaufend()) Pruefen();
}

void PruefTeil::Pruefen() {
  const Anlage& a = t_.editor->anlage();
  TPruefregeln regeln;
  QString hinweis;
  try {
    regeln = PruefregelnLaden(a.DatenPfad);
  } catch (const std::runtime_error& e) {
    hinweis = QStringLiteral("Die Prüfregeln des Datenordners sind nicht lesbar, es gelten die Vorgaben: ") +
              QString::fromStdString(e.what());
  }
  const std::vector<TBefund>& neu = pruefung_.Pruefen(a, regeln);
  if (pruefung_.Stand() != stand_ || hinweis != hinweis_) {
    stand_ = pruefung_.Stand();
    hinweis_ = hinweis;
    befunde_ = neu;
    gewaehlt_ = -1;
    fenster_->Zeigen(befunde_, hinweis);
    if (flaeche_) flaeche_->viewport()->update();
  }
  if (zahl_) {
    const std::size_t fehler = Fehlerzahl(befunde_);
    zahl_->setText(QStringLiteral("Prüfung: %1 Fehler, %2 Hinweise").arg(fehler).arg(befunde_.size() - fehler));
  }
}

void PruefTeil::Waehlen(int i) {
  if (i < 0 || i >= static_cast<int>(befunde_.size())) return;
  const TBefund b = befunde_[static_cast<std::size_t>(i)];
  gewaehlt_ = i;
  if (!b.gleise.empty()) t_.editor->GleisWaehlen(b.modul, b.gleise.front());
  else t_.editor->ModulWechseln(b.modul);
  if (t_.neuZeichnen) t_.neuZeichnen();
  const TModul* m = t_.editor->modul();
  if (flaeche_ && m && m->MmProPixel > 0)
    flaeche_->Zentrieren(QPoint(static_cast<int>(b.x / m->MmProPixel), static_cast<int>((m->Hoehe - b.y) / m->MmProPixel)));
  gewaehlt_ = i;
  if (flaeche_) flaeche_->viewport()->update();
}

}  // namespace trm::gui
