// The drawing area: the current module in a scroll box. Paints only the visible part, through
// the same drawing code as the bitmap export; zoom, fit to window and the magnifier.
#pragma once

#include "core/render/Zeichenoptionen.h"

#include <QAbstractScrollArea>
#include <functional>
#include <optional>

#include "core/base/Dialoge.h"
#include "core/editor/Dokument.h"
#include "core/editor/Editor.h"
#include "core/editor/Maus.h"
#include "core/editor/Zoom.h"
#include "gui/editor/Bildpuffer.h"

namespace trm::gui {

/// Shows the current module of a document.
class TZeichenflaeche : public QAbstractScrollArea {
  Q_OBJECT
 public:
  TZeichenflaeche(Editor& editor, Dialoge& dialoge, QWidget* eltern = nullptr);

  /// A redraw: recomputes the current module, then repaints.
  void Neuzeichnen();
  /// Sets the scale from a zoom field value; shows "Maßstab nicht darstellbar" and keeps the
  /// old scale when the value cannot be shown. True when the scale was set.
  bool ZoomSetzen(std::int64_t feldwert);
  /// Zoom in: one step of the zoom field less.
  bool Vergroessern();
  /// Zoom out: 0.1 mm per pixel more.
  void Verkleinern();
  /// Scale so that the module and every track fit the visible area, centred.
  void AnsFensterAnpassen();
  /// The module as the scroll box first shows it: centred when it is smaller than the view,
  /// else from its top left corner. After new, open and a module change.
  void Ausgangslage();
  /// A magnifier click at a viewport position.
  void LupenKlick(QPoint position, Maustaste taste);
  /// Zooms to `mmProPixel` keeping the drawing point under `position` (viewport pixels) in place.
  bool ZoomUm(QPoint position, double mmProPixel);
  /// One step of about 20 % in (`naeher`) or out about `position`.
  bool ZoomSchritt(QPoint position, bool naeher);
  /// Scrolls so that the box (drawing pixels) is in view; a box already visible stays.
  void Zeigen(const QRect& zeichnung);
  /// Scrolls so that the drawing pixel `zeichnung` lies in the middle of the view.
  void Zentrieren(QPoint zeichnung);
  /// Drawn over the module after it (the markers of the layout check).
  std::function<void(Canvas&, const TAnsicht&)> Zusatz;
  /// The drawing point (pixels) under a viewport position.
  QPoint ZeichnungsPunkt(QPoint viewportPunkt) const { return viewportPunkt - Ursprung(); }

  /// Hands the mouse work to the core's machine; its answers go to BeiMaus.
  void SetMausbedienung(Mausbedienung* maus);
  /// Called with the machine's answer and the viewport position of the event.
  std::function<void(const Mausantwort&, QPoint)> BeiMaus;
  /// Sheet overlay of the print window while it is open; empty otherwise.
  Elementzeichner Blattuebersicht;
  /// Space is held (told by the main window, which sees the keys first): the left button pans.
  bool leertaste_ = false;

  /// Left and top edge of the drawing in the viewport (the scroll box placement).
  QPoint Ursprung() const;
  /// Size of the drawing in pixels.
  QSize Zeichnungsgroesse() const;
  /// A drawing tool or an element drag is at work: the module's picture is kept between frames.
  bool ZeichnetEntwurf() const;
  /// The kept picture of the module (for the tests).
  const Bildpuffer& Puffer() const { return puffer_; }

 signals:
  /// The scale of the current module changed (the zoom field shows it).
  void MassstabGeaendert();

 protected:
  void paintEvent(QPaintEvent* e) override;
  void resizeEvent(QResizeEvent* e) override;
  void scrollContentsBy(int dx, int dy) override;
  void mousePressEvent(QMouseEvent* e) override;
  void mouseMoveEvent(QMouseEvent* e) override;
  void mouseReleaseEvent(QMouseEvent* e) override;
  void mouseDoubleClickEvent(QMouseEvent* e) override;
  void wheelEvent(QWheelEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;
  void leaveEvent(QEvent* e) override;

 private:
  bool MassstabSetzen(double mmProPixel);
  /// The scroll bars over the extent of the drawing (and the part in view).
  void BalkenAnpassen();
  /// The drawing pixel at the view's top left corner.
  void UrsprungSetzen(double ox, double oy);
  /// The module and its tracks in drawing pixels.
  QRect Ausdehnung() const;
  /// Passes a mouse event to the machine; false when there is none.
  bool AnMaus(QMouseEvent* e, Mausart art);
  bool Melden(QPoint p, Mausart art, Qt::MouseButton taste, Qt::KeyboardModifiers tasten);

  /// After a scale command: redraw when it was taken; the field follows either way.
  bool Massstab(bool ok);
  Editor& editor_;
  Dokument& dokument_;
  Dialoge& dialoge_;
  Mausbedienung* maus_ = nullptr;
  double ox_ = 0, oy_ = 0;  ///< the drawing point at the view's top left corner (in pixels)
  bool platziert_ = false;  ///< the view had its first size and placement
  bool schiebt_ = false;  ///< panning with the middle button (or Space and the left button)
  QPoint schiebePunkt_;
  std::optional<QPoint> mausPixel_;  ///< the mouse in the view, for the values beside it
  Bildpuffer puffer_;
  /// Paints the module and what lies over it (not the drafts) onto the view's pixels.
  void ModulMalenAuf(QPainter& painter, TModul& m);
  /// The view's pixels over module m's drawing as it is scrolled now.
  TAnsicht Ansicht(const TModul& m) const;
};

}  // namespace trm::gui
