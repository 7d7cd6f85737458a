// Painting of the visible part of the module, scroll bars and zoom.
#include "gui/editor/TZeichenflaeche.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>
#include <cmath>

#include "core/editor/Zoom.h"
#include "core/model/Neuberechnung.h"
#include "core/render/Ansicht.h"
#include "core/render/Entwurfzeichnen.h"
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
  return {-static_cast<int>(std::lround(ox_)), -static_cast<int>(std::lround(oy_))};
}

QRect TZeichenflaeche::Ausdehnung() const {
  const TModul* m = dokument_.anlage().AktuellesModul();
  if (!m || !(m->MmProPixel > 0)) return {};
  const TRechteck w = ModulAusdehnung(*m);
  const double s = m->MmProPixel;
  // Drawing pixels: x to the right from the module's left edge, y down from its top edge; the
  // right and bottom edges are exclusive (a module of 750 pixels spans 0 to 749).
  auto px = [](double v) { return static_cast<int>(std::clamp(v, -1e9, 1e9)); };
  const int links = px(std::floor(w.xmin / s)), oben = px(std::floor((m->Hoehe - w.ymax) / s));
  const int rechts = px(std::ceil(w.xmax / s)), unten = px(std::ceil((m->Hoehe - w.ymin) / s));
  return QRect(links, oben, std::max(1, rechts - links), std::max(1, unten - oben));
}

void TZeichenflaeche::Ausgangslage() {
  // Where the scroll box of the module's drawing puts it with its bars at the start.
  const QSize z = Zeichnungsgroesse();
  ox_ = -static_cast<double>(Platzierung(viewport()->width(), z.width(), 0));
  oy_ = -static_cast<double>(Platzierung(viewport()->height(), z.height(), 0));
  BalkenAnpassen();
  viewport()->update();
}

void TZeichenflaeche::BalkenAnpassen() {
  // The bars reach over the drawing and the tracks beside it, and always over the part in
  // view, so that zooming about any point never has to move it.
  const QRect e = Ausdehnung();
  const QSize v = viewport()->size();
  auto setzen = [](QScrollBar* balken, int von, int bis, int wert, int sichtbar) {
    const QSignalBlocker sperre(balken);
    balken->setPageStep(sichtbar);
    balken->setSingleStep(20);
    balken->setRange(std::min(von, wert), std::max(bis, wert));
    balken->setValue(wert);
  };
  const QPoint o = -Ursprung();
  setzen(horizontalScrollBar(), e.left(), e.right() + 1 - v.width(), o.x(), v.width());
  setzen(verticalScrollBar(), e.top(), e.bottom() + 1 - v.height(), o.y(), v.height());
}

void TZeichenflaeche::UrsprungSetzen(double ox, double oy) {
  ox_ = ox;
  oy_ = oy;
  BalkenAnpassen();
  viewport()->update();
}

void TZeichenflaeche::Neuzeichnen() {
  if (TModul* m = dokument_.anlage().AktuellesModul()) ModulBerechnen(*m);
  puffer_.Leeren();
  BalkenAnpassen();
  viewport()->update();
}

bool TZeichenflaeche::ZeichnetEntwurf() const {
  return maus_ && maus_->Zeichnet();
}

TAnsicht TZeichenflaeche::Ansicht(const TModul& m) const {
  const QRect sicht = viewport()->rect();
  return TAnsicht(m.MmProPixel, m.Hoehe, -Ursprung().x(), -Ursprung().y(), sicht.width(), sicht.height());
}

void TZeichenflaeche::ModulMalenAuf(QPainter& painter, TModul& m) {
  // The whole view is drawn: tracks beside the module show on the desk around it.
  const QRect sicht = viewport()->rect();
  painter.fillRect(sicht, palette().color(QPalette::Window));
  QtCanvas c(painter, sicht.width(), sicht.height());
  c.fuellbereich = QRect(Ursprung(), Zeichnungsgroesse());
  const TAnsicht ansicht = Ansicht(m);
  Elementhaken haken;
  haken.EndPfeile = KrEndpfeileZeichnen;
  haken.Blattuebersicht = Blattuebersicht;
  ModulMalen(dokument_.anlage(), m, c, ansicht, haken);
  if (Zusatz) Zusatz(c, ansicht);
}

void TZeichenflaeche::paintEvent(QPaintEvent*) {
  QPainter painter(viewport());
  Anlage& a = dokument_.anlage();
  TModul* m = a.AktuellesModul();
  if (!m || Zeichnungsgroesse().isEmpty()) {
    painter.fillRect(viewport()->rect(), palette().color(QPalette::Window));
    return;
  }
  const QRect sicht = viewport()->rect();
  if (ZeichnetEntwurf()) {
    // While a draft follows the mouse the module's picture is kept: a frame copies it and
    // draws the draft over it.
    Bildpuffer::Schluessel k;
    k.modul = m;
    k.mmProPixel = m->MmProPixel;
    k.ursprungX = Ursprung().x();
    k.ursprungY = Ursprung().y();
    k.groesse = sicht.size();
    k.pixelverhaeltnis = viewport()->devicePixelRatioF();
    k.stand = dokument_.verlauf().Stand();
    k.gleis = editor_.gleis();
    k.bogen = editor_.bogen();
    painter.drawImage(QPoint(0, 0), puffer_.Bild(k, [&](QPainter& p) { ModulMalenAuf(p, *m); }));
    QtCanvas c(painter, sicht.width(), sicht.height());
    const TAnsicht ansicht = Ansicht(*m);
    std::optional<PixelPunkt> maus;
    if (mausPixel_) maus = PixelPunkt{mausPixel_->x(), mausPixel_->y()};
    EntwurfZeichnen(maus_->Zeichner(), c, ansicht, maus);
    return;
  }
  puffer_.Leeren();
  ModulMalenAuf(painter, *m);
  if (!maus_) return;
  QtCanvas c(painter, sicht.width(), sicht.height());
  const TAnsicht ansicht = Ansicht(*m);
  if (const auto& k = maus_->Kandidat(); k && maus_->ZiehtGleis())
    FangMarkeZeichnen(*k, c, ansicht);
  else if (const auto t = maus_->Ueber())
    GleisHervorheben(*t->gleis, t->bogen, c, ansicht);
}

void TZeichenflaeche::leaveEvent(QEvent* e) {
  QAbstractScrollArea::leaveEvent(e);
  mausPixel_.reset();
  if (ZeichnetEntwurf()) viewport()->update();
  if (maus_ && maus_->Ueber()) {
    maus_->UeberVergessen();
    viewport()->update();
  }
}

void TZeichenflaeche::resizeEvent(QResizeEvent* e) {
  QAbstractScrollArea::resizeEvent(e);
  if (!platziert_ && !viewport()->size().isEmpty()) {
    platziert_ = true;
    Ausgangslage();
    return;
  }
  BalkenAnpassen();
}

void TZeichenflaeche::scrollContentsBy(int, int) {
  // A bar moved by the user: whole pixels (a bar set from the view changes nothing here).
  if (horizontalScrollBar()->value() != -Ursprung().x()) ox_ = horizontalScrollBar()->value();
  if (verticalScrollBar()->value() != -Ursprung().y()) oy_ = verticalScrollBar()->value();
  viewport()->update();
}

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
  // The module and every track, centred.
  QRect e = Ausdehnung();
  if (!Massstab(editor_.AnsFensterAnpassen(e.width(), e.height(), viewport()->width(), viewport()->height())))
    return;
  e = Ausdehnung();
  UrsprungSetzen(e.center().x() - viewport()->width() / 2, e.center().y() - viewport()->height() / 2);
}

void TZeichenflaeche::LupenKlick(QPoint position, Maustaste taste) {
  const TModul* m = dokument_.anlage().AktuellesModul();
  if (m) ZoomUm(position, LupenMassstab(m->MmProPixel, taste));
}

bool TZeichenflaeche::ZoomUm(QPoint position, double mmProPixel) {
  const TModul* m = dokument_.anlage().AktuellesModul();
  if (!m) return false;
  const double alt = m->MmProPixel;
  // The drawing point under the position stays under it; the origin keeps its fraction of a
  // pixel, so that steps about one point never add up their rounding.
  const double x = ox_ + position.x(), y = oy_ + position.y();
  if (!Massstab(editor_.MassstabSetzen(mmProPixel))) return false;
  const double f = alt / dokument_.anlage().AktuellesModul()->MmProPixel;
  UrsprungSetzen(x * f - position.x(), y * f - position.y());
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
  UrsprungSetzen(ox_ + mitte.x(), oy_ + mitte.y());
}

void TZeichenflaeche::Zentrieren(QPoint zeichnung) {
  const QRect sicht = viewport()->rect().translated(-Ursprung());
  const QPoint mitte = zeichnung - sicht.center();
  UrsprungSetzen(ox_ + mitte.x(), oy_ + mitte.y());
}

void TZeichenflaeche::wheelEvent(QWheelEvent* e) {
  const int d = e->angleDelta().y() != 0 ? e->angleDelta().y() : e->angleDelta().x();
  if (d == 0) return;
  if (e->modifiers() & Qt::ShiftModifier) {
    // Shift and the wheel scroll sideways.
    horizontalScrollBar()->setValue(horizontalScrollBar()->value() - d);
    return;
  }
  // The wheel zooms about the cursor: the point under it stays put, and the status bar
  // shows its position at once.
  const QPoint p = e->position().toPoint();
  ZoomSchritt(p, d > 0);
  Melden(p, Mausart::Bewegen, Qt::LeftButton, e->modifiers());
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
  return Melden(e->position().toPoint(), art, art == Mausart::Bewegen ? Qt::LeftButton : e->button(), e->modifiers());
}

bool TZeichenflaeche::Melden(QPoint p, Mausart art, Qt::MouseButton taste, Qt::KeyboardModifiers tasten) {
  if (!maus_) return false;
  const QPoint z = p - Ursprung();
  Mausereignis ereignis;
  ereignis.art = art;
  ereignis.taste = Taste(taste);
  ereignis.x = z.x();
  ereignis.y = z.y();
  ereignis.strg = tasten & Qt::ControlModifier;
  ereignis.umschalt = tasten & Qt::ShiftModifier;
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
    UrsprungSetzen(ox_ - d.x(), oy_ - d.y());
    return;
  }
  mausPixel_ = e->position().toPoint();
  // The values beside the mouse follow it even where the draft stays the same.
  if (ZeichnetEntwurf() && !maus_->Zeichner().Messwerte().empty()) viewport()->update();
  if (!AnMaus(e, Mausart::Bewegen)) QAbstractScrollArea::mouseMoveEvent(e);
}

}  // namespace trm::gui

