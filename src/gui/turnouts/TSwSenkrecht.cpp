// The dialog of perpendicular and fan-shaped turnout sleepers.
#include "gui/turnouts/TSwSenkrecht.h"

#include <QGridLayout>
#include <QPushButton>
#include <QRadioButton>

#include "gui/editor/Zahlenfeld.h"

namespace trm::gui {

TSwSenkrecht::TSwSenkrecht(std::int32_t senkrechtBis, QWidget* eltern) : QDialog(eltern) {
  setObjectName(QStringLiteral("TSwSenkrecht"));
  setWindowTitle(QStringLiteral("Schwellen senkrecht/fächerförmig"));
  faecher_ = new QRadioButton(QStringLiteral("alle Schwellen fächerförmig"), this);
  senkrecht_ = new QRadioButton(QStringLiteral("Schwellen senkrecht bis Nr."), this);
  faecher_->setObjectName(QStringLiteral("RB_Faecher"));
  senkrecht_->setObjectName(QStringLiteral("RB_Senkrecht"));
  bis_ = new Zahlenfeld(true, this);
  bis_->setObjectName(QStringLiteral("ED_SenkrechtBis"));
  bis_->enterWeiter = false;
  bis_->setText(QString::number(senkrechtBis > 0 ? senkrechtBis : 0));
  (senkrechtBis > 0 ? senkrecht_ : faecher_)->setChecked(true);
  bis_->setEnabled(senkrechtBis > 0);
  connect(senkrecht_, &QRadioButton::toggled, bis_, &QWidget::setEnabled);

  auto* uebernehmen = new QPushButton(QStringLiteral("übernehmen"), this);
  uebernehmen->setObjectName(QStringLiteral("BT_Uebernehmen"));
  uebernehmen->setDefault(true);
  auto* abbrechen = new QPushButton(QStringLiteral("abbrechen"), this);
  connect(uebernehmen, &QPushButton::clicked, this, &QDialog::accept);
  connect(abbrechen, &QPushButton::clicked, this, &QDialog::reject);

  auto* l = new QGridLayout(this);
  l->addWidget(faecher_, 0, 0, 1, 2);
  l->addWidget(senkrecht_, 1, 0);
  l->addWidget(bis_, 1, 1);
  l->addWidget(uebernehmen, 2, 0);
  l->addWidget(abbrechen, 2, 1);
}

std::int32_t TSwSenkrecht::SenkrechtBis() const {
  return senkrecht_->isChecked() ? bis_->text().toInt() : 0;
}

}  // namespace trm::gui
