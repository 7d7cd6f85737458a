// The 3-D view's window: events turned into camera calls, the drawing shared with the
// command line's picture.
#include "gui/output/TDDD.h"

#include <QCheckBox>
#include <QLabel>
#include <QLocale>
#include <QMouseEvent>
#include <QOpenGLContext>
#include <QSignalBlocker>
#include <QSlider>
#include <QStatusBar>
#include <QSurfaceFormat>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <cmath>

#include "core/model/Modul.h"
#include "gui/output/Szene3DZeichnen.h"

namespace trm::gui {

Ansicht3DFlaeche::Ansicht3DFlaeche(const TModul& modul, TAnsicht3D& ansicht, QWidget* eltern)
    : QOpenGLWidget(eltern), modul_(modul), ansicht_(ansicht) {
  QSurfaceFormat f;
  f.setRenderableType(QSurfaceFormat::OpenGL);
  f.setProfile(QSurfaceFormat::CompatibilityProfile);
  f.setVersion(2, 1);
  f.setSwapBehavior(QSurfaceFormat::DoubleBuffer);
  f.setRedBufferSize(8);
  f.setGreenBufferSize(8);
  f.setBlueBufferSize(8);
  f.setAlphaBufferSize(8);
  f.setDepthBufferSize(24);
  f.setStencilBufferSize(0);
  setFormat(f);
  setMinimumSize(400, 300);
}

void Ansicht3DFlaeche::Zuruecksetzen() {
  const double seite = height() > 0 ? static_cast<double>(width()) / height() : 1;
  ansicht_ = TAnsicht3D::Start(Szene3D(modul_, true), seite);
  eingepasst_ = true;
  update();
}

void Ansicht3DFlaeche::initializeGL() {
  bereit_ = context() && context()->isValid();
  if (!bereit_) {
    emit Fehlgeschlagen();
    return;
  }
  Szene3DEinrichten();
}

void Ansicht3DFlaeche::resizeGL(int, int) {
  if (eingepasst_) Zuruecksetzen();
}

void Ansicht3DFlaeche::paintGL() {
  if (!bereit_) return;
  // The client size of the window, in device pixels.
  const qreal r = devicePixelRatioF();
  Szene3DZeichnen(Szene3D(modul_, baender), ansicht_, static_cast<int>(width() * r), static_cast<int>(height() * r));
  emit Gezeichnet();
}

void Ansicht3DFlaeche::mousePressEvent(QMouseEvent* e) { letzte_ = e->position().toPoint(); }

void Ansicht3DFlaeche::mouseMoveEvent(QMouseEvent* e) {
  if (!(e->buttons() & Qt::LeftButton)) return;
  const QPoint p = e->position().toPoint();
  ansicht_.Ziehen(p.x() - letzte_.x(), p.y() - letzte_.y());
  letzte_ = p;
  Bewegt();
  emit Gedreht();
  update();
}

void Ansicht3DFlaeche::wheelEvent(QWheelEvent* e) {
  ansicht_.Rad(e->angleDelta().y());
  Bewegt();
  update();
}

TDDD::TDDD(const TModul& modul, QWidget* eltern)
    : QDialog(eltern, Qt::Window | Qt::WindowStaysOnTopHint) {
  setObjectName(QStringLiteral("TDDD"));
  setWindowTitle(QStringLiteral("3D-Ansicht"));
  flaeche_ = new Ansicht3DFlaeche(modul, ansicht_, this);
  flaeche_->Zuruecksetzen();
  auto* leiste = new QToolBar(this);
  const char* knoepfe[6][2] = {{"+", "näher"}, {"−", "weiter weg"}, {"◀", "nach links"},
                               {"▶", "nach rechts"}, {"▲", "nach oben"}, {"▼", "nach unten"}};
  for (int i = 0; i < 6; ++i) {
    auto* k = new QToolButton(leiste);
    k->setObjectName(QStringLiteral("TB_3D%1").arg(i + 1));
    k->setText(QString::fromUtf8(knoepfe[i][0]));
    k->setToolTip(QString::fromUtf8(knoepfe[i][1]));
    k->setAutoRepeat(true);
    connect(k, &QToolButton::clicked, this, [this, i] {
      ansicht_.Knopf(i + 1);
      flaeche_->Bewegt();
      flaeche_->update();
    });
    leiste->addWidget(k);
  }
  for (int i = 0; i < 3; ++i) {
    auto* r = new QSlider(Qt::Horizontal, leiste);
    r->setObjectName(QStringLiteral("TrackBar%1").arg(i + 1));
    r->setRange(-180, 180);
    r->setMinimumWidth(120);
    r->setToolTip(QStringLiteral("Drehung um %1").arg(QChar(u"xyz"[i])));
    connect(r, &QSlider::valueChanged, this, [this, i](int v) {
      ansicht_.Regler(i + 1, v);
      flaeche_->Bewegt();
      flaeche_->update();
    });
    regler_[static_cast<std::size_t>(i)] = r;
    leiste->addWidget(r);
  }
  auto* zurueck = new QToolButton(leiste);
  zurueck->setObjectName(QStringLiteral("TB_3DZurueck"));
  zurueck->setText(QStringLiteral("Ansicht zurücksetzen"));
  zurueck->setToolTip(QStringLiteral("Alle Gleise von oben, in die Mitte eingepasst"));
  connect(zurueck, &QToolButton::clicked, this, [this] {
    flaeche_->Zuruecksetzen();
    ReglerNachfuehren();
  });
  leiste->addWidget(zurueck);
  auto* band = new QCheckBox(QStringLiteral("Trasse als Band"), leiste);
  band->setObjectName(QStringLiteral("CB_Band"));
  band->setToolTip(QStringLiteral("Gleise als Band in Trassenbreite, nach Höhe eingefärbt"));
  connect(band, &QCheckBox::toggled, this, [this](bool an) {
    flaeche_->baender = an;
    flaeche_->update();
  });
  leiste->addWidget(band);
  auto* statusleiste = new QStatusBar(this);
  status_ = new QLabel(statusleiste);
  status_->setMinimumWidth(200);
  statusleiste->addWidget(status_);
  connect(flaeche_, &Ansicht3DFlaeche::Gezeichnet, this, [this] {
    status_->setText(QStringLiteral("OpenGL-Initialisierung war erfolgreich.  Abstand: %1")
                         .arg(QLocale().toString(ansicht_.Abstand, 'g', 6)));
  });
  connect(flaeche_, &Ansicht3DFlaeche::Gedreht, this, &TDDD::ReglerNachfuehren);
  connect(flaeche_, &Ansicht3DFlaeche::Fehlgeschlagen, this,
          [this] { QTimer::singleShot(0, this, &QDialog::reject); }, Qt::QueuedConnection);
  auto* l = new QVBoxLayout(this);
  l->setContentsMargins(0, 0, 0, 0);
  l->addWidget(leiste);
  l->addWidget(flaeche_, 1);
  l->addWidget(statusleiste);
  setWindowState(Qt::WindowMaximized);
  resize(1000, 700);
}

void TDDD::ReglerNachfuehren() {
  const double winkel[3] = {ansicht_.DrehX, ansicht_.DrehY, ansicht_.DrehZ};
  for (std::size_t i = 0; i < 3; ++i) {
    const QSignalBlocker still(regler_[i]);
    regler_[i]->setValue(static_cast<int>(std::lround(winkel[i])));
  }
}

}  // namespace trm::gui
