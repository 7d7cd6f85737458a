// The optimiser window.
#include "gui/optimiser/TOptiDaten.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "core/editor/Editor.h"
#include "core/model/Bogen.h"
#include "core/model/Geometrie.h"
#include "core/model/Gleis.h"
#include "core/model/OptiEP.h"
#include "core/model/Zahlformat.h"
#include "core/optimiser/Optimierer.h"
#include "gui/editor/Zahlenfeld.h"

namespace trm::gui {

namespace {
QString Q(const std::string& s) { return QString::fromStdString(s); }
enum { FeldX, FeldY, FeldW, FeldDrehen };
}  // namespace

TOptiDaten::TOptiDaten(Editor& editor, Optimierer& optimierer, QWidget* eltern)
    : Werkzeugfenster(eltern), ed_(editor), opt_(optimierer) {
  setObjectName(QStringLiteral("TOptiDaten"));
  setWindowTitle(QStringLiteral("Optimierungsendpunkt"));
  anfW_ = new QLabel(QStringLiteral("Anfangswinkel: "), this);
  anfW_->setObjectName(QStringLiteral("L_AnfW"));
  auto* l = new QVBoxLayout(this);
  l->addWidget(anfW_);
  l->addWidget(Zeile(QStringLiteral("X"), QStringLiteral("x-Koordinate"), x_, xPos_, 0, 32000));
  l->addWidget(Zeile(QStringLiteral("Y"), QStringLiteral("y-Koordinate"), y_, yPos_, 0, 32000));
  l->addWidget(Zeile(QStringLiteral("W"), QStringLiteral("Winkel"), w_, wPos_, -32000, 32000));
  auto* dreh = new QHBoxLayout;
  drehen_ = new Zahlenfeld(false, this);
  drehen_->setObjectName(QStringLiteral("ED_OptiDrehen"));
  drehen_->Zeigen(QStringLiteral("0"));
  drehen_->Uebernehmen = [this](const QString& t) { Anwenden(FeldDrehen, t); };
  dreh->addWidget(new QLabel(QStringLiteral("Drehen um"), this));
  dreh->addWidget(drehen_);
  dreh->addWidget(new QLabel(QStringLiteral("Grad"), this));
  l->addLayout(dreh);
  auto* los = new QPushButton(QStringLiteral("Optimieren"), this);
  los->setObjectName(QStringLiteral("BT_Opti"));
  los->setAutoDefault(false);
  connect(los, &QPushButton::clicked, this, [this] {
    if (optimieren) optimieren();
  });
  l->addWidget(los);
  x_->Uebernehmen = [this](const QString& t) { Anwenden(FeldX, t); };
  y_->Uebernehmen = [this](const QString& t) { Anwenden(FeldY, t); };
  w_->Uebernehmen = [this](const QString& t) { Anwenden(FeldW, t); };
}

QWidget* TOptiDaten::Zeile(const QString& name, const QString& text, Zahlenfeld*& feld, int& position, int min, int max) {
  auto* w = new QWidget(this);
  auto* l = new QHBoxLayout(w);
  l->setContentsMargins(0, 0, 0, 0);
  l->addWidget(new QLabel(text, w));
  feld = new Zahlenfeld(false, w);
  feld->setObjectName(QStringLiteral("ED_Opti") + name);
  feld->wertpuffer = &ed_.Wertpuffer();
  l->addWidget(feld);
  Zahlenfeld* f = feld;
  int* pos = &position;
  const bool waagrecht = name == QStringLiteral("X");
  for (const auto& [pfeil, schritt] : {std::pair{waagrecht ? "◀" : "▼", -5}, std::pair{waagrecht ? "▶" : "▲", 5}}) {
    auto* k = new QToolButton(w);
    k->setObjectName(QStringLiteral("UD_Opti") + name + (schritt > 0 ? QStringLiteral("Auf") : QStringLiteral("Ab")));
    k->setText(QString::fromUtf8(pfeil));
    k->setAutoRepeat(true);
    connect(k, &QToolButton::clicked, this, [f, pos, s = schritt, min, max] {
      *pos = std::clamp(*pos + s, min, max);
      f->Zeigen(QString::number(*pos));
      f->Anwenden();
    });
    l->addWidget(k);
  }
  return w;
}

void TOptiDaten::Anwenden(int feld, const QString& text) {
  if (!opt_.OptiEP) return;
  const auto wert = ed_.Zahl(text.toStdString());
  if (!wert) return;
  TOptiEP& z = *opt_.OptiEP;
  switch (feld) {
    case FeldX:
      z.OptiX = *wert;
      break;
    case FeldY:
      z.OptiY = *wert;
      break;
    case FeldW:
      z.OptiW = *wert * Pi / 180.0;
      break;
    default:
      z.OptiW += *wert * Pi / 180.0;
      break;
  }
  if (neuZeichnen) neuZeichnen();
  Auffrischen();
}

void TOptiDaten::Auffrischen() {
  if (!opt_.OptiEP) return;
  const TOptiEP& z = *opt_.OptiEP;
  if (const TGleis* g = ed_.gleis(); g && !g->Boegen.empty()) {
    const TBogen* anf = g->Boegen.front().get();
    for (const auto& b : g->Boegen)
      if (b->OptiAnf) anf = b.get();
    anfW_->setText(Q("Anfangswinkel: " + FestText(RichtungGrad(anf->WAnf())) + "°"));
  }
  const double grad = RichtungGrad(z.OptiW);
  x_->Zeigen(Q(FestText(z.OptiX)));
  y_->Zeigen(Q(FestText(z.OptiY)));
  w_->Zeigen(Q(FestText(grad)));
  drehen_->Zeigen(QStringLiteral("0"));
  xPos_ = std::clamp(static_cast<int>(std::lround(z.OptiX)), 0, 32000);
  yPos_ = std::clamp(static_cast<int>(std::lround(z.OptiY)), 0, 32000);
  wPos_ = std::clamp(static_cast<int>(std::lround(grad)), -32000, 32000);
}

void TOptiDaten::showEvent(QShowEvent* e) {
  ed_.OptiAbbruchSetzen(false);
  Auffrischen();
  Werkzeugfenster::showEvent(e);
}

bool TOptiDaten::event(QEvent* e) {
  if (e->type() == QEvent::WindowActivate) ed_.OptiAbbruchSetzen(false);
  return Werkzeugfenster::event(e);
}

}  // namespace trm::gui
