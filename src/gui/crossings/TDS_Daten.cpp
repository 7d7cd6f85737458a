// The double-sleeper dialog.
#include "gui/crossings/TDS_Daten.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

#include "gui/editor/Zahlenfeld.h"

namespace trm::gui {

TDS_Daten::TDS_Daten(const std::vector<std::string>& felder, QWidget* eltern) : QDialog(eltern) {
  setObjectName(QStringLiteral("TDS_Daten"));
  setWindowTitle(QStringLiteral("Doppelschwellen"));
  setModal(true);
  // One field below the other at 25-pixel steps, in a panel that scrolls.
  auto* feldflaeche = new QWidget;
  for (std::size_t k = 0; k < felder.size(); ++k) {
    auto* f = new Zahlenfeld(true, feldflaeche);
    f->setObjectName(QStringLiteral("ED_DSw%1").arg(k));
    f->Zeigen(QString::fromStdString(felder[k]));
    f->enterWeiter = true;
    f->setGeometry(5, 5 + static_cast<int>(k) * 25, 80, 21);
    eingaben_.push_back(f);
  }
  feldflaeche->setMinimumSize(90, 10 + static_cast<int>(felder.size()) * 25);
  auto* flaeche = new QScrollArea(this);
  flaeche->setWidget(feldflaeche);
  flaeche->setMinimumHeight(120);
  auto* hinweis = new QLabel(felder.empty() ? QStringLiteral("keine Doppelschwellen") : QString(), this);
  hinweis->setObjectName(QStringLiteral("LB_Hinweis"));
  auto* uebernehmen = new QPushButton(QStringLiteral("übernehmen"), this);
  uebernehmen->setObjectName(QStringLiteral("BT_Uebernehmen"));
  uebernehmen->setDefault(true);
  auto* abbrechen = new QPushButton(QStringLiteral("abbrechen"), this);
  abbrechen->setObjectName(QStringLiteral("BT_Abbrechen"));
  connect(uebernehmen, &QPushButton::clicked, this, &QDialog::accept);
  connect(abbrechen, &QPushButton::clicked, this, &QDialog::reject);
  auto* knoepfe = new QHBoxLayout;
  knoepfe->addWidget(uebernehmen);
  knoepfe->addWidget(abbrechen);
  auto* l = new QVBoxLayout(this);
  l->addWidget(flaeche);
  l->addWidget(hinweis);
  l->addLayout(knoepfe);
}

std::vector<std::string> TDS_Daten::Felder() const {
  std::vector<std::string> texte;
  for (const QLineEdit* f : eingaben_) texte.push_back(f->text().toStdString());
  return texte;
}

}  // namespace trm::gui
