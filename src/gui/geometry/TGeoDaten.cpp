// The geometry editor.
#include "gui/geometry/TGeoDaten.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "core/base/Dialoge.h"
#include "core/editor/Editor.h"
#include "core/model/Anlage.h"
#include "core/model/Fehler.h"
#include "core/model/Textdatei.h"
#include "core/model/Zahlformat.h"
#include "gui/editor/Zahlenfeld.h"
#include "gui/render/QtCanvas.h"
#include "gui/settings/TFarb_Insp.h"

namespace trm::gui {

/// The drawing area: paints the editor's bitmap and hands the mouse to it.
class GeoZeichenflaeche : public QWidget {
 public:
  explicit GeoZeichenflaeche(TGeoDaten& f) : QWidget(&f), f_(f) { setMouseTracking(true); }
  void Groesse() { setFixedSize(f_.geo_.BildBreite(), f_.geo_.BildHoehe()); }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    QtCanvas c(p, width(), height());
    f_.geo_.Zeichnen(c);
  }
  void mousePressEvent(QMouseEvent* e) override {
    f_.geo_.Druecken(e->position().toPoint().x(), e->position().toPoint().y(), e->button() == Qt::RightButton);
    f_.Auffrischen();
  }
  void mouseMoveEvent(QMouseEvent* e) override {
    f_.geo_.Bewegen(e->position().toPoint().x(), e->position().toPoint().y());
    update();
  }
  void mouseReleaseEvent(QMouseEvent*) override {
    f_.geo_.Loslassen();
    f_.Auffrischen();
  }
  void leaveEvent(QEvent*) override {
    f_.geo_.fadenX = f_.geo_.fadenY = -1;
    update();
  }

 private:
  TGeoDaten& f_;
};

namespace {
QString Q(const std::string& s) { return QString::fromStdString(s); }
}  // namespace

TGeoDaten::TGeoDaten(Editor& editor, QWidget* eltern) : QDialog(eltern, Qt::Tool | Qt::WindowStaysOnTopHint), ed_(editor) {
  setObjectName(QStringLiteral("TGeoDaten"));
  setWindowTitle(QStringLiteral("Element-Editor"));
  flaeche_ = new GeoZeichenflaeche(*this);
  auto* rahmen = new QScrollArea(this);
  rahmen->setWidget(flaeche_);
  rahmen->setMinimumSize(420, 420);

  auto* werkzeuge = new QToolBar(this);
  auto* gruppe = new QButtonGroup(this);
  for (auto [name, text, hinweis, modus] :
       {std::tuple{"TB_Linie", "Linie", "Linie(n) zeichnen\r\nmindestens 2 Punkte erforderlich", int(WzLinie)},
        std::tuple{"TB_Bezier", "Bezier", "Bezier-Kurve zeichnen\r\n4 Punkte erforderlich", int(WzBezier)},
        std::tuple{"TB_polygon", "Vieleck", "Vieleck zeichnen\r\nmindestens 3 Punkte erforderlich", int(WzPolygon)},
        std::tuple{"TB_Kreis", "Kreis", "Kreis zeichnen", int(WzKreis)},
        std::tuple{"TB_radier", "Radierer", "Element löschen", int(WzRadierer)},
        std::tuple{"TB_Drehen", "Drehen", "Element drehen", int(WzDrehen)},
        std::tuple{"TB_MausSchwarz", "Punkt", "Punkt verschieben", int(WzPunkt)},
        std::tuple{"TB_maus", "Zeiger", "Mauszeiger zurücksetzen", int(WzZeiger)}}) {
    QToolButton* k = Werkzeugknopf(name, QString::fromUtf8(text), QString::fromUtf8(hinweis).replace(QStringLiteral("\r\n"), QStringLiteral("\n")), modus);
    gruppe->addButton(k);
    werkzeuge->addWidget(k);
    if (modus == WzZeiger) zeiger_ = k;
  }
  zeiger_->setChecked(true);
  for (auto [text, vergroessern] : {std::pair{"Ansicht vergrößern", true}, std::pair{"Ansicht verkleinern", false}}) {
    auto* k = new QToolButton(werkzeuge);
    k->setText(vergroessern ? QStringLiteral("+") : QStringLiteral("−"));
    k->setToolTip(QString::fromUtf8(text));
    connect(k, &QToolButton::clicked, this, [this, v = vergroessern] {
      v ? geo_.Vergroessern() : geo_.Verkleinern();
      Auffrischen();
    });
    werkzeuge->addWidget(k);
  }

  auto feld = [this](const char* name, Geofeld art) {
    auto* f = new Zahlenfeld(false, this);
    f->setObjectName(QString::fromUtf8(name));
    f->Uebernehmen = [this, art](const QString& t) {
      double v = 0;
      if (!t.trimmed().isEmpty()) {
        const auto z = ed_.Zahl(t.toStdString());
        if (!z) return Auffrischen();
        v = *z;
      }
      if (const auto fehler = geo_.FeldSetzen(art, v)) ed_.dialoge().Fehler(*fehler);
      Auffrischen();
    };
    return f;
  };
  x_ = feld("ED_X", Geofeld::X);
  y_ = feld("ED_Y", Geofeld::Y);
  urX_ = feld("ED_UrX", Geofeld::BezugX);
  urY_ = feld("ED_UrY", Geofeld::BezugY);
  drehen_ = feld("ED_drehen", Geofeld::Drehen);
  stiftbreite_ = feld("ED_Stiftbreite", Geofeld::Stiftbreite);
  breite_ = feld("ED_B", Geofeld::Breite);
  hoehe_ = feld("ED_H", Geofeld::Hoehe);
  raster_ = feld("ED_Raster", Geofeld::Raster);
  schritt_ = feld("ED_richten", Geofeld::Schritt);
  ausrichten_ = new QCheckBox(QStringLiteral("ausrichten"), this);
  rasterZeigen_ = new QCheckBox(QStringLiteral("Raster zeigen"), this);
  fadenkreuz_ = new QCheckBox(QStringLiteral("Fadenkreuz zeigen"), this);
  connect(ausrichten_, &QCheckBox::toggled, this, [this](bool an) { geo_.ausrichten = an; });
  connect(rasterZeigen_, &QCheckBox::toggled, this, [this](bool an) {
    geo_.rasterZeigen = an;
    flaeche_->update();
  });
  connect(fadenkreuz_, &QCheckBox::toggled, this, [this](bool an) { geo_.fadenkreuzZeigen = an; });
  stift_ = new QRadioButton(QStringLiteral("Stiftfarbe"), this);
  stift_->setObjectName(QStringLiteral("RB_Stift"));
  stift_->setChecked(true);
  auto* pinsel = new QRadioButton(QStringLiteral("Füllfarbe"), this);
  pinsel->setObjectName(QStringLiteral("RB_Pinsel"));
  farbe_ = new QPushButton(this);
  farbe_->setObjectName(QStringLiteral("S_Farbe"));
  farbe_->setFixedSize(40, 20);
  connect(farbe_, &QPushButton::clicked, this, [this] {
    TGeoElement* e = geo_.Gewaehlt();
    TFarb_Insp mischer(e ? (stift_->isChecked() ? e->Stiftfarbe : e->Fuellfarbe) : 0, ed_.anlage().Farbspeicher, this);
    if (mischer.exec() != QDialog::Accepted) return;
    if ((e = geo_.Gewaehlt())) (stift_->isChecked() ? e->Stiftfarbe : e->Fuellfarbe) = mischer.Farbe();
    Auffrischen();
  });
  vor_ = new QToolButton(this);
  vor_->setObjectName(QStringLiteral("TB_vor"));
  vor_->setText(QStringLiteral("nächster Punkt"));
  connect(vor_, &QToolButton::clicked, this, [this] {
    geo_.NaechsterPunkt();
    Auffrischen();
  });

  liste_ = new QListWidget(this);
  liste_->setObjectName(QStringLiteral("LB_Namen"));
  connect(liste_, &QListWidget::itemSelectionChanged, this, [this] { entfernen_->setEnabled(!liste_->selectedItems().isEmpty()); });
  connect(liste_, &QListWidget::itemDoubleClicked, this, [this] {
    geo_.Laden(static_cast<std::size_t>(liste_->currentRow()));
    Auffrischen();
  });
  liste_->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(liste_, &QListWidget::customContextMenuRequested, this, [this] { liste_->clearSelection(); });
  name_ = new QLineEdit(QStringLiteral("neues Element"), this);
  name_->setObjectName(QStringLiteral("ED_GeoName"));
  connect(name_, &QLineEdit::textChanged, this, [this](const QString& t) { geo_.Name = t.toStdString(); });

  auto* listenleiste = new QToolBar(this);
  auto listenknopf = [&](const char* name, const char* hinweis, std::function<void()> tun) {
    auto* k = new QToolButton(listenleiste);
    k->setObjectName(QString::fromUtf8(name));
    k->setText(QString::fromUtf8(hinweis));
    k->setToolTip(QString::fromUtf8(hinweis));
    connect(k, &QToolButton::clicked, this, std::move(tun));
    listenleiste->addWidget(k);
    return k;
  };
  listenknopf("TB_neu", "neue Elementenliste", [this] {
    geo_.NeueListe();
    Auffrischen();
  });
  listenknopf("TB_oeffnen", "Elementenliste öffnen", [this] {
    const auto pfad = ed_.dialoge().OeffnenDialog("Bauteile-Listen (*.g88)|*.g88");
    if (!pfad) return;
    try {
      geo_.ListeLaden(DateiLesen(*pfad));
    } catch (const std::runtime_error&) {
      ed_.dialoge().Fehler("Datei konnte nicht geöffnet werden");
    }
    Auffrischen();
  });
  listenknopf("TB_add", "Element ersetzen / zur Liste hinzufügen", [this] {
    const auto zeilen = liste_->selectedItems();
    try {
      geo_.Hinzufuegen(zeilen.isEmpty() ? std::nullopt : std::optional<std::size_t>(static_cast<std::size_t>(liste_->currentRow())));
    } catch (const LeseFehler& e) {
      ed_.dialoge().Fehler(e.what());
    }
    Auffrischen();
  });
  entfernen_ = listenknopf("TB_GeoRemove", "ausgewähltes Element aus der Liste löschen", [this] {
    if (liste_->currentRow() >= 0) geo_.Entfernen(static_cast<std::size_t>(liste_->currentRow()));
    Auffrischen();
  });
  listenknopf("TB_GeoSave", "Elementenliste speichern", [this] { ListeSpeichern(); });

  auto* felder = new QFormLayout;
  auto paar = [&](Zahlenfeld* a, Zahlenfeld* b) {
    auto* h = new QHBoxLayout;
    h->addWidget(new QLabel(QStringLiteral("x ="), this));
    h->addWidget(a);
    h->addWidget(new QLabel(QStringLiteral("y ="), this));
    h->addWidget(b);
    return h;
  };
  felder->addRow(QStringLiteral("aktueller Punkt"), paar(x_, y_));
  felder->addRow(QStringLiteral("Bezugspunkt festlegen"), paar(urX_, urY_));
  auto* dreh = new QHBoxLayout;
  dreh->addWidget(drehen_);
  dreh->addWidget(new QLabel(QStringLiteral("° Grad"), this));
  felder->addRow(QStringLiteral("um aktuellen Punkt drehen"), dreh);
  felder->addRow(QStringLiteral("Stiftbreite"), stiftbreite_);
  auto* farbzeile = new QHBoxLayout;
  farbzeile->addWidget(farbe_);
  farbzeile->addWidget(stift_);
  farbzeile->addWidget(pinsel);
  felder->addRow(QStringLiteral("Farbe"), farbzeile);
  felder->addRow(vor_);
  felder->addRow(QStringLiteral("Breite mm"), breite_);
  felder->addRow(QStringLiteral("Höhe mm"), hoehe_);
  felder->addRow(QStringLiteral("Raster mm"), raster_);
  felder->addRow(rasterZeigen_);
  felder->addRow(fadenkreuz_);
  auto* richten = new QHBoxLayout;
  richten->addWidget(ausrichten_);
  richten->addWidget(schritt_);
  felder->addRow(richten);
  felder->addRow(QStringLiteral("Name"), name_);
  felder->addRow(listenleiste);
  felder->addRow(liste_);

  auto* links = new QVBoxLayout;
  links->addWidget(werkzeuge);
  links->addWidget(rahmen, 1);
  auto* l = new QHBoxLayout(this);
  l->addLayout(links, 1);
  l->addLayout(felder);
  resize(900, 600);
}

QToolButton* TGeoDaten::Werkzeugknopf(const char* name, const QString& text, const QString& hinweis, int modus) {
  auto* k = new QToolButton(this);
  k->setObjectName(QString::fromUtf8(name));
  k->setText(text);
  k->setToolTip(hinweis);
  k->setCheckable(true);
  connect(k, &QToolButton::clicked, this, [this, modus] {
    geo_.Werkzeug(modus);
    flaeche_->setCursor(modus <= WzKreis ? Qt::CrossCursor : Qt::ArrowCursor);
    Auffrischen();
  });
  return k;
}

bool TGeoDaten::ListeSpeichern() {
  const auto pfad = ed_.dialoge().SpeichernDialog("Bauteile-Listen (*.g88)|*.g88", "", "g88");
  if (!pfad) return false;
  try {
    DateiSchreiben(*pfad, geo_.Listentext);
  } catch (const std::runtime_error&) {
    ed_.dialoge().Fehler("Datei konnte nicht gespeichert werden");
    return false;
  }
  geo_.Gesichert();
  return true;
}

void TGeoDaten::reject() {
  // Esc and the window's close: work that would be lost is asked about first.
  if (geo_.Ungesichert()) {
    const Antwort a = ed_.dialoge().Frage(MeldungAenderungenUebernehmen, Knoepfe::JaNeinAbbrechen);
    if (a == Antwort::Abbrechen) return;
    if (a == Antwort::Ja) {
      const auto zeilen = liste_->selectedItems();
      geo_.ZeichnungUebernehmen(zeilen.isEmpty() ? std::nullopt
                                                 : std::optional<std::size_t>(static_cast<std::size_t>(liste_->currentRow())));
      Auffrischen();
      if (!ListeSpeichern()) return;
    }
  }
  QDialog::reject();
}

void TGeoDaten::showEvent(QShowEvent* e) {
  geo_.Oeffnen();
  Auffrischen();
  QDialog::showEvent(e);
}

void TGeoDaten::Auffrischen() {
  if (geo_.Modus == WzZeiger && zeiger_ && !zeiger_->isChecked()) zeiger_->setChecked(true);
  liste_->clear();
  for (const std::string& n : geo_.Namensliste) liste_->addItem(Q(n));
  liste_->clearSelection();
  entfernen_->setEnabled(false);
  const TGeoElement* e = geo_.Gewaehlt();
  vor_->setEnabled(e != nullptr);
  breite_->Zeigen(Q(FestText(geo_.Breite, 0)));
  hoehe_->Zeigen(Q(FestText(geo_.Hoehe, 0)));
  raster_->Zeigen(Q(FestText(geo_.Raster, 0)));
  schritt_->Zeigen(Q(RealText(geo_.Schritt)));
  if (e && e->AktPunkt < static_cast<int>(e->Punkte.size())) {
    x_->Zeigen(Q(FestText(e->Punkte[static_cast<std::size_t>(e->AktPunkt)].x)));
    y_->Zeigen(Q(FestText(e->Punkte[static_cast<std::size_t>(e->AktPunkt)].y)));
    farbe_->setStyleSheet(QStringLiteral("background-color: rgb(%1,%2,%3); border: 2px solid rgb(%4,%5,%6);")
                              .arg(Rot(e->Fuellfarbe)).arg(Gruen(e->Fuellfarbe)).arg(Blau(e->Fuellfarbe))
                              .arg(Rot(e->Stiftfarbe)).arg(Gruen(e->Stiftfarbe)).arg(Blau(e->Stiftfarbe)));
    stiftbreite_->Zeigen(Q(RealText(e->Stiftbreite)));
  } else {
    x_->Zeigen(QStringLiteral("0"));
    y_->Zeigen(QStringLiteral("0"));
    farbe_->setStyleSheet(QStringLiteral("background-color: white; border: 2px solid black;"));
  }
  urX_->Zeigen(Q(FestText(geo_.Bezugspunkt.x)));
  urY_->Zeigen(Q(FestText(geo_.Bezugspunkt.y)));
  drehen_->Zeigen(QStringLiteral("0"));
  if (name_->text().toStdString() != geo_.Name) name_->setText(Q(geo_.Name));
  flaeche_->Groesse();
  flaeche_->update();
}

}  // namespace trm::gui
