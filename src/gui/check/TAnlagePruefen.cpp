// The window "Anlage prüfen".
#include "gui/check/TAnlagePruefen.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "core/model/Zahlformat.h"

namespace trm::gui {

TAnlagePruefen::TAnlagePruefen(QWidget* eltern) : Werkzeugfenster(eltern) {
  setObjectName(QStringLiteral("AnlagePruefen"));
  setWindowTitle(QStringLiteral("Anlage prüfen"));
  auto* spalten = new QVBoxLayout(this);
  auto* oben = new QHBoxLayout;
  fortlaufend_ = new QCheckBox(QStringLiteral("nach jeder Änderung prüfen"), this);
  fortlaufend_->setObjectName(QStringLiteral("CB_Fortlaufend"));
  fortlaufend_->setChecked(true);
  connect(fortlaufend_, &QCheckBox::toggled, this, [this](bool an) {
    if (fortlaufendGeaendert) fortlaufendGeaendert(an);
  });
  auto* jetzt = new QPushButton(QStringLiteral("jetzt prüfen"), this);
  jetzt->setObjectName(QStringLiteral("BT_Pruefen"));
  connect(jetzt, &QPushButton::clicked, this, [this] {
    if (pruefen) pruefen();
  });
  oben->addWidget(fortlaufend_);
  oben->addStretch(1);
  oben->addWidget(jetzt);
  spalten->addLayout(oben);
  hinweis_ = new QLabel(this);
  hinweis_->setWordWrap(true);
  hinweis_->hide();
  spalten->addWidget(hinweis_);
  liste_ = new QTableWidget(0, 6, this);
  liste_->setObjectName(QStringLiteral("SG_Befunde"));
  liste_->setHorizontalHeaderLabels({QStringLiteral("Regel"), QStringLiteral("Modul"), QStringLiteral("Gleise"),
                                     QStringLiteral("Wert"), QStringLiteral("Grenze"), QStringLiteral("Text")});
  liste_->horizontalHeader()->setStretchLastSection(true);
  liste_->verticalHeader()->hide();
  liste_->setSelectionBehavior(QAbstractItemView::SelectRows);
  liste_->setSelectionMode(QAbstractItemView::SingleSelection);
  liste_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  connect(liste_, &QTableWidget::cellClicked, this, [this](int zeile, int) {
    if (gewaehlt) gewaehlt(zeile);
  });
  spalten->addWidget(liste_);
  resize(720, 300);
}

bool TAnlagePruefen::Fortlaufend() const { return fortlaufend_->isChecked(); }

void TAnlagePruefen::Zeigen(const std::vector<TBefund>& befunde, const QString& hinweis) {
  hinweis_->setText(hinweis);
  hinweis_->setVisible(!hinweis.isEmpty());
  const QSignalBlocker sperre(liste_);
  liste_->setRowCount(static_cast<int>(befunde.size()));
  for (std::size_t i = 0; i < befunde.size(); ++i) {
    const TBefund& b = befunde[i];
    QStringList gleise;
    for (std::int32_t g : b.gleise) gleise << QString::number(g);
    const QString zellen[] = {QString::fromUtf8(RegelInfo(b.regel).name), QString::number(b.modul + 1),
                              gleise.join(QStringLiteral(", ")), QString::fromStdString(FestText(b.wert, 3)),
                              QString::fromStdString(FestText(b.grenze, 3)), QString::fromStdString(b.text)};
    for (int k = 0; k < 6; ++k) {
      auto* zelle = new QTableWidgetItem(zellen[k]);
      if (k == 0) zelle->setForeground(b.Fehler() ? QColor(Qt::red) : QColor(0xff, 0x80, 0));
      liste_->setItem(static_cast<int>(i), k, zelle);
    }
  }
}

}  // namespace trm::gui
