// The data window of the selected turntable.
#include "gui/turnouts/TDrehSch_Daten.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSlider>
#include <QToolButton>
#include <QVBoxLayout>

#include "core/turnouts/Drehscheibe.h"
#include "gui/editor/Zahlenfeld.h"

namespace trm::gui {

namespace {
QString Q(const std::string& s) { return QString::fromStdString(s); }
}  // namespace

TDrehSch_Daten::TDrehSch_Daten(const Fensterteile& t, QWidget* eltern)
    : Werkzeugfenster(eltern), t_(t), schieberZug_(*t.editor) {
  setObjectName(QStringLiteral("TDrehSch_Daten"));
  setWindowTitle(QStringLiteral("Drehscheibe"));
  auto* raster = new QGridLayout;
  int zeile = 0;
  auto reihe = [&](const QString& text, QWidget* w, QWidget* hinten = nullptr) {
    raster->addWidget(new QLabel(text, this), zeile, 0);
    raster->addWidget(w, zeile, 1);
    if (hinten) raster->addWidget(hinten, zeile, 2);
    ++zeile;
  };
  name_ = new QLineEdit(this);
  name_->setObjectName(QStringLiteral("ED_Name"));
  connect(name_, &QLineEdit::editingFinished, this, [this] {
    if (!name_->isModified()) return;
    name_->setModified(false);
    const std::string text = name_->text().toStdString();
    t_.befehl([this, text] { return DrehscheibeNameSetzen(*t_.editor, text); });
  });
  raster->addWidget(new QLabel(QStringLiteral("Name"), this), zeile, 0);
  raster->addWidget(name_, zeile++, 1, 1, 2);
  reihe(QStringLiteral("Vorbilddurchmesser"), Zahl("ED_Vorbilddurchmesser", Drehscheibenfeld::Vorbilddurchmesser));
  reihe(QStringLiteral("Aussendurchmesser"), Zahl("ED_Aussendurchmesser", Drehscheibenfeld::Aussendurchmesser));
  reihe(QStringLiteral("Innendurchmesser"), Zahl("ED_Innendurchmesser", Drehscheibenfeld::Innendurchmesser));
  reihe(QStringLiteral("Anzahl der Gleisabgänge"), Zahl("ED_Anzahl", Drehscheibenfeld::Anzahl, true));
  reihe(QStringLiteral("Teilung in Grad°"), Zahl("ED_Teilung", Drehscheibenfeld::Teilung));
  raster->addWidget(new QLabel(QStringLiteral("Mittelpunkt"), this), zeile++, 0);
  reihe(QStringLiteral("X = "), Zahl("ED_MitteX", Drehscheibenfeld::MitteX));
  reihe(QStringLiteral("Y = "), Zahl("ED_MitteY", Drehscheibenfeld::MitteY));
  reihe(QStringLiteral("Winkel"), Zahl("ED_Winkel", Drehscheibenfeld::Winkel));
  raster->addWidget(new QLabel(QStringLiteral("Drehscheibe drehen"), this), zeile++, 0);
  reihe(QStringLiteral("um"), Zahl("ED_Drehen", Drehscheibenfeld::Drehen),
        new QLabel(QStringLiteral("Grad drehen"), this));

  schieber_ = new QSlider(Qt::Horizontal, this);
  schieber_->setObjectName(QStringLiteral("TB_Schieber"));
  schieber_->setRange(-180, 180);
  connect(schieber_, &QSlider::sliderPressed, this, [this] {
    if (const TDrehscheibe* d = Drehscheibe(*t_.editor)) schieberAusgang_ = d->Startwinkel();
  });
  connect(schieber_, &QSlider::valueChanged, this, &TDrehSch_Daten::SchieberBewegt);
  connect(schieber_, &QSlider::sliderReleased, this, &TDrehSch_Daten::SchieberLosgelassen);
  raster->addWidget(schieber_, zeile++, 0, 1, 3);

  reihe(QStringLiteral("aktiver Anschluss:"), Zahl("ED_AktAnschluss", Drehscheibenfeld::AktAnschluss, true));
  beiGrad_ = new QLabel(this);
  beiGrad_->setObjectName(QStringLiteral("LB_BeiGrad"));
  reihe(QStringLiteral("bei"), beiGrad_, new QLabel(QStringLiteral("Grad"), this));

  auto* knoepfe = new QHBoxLayout;
  auto knopf = [&](const char* name, const QString& text, const QString& hinweis, std::function<bool()> befehl,
                   bool verbergen = false) {
    auto* k = new QToolButton(this);
    k->setObjectName(QString::fromUtf8(name));
    k->setText(text);
    k->setToolTip(hinweis);
    connect(k, &QToolButton::clicked, this, [this, befehl, verbergen] {
      t_.befehl(befehl);
      if (verbergen) hide();
    });
    knoepfe->addWidget(k);
  };
  Editor* ed = t_.editor;
  knopf("TB_Zurueck", QStringLiteral("◀"), QStringLiteral("einen Anschluss zurück (im Uhrzeigersinn)"),
        [ed] { return DrehscheibeAnschlussSchritt(*ed, -1); });
  knopf("TB_Vor", QStringLiteral("▶"), QStringLiteral("einen Anschluss vor (gegen den Uhrzeigersinn)"),
        [ed] { return DrehscheibeAnschlussSchritt(*ed, 1); });
  knopf("TB_GleisAnfuegen", QStringLiteral("Gleis+"), QStringLiteral("Gleis an Drehscheibenanschluss anfügen"),
        [ed] { return DrehscheibenGleisAnfuegen(*ed); });
  knopf("TB_Loeschen", QStringLiteral("Löschen"), QStringLiteral("Drehscheibe aus dem Plan löschen"),
        [ed] { return DrehscheibeAusPlanEntfernen(*ed); }, true);

  auto* l = new QVBoxLayout(this);
  l->addLayout(knoepfe);
  l->addLayout(raster);
}

Zahlenfeld* TDrehSch_Daten::Zahl(const char* name, Drehscheibenfeld feld, bool ganzzahl) {
  auto* f = new Zahlenfeld(ganzzahl, this);
  f->setObjectName(QString::fromUtf8(name));
  f->wertpuffer = &t_.editor->Wertpuffer();
  f->Uebernehmen = [this, feld](const QString& text) {
    const std::string wert = text.toStdString();
    t_.befehl([this, feld, wert] { return DrehscheibeFeldSetzen(*t_.editor, feld, wert); });
  };
  felder_[feld] = f;
  return f;
}

Zahlenfeld* TDrehSch_Daten::Feld(const QString& name) const { return findChild<Zahlenfeld*>(name); }

void TDrehSch_Daten::Zeigen() {
  show();
  Auffrischen();
}

void TDrehSch_Daten::Auffrischen() {
  const TDrehscheibe* d = Drehscheibe(*t_.editor);
  if (!d) return;
  const Drehscheibenanzeige z = DrehscheibeAnzeigen(t_.editor->anlage(), *d);
  name_->setText(Q(z.name));
  name_->setModified(false);
  const std::pair<Drehscheibenfeld, const std::string*> werte[] = {
      {Drehscheibenfeld::Vorbilddurchmesser, &z.vorbilddurchmesser},
      {Drehscheibenfeld::Aussendurchmesser, &z.aussendurchmesser},
      {Drehscheibenfeld::Innendurchmesser, &z.innendurchmesser},
      {Drehscheibenfeld::Anzahl, &z.anzahl},
      {Drehscheibenfeld::Teilung, &z.teilung},
      {Drehscheibenfeld::MitteX, &z.mitteX},
      {Drehscheibenfeld::MitteY, &z.mitteY},
      {Drehscheibenfeld::Winkel, &z.winkel},
      {Drehscheibenfeld::AktAnschluss, &z.aktAnschluss}};
  for (const auto& [feld, text] : werte) felder_.at(feld)->Zeigen(Q(*text));
  felder_.at(Drehscheibenfeld::Drehen)->Zeigen(QStringLiteral("0"));
  beiGrad_->setText(Q(z.beiGrad));
  // While the slider is held it shows the turn so far.
  if (!schieber_->isSliderDown()) {
    const QSignalBlocker sperre(schieber_);
    schieber_->setValue(0);
    schieberZuletzt_ = 0;
  }
}

void TDrehSch_Daten::SchieberBewegt(int grad) {
  Editor& ed = *t_.editor;
  const TDrehscheibe* d = Drehscheibe(ed);
  if (!d) return;
  if (schieber_->isSliderDown()) {
    // One drag of the slider is one step.
    t_.befehl([this, grad] { return schieberZug_.Ziehen(schieberAusgang_, grad); });
    return;
  }
  // A key turns by the slider's step from where the turntable stands.
  const int schritt = grad - schieberZuletzt_;
  schieberZuletzt_ = grad;
  const double ausgang = d->Startwinkel();
  t_.befehl([&ed, ausgang, schritt] { return DrehscheibeSchieben(ed, ausgang, schritt); });
}

void TDrehSch_Daten::SchieberLosgelassen() {
  schieberZug_.Loslassen();
  t_.aktualisieren();
}

}  // namespace trm::gui
