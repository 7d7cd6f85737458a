// The turnout data window and the sleeper editor on the offscreen platform: shown after a
// turnout is placed, a cell edited, a pick list chosen, the sleeper editor opened from the
// plan mode and a sleeper added and saved.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "core/SkriptDialoge.h"
#include "core/model/Datenordner.h"
#include "core/turnouts/Weiche.h"
#include "gui/editor/TGleisanlage.h"
#include "gui/lists/TfListe.h"
#include "gui/turnouts/TEW_Schwellendaten.h"
#include "gui/turnouts/TWeichendaten.h"

namespace {

class Weichendatenfenster : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(trm::DatenordnerEinrichten(ordner.path().toStdString(), TRM_QUELLDATEN));
    w = std::make_unique<trm::gui::TGleisanlage>(
        ordner.path(), std::make_shared<trm::MersenneZufall>(2), &dialoge);
    w->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(w.get()));
    // The first type of the shipped list, placed through the list window.
    QTimer::singleShot(0, [] {
      for (QWidget* f : QApplication::topLevelWidgets())
        if (auto* d = qobject_cast<trm::gui::TfListe*>(f); d && d->isVisible())
          d->done(trm::gui::TfListe::Auswaehlen);
    });
    w->Aktion("TB_Weichenliste")->trigger();
    daten = w->findChild<trm::gui::TWeichendaten*>();
    ASSERT_NE(daten, nullptr);
  }
  trm::TEWeiche* W() { return trm::Weiche(w->editor()); }

  QTemporaryDir ordner;
  trm::test::SkriptDialoge dialoge;
  std::unique_ptr<trm::gui::TGleisanlage> w;
  trm::gui::TWeichendaten* daten = nullptr;
};

TEST_F(Weichendatenfenster, ZeigtDieNeueWeicheUndAendertIhrenRadius) {
  ASSERT_TRUE(daten->isVisible());
  EXPECT_EQ(daten->windowTitle(), "Weichendaten - Weiche R 907,97 / 15° links");
  auto [raster, zeile] = daten->Zelle(trm::Weichenfeld::Radius);
  EXPECT_EQ(raster->objectName(), "SG_Grundform");
  EXPECT_EQ(raster->item(zeile, 0)->text(), "Radius");
  EXPECT_EQ(raster->item(zeile, 1)->text(), "907,970");
  const auto schwellen = W()->SwPolygone.size();

  raster->item(zeile, 1)->setText("600");
  EXPECT_DOUBLE_EQ(W()->Radius(), 600);
  EXPECT_EQ(raster->item(zeile, 1)->text(), "600,000");
  EXPECT_LT(W()->SwPolygone.size(), schwellen);  // a shorter turnout, fewer sleepers
  EXPECT_EQ(w->Aktion("MI_Rueckgaengig")->text(), "Rückgängig: Radius");
  // A value the cell refuses comes back as it was.
  auto [neigung, nz] = daten->Zelle(trm::Weichenfeld::Neigung);
  neigung->item(nz, 1)->setText("7");
  EXPECT_EQ(dialoge.fehler.back(), "Ungültiges Format\n\rBitte Eingabe wiederholen");
  EXPECT_EQ(neigung->item(nz, 1)->text().left(2), "1:");

  auto* richtung = daten->findChild<QComboBox*>("CB_Weichenrichtung");
  ASSERT_NE(richtung, nullptr);
  richtung->setCurrentText("Rechtsweiche");
  emit richtung->activated(1);
  EXPECT_TRUE(W()->IstRechts());

  // The window belongs to the current track's turnout: an ordinary track made current hides it.
  w->Aktion("TB_VorigesGleis")->trigger();
  ASSERT_EQ(W(), nullptr);
  EXPECT_FALSE(daten->isVisible());
}

TEST_F(Weichendatenfenster, SchwelleneditorAusDemPlanmodus) {
  // "benutzerdefiniert" opens the editor; a sleeper is added at the end of pair 1 and the
  // window closed: the plan is the turnout's.
  const auto vorher = W()->SwAbst1.size();
  QTimer::singleShot(0, [] {
    for (QWidget* f : QApplication::topLevelWidgets())
      if (auto* e = qobject_cast<trm::gui::TEW_Schwellendaten*>(f); e && e->isVisible()) {
        EXPECT_EQ(e->windowTitle(), "Schwellenplan - Weiche R 907,97 / 15° links");
        EXPECT_GE(e->Massstab(), 1);
        e->findChild<QAbstractButton*>("BT_Hinzufuegen1")->click();
        e->close();
      }
  });
  auto* plan = daten->findChild<QComboBox*>("CB_Schwellenplan");
  ASSERT_NE(plan, nullptr);
  plan->setCurrentText("benutzerdefiniert");
  emit plan->activated(1);
  EXPECT_FALSE(W()->SchwellenAutomatisch());
  EXPECT_EQ(W()->SwAbst1.size(), vorher + 1);
  EXPECT_EQ(w->Aktion("MI_Rueckgaengig")->text(), "Rückgängig: Schwellenplan bearbeiten");
}

}  // namespace
