// The data window of the selected turnout.
#include "gui/turnouts/TWeichendaten.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QTableWidget>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "core/turnouts/Weiche.h"
#include "gui/turnouts/TDoppelSw.h"
#include "gui/editor/Zellen.h"
#include "gui/turnouts/TSwSenkrecht.h"

namespace trm::gui {

namespace {
QString Q(const std::string& s) { return QString::fromStdString(s); }
}  // namespace

TWeichendaten::TWeichendaten(const Fensterteile& t, QWidget* eltern)
    : Werkzeugfenster(eltern), t_(t) {
  setObjectName(QStringLiteral("TWeichendaten"));
  setWindowTitle(QStringLiteral("Weichendaten"));
  seiten_ = new QTabWidget(this);

  auto* seite1 = new QWidget;
  auto* l1 = new QVBoxLayout(seite1);
  QTableWidget* grund = NeuesRaster("SG_Grundform", QStringLiteral("Grundform"), seite1);
  Zeile(grund, QStringLiteral("Name"), Weichenfeld::Name);
  Zeile(grund, QStringLiteral("Radius"), Weichenfeld::Radius);
  Zeile(grund, QStringLiteral("Winkel"), Weichenfeld::Winkel);
  Zeile(grund, QStringLiteral("Neigung"), Weichenfeld::Neigung);
  Zeile(grund, QStringLiteral("Tangentenlänge"), Weichenfeld::Tangentenlaenge);
  Auswahl(grund, QStringLiteral("Weichenrichtung"), Weichenfeld::Weichenrichtung,
          {QStringLiteral("Linksweiche"), QStringLiteral("Rechtsweiche")});
  Auswahl(grund, QStringLiteral("Anschluss mit"), Weichenfeld::Anschluss,
          {QStringLiteral("Stammgleisanfang"), QStringLiteral("Stammgleisende"),
           QStringLiteral("Zweiggleis")});
  Zeile(grund, QStringLiteral("Spurweite"), Weichenfeld::Spurweite);
  Zeile(grund, QStringLiteral("Schienenkopfbreite"), Weichenfeld::Schienenkopfbreite);
  QTableWidget* paar1 = NeuesRaster("SG_Bogenpaar1", QStringLiteral("Bogenpaar 1"), seite1);
  Zeile(paar1, QStringLiteral("Stammgleisradius"), Weichenfeld::Stammgleisradius);
  Zeile(paar1, QStringLiteral("Zweiggleisradius"), Weichenfeld::Zweiggleisradius);
  Zeile(paar1, QStringLiteral("Anfangsabstand"), Weichenfeld::AnfAbst1);
  Zeile(paar1, QStringLiteral("Endabstand"), Weichenfeld::EndAbst1);
  form_ = Anzeige(paar1, QStringLiteral("Weichenform"));
  l1->addWidget(grund);
  l1->addWidget(paar1);
  seiten_->addTab(seite1, QStringLiteral("Grundform und Bogenpaar 1"));

  auto* seite2 = new QWidget;
  auto* l2 = new QVBoxLayout(seite2);
  QTableWidget* paar2 = NeuesRaster("SG_Bogenpaar2", QStringLiteral("Bogenpaar 2"), seite2);
  Zeile(paar2, QStringLiteral("Länge"), Weichenfeld::Laenge2);
  Zeile(paar2, QStringLiteral("Radius"), Weichenfeld::Radius2);
  Zeile(paar2, QStringLiteral("Anfangsabstand"), Weichenfeld::AnfAbst2);
  Zeile(paar2, QStringLiteral("Endabstand"), Weichenfeld::EndAbst2);
  QTableWidget* stamm3 = NeuesRaster("SG_Stammbogen3", QStringLiteral("Stammbogen 3"), seite2);
  Zeile(stamm3, QStringLiteral("Länge"), Weichenfeld::StammLaenge3);
  Zeile(stamm3, QStringLiteral("Radius"), Weichenfeld::StammRadius3);
  Zeile(stamm3, QStringLiteral("Anfangsabstand"), Weichenfeld::AnfAbst3);
  Zeile(stamm3, QStringLiteral("Endabstand"), Weichenfeld::EndAbst3);
  QTableWidget* zweig3 = NeuesRaster("SG_Zweigbogen3", QStringLiteral("Zweigbogen 3"), seite2);
  Zeile(zweig3, QStringLiteral("Länge"), Weichenfeld::ZweigLaenge3);
  Zeile(zweig3, QStringLiteral("Radius"), Weichenfeld::ZweigRadius3);
  Zeile(zweig3, QStringLiteral("Anfangsabstand"), Weichenfeld::AnfAbst3);
  Zeile(zweig3, QStringLiteral("Endabstand"), Weichenfeld::EndAbst3);
  for (QTableWidget* r : {paar2, stamm3, zweig3}) l2->addWidget(r);
  seiten_->addTab(seite2, QStringLiteral("Bogenpaare 2 und 3"));

  auto* seite3 = new QWidget;
  auto* l3 = new QVBoxLayout(seite3);
  QTableWidget* schwellen = NeuesRaster("SG_Schwellen", QStringLiteral("Schwellen"), seite3);
  Zeile(schwellen, QStringLiteral("Schwellenlänge"), Weichenfeld::Schwellenlaenge);
  Zeile(schwellen, QStringLiteral("Schwellenbreite"), Weichenfeld::Schwellenbreite);
  Zeile(schwellen, QStringLiteral("Schwellenabstand"), Weichenfeld::Schwellenabstand);
  Zeile(schwellen, QStringLiteral("Maximale Schwellenlänge"), Weichenfeld::MaxSchwellenlaenge);
  auto* doppelKnopf = new QToolButton;
  doppelKnopf->setObjectName(QStringLiteral("BT_Doppelschwellen"));
  doppelKnopf->setText(QStringLiteral("..."));
  connect(doppelKnopf, &QToolButton::clicked, this, &TWeichendaten::Doppelschwellen);
  doppel_ = Anzeige(schwellen, QStringLiteral("Doppelschwellen"), doppelKnopf);
  Zeile(schwellen, QStringLiteral("Schwellen senkrecht"), Weichenfeld::SchwellenSenkrecht);
  Auswahl(schwellen, QStringLiteral("Schwellenplan"), Weichenfeld::Schwellenplan,
          {QStringLiteral("automatisch"), QStringLiteral("benutzerdefiniert")});
  Zeile(schwellen, QStringLiteral("Korrekturfaktor"), Weichenfeld::Korrekturfaktor);
  l3->addWidget(schwellen);
  auto* senkrecht = new QPushButton(QStringLiteral("Schwellen senkrecht/fächerförmig..."), seite3);
  senkrecht->setObjectName(QStringLiteral("BT_SchwellenSenkrecht"));
  connect(senkrecht, &QPushButton::clicked, this, &TWeichendaten::Senkrecht);
  l3->addWidget(senkrecht);
  passt_ = new QLabel(
      QStringLiteral("Der benutzerdefinierte Schwellenplan passt nicht zur Weiche."), seite3);
  passt_->setObjectName(QStringLiteral("LB_PlanPasstNicht"));
  passt_->setStyleSheet(QStringLiteral("color: red"));
  passt_->setWordWrap(true);
  l3->addWidget(passt_);
  l3->addStretch();
  seiten_->addTab(seite3, QStringLiteral("Schwellenplan"));

  auto* leiste = new QToolBar(this);
  leiste->setObjectName(QStringLiteral("TB_Weichendaten"));
  Editor* ed = t_.editor;
  auto knopf = [&](const char* name, const QString& text, const QString& hinweis,
                   std::function<void()> tun) {
    auto* k = new QToolButton(leiste);
    k->setObjectName(QString::fromUtf8(name));
    k->setText(text);
    k->setToolTip(hinweis);
    connect(k, &QToolButton::clicked, this, std::move(tun));
    leiste->addWidget(k);
    return k;
  };
  knopf("TB_Richtung", QStringLiteral("R/L"), QStringLiteral("Rechts-/Linksweiche"),
        [this, ed] { t_.befehl([ed] { return ed->ElementSpiegeln(); }); });
  knopf("TB_Drehen", QStringLiteral("Drehen"), QStringLiteral("Weiche drehen"),
        [this, ed] { t_.befehl([ed] { return ed->ElementDrehen(); }); });
  entfernen_ = knopf("TB_Entfernen", QStringLiteral("Entfernen"),
                     QStringLiteral("Weiche aus dem Plan entfernen"), [this, ed] {
                       t_.befehl([ed] { return ed->ElementAusPlanEntfernen(); });
                       hide();
                     });
  laengen_ = new QCheckBox(QStringLiteral("Längen anpassen"), leiste);
  laengen_->setObjectName(QStringLiteral("CB_LaengenAnpassen"));
  laengen_->setToolTip(
      QStringLiteral("Längen für Bogen 3 im Stamm- und Zweigleis gemeinsam setzen"));
  connect(laengen_, &QCheckBox::clicked, this,
          [this, ed](bool an) { t_.befehl([ed, an] { return WeicheOptionSetzen(*ed, 4, an); }); });
  leiste->addWidget(laengen_);
  radius_ = new QCheckBox(QStringLiteral("Radius anpassen"), leiste);
  radius_->setObjectName(QStringLiteral("CB_RadiusAnpassen"));
  radius_->setToolTip(
      QStringLiteral("Krümmungsrichtung des Bogenpaar 3 passt sich Stammgleisradius an"));
  connect(radius_, &QCheckBox::clicked, this,
          [this, ed](bool an) { t_.befehl([ed, an] { return WeicheOptionSetzen(*ed, 3, an); }); });
  leiste->addWidget(radius_);
  knopf("TB_Farbe", QStringLiteral("Farbe"), QStringLiteral("Weichenfarbe auswählen"), [this] {
    if (auto* a = t_.fenster->findChild<QAction*>(QStringLiteral("MI_FarbeAuswaehlen")))
      a->trigger();
  });
  knopf("TB_Schwelleneditor", QStringLiteral("Schwellen"),
        QStringLiteral("Schwelleneditor aufrufen"), [this] {
          if (schwelleneditor) schwelleneditor();
        });

  auto* l = new QVBoxLayout(this);
  l->addWidget(seiten_);
  l->addWidget(leiste);
}

QTableWidget* TWeichendaten::NeuesRaster(const char* name, const QString& titel, QWidget* seite) {
  auto* t = new QTableWidget(0, 2, seite);
  t->setObjectName(QString::fromUtf8(name));
  t->setHorizontalHeaderLabels({titel, QStringLiteral("Daten")});
  t->verticalHeader()->hide();
  t->horizontalHeader()->setStretchLastSection(true);
  t->setColumnWidth(0, 170);
  t->setSelectionMode(QAbstractItemView::SingleSelection);
  t->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                     QAbstractItemView::AnyKeyPressed);
  t->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(t, &QTableWidget::customContextMenuRequested, this,
          [this, t](const QPoint& p) { Kontextmenue(t, p); });
  ZellaenderungVerbinden(t, &fuellen_, [this, t](int zeile, int spalte, const QString& text) {
    if (spalte == 1) Geaendert(t, zeile, text);
  });
  t->installEventFilter(this);
  return t;
}

namespace {
/// A new row with its key cell, which is not editable.
int NeueZeile(QTableWidget* t, const QString& name) {
  const int z = t->rowCount();
  t->insertRow(z);
  auto* schluessel = new QTableWidgetItem(name);
  schluessel->setFlags(Qt::ItemIsEnabled);
  t->setItem(z, 0, schluessel);
  t->setMinimumHeight(t->horizontalHeader()->height() +
                      (z + 1) * t->verticalHeader()->defaultSectionSize() + 4);
  return z;
}
}  // namespace

void TWeichendaten::Zeile(QTableWidget* t, const QString& name, Weichenfeld f) {
  const int z = NeueZeile(t, name);
  t->setItem(z, 1, new QTableWidgetItem);
  if (!zellen_.count(f)) zellen_[f] = {t, z};
  felder_[{t, z}] = f;
}

void TWeichendaten::Auswahl(QTableWidget* t, const QString& name, Weichenfeld f,
                            const QStringList& werte) {
  const int z = NeueZeile(t, name);
  auto* liste = new QComboBox;
  liste->addItems(werte);
  liste->setObjectName(QStringLiteral("CB_") + name.simplified().remove(' '));
  connect(liste, &QComboBox::activated, this, [this, liste, f](int) {
    if (fuellen_) return;
    const std::string text = liste->currentText().toStdString();
    Editor* ed = t_.editor;
    t_.befehl([ed, f, text] { return WeicheFeldSetzen(*ed, f, text); });
    if (f == Weichenfeld::Schwellenplan && text == "benutzerdefiniert" && Weiche(*ed) &&
        !Weiche(*ed)->SchwellenAutomatisch() && schwelleneditor)
      schwelleneditor();
  });
  t->setCellWidget(z, 1, liste);
  zellen_[f] = {t, z};
  auswahl_[f] = liste;
}

QLabel* TWeichendaten::Anzeige(QTableWidget* t, const QString& name, QToolButton* knopf) {
  const int z = NeueZeile(t, name);
  auto* zelle = new QWidget;
  auto* l = new QHBoxLayout(zelle);
  l->setContentsMargins(4, 0, 0, 0);
  auto* text = new QLabel;
  l->addWidget(text, 1);
  if (knopf) l->addWidget(knopf);
  t->setCellWidget(z, 1, zelle);
  return text;
}

QTableWidget* TWeichendaten::Raster(const QString& name) const {
  return findChild<QTableWidget*>(name);
}

void TWeichendaten::Geaendert(QTableWidget* t, int zeile, const QString& wert) {
  const auto f = felder_.find({t, zeile});
  if (f == felder_.end()) return;
  const std::string text = wert.toStdString();
  Editor* ed = t_.editor;
  const Weichenfeld feld = f->second;
  // A refused value is put back by the refresh that follows every command.
  t_.befehl([ed, feld, text] { return WeicheFeldSetzen(*ed, feld, text); });
}

void TWeichendaten::Zeigen() {
  show();
  Auffrischen();
}

void TWeichendaten::Auffrischen() {
  const TEWeiche* w = Weiche(*t_.editor);
  if (!w) return;
  const Weichenanzeige z = WeicheAnzeigen(t_.editor->anlage(), *w);
  fuellen_ = true;
  setWindowTitle(Q(z.titel));
  for (const auto& [zelle, feld] : felder_)
    if (QTableWidgetItem* i = zelle.first->item(zelle.second, 1)) i->setText(Q(z.werte.at(feld)));
  for (const auto& [feld, liste] : auswahl_) liste->setCurrentText(Q(z.werte.at(feld)));
  form_->setText(Q(z.weichenform));
  doppel_->setText(Q(z.doppelschwellen));
  passt_->setVisible(!z.planPasst);
  laengen_->setChecked(z.laengenAnpassen);
  radius_->setChecked(z.radiusAnpassen);
  entfernen_->setEnabled(z.entfernen);
  fuellen_ = false;
}

bool TWeichendaten::eventFilter(QObject* o, QEvent* e) {
  // Enter in a grid moves to the next row, from the last back to the first.
  if (auto* t = qobject_cast<QTableWidget*>(o); t && EnterZurNaechstenZeile(t, e, 1)) return true;
  return Werkzeugfenster::eventFilter(o, e);
}

void TWeichendaten::Kontextmenue(QTableWidget* t, const QPoint& p) {
  QTableWidgetItem* i = t->itemAt(p);
  if (!i || i->column() != 1) return;
  QMenu menue(this);
  std::string& puffer = t_.editor->Wertpuffer();
  menue.addAction(QStringLiteral("Wert kopieren"), this, [i, &puffer] {
    puffer = i->text().toStdString();
    QApplication::clipboard()->setText(i->text());
  });
  QAction* einfuegen = menue.addAction(QStringLiteral("Wert einfügen"), this, [i, &puffer] {
    i->setText(QString::fromStdString(puffer));
  });
  einfuegen->setEnabled(!puffer.empty() && (i->flags() & Qt::ItemIsEditable));
  menue.exec(t->viewport()->mapToGlobal(p));
}

void TWeichendaten::Doppelschwellen() {
  const TEWeiche* w = Weiche(*t_.editor);
  if (!w) return;
  TDoppelSw d(w->IndexDoppelSw, w->AnzDoppelSw, this);
  if (d.exec() != QDialog::Accepted) return;
  const std::vector<std::int32_t> nummern = d.Nummern();
  Editor* ed = t_.editor;
  t_.befehl([ed, nummern] { return DoppelschwellenSetzen(*ed, nummern); });
}

void TWeichendaten::Senkrecht() {
  const TEWeiche* w = Weiche(*t_.editor);
  if (!w) return;
  TSwSenkrecht d(w->SenkrechtBis, this);
  if (d.exec() != QDialog::Accepted) return;
  const std::string text = std::to_string(d.SenkrechtBis());
  Editor* ed = t_.editor;
  t_.befehl([ed, text] { return WeicheFeldSetzen(*ed, Weichenfeld::SchwellenSenkrecht, text); });
}

}  // namespace trm::gui
