// The turnout list window.
#include "gui/turnouts/TfWListe.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "core/model/Fehler.h"
#include "core/turnouts/Weiche.h"
#include "core/turnouts/Weichenliste.h"

namespace trm::gui {

TfWListe::TfWListe(std::string pfad, QWidget* eltern) : QDialog(eltern), pfad_(std::move(pfad)) {
  setWindowTitle(QStringLiteral("Einfache Weichen"));
  setObjectName(QStringLiteral("TfWListe"));
  tabelle_ = new QTableWidget(this);
  tabelle_->setColumnCount(5);
  tabelle_->setHorizontalHeaderLabels({"Nummer", "Name", "Radius", "Winkel", "Neigung"});
  tabelle_->setColumnWidth(0, 50);
  tabelle_->setColumnWidth(1, 150);
  for (int s = 2; s < 5; ++s) tabelle_->setColumnWidth(s, 100);
  tabelle_->verticalHeader()->setDefaultSectionSize(20);
  tabelle_->verticalHeader()->setSectionsMovable(true);  // rows are moved by dragging
  tabelle_->setSelectionBehavior(QAbstractItemView::SelectRows);
  tabelle_->setSelectionMode(QAbstractItemView::SingleSelection);
  tabelle_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  connect(tabelle_, &QTableWidget::currentCellChanged, this, [this](int zeile, int, int, int) {
    if (zeile >= 0) auswahl_ = zeile + 1;
  });
  connect(tabelle_->verticalHeader(), &QHeaderView::sectionMoved, this,
          [this](int, int von, int nach) { ZeileVerschieben(von + 1, nach + 1); });
  connect(tabelle_, &QTableWidget::cellDoubleClicked, this, [this] { done(Auswaehlen); });

  auto* waehlen = new QPushButton(QStringLiteral("Weiche auswälen"), this);
  waehlen->setObjectName(QStringLiteral("BT_Auswaehlen"));
  waehlen->setDefault(true);
  auto* entfernen = new QPushButton(QStringLiteral("Weiche aus der Liste entfernen"), this);
  entfernen->setObjectName(QStringLiteral("BT_Entfernen"));
  auto* abbrechen = new QPushButton(QStringLiteral("abbrechen"), this);
  connect(waehlen, &QPushButton::clicked, this, [this] { done(Auswaehlen); });
  connect(entfernen, &QPushButton::clicked, this, [this] { done(Entfernen); });
  connect(abbrechen, &QPushButton::clicked, this, [this] { done(Abbrechen); });
  auto* knoepfe = new QHBoxLayout;
  knoepfe->addWidget(waehlen);
  knoepfe->addWidget(entfernen);
  knoepfe->addStretch();
  knoepfe->addWidget(abbrechen);
  auto* l = new QVBoxLayout(this);
  l->addWidget(tabelle_);
  l->addLayout(knoepfe);
  resize(560, 420);
}

bool TfWListe::Fuellen() {
  std::vector<TTypzeile> zeilen;
  try {
    zeilen = WeichenZeilen(TTypliste::Laden(pfad_, ZeilenWeiche));
  } catch (const std::runtime_error&) {
    return false;
  }
  const QSignalBlocker sperre(tabelle_);
  const QSignalBlocker sperreKopf(tabelle_->verticalHeader());
  tabelle_->clearContents();
  tabelle_->setRowCount(static_cast<int>(zeilen.size()));
  for (int r = 0; r < tabelle_->rowCount(); ++r) {
    // Moved header sections would keep their visual order: every refill starts in file order.
    const int visuell = tabelle_->verticalHeader()->visualIndex(r);
    if (visuell != r) tabelle_->verticalHeader()->moveSection(visuell, r);
    const TTypzeile& z = zeilen[static_cast<std::size_t>(r)];
    int s = 0;
    for (const std::string* t : {&z.nummer, &z.name, &z.radius, &z.winkel, &z.neigung})
      tabelle_->setItem(r, s++, new QTableWidgetItem(QString::fromStdString(*t)));
  }
  if (tabelle_->rowCount() > 0) tabelle_->selectRow(0);
  auswahl_ = 1;
  return true;
}

void TfWListe::ZeileVerschieben(int von, int nach) {
  try {
    TTypliste liste = TTypliste::Laden(pfad_, ZeilenWeiche);
    if (liste.Tauschen(static_cast<std::size_t>(von), static_cast<std::size_t>(nach))) liste.Speichern(pfad_);
  } catch (const std::runtime_error&) {
    // the refill below shows the file as it is
  }
  Fuellen();
}

}  // namespace trm::gui
