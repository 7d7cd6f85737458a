// The helix calculator window.
#include "gui/calculators/TGlsWendel.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "core/editor/Editor.h"
#include "core/model/Bogen.h"
#include "core/model/Fehler.h"
#include "core/model/Zahlformat.h"
#include "gui/editor/Zellen.h"

namespace trm::gui {

namespace {
const char* kSchluessel[8] = {"Radius in mm",           "Steigung in %",
                              "Windung in °",           "Anzahl Windungen",
                              "Höhenunterschied in mm", "Höhenunterschied nach 360°",
                              "Länge in mm",            "Längenausgleich in mm"};
}  // namespace

TGlsWendel::TGlsWendel(Editor& editor, QWidget* eltern)
    : QDialog(eltern, Qt::Tool | Qt::WindowStaysOnTopHint), ed_(editor) {
  setObjectName(QStringLiteral("TGlsWendel"));
  setWindowTitle(QStringLiteral("Gleiswendel"));
  liste_ = new QTableWidget(8, 1, this);
  liste_->setObjectName(QStringLiteral("VLE_GlsWndl"));
  liste_->setHorizontalHeaderLabels({QStringLiteral("Daten")});
  QStringList zeilen;
  for (const char* k : kSchluessel) zeilen << QString::fromUtf8(k);
  liste_->setVerticalHeaderLabels(zeilen);
  liste_->horizontalHeader()->setStretchLastSection(true);
  liste_->installEventFilter(this);
  liste_->setItemDelegate(new Zahlenzelle(liste_));
  ZellaenderungVerbinden(liste_, &fuellt_, [this](int zeile, int, const QString& text) { Zelle(zeile, text); });

  berechnen_ = new QPushButton(QStringLiteral("berechnen"), this);
  holen_ = new QPushButton(QStringLiteral("Daten holen"), this);
  holen_->setToolTip(QStringLiteral("Daten des ausgewählten Bogens übernehmen"));
  uebertragen_ = new QPushButton(QStringLiteral("übertragen"), this);
  uebertragen_->setToolTip(QStringLiteral("Daten auf ausgewählten Bogen übertragen"));
  for (QPushButton* k : {berechnen_, holen_, uebertragen_}) k->setAutoDefault(false);
  connect(berechnen_, &QPushButton::clicked, this, [this] {
    w_.Berechnen();
    Zeigen();
    Knoepfe();
  });
  connect(holen_, &QPushButton::clicked, this, [this] {
    if (const TBogen* b = ed_.bogen(); b && WendelQuelleGeeignet(*b)) w_.AusBogen(*b);
    Zeigen();
    Knoepfe();
  });
  connect(uebertragen_, &QPushButton::clicked, this, [this] {
    bool ok = false;
    if (befehl) befehl([&] { return ok = WendelUebertragen(ed_, w_); });
    if (ok) hide();
  });
  auto* knoepfe = new QHBoxLayout;
  knoepfe->addWidget(berechnen_);
  knoepfe->addWidget(holen_);
  knoepfe->addWidget(uebertragen_);
  auto* l = new QVBoxLayout(this);
  l->addWidget(liste_);
  l->addLayout(knoepfe);
  resize(420, 330);
}

void TGlsWendel::showEvent(QShowEvent* e) {
  w_ = TGleiswendel{};
  Zeigen();
  Knoepfe();
  if (parentWidget()) move(parentWidget()->geometry().center() - rect().center());
  QDialog::showEvent(e);
}

void TGlsWendel::Zeigen() {
  fuellt_ = true;
  for (int i = 0; i < 8; ++i) {
    QString text = QString::fromStdString(w_.Text(i));
    if (i == WR && ed_.bogen() && w_.w[WR] == 0 && ed_.bogen()->IstUebergangsbogen()) text = QStringLiteral("Übergangsbogen");
    if (!liste_->item(i, 0)) liste_->setItem(i, 0, new QTableWidgetItem);
    liste_->item(i, 0)->setText(text);
  }
  fuellt_ = false;
}

void TGlsWendel::Knoepfe() {
  berechnen_->setEnabled(w_.Berechenbar());
  const TBogen* b = ed_.bogen();
  holen_->setEnabled(b && WendelQuelleGeeignet(*b));
  const bool gewoehnlich = b && b->Gleis && b->Gleis->IstGewoehnlich() && !b->Gleis->Element;
  uebertragen_->setEnabled(w_.berechnet && gewoehnlich);
}

void TGlsWendel::Zelle(int zeile, const QString& text) {
  if (zeile < 0 || zeile > 6) return;
  try {
    w_.Bearbeitet(zeile, TextReal(text.toStdString()));
  } catch (const LeseFehler& f) {
    ed_.dialoge().Fehler(f.what());
  }
  Knoepfe();
}

bool TGlsWendel::eventFilter(QObject* o, QEvent* e) {
  if (o == liste_ && EnterZurNaechstenZeile(liste_, e, 0)) return true;
  return QDialog::eventFilter(o, e);
}

}  // namespace trm::gui
