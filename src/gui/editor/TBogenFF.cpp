// The continue-curve window.
#include "gui/editor/TBogenFF.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/editor/BogenFortfuehren.h"
#include "core/editor/Bogendaten.h"
#include "core/editor/Editor.h"
#include "core/model/Bogen.h"
#include "core/model/Zahlformat.h"
#include "gui/editor/Zahlenfeld.h"

namespace trm::gui {

TBogenFF::TBogenFF(Editor& editor, QWidget* eltern) : Werkzeugfenster(eltern), ed_(editor) {
  setObjectName(QStringLiteral("TBogenFF"));
  setWindowTitle(QStringLiteral("Bogen fortführen"));
  auto* gruppe = new QGroupBox(QStringLiteral("fortführen bis..."), this);
  inX_ = new QRadioButton(QStringLiteral("x-Koordinate"), gruppe);
  auto* inY = new QRadioButton(QStringLiteral("y-Koordinate"), gruppe);
  inX_->setChecked(true);
  auto* g = new QVBoxLayout(gruppe);
  g->addWidget(inX_);
  g->addWidget(inY);
  wert_ = new Zahlenfeld(false, this);
  wert_->setObjectName(QStringLiteral("ED_Wert"));
  wert_->Uebernehmen = [this](const QString&) { Berechnen(); };
  zeile1_ = new QLabel(this);
  zeile1_->setObjectName(QStringLiteral("L_Ergebnis"));
  zeile2_ = new QLabel(this);
  auto* pruefen = new QPushButton(QStringLiteral("Wert prüfen und berechnen"), this);
  pruefen->setObjectName(QStringLiteral("BT_Berechnen"));
  uebertragen_ = new QPushButton(QStringLiteral("Wert auf ausgewählten Bogen übertragen"), this);
  uebertragen_->setObjectName(QStringLiteral("BT_Uebertragen"));
  auto* abbrechen = new QPushButton(QStringLiteral("abbrechen"), this);
  for (QPushButton* k : {pruefen, uebertragen_, abbrechen}) k->setAutoDefault(false);
  connect(pruefen, &QPushButton::clicked, this, &TBogenFF::Berechnen);
  connect(abbrechen, &QPushButton::clicked, this, &QDialog::reject);
  connect(uebertragen_, &QPushButton::clicked, this, [this] {
    if (!laenge_ || !befehl) return;
    const double l = *laenge_;
    befehl([this, l] { return Bogendaten(ed_).FortfuehrenUebertragen(l); });
    accept();
  });
  auto* zeile = new QHBoxLayout;
  zeile->addWidget(new QLabel(QStringLiteral("Wert"), this));
  zeile->addWidget(wert_);
  auto* l = new QVBoxLayout(this);
  l->addWidget(gruppe);
  l->addLayout(zeile);
  l->addWidget(zeile1_);
  l->addWidget(zeile2_);
  l->addWidget(pruefen);
  l->addWidget(uebertragen_);
  l->addWidget(abbrechen);
  Zuruecksetzen();
}

void TBogenFF::showEvent(QShowEvent* e) {
  Zuruecksetzen();
  Werkzeugfenster::showEvent(e);
}

void TBogenFF::Zuruecksetzen() {
  wert_->Zeigen(QStringLiteral("0"));
  zeile1_->clear();
  zeile2_->clear();
  laenge_.reset();
  uebertragen_->setEnabled(false);
}

void TBogenFF::Berechnen() {
  laenge_.reset();
  uebertragen_->setEnabled(false);
  zeile1_->clear();
  zeile2_->clear();
  const TBogen* b = ed_.bogen();
  const auto v = ed_.Zahl(wert_->text().toStdString());
  if (!b || !v) return;
  const TFortfuehrung f = BogenFortfuehren(*b, inX_->isChecked(), *v);
  if (!f.laenge) {
    zeile1_->setText(QString::fromStdString(f.meldung));
    return;
  }
  laenge_ = f.laenge;
  zeile1_->setText(QString::fromStdString("Bogenlänge: " + FestText(*f.laenge) + " mm"));
  uebertragen_->setEnabled(true);
}

}  // namespace trm::gui
