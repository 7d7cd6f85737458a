// The parts-list window.
#include "gui/output/TfStckListe.h"

#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScrollArea>
#include <QTableWidget>
#include <QVBoxLayout>

#include "core/base/Dialoge.h"
#include "core/editor/Editor.h"
#include "core/model/Anlage.h"
#include "core/model/Dateiersatz.h"
#include "core/model/Datenordner.h"
#include "core/model/Fehler.h"
#include "core/model/Textdatei.h"
#include "gui/editor/Zellen.h"
#include "gui/output/Druckausgabe.h"

namespace trm::gui {

Anlage& TfStckListe::A() const { return e_.anlage(); }

namespace {

QTableWidget* NeuesGrid(const QString& name, QWidget* eltern) {
  auto* g = new QTableWidget(eltern);
  g->setItemDelegate(new Zahlenzelle(g));
  g->setObjectName(name);
  g->horizontalHeader()->hide();
  g->verticalHeader()->hide();
  g->setSelectionMode(QAbstractItemView::SingleSelection);
  return g;
}

void Zelle(QTableWidget* g, int r, int c, const std::string& text, bool editierbar) {
  auto* item = new QTableWidgetItem(QString::fromStdString(text));
  Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
  if (editierbar) f |= Qt::ItemIsEditable;
  item->setFlags(f);
  g->setItem(r, c, item);
}

std::string Text(const QTableWidget* g, int r, int c) {
  const QTableWidgetItem* i = g->item(r, c);
  return i ? i->text().trimmed().toStdString() : std::string();
}

void Fuellen(QTableWidget* g, const TZellen& z, const std::function<bool(int, int)>& editierbar) {
  g->clear();
  g->setRowCount(static_cast<int>(z.size()));
  g->setColumnCount(z.empty() ? 0 : static_cast<int>(z.front().size()));
  for (std::size_t r = 0; r < z.size(); ++r)
    for (std::size_t c = 0; c < z[r].size(); ++c)
      Zelle(g, static_cast<int>(r), static_cast<int>(c), z[r][c], editierbar(static_cast<int>(r), static_cast<int>(c)));
  g->resizeColumnsToContents();
  // Every row shows; the window scrolls, not the grid.
  g->setFixedHeight(g->verticalHeader()->length() + 2 * g->frameWidth() + 4);
}

}  // namespace

TfStckListe::TfStckListe(Editor& e, Dialoge& d, QWidget* eltern)
    : QDialog(eltern, Qt::Tool | Qt::WindowStaysOnTopHint), e_(e), d_(d) {
  setObjectName(QStringLiteral("TfStckListe"));
  setWindowTitle(QStringLiteral("Stückliste"));
  auto* haupt = new QVBoxLayout(this);
  auto* flaeche = new QScrollArea(this);
  auto* inhalt = new QWidget(flaeche);
  auto* il = new QVBoxLayout(inhalt);
  auto gruppe = [&](const char* titel, QTableWidget* g) {
    auto* box = new QGroupBox(QString::fromUtf8(titel), inhalt);
    auto* l = new QVBoxLayout(box);
    l->addWidget(g);
    g->installEventFilter(this);
    il->addWidget(box);
  };
  gleis_ = NeuesGrid(QStringLiteral("GleisGrid"), inhalt);
  gruppe("Gleise", gleis_);
  for (const TElementart* art : StuecklistenArten()) {
    tabellen_.push_back(NeuesGrid(QStringLiteral("Grid_") + QString::fromUtf8(art->kennung), inhalt));
    gruppe(art->stuecklistenTitel, tabellen_.back());
  }
  flaeche->setWidget(inhalt);
  flaeche->setWidgetResizable(true);
  haupt->addWidget(flaeche);
  auto* knoepfe = new QHBoxLayout;
  auto knopf = [&](const char* name, const char* text) {
    auto* b = new QPushButton(QString::fromUtf8(text), this);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false);
    knoepfe->addWidget(b);
    return b;
  };
  connect(knopf("BT_Berechnen", "berechnen"), &QPushButton::clicked, this, [this] { Berechnen(); });
  connect(knopf("BT_Drucken", "drucken"), &QPushButton::clicked, this, [this] { Drucken(); });
  connect(knopf("BT_Exportieren", "Stückliste exportieren…"), &QPushButton::clicked, this, [this] {
    QString pfad = QFileDialog::getSaveFileName(this, QStringLiteral("Stückliste exportieren"),
                                                QString::fromStdString(A().Name) + QStringLiteral(".csv"),
                                                QStringLiteral("CSV-Dateien (*.csv)"));
    if (pfad.isEmpty()) return;
    if (!pfad.endsWith(QStringLiteral(".csv"), Qt::CaseInsensitive)) pfad += QStringLiteral(".csv");
    Exportieren(pfad);
  });
  knoepfe->addStretch();
  connect(knopf("BT_Abbrechen", "Abbrechen"), &QPushButton::clicked, this, &QDialog::hide);
  haupt->addLayout(knoepfe);
  resize(640, 720);
}

std::string TfStckListe::PreisDatei() const { return MitTrenner(A().DatenPfad) + PreisDateiName; }

void TfStckListe::Neuaufbau() {
  s_ = StuecklisteAufbauen(A());
  try {
    if (auto p = DateiImOrdner(A().DatenPfad, PreisDateiName)) PreiseEintragen(s_, PreiseLesen(DateiLesen(*p)));
    StuecklisteBerechnen(s_);
  } catch (const std::runtime_error&) {
    // A damaged price file only costs the kept values; the counts stand.
    s_ = StuecklisteAufbauen(A());
  }
  Zeigen();
}

void TfStckListe::Zeigen() {
  Fuellen(gleis_, GleisZellen(s_), [](int r, int c) { return c > 0 && (r == 2 || r == 3 || r == 5); });
  for (std::size_t k = 0; k < tabellen_.size(); ++k) {
    const TZellen z = ElementZellen(s_.tabellen[k]);
    const int preis = static_cast<int>(z.front().size()) - 1;
    const int zeilen = static_cast<int>(s_.tabellen[k].zeilen.size());
    Fuellen(tabellen_[k], z, [preis, zeilen](int r, int c) { return c == preis && r >= 1 && r <= zeilen; });
  }
}

void TfStckListe::Uebernehmen() {
  for (std::size_t i = 0; i < s_.gleise.size(); ++i) {
    const int c = static_cast<int>(i) + 1;
    s_.gleise[i].stueckLaenge = Text(gleis_, 2, c);
    s_.gleise[i].verschnitt = Text(gleis_, 3, c);
    s_.gleise[i].preis = Text(gleis_, 5, c);
  }
  for (std::size_t k = 0; k < tabellen_.size(); ++k) {
    const int preis = tabellen_[k]->columnCount() - 1;
    for (std::size_t r = 0; r < s_.tabellen[k].zeilen.size(); ++r)
      s_.tabellen[k].zeilen[r].preis = Text(tabellen_[k], static_cast<int>(r) + 1, preis);
  }
}

bool TfStckListe::Berechnen() {
  Uebernehmen();
  try {
    StuecklisteBerechnen(s_);
  } catch (const EingabeFehler& f) {
    d_.Fehler(f.what());
    return false;
  }
  // The typed values are kept, so that a modeller types his prices once.
  TPreise p;
  try {
    if (auto alt = DateiImOrdner(A().DatenPfad, PreisDateiName)) p = PreiseLesen(DateiLesen(*alt));
  } catch (const std::runtime_error&) {
  }
  PreiseMerken(s_, p);
  try {
    if (!A().DatenPfad.empty()) DateiSchreiben(PreisDatei(), PreiseSchreiben(p));
  } catch (const std::runtime_error& f) {
    d_.Fehler(f.what());
  }
  Zeigen();
  return true;
}

bool TfStckListe::Exportieren(const QString& pfad) {
  if (!Berechnen()) return false;
  try {
    DateiErsetzen(pfad.toStdString(), StuecklisteCSV(s_));
  } catch (const DateiFehler& f) {
    d_.Fehler(f.what());
    return false;
  }
  return true;
}

void TfStckListe::Drucken() {
  if (!Berechnen()) return;
  QPrinter drucker(QPrinter::HighResolution);
  QPrintDialog dlg(&drucker, this);
  if (dlg.exec() != QDialog::Accepted) return;
  drucker.setDocName(QString::fromStdString(A().Name.empty() ? "unbenannt" : A().Name));
  QPainter p;
  if (!p.begin(&drucker)) {
    d_.Fehler("Der Drucker konnte nicht drucken.");
    return;
  }
  const QFontMetrics fm(p.font(), &drucker);
  const int zeile = static_cast<int>(std::lround(1.5 * fm.height()));
  const int rand = fm.horizontalAdvance(QStringLiteral("linker Rand"));
  const int label = fm.horizontalAdvance(QStringLiteral("Länge pro Flexgleis in mm ##"));
  const int zahl = fm.horizontalAdvance(QStringLiteral("000.000.000.000"));
  const int seite = drucker.pageLayout().paintRectPixels(drucker.resolution()).height() / std::max(1, zeile);
  auto spalteX = [&](int c) { return c == 0 ? rand : rand + label + (c - 1) * zahl; };
  auto tabelle = [&](const QTableWidget* g, int& z) {
    for (int r = 0; r < g->rowCount(); ++r, ++z)
      for (int c = 0; c < g->columnCount(); ++c)
        p.drawText(spalteX(c), z * zeile, QString::fromStdString(Text(g, r, c)));
  };
  p.drawText(2 * zahl, 5 * zeile, QStringLiteral("Stückliste ") + QString::fromStdString(A().Name));
  int z = 8;
  tabelle(gleis_, z);
  for (const QTableWidget* g : tabellen_) {
    ++z;
    if (z + g->rowCount() > seite - 10) {
      drucker.newPage();
      z = 7;
    }
    tabelle(g, z);
  }
  p.end();
}

bool TfStckListe::eventFilter(QObject* o, QEvent* e) {
  auto* g = qobject_cast<QTableWidget*>(o);
  if (g && IstEingabetaste(e)) {
    if (ZelleOffen(g)) {
      // The cell editor commits its value first (queued); the list is computed after it.
      QMetaObject::invokeMethod(this, [this] { Berechnen(); }, Qt::QueuedConnection);
      return false;
    }
    const int r = g->currentRow() + 1 >= g->rowCount() ? 1 : g->currentRow() + 1;
    Berechnen();
    g->setCurrentCell(std::min(r, g->rowCount() - 1), std::max(0, g->currentColumn()));
    return true;
  }
  return QDialog::eventFilter(o, e);
}

}  // namespace trm::gui
