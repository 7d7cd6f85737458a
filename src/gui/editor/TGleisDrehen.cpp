// The rotate window.
#include "gui/editor/TGleisDrehen.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "gui/editor/Zahlenfeld.h"

namespace trm::gui {

TGleisDrehen::TGleisDrehen(QWidget* eltern) : QDialog(eltern) {
  setWindowTitle(QStringLiteral("Gleis drehen"));
  setObjectName(QStringLiteral("TGleisDrehen"));
  auto* gruppe = new QGroupBox(QStringLiteral("Gleis drehen"), this);
  anfang_ = new QRadioButton(QStringLiteral("um Anfangspunkt"), gruppe);
  auto* ende = new QRadioButton(QStringLiteral("um Endpunkt"), gruppe);
  anfang_->setChecked(true);
  auto* g = new QVBoxLayout(gruppe);
  g->addWidget(anfang_);
  g->addWidget(ende);

  feld_ = new Zahlenfeld(false, this);
  feld_->setObjectName(QStringLiteral("ED_Drehwinkel"));
  feld_->setText(QStringLiteral("0"));
  auto* zeile = new QHBoxLayout;
  zeile->addWidget(new QLabel(QStringLiteral("Drehwinkel"), this));
  zeile->addWidget(feld_);
  zeile->addWidget(new QLabel(QStringLiteral("Grad"), this));

  auto* schnell = new QHBoxLayout;
  for (const auto& [text, wert] : {std::pair{"+90°", "90"}, std::pair{"180°", "180"}, std::pair{"-90°", "-90"}}) {
    auto* k = new QPushButton(QString::fromUtf8(text), this);
    k->setAutoDefault(false);
    const QString w = QString::fromUtf8(wert);
    connect(k, &QPushButton::clicked, this, [this, w] { Schnellwahl(w); });
    schnell->addWidget(k);
  }
  auto* knoepfe = new QHBoxLayout;
  auto* drehen = new QPushButton(QStringLiteral("drehen"), this);
  drehen->setDefault(true);
  auto* abbrechen = new QPushButton(QStringLiteral("abbrechen"), this);
  connect(drehen, &QPushButton::clicked, this, &QDialog::accept);
  connect(abbrechen, &QPushButton::clicked, this, &QDialog::reject);
  knoepfe->addWidget(drehen);
  knoepfe->addWidget(abbrechen);
  // Enter in the angle field confirms.
  feld_->enterWeiter = false;
  connect(feld_, &Zahlenfeld::Eingabetaste, this, &QDialog::accept);

  auto* l = new QVBoxLayout(this);
  l->addWidget(gruppe);
  l->addLayout(zeile);
  l->addLayout(schnell);
  l->addLayout(knoepfe);
}

bool TGleisDrehen::UmAnfang() const { return anfang_->isChecked(); }

QString TGleisDrehen::Winkeltext() const { return feld_->text(); }

void TGleisDrehen::Schnellwahl(const QString& wert) {
  feld_->setText(wert);
  accept();
}

}  // namespace trm::gui
