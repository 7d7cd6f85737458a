// The 3-D view.
#include "gui/output/TDDD.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QOpenGLContext>
#include <QSlider>
#include <QStatusBar>
#include <QSurfaceFormat>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWheelEvent>

#include "core/model/Modul.h"

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

void Ansicht3DFlaeche::initializeGL() {
  bereit_ = context() && context()->isValid();
  if (!bereit_) {
    emit Fehlgeschlagen();
    return;
  }
  glClearColor(0.98f, 0.98f, 0.98f, 0.0f);
  glEnable(GL_DEPTH_TEST);
  glEnable(GL_CULL_FACE);
}

void Ansicht3DFlaeche::paintGL() {
  if (!bereit_) return;
  // The client size of the window, in device pixels.
  const qreal r = devicePixelRatioF();
  const int w = static_cast<int>(width() * r), h = std::max(1, static_cast<int>(height() * r));
  glViewport(0, 0, w, h);
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  gluPerspective(45, static_cast<double>(w) / h, 500, 10000);
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  glTranslatef(static_cast<float>(ansicht_.VerschX), static_cast<float>(ansicht_.VerschY),
               static_cast<float>(ansicht_.Abstand));
  glRotatef(static_cast<float>(ansicht_.DrehX), 1, 0, 0);
  glRotatef(static_cast<float>(ansicht_.DrehY), 0, 1, 0);
  glRotatef(static_cast<float>(ansicht_.DrehZ), 0, 0, 1);

  const TSzene3D s = Szene3D(modul_, baender);
  glBegin(GL_LINE_LOOP);
  glColor3f(0.8f, 0.8f, 0.8f);
  for (const TPunkt3D& p : s.umriss)
    glVertex3f(static_cast<float>(p.x), static_cast<float>(p.y), static_cast<float>(p.z));
  glEnd();
  if (baender) {
    // Both faces of a band are seen from above and below.
    glDisable(GL_CULL_FACE);
    glBegin(GL_QUADS);
    for (const TBandstueck& q : s.baender) {
      // Low is blue, high is red.
      glColor3f(static_cast<float>(0.2 + 0.8 * q.anteil), 0.35f, static_cast<float>(1.0 - 0.8 * q.anteil));
      for (const TPunkt3D& p : q.ecken)
        glVertex3f(static_cast<float>(p.x), static_cast<float>(p.y), static_cast<float>(p.z));
    }
    glEnd();
    glEnable(GL_CULL_FACE);
  }
  for (const auto& linie : s.linien) {
    glBegin(GL_LINE_STRIP);
    for (const TPunkt3D& p : linie) {
      glColor3f(0, 0, 0);
      glVertex3f(static_cast<float>(p.x), static_cast<float>(p.y), static_cast<float>(p.z));
    }
    glEnd();
  }
  emit Gezeichnet();
}

void Ansicht3DFlaeche::mousePressEvent(QMouseEvent* e) { letzte_ = e->position().toPoint(); }

void Ansicht3DFlaeche::mouseMoveEvent(QMouseEvent* e) {
  if (!(e->buttons() & Qt::LeftButton)) return;
  const QPoint p = e->position().toPoint();
  ansicht_.Ziehen(p.x() - letzte_.x(), p.y() - letzte_.y());
  letzte_ = p;
  update();
}

void Ansicht3DFlaeche::wheelEvent(QWheelEvent* e) {
  ansicht_.Rad(e->angleDelta().y());
  update();
}

TDDD::TDDD(const TModul& modul, QWidget* eltern)
    : QDialog(eltern, Qt::Window | Qt::WindowStaysOnTopHint), ansicht_(TAnsicht3D::Start(modul.Breite, modul.Hoehe)) {
  setObjectName(QStringLiteral("TDDD"));
  setWindowTitle(QStringLiteral("3D-Ansicht"));
  flaeche_ = new Ansicht3DFlaeche(modul, ansicht_, this);
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
      flaeche_->update();
    });
    leiste->addWidget(k);
  }
  for (int i = 0; i < 3; ++i) {
    auto* r = new QSlider(Qt::Horizontal, leiste);
    r->setObjectName(QStringLiteral("TrackBar%1").arg(i + 1));
    r->setRange(-180, 180);
    r->setValue(1);  // the angles start at 0: the first move sets them
    r->setMinimumWidth(120);
    r->setToolTip(QStringLiteral("Drehung um %1").arg(QChar(u"xyz"[i])));
    connect(r, &QSlider::valueChanged, this, [this, i](int v) {
      ansicht_.Regler(i + 1, v);
      flaeche_->update();
    });
    leiste->addWidget(r);
  }
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
    status_->setText(QStringLiteral("OpenGL-Initialisierung war erfolgreich.  Abstand: %1").arg(ansicht_.Abstand));
  });
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

}  // namespace trm::gui
