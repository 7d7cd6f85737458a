// The curve window.
#include "gui/editor/TBogendaten.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "core/editor/Editor.h"
#include "core/model/Zahlformat.h"
#include "gui/editor/Zahlenfeld.h"

namespace trm::gui {

namespace {
QString Q(const std::string& s) { return QString::fromStdString(s); }
std::string S(const QString& s) { return s.toStdString(); }
}  // namespace

TBogendaten::TBogendaten(Editor& editor, QWidget* eltern)
    : Werkzeugfenster(eltern), ed_(editor), daten_(editor) {
  setObjectName(QStringLiteral("TBogendaten"));
  setWindowTitle(QStringLiteral("Bogendaten"));
  auto tun = [this](std::function<bool()> f) { return [this, f] { if (befehl) befehl(f); }; };

  auto* felder = new QGridLayout;
  int zeile = 0;
  auto reihe = [&](const char* text, Zahlenfeld* f, QWidget* pfeile) {
    felder->addWidget(new QLabel(QString::fromUtf8(text), this), zeile, 0);
    felder->addWidget(f, zeile, 1);
    if (pfeile) felder->addWidget(pfeile, zeile, 2);
    ++zeile;
  };
  anfRadius_ = Feld(QStringLiteral("ED_AnfRadius"));
  laenge_ = Feld(QStringLiteral("ED_Laenge"));
  endRadius_ = Feld(QStringLiteral("ED_EndRadius"));
  endwinkel_ = Feld(QStringLiteral("ED_Endwinkel"));
  tangente_ = Feld(QStringLiteral("ED_Tangente"));
  anfangswinkel_ = Feld(QStringLiteral("ED_Anfangswinkel"), true);
  auto anwenden = [this](bool (Bogendaten::*f)(const std::string&)) {
    return [this, f](const QString& t) { if (befehl) befehl([this, f, t] { return (daten_.*f)(S(t)); }); };
  };
  anfRadius_->Uebernehmen = anwenden(&Bogendaten::AnfRadiusSetzen);
  laenge_->Uebernehmen = anwenden(&Bogendaten::LaengeSetzen);
  endRadius_->Uebernehmen = anwenden(&Bogendaten::EndRadiusSetzen);
  endwinkel_->Uebernehmen = anwenden(&Bogendaten::EndwinkelSetzen);
  tangente_->Uebernehmen = anwenden(&Bogendaten::TangenteSetzen);
  anfPfeile_ = Pfeile(anfRadius_, 50, -32000, 32000, anfRadius_->Uebernehmen);
  laengePfeile_ = Pfeile(laenge_, 50, 1, 10000, laenge_->Uebernehmen);
  endPfeile_ = Pfeile(endRadius_, 50, -32000, 32000, endRadius_->Uebernehmen);
  winkelPfeile_ = Pfeile(endwinkel_, 5, -32000, 32000, endwinkel_->Uebernehmen);
  tangentePfeile_ = Pfeile(tangente_, 50, -16000, 16000, tangente_->Uebernehmen);
  reihe("Anfangsradius", anfRadius_, anfPfeile_);
  reihe("Länge", laenge_, laengePfeile_);
  reihe("Endradius", endRadius_, endPfeile_);
  reihe("Endwinkel", endwinkel_, winkelPfeile_);
  reihe("Tangentenlänge", tangente_, tangentePfeile_);
  reihe("Anfangswinkel", anfangswinkel_, nullptr);

  auto* behalten = new QGroupBox(QStringLiteral("beibehalten"), this);
  behaltLaenge_ = new QRadioButton(QStringLiteral("Länge"), behalten);
  behaltRadius_ = new QRadioButton(QStringLiteral("Endradius"), behalten);
  behaltWinkel_ = new QRadioButton(QStringLiteral("Endwinkel"), behalten);
  behaltLaenge_->setChecked(true);
  auto* bl = new QVBoxLayout(behalten);
  for (auto [knopf, wert] : {std::pair{behaltLaenge_, Behalten::Laenge}, std::pair{behaltRadius_, Behalten::Endradius},
                             std::pair{behaltWinkel_, Behalten::Endwinkel}}) {
    bl->addWidget(knopf);
    connect(knopf, &QRadioButton::toggled, this, [this, w = wert](bool an) {
      if (an) daten_.behalten = w;
    });
  }

  kennwerte_ = new QLabel(this);
  kennwerte_->setObjectName(QStringLiteral("L_Kennwerte"));
  anfangspunkt_ = new QLabel(this);
  anfangspunkt_->setObjectName(QStringLiteral("L_Anfangspunkt"));

  anfAufEnde_ = Knopf(QStringLiteral("BT_AnfAufEnde"), QStringLiteral("Anfangsradius auf Endradius übertragen"),
                      [this] { return daten_.RadiusUebertragen(S(anfRadius_->text()), false); });
  endeAufAnf_ = Knopf(QStringLiteral("BT_EndeAufAnf"), QStringLiteral("Endradius auf Anfangsradius übertragen"),
                      [this] { return daten_.RadiusUebertragen(S(endRadius_->text()), true); });
  hinzufuegen_ = Knopf(QStringLiteral("BT_BogenHinzufuegen"), QStringLiteral("Bogen hinzufügen"), [this] { return daten_.BogenHinzufuegen(); });
  loeschen_ = Knopf(QStringLiteral("BT_BogenLoeschen"), QStringLiteral("Bogen löschen"), [this] { return daten_.BogenLoeschen(); });
  zurueck_ = Knopf(QStringLiteral("BT_BogenZurueck"), QStringLiteral("einen Bogen zurück"), [this] { return daten_.BogenZurueck(); });
  vor_ = Knopf(QStringLiteral("BT_BogenVor"), QStringLiteral("einen Bogen vor"), [this] { return daten_.BogenVor(); });
  umkehren_ = Knopf(QStringLiteral("BT_Kruemmung"), QStringLiteral("Krümmungsrichtung ändern"), [this] { return daten_.KruemmungUmkehren(); });
  tauschen_ = Knopf(QStringLiteral("BT_RadienTauschen"), QStringLiteral("Anfangs- und Endradius tauschen"), [this] { return daten_.RadienTauschen(); });
  distAnf_ = Knopf(QStringLiteral("BT_DistAnf"), QStringLiteral("Distanzpunkte Bogenanfang"), [this] { return daten_.DistanzpunkteUmschalten(false); });
  distEnde_ = Knopf(QStringLiteral("BT_DistEnde"), QStringLiteral("Distanzpunkte Bogenende"), [this] { return daten_.DistanzpunkteUmschalten(true); });
  starrFlex_ = Knopf(QStringLiteral("BT_StarrFlex"), QStringLiteral("starr <> flex"), [this] { return daten_.StarrFlexUmschalten(); });
  for (QPushButton* k : {distAnf_, distEnde_, starrFlex_}) k->setCheckable(true);
  optiAnf_ = new QPushButton(QStringLiteral("Optimierungsanfangspunkt setzen"), this);
  optiAnf_->setObjectName(QStringLiteral("BT_OptiAnf"));
  optiEnde_ = new QPushButton(QStringLiteral("Optimierungsendpunkt setzen"), this);
  optiEnde_->setObjectName(QStringLiteral("BT_OptiEnde"));
  for (QPushButton* k : {optiAnf_, optiEnde_}) {
    k->setCheckable(true);
    k->setAutoDefault(false);
  }
  connect(optiAnf_, &QPushButton::clicked, this, [this] { if (optiAnfang) optiAnfang(); });
  connect(optiEnde_, &QPushButton::clicked, this, [this] { if (optiEnde) optiEnde(); });

  auto fix = [&](const char* name, const char* hinweis, Bogendaten::Fix f) {
    auto* c = new QCheckBox(QString::fromUtf8(name), this);
    c->setObjectName(QStringLiteral("CB_") + QString::fromUtf8(name));
    c->setToolTip(QString::fromUtf8(hinweis));
    connect(c, &QCheckBox::clicked, this, tun([this, f] { return daten_.FixUmschalten(f); }));
    return c;
  };
  lfix_ = fix("LFix", "Länge für die Optimierung fixieren", Bogendaten::Fix::L);
  rfix_ = fix("RFix", "Radius für die Optimierung fixieren", Bogendaten::Fix::R);
  tfix_ = fix("TFix", "Tangentenlänge für die Optimierung fixieren", Bogendaten::Fix::T);

  auto* knoepfe = new QGridLayout;
  int k = 0;
  for (QWidget* w : {static_cast<QWidget*>(anfAufEnde_), static_cast<QWidget*>(endeAufAnf_), static_cast<QWidget*>(zurueck_),
                     static_cast<QWidget*>(vor_), static_cast<QWidget*>(hinzufuegen_), static_cast<QWidget*>(loeschen_),
                     static_cast<QWidget*>(umkehren_), static_cast<QWidget*>(tauschen_), static_cast<QWidget*>(distAnf_),
                     static_cast<QWidget*>(distEnde_), static_cast<QWidget*>(optiAnf_), static_cast<QWidget*>(optiEnde_)}) {
    knoepfe->addWidget(w, k / 2, k % 2);
    ++k;
  }
  auto* fixe = new QHBoxLayout;
  fixe->addWidget(starrFlex_);
  fixe->addWidget(lfix_);
  fixe->addWidget(rfix_);
  fixe->addWidget(tfix_);

  auto* oben = new QHBoxLayout;
  oben->addLayout(felder);
  oben->addWidget(behalten);
  auto* l = new QVBoxLayout(this);
  l->addLayout(oben);
  l->addWidget(kennwerte_);
  l->addWidget(anfangspunkt_);
  l->addLayout(knoepfe);
  l->addLayout(fixe);
}

Zahlenfeld* TBogendaten::Feld(const QString& name, bool nurLesen) {
  auto* f = new Zahlenfeld(false, this);
  f->setObjectName(name);
  f->setReadOnly(nurLesen);
  f->wertpuffer = &ed_.Wertpuffer();
  return f;
}

QWidget* TBogendaten::Pfeile(Zahlenfeld* feld, double schritt, double min, double max,
                             std::function<void(const QString&)> anwenden) {
  auto* w = new QWidget(this);
  auto* l = new QHBoxLayout(w);
  l->setContentsMargins(0, 0, 0, 0);
  l->setSpacing(0);
  for (const auto& [text, vorzeichen] : {std::pair{"▼", -1.0}, std::pair{"▲", 1.0}}) {
    auto* k = new QToolButton(w);
    k->setText(QString::fromUtf8(text));
    k->setAutoRepeat(true);
    connect(k, &QToolButton::clicked, this, [=, this] {
      double wert = 0;
      try {
        wert = TextReal(S(feld->text()));
      } catch (...) {
        wert = 0;
      }
      const QString neu = Q(FestText(std::clamp(wert + vorzeichen * schritt, min, max)));
      feld->Zeigen(neu);
      anwenden(neu);
    });
    l->addWidget(k);
  }
  return w;
}

QPushButton* TBogendaten::Knopf(const QString& name, const QString& text, std::function<bool()> tun) {
  auto* k = new QPushButton(text, this);
  k->setObjectName(name);
  k->setAutoDefault(false);
  connect(k, &QPushButton::clicked, this, [this, tun] {
    if (befehl) befehl(tun);
  });
  return k;
}

void TBogendaten::mouseReleaseEvent(QMouseEvent* e) {
  Werkzeugfenster::mouseReleaseEvent(e);
  Auffrischen();
}

void TBogendaten::Auffrischen() {
  const TBogenanzeige z = daten_.Anzeige();
  setEnabled(z.vorhanden);
  if (!z.vorhanden) return;
  setWindowTitle(Q(z.titel));
  anfRadius_->Zeigen(Q(z.anfRadius));
  laenge_->Zeigen(Q(z.laenge));
  endRadius_->Zeigen(Q(z.endRadius));
  endwinkel_->Zeigen(Q(z.endwinkel));
  tangente_->Zeigen(Q(z.tangente));
  anfangswinkel_->Zeigen(Q(z.anfangswinkel));
  kennwerte_->setText(Q(z.kennwerte));
  anfangspunkt_->setText(Q(z.anfangspunkt));
  const bool frei = !z.erzeugt;
  tangente_->setEnabled(!z.uebergang);
  for (QWidget* w : {static_cast<QWidget*>(anfRadius_), static_cast<QWidget*>(endRadius_), anfPfeile_, endPfeile_})
    w->setEnabled(!z.flex);
  laenge_->setEnabled(frei);
  endwinkel_->setEnabled(frei);
  laengePfeile_->setEnabled(frei);
  winkelPfeile_->setEnabled(frei);
  tangentePfeile_->setEnabled(frei && !z.uebergang);
  for (QPushButton* k : {anfAufEnde_, endeAufAnf_, hinzufuegen_, umkehren_, starrFlex_, optiAnf_, optiEnde_}) k->setEnabled(frei);
  tauschen_->setEnabled(frei && z.uebergang);
  loeschen_->setEnabled(z.loeschen);
  zurueck_->setEnabled(z.zurueck);
  vor_->setEnabled(z.vor);
  distAnf_->setChecked(z.distAnf);
  distEnde_->setChecked(z.distEnde);
  starrFlex_->setChecked(z.flex);
  optiAnf_->setChecked(z.optiAnf);
  optiEnde_->setChecked(z.optiEnde);
  lfix_->setChecked(z.lfix);
  rfix_->setChecked(z.rfix);
  tfix_->setChecked(z.tfix);
}

}  // namespace trm::gui
