// The colour mixer.
#include "gui/settings/TFarb_Insp.h"

#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

namespace trm::gui {

QString Farbstil(std::int32_t f, bool markiert) {
  return QStringLiteral("background-color: rgb(%1,%2,%3); border: %4; border-radius: 3px;")
      .arg(Rot(f))
      .arg(Gruen(f))
      .arg(Blau(f))
      .arg(markiert ? QStringLiteral("2px dotted black") : QStringLiteral("1px solid gray"));
}

namespace {
/// A swatch that reports clicks.
class Farbfeld : public QFrame {
 public:
  std::function<void()> geklickt;
  using QFrame::QFrame;

 protected:
  void mousePressEvent(QMouseEvent*) override {
    if (geklickt) geklickt();
  }
};
}  // namespace

TFarb_Insp::TFarb_Insp(std::int32_t farbe, const Farbspeicher& benutzer, QWidget* eltern)
    : QDialog(eltern), farbe_(farbe), benutzer_(benutzer) {
  setObjectName(QStringLiteral("TFarb_Insp"));
  setWindowTitle(QStringLiteral("Farbmischer"));
  auto* palette = new QWidget(this);
  auto* pl = new QGridLayout(palette);
  pl->setSpacing(2);
  for (int i = 0; i < 49; ++i) pl->addWidget(Feld(QStringLiteral("Farbpanel%1").arg(i), Palettenfarbe(i), 0, palette), i / 7, i % 7);
  auto* grau = new QWidget(this);
  auto* gl = new QHBoxLayout(grau);
  gl->setSpacing(2);
  for (int i = 0; i < 7; ++i) gl->addWidget(Feld(QStringLiteral("SWpanel%1").arg(i), Graustufe(i), 0, grau));
  auto* nutzer = new QWidget(this);
  auto* nl = new QGridLayout(nutzer);
  nl->setSpacing(2);
  for (int i = 0; i < 16; ++i) {
    QFrame* f = Feld(QStringLiteral("Userpanel%1").arg(i), benutzer_[static_cast<std::size_t>(i)], i + 1, nutzer);
    benutzerFelder_.push_back(f);
    nl->addWidget(f, i / 8, i % 8);
  }

  auto* mischer = new QWidget(this);
  auto* ml = new QVBoxLayout(mischer);
  const char* namen[3] = {"Rot", "Grün", "Blau"};
  for (int k = 0; k < 3; ++k) {
    regler_[k] = new QScrollBar(Qt::Horizontal, mischer);
    regler_[k]->setObjectName(QString::fromUtf8(namen[k]));
    regler_[k]->setRange(0, 255);
    regler_[k]->setMinimumWidth(160);
    connect(regler_[k], &QScrollBar::valueChanged, this, [this, k](int w) { Regler(k, w); });
    ml->addWidget(new QLabel(QString::fromUtf8(namen[k]), mischer));
    ml->addWidget(regler_[k]);
  }
  zahlen_ = new QLabel(mischer);
  ml->addWidget(zahlen_);

  auto* vorschau = new Farbfeld(this);
  vorschau->setObjectName(QStringLiteral("Farbshape"));
  vorschau->setFixedSize(60, 40);
  vorschau->setToolTip(QStringLiteral("Farbe zu benutzerdefinierten Farben hinzufügen"));
  vorschau->geklickt = [this] {
    NutzerfarbeHinzufuegen(benutzer_, farbe_);
    BenutzerAuffrischen();
  };
  vorschau_ = vorschau;

  auto* loeschen = new QPushButton(QStringLiteral("Farbe löschen"), this);
  loeschen->setObjectName(QStringLiteral("BT_Loeschen"));
  connect(loeschen, &QPushButton::clicked, this, [this] {
    NutzerfarbeLoeschen(benutzer_, tag_);
    tag_ = 0;
    BenutzerAuffrischen();
  });
  auto* ok = new QPushButton(QStringLiteral("übernehmen"), this);
  ok->setObjectName(QStringLiteral("BT_OK"));
  auto* abbrechen = new QPushButton(QStringLiteral("abbrechen"), this);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(abbrechen, &QPushButton::clicked, this, &QDialog::reject);
  for (QPushButton* k : {loeschen, ok, abbrechen}) k->setAutoDefault(false);

  auto* l = new QGridLayout(this);
  l->addWidget(palette, 0, 0);
  l->addWidget(mischer, 0, 1);
  l->addWidget(grau, 1, 0);
  l->addWidget(nutzer, 1, 1);
  l->addWidget(vorschau_, 2, 0);
  auto* knoepfe = new QHBoxLayout;
  knoepfe->addWidget(loeschen);
  knoepfe->addWidget(ok);
  knoepfe->addWidget(abbrechen);
  l->addLayout(knoepfe, 3, 0, 1, 2);
  Zeigen(farbe_);
}

QFrame* TFarb_Insp::Feld(const QString& name, std::int32_t farbe, int tag, QWidget* eltern) {
  auto* f = new Farbfeld(eltern);
  f->setObjectName(name);
  f->setFixedSize(18, 18);
  f->setStyleSheet(Farbstil(farbe));
  f->setProperty("tag", tag);
  f->geklickt = [this, f, tag] {
    const std::int32_t farbe = tag > 0 ? benutzer_[static_cast<std::size_t>(tag - 1)] : f->property("farbe").toInt();
    Waehlen(f, farbe, tag);
  };
  f->setProperty("farbe", farbe);
  felder_.push_back(f);
  return f;
}

void TFarb_Insp::Waehlen(QFrame* feld, std::int32_t farbe, int tag) {
  for (QFrame* f : felder_) {
    const int t = f->property("tag").toInt();
    const std::int32_t c = t > 0 ? benutzer_[static_cast<std::size_t>(t - 1)] : f->property("farbe").toInt();
    f->setStyleSheet(Farbstil(c, f == feld));
  }
  tag_ = tag;
  Zeigen(farbe);
}

void TFarb_Insp::Zeigen(std::int32_t farbe) {
  farbe_ = farbe;
  vorschau_->setStyleSheet(Farbstil(farbe));
  setzt_ = true;
  regler_[0]->setValue(Rot(farbe));
  regler_[1]->setValue(Gruen(farbe));
  regler_[2]->setValue(Blau(farbe));
  setzt_ = false;
  zahlen_->setText(QStringLiteral("%1  %2  %3").arg(Rot(farbe)).arg(Gruen(farbe)).arg(Blau(farbe)));
}

void TFarb_Insp::Regler(int welcher, int wert) {
  if (setzt_) return;
  if (strg_ || (QGuiApplication::keyboardModifiers() & Qt::ControlModifier)) {
    // Ctrl held: all three bars move together (a grey).
    Zeigen(Rgb(wert, wert, wert));
    return;
  }
  const int r = welcher == 0 ? wert : regler_[0]->value();
  const int g = welcher == 1 ? wert : regler_[1]->value();
  const int b = welcher == 2 ? wert : regler_[2]->value();
  Zeigen(Rgb(r, g, b));
}

void TFarb_Insp::BenutzerAuffrischen() {
  for (std::size_t i = 0; i < benutzerFelder_.size(); ++i) benutzerFelder_[i]->setStyleSheet(Farbstil(benutzer_[i]));
}

void TFarb_Insp::keyPressEvent(QKeyEvent* e) {
  if (e->key() == Qt::Key_Control) strg_ = true;
  QDialog::keyPressEvent(e);
}

void TFarb_Insp::keyReleaseEvent(QKeyEvent* e) {
  if (e->key() == Qt::Key_Control) strg_ = false;
  QDialog::keyReleaseEvent(e);
}

}  // namespace trm::gui
