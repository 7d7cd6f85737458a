// The print window and the "wird gedruckt" note.
#include "gui/output/TDruckdaten.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QVBoxLayout>

#include "core/base/Dialoge.h"
#include "core/editor/Editor.h"
#include "core/model/Anlage.h"
#include "core/model/Fehler.h"
#include "core/model/Neuberechnung.h"
#include "core/render/Ansicht.h"
#include "gui/editor/TZeichenflaeche.h"
#include "gui/output/Druckausgabe.h"

namespace trm::gui {

Anlage& TDruckdaten::A() const { return e_.anlage(); }

TD_Confirm::TD_Confirm(const QString& anlage, QWidget* eltern)
    : QWidget(eltern, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
  setObjectName(QStringLiteral("TD_Confirm"));
  auto* l = new QHBoxLayout(this);
  auto* bild = new QLabel(this);
  bild->setPixmap(style()->standardIcon(QStyle::SP_FileIcon).pixmap(32, 32));
  l->addSpacing(10);
  l->addWidget(bild);
  auto* text = new QLabel(anlage + QStringLiteral(" wird gedruckt"), this);
  text->setAlignment(Qt::AlignCenter);
  l->addWidget(text, 1);
  resize(text->sizeHint().width() + 100, 100);
  if (const QScreen* s = QGuiApplication::primaryScreen()) move(s->geometry().center() - rect().center());
}

namespace {
struct Papier {
  const char* name;
  QPageSize::PageSizeId id;
};
constexpr Papier kPapiere[] = {{"A4", QPageSize::A4}, {"A3", QPageSize::A3}, {"A5", QPageSize::A5},
                               {"Letter", QPageSize::Letter}, {"Legal", QPageSize::Legal}};
}  // namespace

TDruckdaten::TDruckdaten(Editor& e, Dialoge& d, TZeichenflaeche* flaeche, QWidget* eltern)
    : QDialog(eltern, Qt::Tool), e_(e), d_(d), flaeche_(flaeche), drucker_(std::make_unique<QPrinter>(QPrinter::HighResolution)) {
  setObjectName(QStringLiteral("TDruckdaten"));
  setWindowTitle(QStringLiteral("Druckdaten"));
  auto* haupt = new QVBoxLayout(this);
  haupt->setSizeConstraint(QLayout::SetMinimumSize);

  auto* oben = new QGridLayout;
  oben->addWidget(new QLabel(QStringLiteral("Druckmaßstab"), this), 0, 0);
  auto* ms = new QHBoxLayout;
  ms->addWidget(new QLabel(QStringLiteral("1 :"), this));
  massstab_ = new QLineEdit(QStringLiteral("1"), this);
  massstab_->setObjectName(QStringLiteral("ED_DMStab"));
  massstab_->setValidator(new QIntValidator(-999999, 999999, massstab_));
  ms->addWidget(massstab_);
  oben->addLayout(ms, 0, 1);
  oben->addWidget(new QLabel(QStringLiteral("Drucker"), this), 1, 0);
  druckerWahl_ = new QComboBox(this);
  druckerWahl_->setObjectName(QStringLiteral("CB_Drucker"));
  druckerWahl_->addItems(QPrinterInfo::availablePrinterNames());
  druckerWahl_->addItem(PdfEintrag());
  oben->addWidget(druckerWahl_, 1, 1);
  druckerName_ = new QLabel(this);
  druckerName_->setObjectName(QStringLiteral("L_Drucker"));
  oben->addWidget(druckerName_, 2, 1);
  oben->addWidget(new QLabel(QStringLiteral("Papier"), this), 3, 0);
  papier_ = new QComboBox(this);
  papier_->setObjectName(QStringLiteral("CB_Papier"));
  for (const Papier& p : kPapiere) papier_->addItem(QString::fromLatin1(p.name));
  oben->addWidget(papier_, 3, 1);
  papierName_ = new QLabel(this);
  papierName_->setObjectName(QStringLiteral("L_Papier"));
  oben->addWidget(papierName_, 4, 1);
  auto* lage = new QHBoxLayout;
  hoch_ = new QRadioButton(QStringLiteral("Hochformat"), this);
  quer_ = new QRadioButton(QStringLiteral("Querformat"), this);
  hoch_->setChecked(true);
  auto* lagen = new QButtonGroup(this);  // each pair of choices is a group of its own
  lagen->addButton(hoch_);
  lagen->addButton(quer_);
  lage->addWidget(hoch_);
  lage->addWidget(quer_);
  oben->addLayout(lage, 5, 1);
  auto* einrichten = new QPushButton(QStringLiteral("Drucker auswählen und einrichten"), this);
  einrichten->setObjectName(QStringLiteral("BT_Einrichten"));
  oben->addWidget(einrichten, 6, 1);
  haupt->addLayout(oben);

  auto* seiten = new QGroupBox(QStringLiteral("Seiten"), this);
  auto* sl = new QVBoxLayout(seiten);
  seiten_ = new QLineEdit(this);
  seiten_->setObjectName(QStringLiteral("ED_DSeiten"));
  sl->addWidget(seiten_);
  auto* memo = new QLabel(QStringLiteral("Einzelne Seiten durch Kommata trennen, Seitenbereiche mit Bindestrich, z.B. 1,5,7-10"), this);
  memo->setWordWrap(true);
  sl->addWidget(memo);
  blaetter_ = new QLabel(this);
  blaetter_->setObjectName(QStringLiteral("L_Blaetter"));
  sl->addWidget(blaetter_);
  haupt->addWidget(seiten);

  auto* opt = new QGroupBox(QStringLiteral("Optionen"), this);
  auto* ol = new QGridLayout(opt);
  farbig_ = new QRadioButton(QStringLiteral("farbig"), this);
  sw_ = new QRadioButton(QStringLiteral("s/w"), this);
  sw_->setChecked(true);
  auto* farben = new QButtonGroup(this);
  farben->addButton(farbig_);
  farben->addButton(sw_);
  ol->addWidget(farbig_, 0, 0);
  ol->addWidget(sw_, 0, 1);
  auto box = [&](const char* text, int zeile, int spalte, bool an) {
    auto* b = new QCheckBox(QString::fromUtf8(text), this);
    b->setChecked(an);
    ol->addWidget(b, zeile, spalte);
    return b;
  };
  schwellen_ = box("Schwellen drucken", 1, 0, false);
  trasse_ = box("Trasse markieren", 1, 1, false);
  bogenname_ = box("Bogenname", 2, 0, false);
  bogenradius_ = box("Bogenradius", 2, 1, false);
  schienen_ = box("Schienen drucken", 3, 0, true);
  raster_ = box("100mm-Raster", 3, 1, true);
  hoehen_ = box("Z-Koordinate", 4, 0, false);
  ol->addWidget(new QLabel(QStringLiteral("Geo-Elemente drucken"), this), 5, 0, 1, 2);
  geoRahmen_ = box("nur Rahmen", 6, 0, false);
  geoVoll_ = box("vollständig", 6, 1, false);
  haupt->addWidget(opt);

  auto* knoepfe = new QHBoxLayout;
  auto* vorschau = new QPushButton(QStringLiteral("Vorschau"), this);
  vorschau->setObjectName(QStringLiteral("BT_Vorschau"));
  auto* drucken = new QPushButton(QStringLiteral("Drucken"), this);
  drucken->setObjectName(QStringLiteral("BT_Drucken"));
  auto* abbrechen = new QPushButton(QStringLiteral("Abbrechen"), this);
  abbrechen->setObjectName(QStringLiteral("BT_Abbrechen"));
  knoepfe->addWidget(vorschau);
  knoepfe->addStretch();
  knoepfe->addWidget(drucken);
  knoepfe->addWidget(abbrechen);
  haupt->addLayout(knoepfe);

  PdfDateiFragen = [this] {
    QString pfad = QFileDialog::getSaveFileName(this, QStringLiteral("Drucken in PDF-Datei"),
                                                QString::fromStdString(A().Name) + QStringLiteral(".pdf"),
                                                QStringLiteral("PDF-Dateien (*.pdf)"));
    if (!pfad.isEmpty() && !pfad.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive)) pfad += QStringLiteral(".pdf");
    return pfad;
  };

  connect(massstab_, &QLineEdit::editingFinished, this, &TDruckdaten::Auffrischen);
  connect(druckerWahl_, &QComboBox::currentTextChanged, this, &TDruckdaten::DruckerWaehlen);
  connect(papier_, &QComboBox::currentIndexChanged, this, [this] { PapierSetzen(); });
  connect(hoch_, &QRadioButton::toggled, this, [this] { PapierSetzen(); });
  connect(einrichten, &QPushButton::clicked, this, [this] {
    QPageSetupDialog dlg(drucker_.get(), this);
    if (dlg.exec() == QDialog::Accepted) Auffrischen();
  });
  connect(farbig_, &QRadioButton::toggled, this, [this] { Auffrischen(); });
  connect(vorschau, &QPushButton::clicked, this, &TDruckdaten::Vorschau);
  connect(drucken, &QPushButton::clicked, this, [this] {
    if (Drucken()) close();
  });
  connect(abbrechen, &QPushButton::clicked, this, &QDialog::close);
  DruckerWaehlen(druckerWahl_->currentText());
}

bool TDruckdaten::IstPdf() const { return druckerWahl_->currentText() == PdfEintrag(); }

void TDruckdaten::DruckerWaehlen(const QString& name) {
  if (druckerWahl_->currentText() != name) {
    druckerWahl_->setCurrentText(name);  // comes back here through the signal
    return;
  }
  if (name == PdfEintrag()) {
    drucker_->setOutputFormat(QPrinter::PdfFormat);
  } else {
    drucker_->setOutputFormat(QPrinter::NativeFormat);
    drucker_->setPrinterName(name);
  }
  PapierSetzen();
}

void TDruckdaten::PapierSetzen() {
  const int i = std::max(0, papier_->currentIndex());
  const QPageLayout::Orientation lage = quer_->isChecked() ? QPageLayout::Landscape : QPageLayout::Portrait;
  if (IstPdf()) {
    PdfEinrichten(*drucker_, QString(), kPapiere[i].id, lage);
  } else {
    drucker_->setPageSize(QPageSize(kPapiere[i].id));
    drucker_->setPageOrientation(lage);
  }
  Auffrischen();
}

void TDruckdaten::Auffrischen() {
  bool ok = false;
  n_ = std::max(1, massstab_->text().toInt(&ok));
  massstab_->setText(QString::number(n_));
  const TSeitenmass s = Seitenmass(*drucker_);
  seiteBreiteMm_ = s.breiteMm;
  seiteHoeheMm_ = s.hoeheMm;
  TModul* m = A().AktuellesModul();
  t_ = m ? Blaetter(m->Breite, m->Hoehe, n_, s.breiteMm, s.hoeheMm) : TBlattaufteilung{};
  druckerName_->setText(IstPdf() ? PdfEintrag() : drucker_->printerName());
  papierName_->setText(drucker_->pageLayout().pageSize().name() + QStringLiteral(", ") + QString::number(s.breiteMm) +
                       QStringLiteral(" x ") + QString::number(s.hoeheMm) + QStringLiteral(" mm bedruckbar"));
  seiten_->setText(QStringLiteral("1 - ") + QString::number(t_.Anzahl()));
  blaetter_->setText(QString::number(t_.spalten) + QStringLiteral(" Spalten x ") + QString::number(t_.zeilen) +
                     QStringLiteral(" Reihen"));
  if (flaeche_ && isVisible()) {
    const std::int64_t n = n_, bw = seiteBreiteMm_, bh = seiteHoeheMm_;
    flaeche_->Blattuebersicht = [n, bw, bh](const TModul& mod, Canvas& c, const TAnsicht& v) {
      BlattuebersichtZeichnen(mod, n, bw, bh, c, v);
    };
    flaeche_->viewport()->update();
  }
}

TDruckoptionen TDruckdaten::Optionen() const {
  TDruckoptionen o;
  o.farbig = farbig_->isChecked();
  o.schwellen = schwellen_->isChecked();
  o.trasse = trasse_->isChecked();
  o.bogenname = bogenname_->isChecked();
  o.bogenradius = bogenradius_->isChecked();
  o.schienen = schienen_->isChecked();
  o.raster = raster_->isChecked();
  o.hoehen = hoehen_->isChecked();
  o.geoRahmen = geoRahmen_->isChecked();
  o.geoVollstaendig = geoVoll_->isChecked();
  return o;
}

std::optional<std::vector<std::int64_t>> TDruckdaten::Seiten() {
  try {
    auto liste = Seitenliste(seiten_->text().toStdString(), t_.Anzahl());
    if (liste.empty()) {
      d_.Fehler("Es ist kein Blatt zu drucken.");
      return std::nullopt;
    }
    return liste;
  } catch (const EingabeFehler& f) {
    d_.Fehler(f.what());
    return std::nullopt;
  }
}

void TDruckdaten::Vorschau() {
  const auto liste = Seiten();
  TModul* m = A().AktuellesModul();
  if (!liste || !m) return;
  ModulBerechnen(*m);
  QPrintPreviewDialog dlg(drucker_.get(), this);
  dlg.setWindowTitle(QStringLiteral("Druckvorschau"));
  const TDruckoptionen o = Optionen();
  const std::int64_t n = n_;
  connect(&dlg, &QPrintPreviewDialog::paintRequested, &dlg,
          [&](QPrinter* p) { BlaetterDrucken(A(), *m, o, n, *liste, *p); });
  dlg.exec();
}

bool TDruckdaten::Drucken(const QString& pdfPfad) {
  // The tiling is the one shown (refreshed after every command); the page field stays as typed.
  const auto liste = Seiten();
  TModul* m = A().AktuellesModul();
  if (!liste || !m) return false;
  QString ziel = pdfPfad;
  if (IstPdf() && ziel.isEmpty()) {
    ziel = PdfDateiFragen();
    if (ziel.isEmpty()) return false;
  }
  ModulBerechnen(*m);
  TD_Confirm hinweis(QString::fromStdString(A().Name), this);
  hinweis.show();
  QApplication::processEvents();  // the note paints before the job holds the thread
  QApplication::setOverrideCursor(Qt::WaitCursor);
  bool gut = true;
  try {
    if (IstPdf()) {
      PdfDrucken(A(), *m, Optionen(), n_, *liste, drucker_->pageLayout().pageSize().id(),
                 drucker_->pageLayout().orientation(), ziel);
    } else if (!BlaetterDrucken(A(), *m, Optionen(), n_, *liste, *drucker_)) {
      throw DateiFehler("Der Drucker \"" + drucker_->printerName().toStdString() + "\" konnte nicht drucken.");
    }
  } catch (const std::runtime_error& f) {
    gut = false;
    QApplication::restoreOverrideCursor();
    d_.Fehler(f.what());
  }
  if (gut) QApplication::restoreOverrideCursor();
  return gut;
}

void TDruckdaten::showEvent(QShowEvent* e) {
  QDialog::showEvent(e);
  schienen_->setChecked(true);
  Auffrischen();
}

void TDruckdaten::hideEvent(QHideEvent* e) {
  QDialog::hideEvent(e);
  if (flaeche_) {
    flaeche_->Blattuebersicht = nullptr;
    flaeche_->viewport()->update();
  }
}

}  // namespace trm::gui
