// The fixed-function OpenGL drawing of a 3-D scene.
#include "gui/output/Szene3DZeichnen.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <algorithm>

namespace trm::gui {

namespace {

void Punkt(const TPunkt3D& p) {
  glVertex3f(static_cast<float>(p.x), static_cast<float>(p.y), static_cast<float>(p.z));
}

}  // namespace

void Szene3DEinrichten() {
  glClearColor(0.98f, 0.98f, 0.98f, 0.0f);
  glEnable(GL_DEPTH_TEST);
  glEnable(GL_CULL_FACE);
}

void Szene3DZeichnen(const TSzene3D& s, const TAnsicht3D& a, int w, int h) {
  h = std::max(1, h);
  glViewport(0, 0, w, h);
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  gluPerspective(TAnsicht3D::Blickwinkel, static_cast<double>(w) / h, a.Nah(), a.Fern());
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  glTranslatef(static_cast<float>(a.VerschX), static_cast<float>(a.VerschY), static_cast<float>(a.Abstand));
  glRotatef(static_cast<float>(a.DrehX), 1, 0, 0);
  glRotatef(static_cast<float>(a.DrehY), 0, 1, 0);
  glRotatef(static_cast<float>(a.DrehZ), 0, 0, 1);
  glTranslatef(static_cast<float>(-a.Mitte.x), static_cast<float>(-a.Mitte.y), static_cast<float>(-a.Mitte.z));

  glBegin(GL_LINE_LOOP);
  glColor3f(0.8f, 0.8f, 0.8f);
  for (const TPunkt3D& p : s.umriss) Punkt(p);
  glEnd();
  if (!s.baender.empty()) {
    // Both faces of a band are seen, from above and from below; the bands lie a little behind
    // the centre lines drawn on them.
    glDisable(GL_CULL_FACE);
    glEnable(GL_POLYGON_OFFSET_FILL);
    glPolygonOffset(1, 1);
    glBegin(GL_QUADS);
    for (const TBandstueck& q : s.baender) {
      // Low is blue, high is red.
      glColor3f(static_cast<float>(0.2 + 0.8 * q.anteil), 0.35f, static_cast<float>(1.0 - 0.8 * q.anteil));
      for (const TPunkt3D& p : q.ecken) Punkt(p);
    }
    glEnd();
    glDisable(GL_POLYGON_OFFSET_FILL);
    glEnable(GL_CULL_FACE);
  }
  for (const auto& linie : s.linien) {
    glBegin(GL_LINE_STRIP);
    for (const TPunkt3D& p : linie) {
      glColor3f(0, 0, 0);
      Punkt(p);
    }
    glEnd();
  }
}

}  // namespace trm::gui
