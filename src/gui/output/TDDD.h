// The 3-D view "3D-Ansicht": the current module in perspective through OpenGL and GLU, moved by
// six buttons, three sliders, the mouse and the wheel; optionally every track as a band of its
// bed width shaded by height. It only reads the layout.
#pragma once

#include <QDialog>
#include <QOpenGLWidget>

#include "core/output/Ansicht3D.h"

class QLabel;
class QCheckBox;

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

 signals:
  void Gezeichnet();
  void Fehlgeschlagen();

 protected:
  void initializeGL() override;
  void paintGL() override;
  void mousePressEvent(QMouseEvent* e) override;
  void mouseMoveEvent(QMouseEvent* e) override;
  void wheelEvent(QWheelEvent* e) override;

 private:
  const TModul& modul_;
  TAnsicht3D& ansicht_;
  QPoint letzte_;
  bool bereit_ = false;
};

class TDDD : public QDialog {
  Q_OBJECT
 public:
  TDDD(const TModul& modul, QWidget* eltern);
  const TAnsicht3D& ansicht() const { return ansicht_; }

 private:
  TAnsicht3D ansicht_;
  Ansicht3DFlaeche* flaeche_;
  QLabel* status_;
};

}  // namespace trm::gui
