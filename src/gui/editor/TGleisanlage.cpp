// The main window: start-up with "neu", the file commands, the drawing area with its zoom
// tools, and the close query.
#include "gui/editor/TGleisanlage.h"

#include <QAction>
#include <QCloseEvent>
#include <QFileDialog>
#include <QMenuBar>
#include <QSpinBox>
#include <QToolBar>

#include "core/editor/Zoom.h"
#include "gui/editor/TZeichenflaeche.h"
#include "gui/render/Bildexport.h"

namespace trm::gui {

TGleisanlage::TGleisanlage(const QString& datenordner, std::shared_ptr<Zufall> zufall,
                           Dialoge* dialoge)
    : qtDialoge_(std::make_unique<QtDialoge>(this)) {
  dialoge_ = dialoge ? dialoge : qtDialoge_.get();
  dokument_ = std::make_unique<Dokument>(*dialoge_, datenordner.toStdString(), std::move(zufall));
  flaeche_ = new TZeichenflaeche(*dokument_, *dialoge_, this);
  setCentralWidget(flaeche_);
  MenuesAnlegen();
  WerkzeugleisteAnlegen();
  connect(flaeche_, &TZeichenflaeche::MassstabGeaendert, this, &TGleisanlage::ZoomfeldAktualisieren);
  resize(1024, 700);
  FormCreate();
}

void TGleisanlage::MenuesAnlegen() {
  QMenu* datei = menuBar()->addMenu(QStringLiteral("Datei"));
  QAction* neu = datei->addAction(QStringLiteral("neu"));
  neu->setShortcut(QKeySequence::New);
  connect(neu, &QAction::triggered, this, [this] {
    dokument_->Neu();
    NachDateibefehl();
  });
  QAction* oeffnen = datei->addAction(QStringLiteral("öffnen"));
  oeffnen->setShortcut(QKeySequence::Open);
  connect(oeffnen, &QAction::triggered, this, [this] {
    dokument_->Oeffnen();
    NachDateibefehl();
  });
  QAction* speichern = datei->addAction(QStringLiteral("speichern"));
  speichern->setShortcut(QKeySequence::Save);
  connect(speichern, &QAction::triggered, this, [this] {
    dokument_->Speichern();
    TitelAktualisieren();
  });
  QAction* unter = datei->addAction(QStringLiteral("speichern unter..."));
  connect(unter, &QAction::triggered, this, [this] {
    dokument_->SpeichernUnter();
    TitelAktualisieren();
  });
  datei->addSeparator();
  QAction* bitmap = datei->addAction(QStringLiteral("als Bitmap speichern"));
  connect(bitmap, &QAction::triggered, this, [this] {
    const auto pfad = dialoge_->SpeichernDialog("Bitmaps (*.bmp)|*.bmp", dokument_->anlage().Name, "bmp");
    if (pfad) BitmapSpeichern(QString::fromStdString(*pfad));
  });
  datei->addSeparator();
  QAction* ende = datei->addAction(QStringLiteral("Beenden"));
  connect(ende, &QAction::triggered, this, &QWidget::close);
}

void TGleisanlage::WerkzeugleisteAnlegen() {
  QToolBar* leiste = addToolBar(QStringLiteral("Ansicht"));
  leiste->setObjectName(QStringLiteral("Ansicht"));
  QAction* groesser = leiste->addAction(QStringLiteral("+"));
  groesser->setObjectName(QStringLiteral("TB_Vergroessern"));
  groesser->setToolTip(QStringLiteral("vergrößern"));
  connect(groesser, &QAction::triggered, this, [this] { flaeche_->Vergroessern(); });
  QAction* kleiner = leiste->addAction(QStringLiteral("−"));
  kleiner->setObjectName(QStringLiteral("TB_Verkleinern"));
  kleiner->setToolTip(QStringLiteral("verkleinern"));
  connect(kleiner, &QAction::triggered, this, [this] { flaeche_->Verkleinern(); });
  zoomfeld_ = new QSpinBox(leiste);
  zoomfeld_->setObjectName(QStringLiteral("ED_Zoom"));
  zoomfeld_->setToolTip(QStringLiteral("Darstellungsmaßstab"));
  zoomfeld_->setRange(0, 1'000'000);
  zoomfeld_->setKeyboardTracking(false);  // applied when Enter is pressed or the field is left
  leiste->addWidget(zoomfeld_);
  connect(zoomfeld_, &QSpinBox::valueChanged, this, [this](int wert) {
    const TModul* m = dokument_->anlage().AktuellesModul();
    if (m && wert != ZoomfeldWert(m->MmProPixel)) flaeche_->ZoomSetzen(wert);
  });
  lupe_ = leiste->addAction(QStringLiteral("Lupe"));
  lupe_->setObjectName(QStringLiteral("TB_Lupe"));
  lupe_->setToolTip(QStringLiteral("Lupe"));
  lupe_->setCheckable(true);
  connect(lupe_, &QAction::toggled, this, [this](bool an) {
    flaeche_->SetLupe(an);
    flaeche_->viewport()->setCursor(an ? Qt::CrossCursor : Qt::ArrowCursor);
  });
  QAction* anpassen = leiste->addAction(QStringLiteral("Anpassen"));
  anpassen->setObjectName(QStringLiteral("TB_Anpassen"));
  anpassen->setToolTip(QStringLiteral("Ansicht ans Fenser anpassen"));
  connect(anpassen, &QAction::triggered, this, [this] { flaeche_->AnsFensterAnpassen(); });
}

void TGleisanlage::ZoomfeldAktualisieren() {
  const TModul* m = dokument_->anlage().AktuellesModul();
  if (!m || !zoomfeld_) return;
  const QSignalBlocker sperre(zoomfeld_);
  zoomfeld_->setValue(static_cast<int>(ZoomfeldWert(m->MmProPixel)));
}

void TGleisanlage::NachDateibefehl() {
  TitelAktualisieren();
  flaeche_->Neuzeichnen();
  ZoomfeldAktualisieren();
}

void TGleisanlage::FormCreate() {
  dokument_->Neu();
  NachDateibefehl();
}

bool TGleisanlage::DateiOeffnen(const QString& pfad) {
  const bool ok = dokument_->OeffnenDatei(pfad.toStdString());
  NachDateibefehl();
  return ok;
}

bool TGleisanlage::BitmapSpeichern(const QString& pfad) {
  TModul* m = dokument_->anlage().AktuellesModul();
  if (!m) return false;
  const QImage bild = ModulBild(dokument_->anlage(), *m);
  if (bild.isNull()) {
    dialoge_->Warnung(MeldungMassstab);
    return false;
  }
  const QString ziel = BildPfad(pfad);
  if (!BildSpeichern(bild, ziel)) {
    dialoge_->Fehler("Die Datei \"" + ziel.toStdString() + "\" konnte nicht gespeichert werden.");
    return false;
  }
  return true;
}

void TGleisanlage::TitelAktualisieren() { setWindowTitle(QString::fromStdString(dokument_->Titel())); }

void TGleisanlage::closeEvent(QCloseEvent* e) {
  if (dokument_->SchliessenErlaubt())
    e->accept();
  else
    e->ignore();
}

}  // namespace trm::gui
