// Painting of the visible part of the module, scroll bars and zoom.
#include "gui/editor/TZeichenflaeche.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>
#include <QPainter>
#include <QScrollBar>

#include "core/editor/Zoom.h"
#include "core/model/Neuberechnung.h"
#include "core/render/Ansicht.h"
#include "core/crossings/KrEndpfeile.h"
#include "core/render/Hervorhebung.h"
#include "core/render/ModulZeichnen.h"
#include "gui/render/QtCanvas.h"

namespace trm::gui {

TZeichenflaeche::TZeichenflaeche(Editor& editor, Dialoge& dialoge, QWidget* eltern)
    : QAbstractScrollArea(eltern), editor_(editor), dokument_(editor.dokument()), dialoge_(dialoge) {
  setObjectName(QStringLiteral("Zeichenflaeche"));
  viewport()->setAutoFillBackground(false);
  viewport()->setMouseTracking(true);
  setFrameShape(QFrame::StyledPanel);
  BalkenAnpassen();
}

QSize TZeichenflaeche::Zeichnungsgroesse() const {
  const TModul* m = dokument_.anlage().AktuellesModul();
  if (!m || !(m->MmProPixel > 0)) return {};
  return {static_cast<int>(TAnsicht::ZeichnungBreite(*m)), static_cast<int>(TAnsicht::ZeichnungHoehe(*m))};
}

QPoint TZeichenflaeche::Ursprung() const {
  const QSize z = Zeichnungsgroesse();
  return {static_cast<int>(Platzierung(viewport()->width(), z.width(), horizontalScrollBar()->value())),
          static_cast<int>(Platzierung(viewport()->height(), z.height(), verticalScrollBar()->value()))};
}

void TZeichenflaeche::BalkenAnpassen() {
  const QSize z = Zeichnungsgroesse();
  const QSize v = viewport()->size();
  auto setzen = [](QScrollBar* balken, std::int64_t bereich, int sichtbar) {
    balken->setPageStep(sichtbar);
    balken->setSingleStep(20);
    balken->setRange(0, static_cast<int>(std::max<std::int64_t>(0, bereich - sichtbar)));
  };
  setzen(horizontalScrollBar(), Scrollbereich(z.width()), v.width());
  setzen(verticalScrollBar(), Scrollbereich(z.height()), v.height());
}

void TZeichenflaeche::Neuzeichnen() {
  if (TModul* m = dokument_.anlage().AktuellesModul()) ModulBerechnen(*m);
  BalkenAnpassen();
  viewport()->update();
}

void TZeichenflaeche::paintEvent(QPaintEvent*) {
  QPainter painter(viewport());
  painter.fillRect(viewport()->rect(), palette().color(QPalette::Window));
  Anlage& a = dokument_.anlage();
  TModul* m = a.AktuellesModul();
  const QSize z = Zeichnungsgroesse();
  if (!m || z.isEmpty()) return;
  const QPoint o = Ursprung();
  // The visible part of the drawing, in drawing pixels.
  const QRect sichtbar = QRect(QPoint(0, 0), z).intersected(viewport()->rect().translated(-o));
  if (sichtbar.isEmpty()) return;
  painter.translate(o + sichtbar.topLeft());
  painter.setClipRect(QRect(QPoint(0, 0), sichtbar.size()));
  QtCanvas c(painter, sichtbar.width(), sichtbar.height());
  const TAnsicht ansicht(m->MmProPixel, m->Hoehe, sichtbar.x(), sichtbar.y(), sichtbar.width(), sichtbar.height());
  Elementhaken haken;
  haken.EndPfeile = KrEndpfeileZeichnen;
  haken.Blattuebersicht = Blattuebersicht;
  ModulMalen(a, *m, c, ansicht, haken);
  if (!maus_) return;
  if (const auto& k = maus_->Kandidat(); k && maus_->ZiehtGleis())
    FangMarkeZeichnen(*k, c, ansicht);
  else if (const auto t = maus_->Ueber())
    GleisHervorheben(*t->gleis, t->bogen, c, ansicht);
}

void TZeichenflaeche::leaveEvent(QEvent* e) {
  QAbstractScrollArea::leaveEvent(e);
  if (maus_ && maus_->Ueber()) {
    maus_->UeberVergessen();
    viewport()->update();
  }
}

void TZeichenflaeche::resizeEvent(QResizeEvent* e) {
  QAbstractScrollArea::resizeEvent(e);
  BalkenAnpassen();
}

void TZeichenflaeche::scrollContentsBy(int, int) { viewport()->update(); }

bool TZeichenflaeche::Massstab(bool ok) {
  // Refused or not, the zoom field shows the scale the module has now.
  if (ok) Neuzeichnen();
  emit MassstabGeaendert();
  return ok;
}

bool TZeichenflaeche::MassstabSetzen(double mmProPixel) { return Massstab(editor_.MassstabSetzen(mmProPixel)); }

bool TZeichenflaeche::ZoomSetzen(std::int64_t feldwert) { return Massstab(editor_.ZoomSetzen(feldwert)); }

bool TZeichenflaeche::Vergroessern() { return Massstab(editor_.Vergroessern()); }

void TZeichenflaeche::Verkleinern() { Massstab(editor_.Verkleinern()); }

void TZeichenflaeche::AnsFensterAnpassen() {
  const QSize z = Zeichnungsgroesse();
  Massstab(editor_.AnsFensterAnpassen(z.width(), z.height(), viewport()->width(), viewport()->height()));
}

void TZeichenflaeche::LupenKlick(QPoint position, Maustaste taste) {
  const TModul* m = dokument_.anlage().AktuellesModul();
  if (!m) return;
  const double alt = m->MmProPixel;
  const QPoint p = position - Ursprung();  // clicked pixel in the drawing
  if (!Massstab(editor_.Lupe(taste))) return;
  const double neu = dokument_.anlage().AktuellesModul()->MmProPixel;
  QScrollBar* h = horizontalScrollBar();
  QScrollBar* v = verticalScrollBar();
  if (h->maximum() > 0) h->setValue(h->value() + static_cast<int>(LupenVerschiebung(p.x(), alt, neu)));
  if (v->maximum() > 0) v->setValue(v->value() + static_cast<int>(LupenVerschiebung(p.y(), alt, neu)));
}

bool TZeichenflaeche::ZoomUm(QPoint position, double mmProPixel) {
  const TModul* m = dokument_.anlage().AktuellesModul();
  if (!m) return false;
  const double alt = m->MmProPixel;
  const QPoint p = position - Ursprung();
  if (!Massstab(editor_.MassstabSetzen(mmProPixel))) return false;
  const double neu = dokument_.anlage().AktuellesModul()->MmProPixel;
  QScrollBar* h = horizontalScrollBar();
  QScrollBar* v = verticalScrollBar();
  if (h->maximum() > 0) h->setValue(h->value() + static_cast<int>(LupenVerschiebung(p.x(), alt, neu)));
  if (v->maximum() > 0) v->setValue(v->value() + static_cast<int>(LupenVerschiebung(p.y(), alt, neu)));
  return true;
}

bool TZeichenflaeche::ZoomSchritt(QPoint position, bool naeher) {
  const TModul* m = dokument_.anlage().AktuellesModul();
  if (!m) return false;
  return ZoomUm(position, naeher ? m->MmProPixel / 1.2 : m->MmProPixel * 1.2);
}

void TZeichenflaeche::Zeigen(const QRect& zeichnung) {
  const QRect sicht = viewport()->rect().translated(-Ursprung());
  if (sicht.contains(zeichnung)) return;
  const QPoint mitte = zeichnung.center() - sicht.center();
  horizontalScrollBar()->setValue(horizontalScrollBar()->value() + mitte.x());
  verticalScrollBar()->setValue(verticalScrollBar()->value() + mitte.y());
}

void TZeichenflaeche::wheelEvent(QWheelEvent* e) {
  const int d = e->angleDelta().y() != 0 ? e->angleDelta().y() : e->angleDelta().x();
  if (d == 0) return;
  if (e->modifiers() & Qt::ShiftModifier) {
    // Shift and the wheel scroll sideways.
    horizontalScrollBar()->setValue(horizontalScrollBar()->value() - d);
    return;
  }
  // The wheel zooms about the cursor: the point under it stays put.
  ZoomSchritt(e->position().toPoint(), d > 0);
  e->accept();
}

void TZeichenflaeche::keyPressEvent(QKeyEvent* e) {
  if (e->key() == Qt::Key_PageUp || e->key() == Qt::Key_PageDown) {
    ZoomSchritt(viewport()->rect().center(), e->key() == Qt::Key_PageUp);
    return;
  }
  QAbstractScrollArea::keyPressEvent(e);  // the arrow keys scroll
}

namespace {
Maustaste Taste(Qt::MouseButton b) {
  return b == Qt::LeftButton ? Maustaste::Links : b == Qt::RightButton ? Maustaste::Rechts : Maustaste::Mitte;
}
}  // namespace

void TZeichenflaeche::SetMausbedienung(Mausbedienung* maus) {
  maus_ = maus;
  setContextMenuPolicy(maus ? Qt::PreventContextMenu : Qt::DefaultContextMenu);
}

bool TZeichenflaeche::AnMaus(QMouseEvent* e, Mausart art) {
  if (!maus_) return false;
  const QPoint p = e->position().toPoint();
  const QPoint z = p - Ursprung();
  Mausereignis ereignis;
  ereignis.art = art;
  ereignis.taste = Taste(art == Mausart::Bewegen ? Qt::LeftButton : e->button());
  ereignis.x = z.x();
  ereignis.y = z.y();
  ereignis.strg = e->modifiers() & Qt::ControlModifier;
  ereignis.umschalt = e->modifiers() & Qt::ShiftModifier;
  const Mausantwort a = maus_->Ereignis(ereignis);
  if (BeiMaus) BeiMaus(a, p);
  return true;
}

void TZeichenflaeche::mouseReleaseEvent(QMouseEvent* e) {
  if (schiebt_) {
    schiebt_ = false;
    viewport()->unsetCursor();
    return;
  }
  if (!AnMaus(e, Mausart::Loslassen)) QAbstractScrollArea::mouseReleaseEvent(e);
}

void TZeichenflaeche::mouseDoubleClickEvent(QMouseEvent* e) {
  // The toolkit's double click stands for the second press: press, then double click.
  if (maus_) {
    AnMaus(e, Mausart::Druecken);
    AnMaus(e, Mausart::Doppelklick);
    return;
  }
  QAbstractScrollArea::mouseDoubleClickEvent(e);
}

void TZeichenflaeche::mousePressEvent(QMouseEvent* e) {
  // The middle button, or Space held with the left one, pans the view.
  const bool leertaste = QGuiApplication::queryKeyboardModifiers() == Qt::NoModifier && leertaste_;
  if (e->button() == Qt::MiddleButton || (e->button() == Qt::LeftButton && leertaste)) {
    schiebt_ = true;
    schiebePunkt_ = e->position().toPoint();
    viewport()->setCursor(Qt::ClosedHandCursor);
    return;
  }
  if (!AnMaus(e, Mausart::Druecken)) QAbstractScrollArea::mousePressEvent(e);
}

void TZeichenflaeche::mouseMoveEvent(QMouseEvent* e) {
  if (schiebt_) {
    const QPoint p = e->position().toPoint();
    const QPoint d = p - schiebePunkt_;
    schiebePunkt_ = p;
    horizontalScrollBar()->setValue(horizontalScrollBar()->value() - d.x());
    verticalScrollBar()->setValue(verticalScrollBar()->value() - d.y());
    return;
  }
  if (!AnMaus(e, Mausart::Bewegen)) QAbstractScrollArea::mouseMoveEvent(e);
}

}  // namespace trm::gui

