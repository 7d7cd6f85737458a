// Output actions of the main window.
#include "gui/output/DruckTeil.h"

#include <QAction>
#include <QMenu>

#include "core/base/Dialoge.h"
#include "core/editor/Editor.h"
#include "core/model/Anlage.h"
#include "core/model/Neuberechnung.h"
#include "gui/editor/Aktion.h"
#include "gui/editor/TZeichenflaeche.h"
#include "gui/output/TDruckdaten.h"
#include "gui/output/TfStckListe.h"
#include "gui/render/Vektorexport.h"

namespace trm::gui {

void DruckTeil::Anlegen(const Fensterteile& t) {
  t_ = t;
  druck_ = new TDruckdaten(*t.editor, *t.dialoge, t.fenster->findChild<TZeichenflaeche*>(), t.fenster);
  liste_ = new TfStckListe(*t.editor, *t.dialoge, t.fenster);
  auto verbinden = [&](const char* name, std::function<void()> tun) {
    if (QAction* a = t.fenster->findChild<QAction*>(QString::fromUtf8(name))) {
      a->setEnabled(true);
      QObject::connect(a, &QAction::triggered, t.fenster, tun);
    }
  };
  auto drucken = [this] {
    if (!t_.editor->modul()) return;
    druck_->move(t_.fenster->mapToGlobal(QPoint(10, 10)));
    druck_->show();
    druck_->raise();
  };
  verbinden("MI_Drucken", drucken);
  verbinden("TB_Drucken", drucken);
  verbinden("MI_Stückliste", [this] {
    liste_->Neuaufbau();
    liste_->move(t_.fenster->geometry().center() - liste_->rect().center());
    liste_->show();
    liste_->raise();
  });
  auto pdf = [this](bool ansicht, bool svg = false) {
    TModul* m = t_.editor->modul();
    if (!m) return;
    const auto pfad = svg ? t_.dialoge->SpeichernDialog("SVG-Dateien (*.svg)|*.svg", t_.editor->anlage().Name, "svg")
                          : t_.dialoge->SpeichernDialog("PDF-Dateien (*.pdf)|*.pdf", t_.editor->anlage().Name, "pdf");
    if (!pfad) return;
    try {
      ModulBerechnen(*m);
      auto* f = t_.fenster->findChild<TZeichenflaeche*>();
      if (ansicht && f) {
        const QRect teil = QRect(QPoint(0, 0), f->Zeichnungsgroesse())
                               .intersected(f->viewport()->rect().translated(-f->Ursprung()));
        ModulPdf(t_.editor->anlage(), *m, QString::fromStdString(*pfad), teil);
      } else {
        ModulPdf(t_.editor->anlage(), *m, QString::fromStdString(*pfad));
      }
    } catch (const std::runtime_error& e) {
      t_.dialoge->Fehler(e.what());
    }
  };
  if (t.exportieren) {
    t.exportieren->addAction(NeueAktion(t.fenster, QStringLiteral("MI_PdfExport"), QStringLiteral("Zeichnung als PDF-Datei…"),
                                        QString(), [pdf] { pdf(false); }));
    t.exportieren->addAction(NeueAktion(t.fenster, QStringLiteral("MI_PdfAnsicht"), QStringLiteral("Ansicht als PDF-Datei…"),
                                        QString(), [pdf] { pdf(true); }));
    t.exportieren->addAction(NeueAktion(t.fenster, QStringLiteral("MI_SvgExport"), QStringLiteral("Zeichnung als SVG-Datei…"),
                                        QString(), [pdf] { pdf(false, true); }));
    t.exportieren->addAction(NeueAktion(t.fenster, QStringLiteral("MI_SvgAnsicht"), QStringLiteral("Ansicht als SVG-Datei…"),
                                        QString(), [pdf] { pdf(true, true); }));
  }
}

void DruckTeil::Aktualisieren(const Befehlszustand&) {
  // A command changes the drawing under the overlay and may change the module's size.
  if (druck_->isVisible()) druck_->Auffrischen();
}

}  // namespace trm::gui
