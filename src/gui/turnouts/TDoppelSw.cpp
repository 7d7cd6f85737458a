// The double-sleeper dialog of turnouts.
#include "gui/turnouts/TDoppelSw.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "gui/editor/Zahlenfeld.h"

namespace trm::gui {

TDoppelSw::TDoppelSw(const std::vector<std::int32_t>& nummern, std::int32_t anzahl, QWidget* eltern)
    : QDialog(eltern) {
  setObjectName(QStringLiteral("TDoppelSw"));
  setWindowTitle(QStringLiteral("Doppelschwellen"));
  keine_ = new QRadioButton(QStringLiteral("keine Doppelschwellen"), this);
  eine_ = new QRadioButton(QStringLiteral("eine Doppelschwelle"), this);
  zwei_ = new QRadioButton(QStringLiteral("zwei Doppelschwellen"), this);
  keine_->setObjectName(QStringLiteral("RB_Keine"));
  eine_->setObjectName(QStringLiteral("RB_Eine"));
  zwei_->setObjectName(QStringLiteral("RB_Zwei"));
  erste_ = new Zahlenfeld(true, this);
  zweite_ = new Zahlenfeld(true, this);
  erste_->setObjectName(QStringLiteral("ED_Nummer1"));
  zweite_->setObjectName(QStringLiteral("ED_Nummer2"));
  erste_->enterWeiter = zweite_->enterWeiter = false;
  if (!nummern.empty()) erste_->setText(QString::number(nummern[0]));
  if (nummern.size() > 1) zweite_->setText(QString::number(nummern[1]));
  const std::int32_t n = std::min<std::int32_t>(anzahl, static_cast<std::int32_t>(nummern.size()));
  (n >= 2 ? zwei_ : n == 1 ? eine_ : keine_)->setChecked(true);
  for (QRadioButton* r : {keine_, eine_, zwei_})
    connect(r, &QRadioButton::toggled, this, &TDoppelSw::Freigeben);

  auto* uebernehmen = new QPushButton(QStringLiteral("übernehmen"), this);
  uebernehmen->setObjectName(QStringLiteral("BT_Uebernehmen"));
  uebernehmen->setDefault(true);
  auto* abbrechen = new QPushButton(QStringLiteral("abbrechen"), this);
  abbrechen->setObjectName(QStringLiteral("BT_Abbrechen"));
  connect(uebernehmen, &QPushButton::clicked, this, &QDialog::accept);
  connect(abbrechen, &QPushButton::clicked, this, &QDialog::reject);

  auto* l = new QGridLayout(this);
  l->addWidget(keine_, 0, 0, 1, 2);
  l->addWidget(eine_, 1, 0, 1, 2);
  l->addWidget(zwei_, 2, 0, 1, 2);
  l->addWidget(new QLabel(QStringLiteral("Schwellennummer"), this), 3, 0);
  l->addWidget(erste_, 3, 1);
  l->addWidget(new QLabel(QStringLiteral("Schwellennummer"), this), 4, 0);
  l->addWidget(zweite_, 4, 1);
  l->addWidget(uebernehmen, 5, 0);
  l->addWidget(abbrechen, 5, 1);
  Freigeben();
}

void TDoppelSw::Freigeben() {
  erste_->setEnabled(!keine_->isChecked());
  zweite_->setEnabled(zwei_->isChecked());
}

std::vector<std::int32_t> TDoppelSw::Nummern() const {
  std::vector<std::int32_t> n;
  if (!keine_->isChecked()) n.push_back(erste_->text().toInt());
  if (zwei_->isChecked()) n.push_back(zweite_->text().toInt());
  return n;
}

}  // namespace trm::gui
