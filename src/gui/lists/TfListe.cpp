// The list window of an element library.
#include "gui/lists/TfListe.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QMouseEvent>
#include <QHeaderView>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "gui/lists/Typbild.h"
#include <algorithm>
#include <stdexcept>

#include "gui/editor/Aktion.h"

namespace trm::gui {

TfListe::TfListe(const TListenart& art, const Anlage& anlage, QWidget* eltern)
    : QDialog(eltern), art_(art), anlage_(anlage) {
  setWindowTitle(QString::fromUtf8(art.titel));
  setObjectName(QString::fromUtf8(art.fenster));
  tabelle_ = new QTableWidget(this);
  tabelle_->setColumnCount(static_cast<int>(art.spalten.size()));
  QStringList kopf;
  for (const TListenspalte& s : art.spalten) kopf << QString::fromUtf8(s.titel);
  tabelle_->setHorizontalHeaderLabels(kopf);
  for (int s = 0; s < tabelle_->columnCount(); ++s)
    tabelle_->setColumnWidth(s, art.spalten[static_cast<std::size_t>(s)].breite);
  tabelle_->verticalHeader()->setDefaultSectionSize(20);
  tabelle_->verticalHeader()->setSectionsMovable(true);  // rows are moved by dragging
  tabelle_->setSelectionBehavior(QAbstractItemView::SelectRows);
  tabelle_->setSelectionMode(QAbstractItemView::SingleSelection);
  tabelle_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  connect(tabelle_, &QTableWidget::currentCellChanged, this, [this](int zeile, int, int, int) {
    if (zeile >= 0) auswahl_ = zeile + 1;
    BildZeigen();
  });
  connect(tabelle_->verticalHeader(), &QHeaderView::sectionMoved, this,
          [this](int, int von, int nach) { ZeileVerschieben(von + 1, nach + 1); });
  connect(tabelle_, &QTableWidget::cellDoubleClicked, this, [this] { done(Auswaehlen); });
  tabelle_->viewport()->installEventFilter(this);

  auto* waehlen = new QPushButton(QString::fromUtf8(art.auswaehlen), this);
  waehlen->setObjectName(QStringLiteral("BT_Auswaehlen"));
  waehlen->setDefault(true);
  auto* entfernen = new QPushButton(QString::fromUtf8(art.entfernen), this);
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
  bild_ = new Typbild(art, anlage, this);
  auto* oben = new QHBoxLayout;
  oben->addWidget(tabelle_, 1);
  oben->addWidget(bild_);
  auto* l = new QVBoxLayout(this);
  l->addLayout(oben);
  l->addLayout(knoepfe);
  // Room for the columns, the row numbers and the scroll bar.
  int breite = 0;
  for (const TListenspalte& s : art.spalten) breite += s.breite;
  resize(std::max(560, breite + 100) + 280, 420);
}

bool TfListe::eventFilter(QObject* objekt, QEvent* e) {
  // A row pressed and dragged beyond the start distance is chosen and taken to the drawing.
  if (objekt == tabelle_->viewport()) {
    if (e->type() == QEvent::MouseButtonPress) {
      const auto* m = static_cast<QMouseEvent*>(e);
      druck_.reset();
      if (m->button() == Qt::LeftButton) {
        druckZeile_ = tabelle_->rowAt(m->position().toPoint().y());
        if (druckZeile_ >= 0) druck_ = m->position().toPoint();
      }
    } else if (e->type() == QEvent::MouseButtonRelease) {
      druck_.reset();
    } else if (e->type() == QEvent::MouseMove && druck_) {
      const auto* m = static_cast<QMouseEvent*>(e);
      if ((m->buttons() & Qt::LeftButton) &&
          (m->position().toPoint() - *druck_).manhattanLength() >= QApplication::startDragDistance()) {
        druck_.reset();
        auswahl_ = druckZeile_ + 1;
        gezogen_ = true;
        done(Auswaehlen);
        return true;
      }
    }
  }
  return QDialog::eventFilter(objekt, e);
}

void TfListe::BildZeigen() {
  const auto k = static_cast<std::size_t>(auswahl_);
  bild_->SatzSetzen(k >= 1 && k <= saetze_.size() ? saetze_[k - 1] : Zeilen{});
}

bool TfListe::Fuellen() {
  std::vector<TListenzeile> zeilen;
  saetze_.clear();
  try {
    const TTypliste liste = ListeLaden(anlage_, art_);
    zeilen = ListenZeilen(liste, art_);
    for (std::size_t k = 1; k <= liste.Saetze(); ++k) saetze_.push_back(liste.Satz(k));
  } catch (const std::runtime_error&) {
    bild_->SatzSetzen({});
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
    const TListenzeile& z = zeilen[static_cast<std::size_t>(r)];
    for (std::size_t s = 0; s < z.size() && s < art_.spalten.size(); ++s)
      tabelle_->setItem(r, static_cast<int>(s), new QTableWidgetItem(QString::fromStdString(z[s])));
  }
  // Names and numbers show whole: a column widens to its contents.
  for (int s = 0; s < tabelle_->columnCount(); ++s) {
    const int breite = tabelle_->columnWidth(s);
    tabelle_->resizeColumnToContents(s);
    if (tabelle_->columnWidth(s) < breite) tabelle_->setColumnWidth(s, breite);
  }
  if (tabelle_->rowCount() > 0) tabelle_->selectRow(0);
  auswahl_ = 1;
  BildZeigen();
  return true;
}

void TfListe::ZeileVerschieben(int von, int nach) {
  // A failed exchange leaves the file as it was; the refill shows it.
  TypenTauschen(anlage_, art_, static_cast<std::size_t>(von), static_cast<std::size_t>(nach));
  Fuellen();
}

void TfListe::ImportAnbieten(const QString& name, const QString& text, std::function<bool()> import) {
  if (!importieren_) {
    auto* leiste = new QMenuBar(this);
    importieren_ = leiste->addMenu(QStringLiteral("Datei"))->addMenu(QStringLiteral("importieren"));
    layout()->setMenuBar(leiste);
  }
  importieren_->addAction(NeueAktion(this, name, text, "", [this, import = std::move(import)] {
    if (import()) Fuellen();
  }));
}

}  // namespace trm::gui
