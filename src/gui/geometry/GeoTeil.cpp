// Background components in the main window.
#include "gui/geometry/GeoTeil.h"

#include <QAction>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QMenu>
#include <QRadioButton>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "core/editor/Maus.h"
#include "core/geometry/Geo.h"
#include "core/geometry/GeoBefehle.h"
#include "core/model/Modul.h"
#include "core/model/Zahlformat.h"
#include "gui/editor/Aktion.h"
#include "gui/editor/Zahlenfeld.h"
#include "gui/geometry/TGeoDaten.h"

namespace trm::gui {

void GeoTeil::Anlegen(const Fensterteile& t) {
  t_ = t;
  editorFenster_ = new TGeoDaten(*t.editor, t.fenster);
  menue_ = new QMenu(t.fenster);
  QObject::connect(menue_, &QMenu::aboutToShow, t.fenster, [this] { MenueAufbauen(); });
  QAction* haus = NeueAktion(t.fenster, QStringLiteral("TB_Haus"), QStringLiteral("Geo"), QStringLiteral("Element-Editor"), [this] {
    editorFenster_->show();
    editorFenster_->raise();
  });
  haus->setMenu(menue_);
  t.elemente->addAction(haus);
  if (auto* k = qobject_cast<QToolButton*>(t.elemente->widgetForAction(haus))) k->setPopupMode(QToolButton::MenuButtonPopup);
  if (t.maus)
    t.maus->elementDialog = [this](TElement& e) {
      if (e.Art() == Elementart::Geo) Dialog(static_cast<TGeo&>(e));
    };
}

void GeoTeil::MenueAufbauen() {
  menue_->clear();
  Editor& ed = *t_.editor;
  QMenu* bearbeiten = menue_->addMenu(QStringLiteral("Element bearbeiten"));
  bearbeiten->setEnabled(ed.modul() && !ed.modul()->ElementeDerArt(Elementart::Geo).empty());
  for (auto [text, modus] : {std::pair{"drehen", Mausmodus::GeoDrehen}, std::pair{"verformen", Mausmodus::GeoVerformen},
                             std::pair{"entfernen", Mausmodus::GeoEntfernen}})
    bearbeiten->addAction(QString::fromUtf8(text), t_.fenster, [this, m = modus] {
      t_.editor->ModusSetzen(m);
      t_.neuZeichnen();
    });
  const std::vector<std::string> namen = GeoListenNamen(ed);
  for (std::size_t k = 0; k < namen.size(); ++k)
    menue_->addAction(QString::fromStdString(namen[k]), t_.fenster, [this, k] { t_.befehl([this, k] { return GeoEinsetzen(*t_.editor, k); }); });
  menue_->addSeparator();
  menue_->addAction(QStringLiteral("Bauteile-Liste importieren"), t_.fenster, [this] { t_.befehl([this] { return GeoListeImportieren(*t_.editor); }); });
}

void GeoTeil::Dialog(TGeo& g) {
  // "Element bearbeiten": the last shift and angle are kept between uses.
  static QString letztesX = QStringLiteral("0"), letztesY = QStringLiteral("0"), letzteDrehung = QStringLiteral("0");
  QDialog d(t_.fenster);
  d.setObjectName(QStringLiteral("TElementdaten"));
  d.setWindowTitle(QStringLiteral("Element bearbeiten"));
  d.move(50, 50);
  auto* gruppe = new QGroupBox(QString::fromStdString(g.Name), &d);
  auto feld = [&](const char* name, const QString& text) {
    auto* f = new Zahlenfeld(false, gruppe);
    f->setObjectName(QString::fromUtf8(name));
    f->Zeigen(text);
    return f;
  };
  Zahlenfeld* xpos = feld("ED_Xpos", QString::fromStdString(FestText(g.Bezugspunkt.x)));
  Zahlenfeld* ypos = feld("ED_Ypos", QString::fromStdString(FestText(g.Bezugspunkt.y)));
  Zahlenfeld* xv = feld("ED_XVect", letztesX);
  Zahlenfeld* yv = feld("ED_Yvect", letztesY);
  Zahlenfeld* dreh = feld("ED_DrehVect", letzteDrehung);
  auto* verschieben = new QRadioButton(QStringLiteral("verschieben"), gruppe);
  verschieben->setObjectName(QStringLiteral("RB_verschieben"));
  verschieben->setChecked(true);
  auto* position = new QRadioButton(QStringLiteral("Position"), gruppe);
  position->setObjectName(QStringLiteral("RB_position"));
  auto* f = new QFormLayout(gruppe);
  f->addRow(position);
  f->addRow(QStringLiteral("x-Koord."), xpos);
  f->addRow(QStringLiteral("y-Koord."), ypos);
  f->addRow(verschieben);
  f->addRow(QStringLiteral("x-Achse"), xv);
  f->addRow(QStringLiteral("y-Achse"), yv);
  f->addRow(QStringLiteral("drehen"), dreh);
  auto* knoepfe = new QDialogButtonBox(&d);
  knoepfe->addButton(QStringLiteral("übernehmen"), QDialogButtonBox::AcceptRole);
  knoepfe->addButton(QStringLiteral("abbrechen"), QDialogButtonBox::RejectRole);
  QObject::connect(knoepfe, &QDialogButtonBox::accepted, &d, &QDialog::accept);
  QObject::connect(knoepfe, &QDialogButtonBox::rejected, &d, &QDialog::reject);
  auto* l = new QVBoxLayout(&d);
  l->addWidget(gruppe);
  l->addWidget(knoepfe);
  if (d.exec() != QDialog::Accepted) return;
  letztesX = xv->text();
  letztesY = yv->text();
  letzteDrehung = dreh->text();
  TGeoVerschiebung v;
  v.position = position->isChecked();
  v.x = (v.position ? xpos : xv)->text().toStdString();
  v.y = (v.position ? ypos : yv)->text().toStdString();
  v.grad = dreh->text().toStdString();
  t_.befehl([&] { return GeoDialogAnwenden(*t_.editor, g, v); });
}

}  // namespace trm::gui
