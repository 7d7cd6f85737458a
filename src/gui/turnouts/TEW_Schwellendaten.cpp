// The sleeper editor window of turnouts.
#include "gui/turnouts/TEW_Schwellendaten.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QToolBar>
#include <QVBoxLayout>
#include <cmath>

#include "core/turnouts/WeichenBefehle.h"
#include "core/editor/Editor.h"
#include "core/turnouts/Weiche.h"
#include "gui/editor/Aktion.h"
#include "gui/editor/Zahlenfeld.h"
#include "gui/render/QtCanvas.h"

namespace trm::gui {

namespace {
QString Q(const std::string& s) { return QString::fromStdString(s); }
constexpr int kRand = 20;  ///< pixels left of the point end
}  // namespace

/// The drawing area of the editor.
class Schwellenbild : public QWidget {
 public:
  explicit Schwellenbild(TEW_Schwellendaten& fenster) : QWidget(&fenster), f_(fenster) {
    setObjectName(QStringLiteral("Schwellenbild"));
    setMinimumSize(400, 200);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::white);
    setPalette(p);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    QtCanvas c(painter, width(), height(), schrift);
    SchwelleneditorZeichnen(f_.Kern(), c, f_.Ansicht());
  }
  void mousePressEvent(QMouseEvent* e) override {
    const QPoint p = e->position().toPoint();
    if (f_.Kern().Klicken(f_.Ansicht().Rahmen({p.x(), p.y()}),
                          e->modifiers() & Qt::ControlModifier))
      f_.Auffrischen();
  }

 public:
  int schrift = 8;

 private:
  TEW_Schwellendaten& f_;
};

TEW_Schwellendaten::TEW_Schwellendaten(Editor& ed, QWidget* eltern) : QDialog(eltern), ed_(ed) {
  setObjectName(QStringLiteral("TEW_Schwellendaten"));
  kern_ = std::make_unique<TSchwelleneditor>(*Weiche(ed), ed.dialoge());
  setWindowTitle(Q(kern_->Titel()));
  setWindowState(Qt::WindowMaximized);
  bild_ = new Schwellenbild(*this);

  auto* leiste = new QToolBar(this);
  auto aktion = [&](const char* name, const QString& text, const QString& hinweis,
                    std::function<void()> tun) {
    QAction* a = NeueAktion(this, QString::fromUtf8(name), text, hinweis, std::move(tun));
    leiste->addAction(a);
    return a;
  };
  aktion("TB_ZoomIn", QStringLiteral("+"), QStringLiteral("Ansicht vergrößern"), [this] {
    ++massstab_;
    gezoomt_ = true;
    Auffrischen();
  });
  kleiner_ =
      aktion("TB_ZoomOut", QStringLiteral("−"), QStringLiteral("Ansicht verkleinern"), [this] {
        massstab_ = std::max(1, massstab_ - 1);
        gezoomt_ = true;
        Auffrischen();
      });
  aktion("TB_yplus", QStringLiteral("▲"), QStringLiteral("Zeichnung nach oben"), [this] {
    versatzY_ -= 2;
    Auffrischen();
  });
  aktion("TB_yminus", QStringLiteral("▼"), QStringLiteral("Zeichnung nach unten"), [this] {
    versatzY_ += 2;
    Auffrischen();
  });
  aktion("TB_back", QStringLiteral("◀"), QStringLiteral("vorige Schwelle"), [this] {
    kern_->Schritt(-1);
    Auffrischen();
  });
  aktion("TB_vor", QStringLiteral("▶"), QStringLiteral("nächste Schwelle"), [this] {
    kern_->Schritt(1);
    Auffrischen();
  });
  speichern_ = aktion("TB_SwSave", QStringLiteral("Speichern"),
                      QStringLiteral("Schwellenplan speichern"), [this] {
                        SchwelleneditorSpeichern(ed_, *kern_);
                        Auffrischen();
                      });

  // Display.
  auto* anzeige = new QGroupBox(QStringLiteral("Anzeige"), this);
  auto* la = new QVBoxLayout(anzeige);
  auto schalter = [&](const char* name, const QString& text) {
    auto* c = new QCheckBox(text, anzeige);
    c->setObjectName(QString::fromUtf8(name));
    c->setChecked(true);
    connect(c, &QCheckBox::toggled, this, [this] { Auffrischen(); });
    la->addWidget(c);
    return c;
  };
  nummer_ = schalter("CB_Nummer", QStringLiteral("Schwellennummer"));
  abstand_ = schalter("CB_Abstand", QStringLiteral("Schwellenabstand"));
  laenge_ = schalter("CB_Laenge", QStringLiteral("Schwellenlänge"));
  auto* mm = new QRadioButton(QStringLiteral("Modellmaße (mm)"), anzeige);
  dm_ = new QRadioButton(QStringLiteral("Vorbildmaße (dm)"), anzeige);
  dm_->setObjectName(QStringLiteral("RB_Dezimeter"));
  mm->setChecked(true);
  connect(dm_, &QRadioButton::toggled, this, [this] { Auffrischen(); });
  la->addWidget(mm);
  la->addWidget(dm_);
  auto* zeileSchrift = new QHBoxLayout;
  zeileSchrift->addWidget(new QLabel(QStringLiteral("Schriftgröße"), anzeige));
  schrift_ = new QSpinBox(anzeige);
  schrift_->setRange(5, 24);
  schrift_->setValue(8);
  connect(schrift_, &QSpinBox::valueChanged, this, [this](int g) {
    bild_->schrift = g;
    bild_->update();
  });
  zeileSchrift->addWidget(schrift_);
  la->addLayout(zeileSchrift);

  // The selected sleeper.
  auto* aktuell = new QGroupBox(QStringLiteral("Aktuelle Schwelle"), this);
  auto* lg = new QGridLayout(aktuell);
  nummerFeld_ = Feld("ED_Nummer", true, [this](const QString& t) {
    kern_->NummerWaehlen(t.toStdString());
    Auffrischen();
  });
  abstandFeld_ = Feld("ED_Abstand", false, [this](const QString& t) {
    kern_->AbstandSetzen(t.toStdString(), Dm());
    Auffrischen();
  });
  laengeFeld_ = Feld("ED_Laenge", false, [this](const QString& t) {
    kern_->LaengeSetzen(t.toStdString(), Dm());
    Auffrischen();
  });
  abstandText_ = new QLabel(aktuell);
  laengeText_ = new QLabel(aktuell);
  lg->addWidget(new QLabel(QStringLiteral("Schwellennummer"), aktuell), 0, 0);
  lg->addWidget(nummerFeld_, 0, 1);
  lg->addWidget(abstandText_, 1, 0);
  lg->addWidget(abstandFeld_, 1, 1);
  lg->addWidget(laengeText_, 2, 0);
  lg->addWidget(laengeFeld_, 2, 1);
  senkrecht_ = Feld("ED_Senkrecht", true, [this](const QString& t) {
    kern_->SenkrechtBisSetzen(t.toStdString());
    Auffrischen();
  });
  lg->addWidget(new QLabel(QStringLiteral("letzte senkrechte Schwelle"), aktuell), 3, 0);
  lg->addWidget(senkrecht_, 3, 1);

  // Adding and removing sleepers, and the offsets of each pair.
  auto* hinzu = new QGroupBox(QStringLiteral("Schwelle hinzufügen"), this);
  auto* weg = new QGroupBox(QStringLiteral("Schwelle löschen"), this);
  auto* abstaende = new QGroupBox(QStringLiteral("Anfangs- und Endabstand"), this);
  auto* lh = new QVBoxLayout(hinzu);
  auto* lw = new QVBoxLayout(weg);
  auto* lv = new QGridLayout(abstaende);
  lv->addWidget(new QLabel(QStringLiteral("Anfang"), abstaende), 0, 1);
  lv->addWidget(new QLabel(QStringLiteral("Ende"), abstaende), 0, 2);
  for (int k = 0; k < 3; ++k) {
    const QString n = QString::number(k + 1);
    hinzu_[k] = new QPushButton(QStringLiteral("am Ende von Bogenpaar ") + n, hinzu);
    hinzu_[k]->setObjectName(QStringLiteral("BT_Hinzufuegen") + n);
    connect(hinzu_[k], &QPushButton::clicked, this, [this, k] {
      kern_->Hinzufuegen(k + 1);
      Auffrischen();
    });
    weg_[k] = new QPushButton(QStringLiteral("letzte Schwelle Bogenpaar ") + n, weg);
    weg_[k]->setObjectName(QStringLiteral("BT_Loeschen") + n);
    connect(weg_[k], &QPushButton::clicked, this, [this, k] {
      kern_->Loeschen(k + 1);
      Auffrischen();
    });
    anfang_[k] = new QLabel(abstaende);
    ende_[k] = new QLabel(abstaende);
    lh->addWidget(hinzu_[k]);
    lw->addWidget(weg_[k]);
    lv->addWidget(new QLabel(QStringLiteral("Bogenpaar ") + n, abstaende), k + 1, 0);
    lv->addWidget(anfang_[k], k + 1, 1);
    lv->addWidget(ende_[k], k + 1, 2);
  }

  auto* rechts = new QVBoxLayout;
  rechts->addWidget(anzeige);
  rechts->addWidget(aktuell);
  rechts->addWidget(hinzu);
  rechts->addWidget(weg);
  rechts->addWidget(abstaende);
  rechts->addStretch();
  auto* seite = new QWidget(this);
  seite->setLayout(rechts);
  seite->setFixedWidth(300);
  auto* mitte = new QHBoxLayout;
  mitte->addWidget(bild_, 1);
  mitte->addWidget(seite);
  auto* l = new QVBoxLayout(this);
  l->addWidget(leiste);
  l->addLayout(mitte, 1);
  resize(1000, 600);
  Einpassen();
  Auffrischen();
}

TEW_Schwellendaten::~TEW_Schwellendaten() = default;

Zahlenfeld* TEW_Schwellendaten::Feld(const char* name, bool ganzzahl,
                                     std::function<void(const QString&)> tun) {
  auto* f = new Zahlenfeld(ganzzahl, this);
  f->setObjectName(QString::fromUtf8(name));
  f->wertpuffer = &ed_.Wertpuffer();
  f->Uebernehmen = std::move(tun);
  return f;
}

bool TEW_Schwellendaten::Dm() const { return dm_->isChecked(); }

TEditoransicht TEW_Schwellendaten::Ansicht() const {
  TEditoransicht v;
  v.pixelProMm = massstab_;
  v.x0 = kRand;
  v.y0 = bild_->height() / 2 + versatzY_;
  v.nummer = nummer_->isChecked();
  v.abstand = abstand_->isChecked();
  v.laenge = laenge_->isChecked();
  v.dm = Dm();
  return v;
}

void TEW_Schwellendaten::Einpassen() {
  // Whole pixels per mm so that the turnout's main track fits the drawing's width.
  const double laenge = kern_->Laenge();
  const double n = laenge > 0 ? std::floor((bild_->width() - 2 * kRand) / laenge) : 1;
  massstab_ = static_cast<int>(std::clamp(n, 1.0, 200.0));
}

void TEW_Schwellendaten::resizeEvent(QResizeEvent* e) {
  QDialog::resizeEvent(e);
  if (!gezoomt_) Einpassen();
  Auffrischen();
}

void TEW_Schwellendaten::Auffrischen() {
  const bool dm = Dm();
  const QString einheit = dm ? QStringLiteral("(dm)") : QStringLiteral("(mm)");
  abstandText_->setText(QStringLiteral("Abstand zum Vorgänger ") + einheit);
  laengeText_->setText(QStringLiteral("Schwellenlänge ") + einheit);
  nummerFeld_->Zeigen(Q(kern_->NummerText()));
  abstandFeld_->Zeigen(Q(kern_->AbstandText(dm)));
  laengeFeld_->Zeigen(Q(kern_->LaengeText(dm)));
  senkrecht_->Zeigen(QString::number(kern_->Plan().SenkrechtBis));
  const bool einzeln = kern_->Einzeln() != 0;
  abstandFeld_->setEnabled(einzeln);
  laengeFeld_->setEnabled(einzeln);
  const auto versatz = kern_->Versaetze(dm);
  for (int k = 0; k < 3; ++k) {
    hinzu_[k]->setEnabled(kern_->PaarAenderbar(k + 1));
    weg_[k]->setEnabled(kern_->PaarAenderbar(k + 1));
    anfang_[k]->setText(Q(versatz[static_cast<std::size_t>(k)].anfang));
    ende_[k]->setText(Q(versatz[static_cast<std::size_t>(k)].ende));
  }
  speichern_->setEnabled(kern_->Automatisch());
  kleiner_->setEnabled(massstab_ >= 2);
  bild_->update();
}

void TEW_Schwellendaten::keyPressEvent(QKeyEvent* e) {
  // The arrow keys walk the sleepers unless a field is being edited.
  if ((e->key() == Qt::Key_Left || e->key() == Qt::Key_Right) &&
      !qobject_cast<Zahlenfeld*>(focusWidget())) {
    kern_->Schritt(e->key() == Qt::Key_Left ? -1 : 1);
    Auffrischen();
    return;
  }
  if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) return;  // no default button
  QDialog::keyPressEvent(e);
}

void TEW_Schwellendaten::done(int r) {
  if (!geschlossen_) {
    // Unsaved changes are asked about; "Abbrechen" keeps the editor open.
    if (SchwelleneditorSchliessen(ed_, *kern_) == Schliessergebnis::Bleibt) return;
    geschlossen_ = true;
  }
  QDialog::done(r);
}

}  // namespace trm::gui
