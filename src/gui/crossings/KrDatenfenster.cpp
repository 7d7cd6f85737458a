// The data windows of crossings and slips.
#include "gui/crossings/KrDatenfenster.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "core/crossings/KrEndpfeile.h"
#include "core/crossings/Kreuzung.h"
#include "core/model/Anlage.h"
#include "gui/crossings/TDS_Daten.h"
#include "gui/crossings/Zungenschema.h"
#include "gui/editor/Zahlenfeld.h"
#include "gui/editor/Zellen.h"
#include "gui/settings/TFarb_Insp.h"

namespace trm::gui {

namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

/// Same pages, lists and rows (the texts may differ).
bool GleicherAufbau(const std::vector<TDatenseite>& a, const std::vector<TDatenseite>& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t s = 0; s < a.size(); ++s) {
    if (a[s].titel != b[s].titel || a[s].listen.size() != b[s].listen.size()) return false;
    for (std::size_t l = 0; l < a[s].listen.size(); ++l) {
      const auto& x = a[s].listen[l];
      const auto& y = b[s].listen[l];
      if (x.titel != y.titel || x.zeilen.size() != y.zeilen.size()) return false;
      for (std::size_t z = 0; z < x.zeilen.size(); ++z)
        if (x.zeilen[z].schluessel != y.zeilen[z].schluessel || x.zeilen[z].feld != y.zeilen[z].feld) return false;
    }
  }
  return true;
}

constexpr int FeldRolle = Qt::UserRole;

}  // namespace

KrDatenfenster::KrDatenfenster(Elementart art, const Fensterteile& t, QWidget* eltern)
    : Werkzeugfenster(eltern), art_(art), t_(t) {
  auto* leiste = new QHBoxLayout;
  Werkzeugleiste(leiste);
  seiten_ = new QTabWidget(this);
  seiten_->setObjectName(QStringLiteral("PC_Seiten"));
  auto* l = new QVBoxLayout(this);
  l->addLayout(leiste);
  l->addWidget(seiten_);
  setMinimumWidth(520);
  resize(560, 540);
}

void KrDatenfenster::Werkzeugleiste(QHBoxLayout* leiste) {
  Editor* ed = t_.editor;
  const QString kind = QString::fromUtf8(ElementartInfo(art_)->name);
  auto knopf = [&](const char* name, const QString& text, const QString& hinweis, std::function<void()> tun) {
    auto* k = new QToolButton(this);
    k->setObjectName(QString::fromUtf8(name));
    k->setText(text);
    k->setToolTip(hinweis);
    connect(k, &QToolButton::clicked, this, [this, tun] {
      tun();
      Auffrischen();
    });
    leiste->addWidget(k);
    return k;
  };
  auto befehl = [this](std::function<bool()> b) { return [this, b] { t_.befehl(b); }; };
  kruemmung_ = knopf("TB_Kruemmung", QStringLiteral("Krümmung"),
                     art_ == Elementart::Kreuzung ? QStringLiteral("Krümmungsrichtung umkehren")
                                                  : QStringLiteral("Krümmungsrichtung ändern"),
                     befehl([ed] { return KruemmungUmkehren(*ed); }));
  knopf("TB_Drehen", QStringLiteral("drehen"), kind + QStringLiteral(" drehen"), befehl([ed] { return ed->ElementDrehen(); }));
  if (art_ == Elementart::EKW)
    zweig_ = knopf("TB_Zweiggleis", QStringLiteral("Stammgleis"), QStringLiteral("Zweiggleis am Stamm- /Kreuzungsgleis"),
                   befehl([ed] { return ZweiggleisWechseln(*ed); }));
  knopf("TB_Entfernen", QStringLiteral("entfernen"), kind + QStringLiteral(" aus dem Plan entfernen"),
        befehl([ed] { return ed->ElementAusPlanEntfernen(); }));
  knopf("TB_Farbe", QStringLiteral("Farbe"), QStringLiteral("Farbe"), [this] { Farbe(); });
  anpassen_ = new QCheckBox(QStringLiteral("Radius anpassen"), this);
  anpassen_->setObjectName(QStringLiteral("CB_RadiusAnpassen"));
  anpassen_->setChecked(true);
  anpassen_->setToolTip(QStringLiteral("Krümmungsrichtung des Stammbogens = Krümmungsrichtung des Kreuzungsbogens"));
  leiste->addWidget(anpassen_);
  leiste->addStretch();
}

void KrDatenfenster::Zeigen() {
  show();
  Auffrischen();
}

void KrDatenfenster::Auffrischen() {
  const TKreuzung* k = Kreuzung(*t_.editor);
  if (!k || k->Art() != art_) return;
  const Kreuzungsanzeige a = KreuzungAnzeigen(*k);
  setWindowTitle(Q(a.titel));
  kruemmung_->setEnabled(a.gekruemmt);
  if (zweig_) zweig_->setText(a.amKreuzungsgleis ? QStringLiteral("Kreuzungsgleis") : QStringLiteral("Stammgleis"));
  if (!GleicherAufbau(gebaut_, a.seiten)) Aufbauen(a);
  Fuellen(a);
}

void KrDatenfenster::Aufbauen(const Kreuzungsanzeige& a) {
  const int vorher = seiten_->currentIndex();
  const QString vorherTitel = vorher >= 0 ? seiten_->tabText(vorher) : QString();
  // The old pages go after the event that asked for the change.
  while (seiten_->count() > 0) {
    QWidget* s = seiten_->widget(0);
    seiten_->removeTab(0);
    s->deleteLater();
  }
  listen_.clear();
  grundlaenge_ = nullptr;
  schema_ = nullptr;
  Editor* ed = t_.editor;
  for (std::size_t n = 0; n < a.seiten.size(); ++n) {
    const TDatenseite& seite = a.seiten[n];
    auto* blatt = new QWidget;
    auto* l = new QVBoxLayout(blatt);
    for (const TWertliste& liste : seite.listen) {
      auto* gruppe = new QGroupBox(Q(liste.titel), blatt);
      auto* gl = new QVBoxLayout(gruppe);
      auto* tabelle = new QTableWidget(static_cast<int>(liste.zeilen.size()), 2, gruppe);
      tabelle->setObjectName(QStringLiteral("VL_") + Q(liste.titel));
      tabelle->horizontalHeader()->hide();
      tabelle->verticalHeader()->hide();
      tabelle->verticalHeader()->setDefaultSectionSize(20);
      tabelle->horizontalHeader()->setStretchLastSection(true);
      tabelle->setColumnWidth(0, 150);
      tabelle->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                               QAbstractItemView::AnyKeyPressed);
      for (int r = 0; r < tabelle->rowCount(); ++r) {
        const TWertzeile& z = liste.zeilen[static_cast<std::size_t>(r)];
        auto* schluessel = new QTableWidgetItem(Q(z.schluessel));
        schluessel->setFlags(Qt::ItemIsEnabled);
        tabelle->setItem(r, 0, schluessel);
        auto* wert = new QTableWidgetItem;
        wert->setData(FeldRolle, z.feld ? static_cast<int>(*z.feld) : -1);
        wert->setFlags(z.feld ? Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable : Qt::ItemIsEnabled);
        tabelle->setItem(r, 1, wert);
      }
      tabelle->resizeColumnToContents(0);
      tabelle->setColumnWidth(0, std::max(150, tabelle->columnWidth(0) + 8));
      tabelle->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
      tabelle->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
      tabelle->setFixedHeight(tabelle->rowCount() * 20 + 2 * tabelle->frameWidth());
      ZellaenderungVerbinden(tabelle, &fuellen_, [this, tabelle](int zeile, int spalte, const QString& text) {
        if (spalte == 1) Geaendert(tabelle, zeile, text);
      });
      gl->addWidget(tabelle);
      listen_.push_back(tabelle);
      l->addWidget(gruppe);
      if (seite.titel == "Herzstück") {
        const bool links = liste.titel == "Herzstück links";
        auto* k = new QPushButton(QStringLiteral("Richtung ändern"), blatt);
        k->setObjectName(links ? QStringLiteral("BT_RichtungLi") : QStringLiteral("BT_RichtungRe"));
        connect(k, &QPushButton::clicked, this, [this, ed, links] {
          t_.befehl([ed, links] { return HerzstueckUmdrehen(*ed, links); });
          Auffrischen();
        });
        l->addWidget(k);
      }
    }
    if (n == 0 && a.aussen) {
      // A new base length for outside blades.
      l->addWidget(new QLabel(art_ == Elementart::DKW
                                  ? QStringLiteral("für DKW mit außenliegenden Zungen neue Länge hier eingeben:")
                                  : QStringLiteral("für EKW mit außenliegenden Zungen neue Länge hier eingeben:"),
                              blatt));
      auto* zeile = new QHBoxLayout;
      grundlaenge_ = new Zahlenfeld(true, blatt);
      grundlaenge_->setObjectName(QStringLiteral("ED_Grundlaenge"));
      grundlaenge_->enterWeiter = false;
      auto* uebernehmen = new QPushButton(QStringLiteral("übernehmen"), blatt);
      uebernehmen->setObjectName(QStringLiteral("BT_Uebernehmen"));
      auto tun = [this, ed] {
        const std::string text = grundlaenge_->text().toStdString();
        t_.befehl([ed, text] { return KreuzungFeldSetzen(*ed, Krfeld::AussenLaenge, text); });
        Auffrischen();
      };
      connect(uebernehmen, &QPushButton::clicked, this, tun);
      connect(grundlaenge_, &Zahlenfeld::Eingabetaste, this, tun);
      zeile->addWidget(grundlaenge_);
      zeile->addWidget(uebernehmen);
      l->addLayout(zeile);
    }
    if (seite.titel == "Zungen") {
      schema_ = new Zungenschema(blatt);
      schema_->geklickt = [this, ed](Zungenkreis kreis) {
        t_.befehl([ed, kreis] { return ZungenTauschen(*ed, kreis); });
        Auffrischen();
      };
      // Pointing at a circle marks its end of the element in the drawing.
      schema_->darueber = [this, ed](std::optional<Zungenkreis> kreis) {
        int marke = -1;
        const TKreuzung* k = Kreuzung(*ed);
        if (kreis && k) {
          const bool amKreuzungsgleis = k->Art() == Elementart::EKW && KreuzungAnzeigen(*k).amKreuzungsgleis;
          switch (*kreis) {
            case Zungenkreis::ObenLinks: marke = art_ == Elementart::DKW || amKreuzungsgleis ? 1 : 0; break;
            case Zungenkreis::ObenRechts: marke = art_ == Elementart::DKW || amKreuzungsgleis ? 2 : 3; break;
            case Zungenkreis::UntenLinks: marke = 0; break;
            case Zungenkreis::UntenRechts: marke = 3; break;
          }
        }
        endmarke_ = marke >= 0;
        if (EndMarkeZeigen(*ed, marke) && t_.neuZeichnen) t_.neuZeichnen();
      };
      l->addWidget(schema_);
    }
    if (seite.titel == "Schwellenplan") {
      auto* k = new QPushButton(QStringLiteral("Doppelschwellen..."), blatt);
      k->setObjectName(QStringLiteral("BT_Doppelschwellen"));
      connect(k, &QPushButton::clicked, this, [this] {
        if (const TKreuzung* kr = Kreuzung(*t_.editor)) Doppelschwellen(kr->DSwIndizes.size());
      });
      l->addWidget(k);
    }
    l->addStretch();
    seiten_->addTab(blatt, Q(seite.titel));
  }
  gebaut_ = a.seiten;
  for (int i = 0; i < seiten_->count(); ++i)
    if (seiten_->tabText(i) == vorherTitel) seiten_->setCurrentIndex(i);
}

void KrDatenfenster::Fuellen(const Kreuzungsanzeige& a) {
  fuellen_ = true;
  std::size_t n = 0;
  for (const TDatenseite& seite : a.seiten)
    for (const TWertliste& liste : seite.listen) {
      QTableWidget* t = listen_.at(n++);
      for (int r = 0; r < t->rowCount(); ++r) {
        const TWertzeile& z = liste.zeilen[static_cast<std::size_t>(r)];
        QTableWidgetItem* wert = t->item(r, 1);
        wert->setText(z.zusatz.empty() ? Q(z.text) : Q(z.text + " / " + z.zusatz));
        wert->setBackground(z.zusatz.empty() ? QBrush() : QBrush(QColor(0, 255, 255)));
      }
    }
  if (grundlaenge_) grundlaenge_->Zeigen(Q(a.grundlaenge));
  if (schema_) schema_->Setzen(art_ == Elementart::DKW, a.getauscht);
  fuellen_ = false;
}

QTableWidget* KrDatenfenster::Liste(const QString& titel) const {
  for (QTableWidget* t : listen_)
    if (t->objectName() == QStringLiteral("VL_") + titel) return t;
  return nullptr;
}

void KrDatenfenster::Eingeben(Krfeld feld, const QString& text) {
  for (QTableWidget* t : listen_)
    for (int r = 0; r < t->rowCount(); ++r)
      if (t->item(r, 1)->data(FeldRolle).toInt() == static_cast<int>(feld)) {
        t->item(r, 1)->setText(text);
        return;
      }
}

void KrDatenfenster::Geaendert(QTableWidget* tabelle, int zeile, const QString& wert) {
  const int f = tabelle->item(zeile, 1)->data(FeldRolle).toInt();
  if (f < 0) return;
  const auto feld = static_cast<Krfeld>(f);
  const std::string text = wert.toStdString();
  Editor* ed = t_.editor;
  if (feld == Krfeld::DSwAnzahl) {
    const auto n = ed->Zahl(text);
    if (n) Doppelschwellen(static_cast<std::size_t>(std::clamp(std::round(*n), 0.0, 1000.0)));
    Auffrischen();
    return;
  }
  const bool anpassen = anpassen_->isChecked();
  // Enter moves on to the next row, from the last to the first.
  const int naechste = (zeile + 1) % tabelle->rowCount();
  t_.befehl([ed, feld, text, anpassen] { return KreuzungFeldSetzen(*ed, feld, text, anpassen); });
  Auffrischen();
  QTimer::singleShot(0, tabelle, [tabelle, naechste] { tabelle->setCurrentCell(naechste, 1); });
}

void KrDatenfenster::hideEvent(QHideEvent* e) {
  Werkzeugfenster::hideEvent(e);
  if (!endmarke_ || getrennt_) return;
  endmarke_ = false;
  if (EndMarkeZeigen(*t_.editor, -1) && t_.neuZeichnen) t_.neuZeichnen();
}

void KrDatenfenster::keyPressEvent(QKeyEvent* e) {
  // Ctrl held here counts as held in the drawing area.
  if (e->key() == Qt::Key_Control) t_.editor->StrgSetzen(true);
  Werkzeugfenster::keyPressEvent(e);
}

void KrDatenfenster::keyReleaseEvent(QKeyEvent* e) {
  if (e->key() == Qt::Key_Control) t_.editor->StrgSetzen(false);
  Werkzeugfenster::keyReleaseEvent(e);
}

void KrDatenfenster::Doppelschwellen(std::size_t anzahl) {
  const TKreuzung* k = Kreuzung(*t_.editor);
  if (!k) return;
  TDS_Daten dialog(DoppelschwellenFelder(*k, anzahl), this);
  if (dialog.exec() != QDialog::Accepted) return;
  const std::vector<std::string> felder = dialog.Felder();
  Editor* ed = t_.editor;
  t_.befehl([ed, felder] { return DoppelschwellenSetzen(*ed, felder); });
  Auffrischen();
}

void KrDatenfenster::Farbe() {
  const TKreuzung* k = Kreuzung(*t_.editor);
  if (!k) return;
  TFarb_Insp mischer(k->Farbe, t_.editor->anlage().Farbspeicher, this);
  if (mischer.exec() != QDialog::Accepted) return;
  const std::int32_t farbe = mischer.Farbe();
  Editor* ed = t_.editor;
  t_.befehl([ed, farbe] { return KreuzungFarbeSetzen(*ed, farbe); });
}

TKreuzungsdaten::TKreuzungsdaten(const Fensterteile& t, QWidget* eltern) : KrDatenfenster(Elementart::Kreuzung, t, eltern) {
  setObjectName(QStringLiteral("TKreuzungsdaten"));
  setWindowTitle(QStringLiteral("Kreuzung"));
}

TEKWDaten::TEKWDaten(const Fensterteile& t, QWidget* eltern) : KrDatenfenster(Elementart::EKW, t, eltern) {
  setObjectName(QStringLiteral("TEKWDaten"));
  setWindowTitle(QStringLiteral("EKW"));
}

TDKWDaten::TDKWDaten(const Fensterteile& t, QWidget* eltern) : KrDatenfenster(Elementart::DKW, t, eltern) {
  setObjectName(QStringLiteral("TDKWDaten"));
  setWindowTitle(QStringLiteral("DKW"));
}

}  // namespace trm::gui
