// The 3-D view "3D-Ansicht": the current module in perspective through OpenGL and GLU, turned
// about the centre of its tracks by the mouse and three sliders, moved by six buttons and the
// wheel; "Ansicht zurücksetzen" brings back the first, fitted picture. Optionally every track
// as a band of its bed width shaded by height. It only reads the layout.
#pragma once

#include <QDialog>
#include <QOpenGLWidget>
#include <array>

#include "core/output/Ansicht3D.h"

class QLabel;
class QSlider;

namespace trm {
class TModul;
}

namespace trm::gui {

/// The drawing area: a compatibility context with double buffering and a 24-bit depth buffer.
class Ansicht3DFlaeche : public QOpenGLWidget {
  Q_OBJECT
 public:
  Ansicht3DFlaeche(const TModul& modul, TAnsicht3D& ansicht, QWidget* eltern);
  bool baender = false;
  /// False when no OpenGL context could be made.
  bool Bereit() const { return bereit_; }
  /// The first view, fitted to the area's current size; it is fitted again on every resize
  /// until the user moves it.
  void Zuruecksetzen();
  /// The user moved the view: it stays as it is when the area is resized.
  void Bewegt() { eingepasst_ = false; }

 signals:
  void Gezeichnet();
  void Fehlgeschlagen();
  /// The mouse turned or moved the view.
  void Gedreht();

 protected:
  void initializeGL() override;
  void resizeGL(int w, int h) override;
  void paintGL() override;
  void mousePressEvent(QMouseEvent* e) override;
  void mouseMoveEvent(QMouseEvent* e) override;
  void wheelEvent(QWheelEvent* e) override;

 private:
  const TModul& modul_;
  TAnsicht3D& ansicht_;
  QPoint letzte_;
  bool bereit_ = false;
  bool eingepasst_ = true;
};

class TDDD : public QDialog {
  Q_OBJECT
 public:
  TDDD(const TModul& modul, QWidget* eltern);
  const TAnsicht3D& ansicht() const { return ansicht_; }

 private:
  /// The sliders show the angles without setting them again.
  void ReglerNachfuehren();

  TAnsicht3D ansicht_;
  Ansicht3DFlaeche* flaeche_;
  std::array<QSlider*, 3> regler_{};
  QLabel* status_;
};

}  // namespace trm::gui
