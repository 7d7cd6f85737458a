// The main window: start-up with "neu", the title, and the close query.
#include "gui/editor/TGleisanlage.h"

#include <QCloseEvent>
#include <QLabel>

namespace trm::gui {

TGleisanlage::TGleisanlage(const QString& datenordner, std::shared_ptr<Zufall> zufall,
                           Dialoge* dialoge)
    : qtDialoge_(std::make_unique<QtDialoge>(this)) {
  Dialoge& d = dialoge ? *dialoge : static_cast<Dialoge&>(*qtDialoge_);
  dokument_ = std::make_unique<Dokument>(d, datenordner.toStdString(), std::move(zufall));
  auto* flaeche = new QLabel(this);
  flaeche->setObjectName(QStringLiteral("Zeichenflaeche"));
  flaeche->setAutoFillBackground(true);
  setCentralWidget(flaeche);
  resize(1024, 700);
  FormCreate();
}

void TGleisanlage::FormCreate() {
  dokument_->Neu();
  TitelAktualisieren();
}

bool TGleisanlage::DateiOeffnen(const QString& pfad) {
  const bool ok = dokument_->OeffnenDatei(pfad.toStdString());
  TitelAktualisieren();
  return ok;
}

void TGleisanlage::TitelAktualisieren() { setWindowTitle(QString::fromStdString(dokument_->Titel())); }

void TGleisanlage::closeEvent(QCloseEvent* e) {
  if (dokument_->SchliessenErlaubt())
    e->accept();
  else
    e->ignore();
}

}  // namespace trm::gui
