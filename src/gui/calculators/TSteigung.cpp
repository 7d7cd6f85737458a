// The gradient window.
#include "gui/calculators/TSteigung.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QScrollArea>
#include <QTableWidget>
#include <QVBoxLayout>

#include "core/editor/Editor.h"
#include "core/model/Gleis.h"
#include "gui/editor/Zahlenfeld.h"
#include "gui/editor/Zellen.h"
#include "gui/render/QtCanvas.h"

namespace trm::gui {

TSteigung::TSteigung(Editor& editor, QWidget* eltern)
    : QDialog(eltern, Qt::Tool | Qt::WindowStaysOnTopHint), ed_(editor), daten_(editor) {
  setObjectName(QStringLiteral("TSteigung"));
  setWindowTitle(QStringLiteral("Steigung"));
  rahmen_ = new QScrollArea(this);
  profil_ = new QLabel(rahmen_);
  profil_->setObjectName(QStringLiteral("Profil"));
  rahmen_->setWidget(profil_);
  rahmen_->setMinimumHeight(220);

  liste_ = new QTableWidget(6, 1, this);
  liste_->setObjectName(QStringLiteral("VLE_Stg"));
  liste_->setHorizontalHeaderLabels({QStringLiteral("Daten")});
  liste_->setVerticalHeaderLabels({QStringLiteral("Name"), QStringLiteral("Länge"), QStringLiteral("Steigung"),
                                   QStringLiteral("Höhe"), QStringLiteral("Höhendifferenz"),
                                   QStringLiteral("Ausrundungsradius")});
  liste_->horizontalHeader()->setStretchLastSection(true);
  liste_->installEventFilter(this);
  for (int i = 0; i < 6; ++i) {
    auto* item = new QTableWidgetItem;
    if (i < 2 || i == 5) item->setFlags(item->flags() & ~Qt::ItemIsEditable);
    liste_->setItem(i, 0, item);
  }
  ZellaenderungVerbinden(liste_, &fuellt_, [this](int zeile, int, const QString& text) { Zelle(zeile, text); });

  auto tun = [this](std::function<bool()> f) {
    if (befehl) befehl(f);
    Auffrischen();
  };
  auto* zurueck = new QPushButton(QStringLiteral("einen Bogen zurück"), this);
  auto* vor = new QPushButton(QStringLiteral("einen Bogen vor"), this);
  connect(zurueck, &QPushButton::clicked, this, [this] {
    daten_.Zurueck();
    Auffrischen();
  });
  connect(vor, &QPushButton::clicked, this, [this] {
    daten_.Vor();
    Auffrischen();
  });
  ausrundung_ = new QCheckBox(QStringLiteral("Ausrundung"), this);
  connect(ausrundung_, &QCheckBox::clicked, this, [this, tun](bool an) { tun([this, an] { return daten_.AusrundungSetzen(an); }); });
  nachfolgende_ = new QCheckBox(QStringLiteral("nachfolgende Bögen übernehmen Steigung"), this);
  vorhergehende_ = new QCheckBox(QStringLiteral("vorhergehende Bögen in Höhendifferenz einbeziehen"), this);
  connect(nachfolgende_, &QCheckBox::toggled, this, [this](bool an) { daten_.nachfolgendeUebernehmen = an; });
  connect(vorhergehende_, &QCheckBox::toggled, this, [this](bool an) { daten_.vorhergehendeEinbeziehen = an; });
  vomVorgaenger_ = new QPushButton(QStringLiteral("Höhe vom Vorgängergleis übernehmen"), this);
  aufNachfolger_ = new QPushButton(QStringLiteral("Höhe auf Nachfolgergleis übertragen"), this);
  connect(vomVorgaenger_, &QPushButton::clicked, this, [this, tun] { tun([this] { return daten_.HoeheVomVorgaenger(); }); });
  connect(aufNachfolger_, &QPushButton::clicked, this, [this, tun] { tun([this] { return daten_.HoeheAufNachfolger(); }); });
  auto* anzeigen = new QPushButton(QStringLiteral("Anzeige aktualisieren"), this);
  connect(anzeigen, &QPushButton::clicked, this, [this] { Auffrischen(); });
  for (QPushButton* k : {zurueck, vor, vomVorgaenger_, aufNachfolger_, anzeigen}) k->setAutoDefault(false);

  drehscheibe_ = new QGroupBox(QStringLiteral("Drehscheibe"), this);
  auto* dl = new QHBoxLayout(drehscheibe_);
  dsHoehe_ = new Zahlenfeld(false, drehscheibe_);
  dsHoehe_->setObjectName(QStringLiteral("ED_DSz"));
  dsHoehe_->Uebernehmen = [this, tun](const QString& t) { tun([this, t] { return daten_.DrehscheibenhoeheSetzen(t.toStdString()); }); };
  dl->addWidget(new QLabel(QStringLiteral("Höhenkoordinate"), drehscheibe_));
  dl->addWidget(dsHoehe_);

  auto* rechts = new QVBoxLayout;
  rechts->addWidget(liste_);
  auto* nav = new QHBoxLayout;
  nav->addWidget(zurueck);
  nav->addWidget(vor);
  rechts->addLayout(nav);
  for (QWidget* w : {static_cast<QWidget*>(ausrundung_), static_cast<QWidget*>(nachfolgende_),
                     static_cast<QWidget*>(vorhergehende_), static_cast<QWidget*>(vomVorgaenger_),
                     static_cast<QWidget*>(aufNachfolger_), static_cast<QWidget*>(anzeigen),
                     static_cast<QWidget*>(drehscheibe_)})
    rechts->addWidget(w);
  auto* l = new QHBoxLayout(this);
  l->addWidget(rahmen_, 1);
  l->addLayout(rechts);
  resize(900, 420);
}

void TSteigung::showEvent(QShowEvent* e) {
  daten_.Waehlen();
  Auffrischen();
  if (parentWidget()) move(parentWidget()->geometry().center() - rect().center());
  QDialog::showEvent(e);
}

void TSteigung::Auffrischen() {
  fuellt_ = true;
  const TSteigungsanzeige z = daten_.Anzeige();
  for (int i = 0; i < 6; ++i) liste_->item(i, 0)->setText(z.vorhanden ? QString::fromStdString(z.zeilen[i]) : QString());
  ausrundung_->setChecked(z.ausrundung);
  nachfolgende_->setEnabled(z.gewoehnlich);
  vorhergehende_->setEnabled(z.gewoehnlich);
  ausrundung_->setEnabled(z.vorhanden);
  vomVorgaenger_->setEnabled(z.vorgaenger);
  aufNachfolger_->setEnabled(z.nachfolger);
  drehscheibe_->setVisible(z.drehscheibe);
  dsHoehe_->Zeigen(QString::fromStdString(z.drehscheibenhoehe));
  fuellt_ = false;

  const TGleis* g = Profilgleis(ed_);
  if (!g) {
    profil_->clear();
    return;
  }
  const int breite = Steigungsdaten::ProfilBreite(*g);
  const int hoehe = Steigungsdaten::ProfilHoehe(*g, rahmen_->viewport()->height());
  QPixmap bild(breite, hoehe);
  bild.fill(Qt::white);
  {
    QPainter p(&bild);
    QtCanvas c(p, breite, hoehe);
    daten_.ProfilZeichnen(c, hoehe);
  }
  profil_->setPixmap(bild);
  profil_->resize(bild.size());
}

void TSteigung::Zelle(int zeile, const QString& wert) {
  if (!befehl) return;
  const std::string text = wert.toStdString();
  if (zeile == 2) befehl([&] { return daten_.SteigungSetzen(text); });
  if (zeile == 3) befehl([&] { return daten_.HoeheSetzen(text); });
  if (zeile == 4) befehl([&] { return daten_.DifferenzSetzen(text); });
  Auffrischen();
}

bool TSteigung::eventFilter(QObject* o, QEvent* e) {
  if (o == liste_ && EnterZurNaechstenZeile(liste_, e, 0)) return true;
  return QDialog::eventFilter(o, e);
}

}  // namespace trm::gui
