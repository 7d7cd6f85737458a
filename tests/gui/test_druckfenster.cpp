// Printing and the parts list in the real main window: the print window's tiling, overlay and
// PDF sheets, a 1:1 PDF page that measures true, bad input, kept prices and the CSV export.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPrinter>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>

#include "core/SkriptDialoge.h"
#include "core/model/Datenordner.h"
#include "core/model/Fehler.h"
#include "gui/editor/TGleisanlage.h"
#include "gui/editor/TZeichenflaeche.h"
#include "gui/output/Druckausgabe.h"
#include "gui/output/TDruckdaten.h"
#include "gui/output/TfStckListe.h"
#include "gui/render/QtCanvas.h"
#include "gui/render/Vektorexport.h"
#include "core/model/Anlage.h"
#include "core/output/Druckblatt.h"
#include <QImage>
#include <QPainter>

namespace {

class Druckfenster : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(trm::DatenordnerEinrichten(ordner.path().toStdString(), TRM_QUELLDATEN));
    w = std::make_unique<trm::gui::TGleisanlage>(ordner.path(), std::make_shared<trm::MersenneZufall>(2), &dialoge);
    w->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(w.get()));
    M().Breite = 1500;
    M().Hoehe = 600;
  }
  trm::TModul& M() { return *w->dokument().anlage().AktuellesModul(); }
  static int Seiten(const QString& pfad) {
    QFile f(pfad);
    if (!f.open(QIODevice::ReadOnly)) return -1;
    const QByteArray b = f.readAll();
    return static_cast<int>(b.count("/Type /Page\n") + b.count("/Type /Page\r") + b.count("/Type /Page>") +
                            b.count("/Type /Page "));
  }

  QTemporaryDir ordner;
  trm::test::SkriptDialoge dialoge;
  std::unique_ptr<trm::gui::TGleisanlage> w;
};

TEST_F(Druckfenster, EinsZuEinsMisstWahr) {
  // A4 portrait into a PDF: printable 200 x 287 mm at 1200 dpi; 200 mm of model lie 200 mm
  // apart on the page.
  QPrinter p(QPrinter::HighResolution);
  trm::gui::PdfEinrichten(p, QString(), QPageSize::A4, QPageLayout::Portrait);
  const trm::gui::TSeitenmass s = trm::gui::Seitenmass(p);
  EXPECT_EQ(s.breiteMm, 200);
  EXPECT_EQ(s.hoeheMm, 287);
  EXPECT_NEAR(s.breitePx / s.dpiX * 25.4, 200.0, 0.1);
  const trm::TDrucktransform t(s.dpiX, s.dpiY, 1, s.breitePx, s.hoehePx, trm::BlattLage(1, 8));
  const double mm = (t.Pixel(250, 100).x - t.Pixel(50, 100).x) / s.dpiX * 25.4;
  EXPECT_NEAR(mm, 200.0, 0.1);
  const double hoch = (t.Pixel(0, 0).y - t.Pixel(0, 200).y) / s.dpiY * 25.4;
  EXPECT_NEAR(hoch, 200.0, 0.1);
}

TEST_F(Druckfenster, FensterBlaetterUndPdf) {
  w->Aktion(QStringLiteral("MI_Drucken"))->trigger();
  auto* d = static_cast<trm::gui::TDruckdaten*>(w->findChild<QDialog*>(QStringLiteral("TDruckdaten")));
  ASSERT_NE(d, nullptr);
  EXPECT_TRUE(d->isVisible());
  EXPECT_EQ(d->windowTitle(), "Druckdaten");
  d->DruckerWaehlen(trm::gui::TDruckdaten::PdfEintrag());
  EXPECT_EQ(d->Aufteilung().spalten, 8);
  EXPECT_EQ(d->Aufteilung().zeilen, 3);
  auto* seiten = d->findChild<QLineEdit*>(QStringLiteral("ED_DSeiten"));
  EXPECT_EQ(seiten->text(), "1 - 24");
  auto* flaeche = w->findChild<trm::gui::TZeichenflaeche*>();
  EXPECT_TRUE(static_cast<bool>(flaeche->Blattuebersicht));
  // A scale of 0 becomes 1.
  auto* massstab = d->findChild<QLineEdit*>(QStringLiteral("ED_DMStab"));
  massstab->setText(QStringLiteral("0"));
  emit massstab->editingFinished();
  EXPECT_EQ(massstab->text(), "1");
  const QString pdf = ordner.filePath(QStringLiteral("blaetter.pdf"));
  seiten->setText(QStringLiteral("7-9, 1"));
  ASSERT_TRUE(d->Drucken(pdf));
  EXPECT_EQ(Seiten(pdf), 4);
  // A sheet that does not exist: a message, and the file stays as it was.
  const qint64 groesse = QFileInfo(pdf).size();
  d->Auffrischen();
  seiten->setText(QStringLiteral("1,25"));
  EXPECT_FALSE(d->Drucken(pdf));
  ASSERT_FALSE(dialoge.fehler.empty());
  EXPECT_EQ(dialoge.fehler.back(), "Blatt 25 gibt es nicht; die Blätter sind 1 bis 24.");
  EXPECT_EQ(QFileInfo(pdf).size(), groesse);
  // An unwritable file: a message, nothing written.
  seiten->setText(QStringLiteral("1"));
  EXPECT_FALSE(d->Drucken(QStringLiteral("/nirgends/da/x.pdf")));
  EXPECT_NE(dialoge.fehler.back().find("konnte nicht geschrieben werden"), std::string::npos);
  d->close();
  EXPECT_FALSE(static_cast<bool>(flaeche->Blattuebersicht));
}

TEST_F(Druckfenster, ZeichnungAlsPdf) {
  const QString pdf = ordner.filePath(QStringLiteral("zeichnung.pdf"));
  trm::gui::ModulPdf(w->dokument().anlage(), M(), pdf);
  QFile f(pdf);
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  EXPECT_TRUE(f.read(5) == "%PDF-");
  EXPECT_EQ(Seiten(pdf), 1);
  trm::gui::ModulPdf(w->dokument().anlage(), M(), pdf, QRect(10, 10, 200, 100));
  EXPECT_EQ(Seiten(pdf), 1);
  EXPECT_THROW(trm::gui::ModulPdf(w->dokument().anlage(), M(), QStringLiteral("/nirgends/da/z.pdf")), trm::DateiFehler);
  EXPECT_FALSE(QFileInfo::exists(QStringLiteral("/nirgends/da/z.pdf")));
  // Nothing of the temporary files stays behind.
  EXPECT_EQ(QDir(ordner.path()).entryList({QStringLiteral("*tmp~")}, QDir::Files).size(), 0);
}

TEST_F(Druckfenster, StuecklisteBehaeltPreiseUndExportiert) {
  w->Aktion(QStringLiteral("MI_Stückliste"))->trigger();
  auto* l = static_cast<trm::gui::TfStckListe*>(w->findChild<QDialog*>(QStringLiteral("TfStckListe")));
  ASSERT_NE(l, nullptr);
  EXPECT_EQ(l->windowTitle(), "Stückliste");
  QTableWidget* g = l->GleisGrid();
  ASSERT_GE(g->columnCount(), 2);
  EXPECT_EQ(g->item(2, 0)->text(), "Länge pro Flexgleis in mm");
  g->item(2, 1)->setText(QStringLiteral("914"));
  g->item(5, 1)->setText(QStringLiteral("8,50"));
  ASSERT_TRUE(l->Berechnen());
  EXPECT_FALSE(g->item(4, 1)->text().isEmpty());
  l->hide();
  // Shown again: counted anew, the typed values are still there.
  w->Aktion(QStringLiteral("MI_Stückliste"))->trigger();
  EXPECT_EQ(l->GleisGrid()->item(2, 1)->text(), "914");
  EXPECT_EQ(l->GleisGrid()->item(5, 1)->text(), "8,50");
  const QString csv = ordner.filePath(QStringLiteral("liste.csv"));
  ASSERT_TRUE(l->Exportieren(csv));
  QFile f(csv);
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  const QString text = QString::fromUtf8(f.readAll());
  EXPECT_TRUE(text.startsWith(QStringLiteral("Gleise\nSpurweite;"))) << text.toStdString();
  EXPECT_TRUE(text.contains(QStringLiteral("Länge pro Flexgleis in mm;914")));
  // A cell that is no number: a message, nothing changes.
  l->GleisGrid()->item(5, 1)->setText(QStringLiteral("-"));
  EXPECT_FALSE(l->Berechnen());
  EXPECT_FALSE(dialoge.fehler.empty());
}

}  // namespace

namespace {

TEST(Druckblatt, TexteLiegenAufDemBlattBeiJederAufloesung) {
  // A sheet of 120 x 60 mm drawn on an image with a margin of 300 pixels around it, at 300,
  // 600 and 1200 dpi: the sheet number, the line naming the sheet and the joining marks leave
  // no ink outside the sheet, and the number's top lies 50 pixels below the sheet's top.
  trm::Anlage a(std::make_shared<trm::MersenneZufall>(1));
  trm::TModul& m = *a.ModulAnhaengen();
  a.ModulWaehlen(0);
  m.Breite = 100;
  m.Hoehe = 50;
  trm::TDruckoptionen o;
  o.raster = false;
  for (const int dpi : {300, 600, 1200}) {
    SCOPED_TRACE(dpi);
    const int w = static_cast<int>(std::lround(120 / 25.4 * dpi)), h = static_cast<int>(std::lround(60 / 25.4 * dpi));
    constexpr int rand = 300;
    QImage bild(w + 2 * rand, h + 2 * rand, QImage::Format_RGB32);
    bild.setDotsPerMeterX(static_cast<int>(std::lround(dpi / 0.0254)));
    bild.setDotsPerMeterY(static_cast<int>(std::lround(dpi / 0.0254)));
    bild.fill(Qt::white);
    {
      QPainter p(&bild);
      p.translate(rand, rand);
      trm::gui::QtCanvas c(p, w, h);
      const trm::TDrucktransform t(dpi, dpi, 1, w, h, trm::BlattLage(1, 1));
      trm::BlattZeichnen(a, m, o, t, 1, c);
    }
    int oben = bild.height(), innen = 0, aussen = 0;
    for (int y = 0; y < bild.height(); ++y)
      for (int x = 0; x < bild.width(); ++x) {
        if (bild.pixel(x, y) == qRgb(255, 255, 255)) continue;
        const bool drin = x >= rand && x < rand + w && y >= rand && y < rand + h;
        (drin ? innen : aussen) += 1;
        // The sheet number: right of the middle, away from the corner marks.
        if (drin && x >= rand + w / 2 && x < rand + 3 * w / 4 && y < rand + h / 2) oben = std::min(oben, y - rand);
      }
    EXPECT_EQ(aussen, 0);
    EXPECT_GT(innen, 0);
    EXPECT_GE(oben, 50);
    EXPECT_LT(oben, 50 + dpi / 4);
  }
}

}  // namespace
