// The curve window and the optimiser window driven as a user would: a radius typed, a flag
// cleared, the end mark set, the target moved and the run started.
#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QPushButton>
#include <QTemporaryDir>

#include "core/SkriptDialoge.h"
#include "core/model/Bogen.h"
#include "core/model/Datenordner.h"
#include "core/model/Gleis.h"
#include "core/model/Modul.h"
#include "core/model/OptiEP.h"
#include "gui/editor/TBogendaten.h"
#include "gui/editor/TGleisanlage.h"
#include "gui/editor/Zahlenfeld.h"
#include "gui/optimiser/TOptiDaten.h"

namespace {

using trm::gui::Zahlenfeld;

TEST(Optimiererfenster, RadiusSetzenZielVerschiebenOptimieren) {
  QTemporaryDir ordner;
  ASSERT_TRUE(trm::DatenordnerEinrichten(ordner.path().toStdString(), TRM_QUELLDATEN));
  trm::test::SkriptDialoge dialoge;
  trm::gui::TGleisanlage fenster(ordner.path(), std::make_shared<trm::MersenneZufall>(1), &dialoge);
  fenster.show();  // the data windows are panels of the main window
  fenster.findChild<QAction*>(QStringLiteral("MI_FensterBogendaten"))->trigger();
  auto* bogendaten = fenster.findChild<trm::gui::TBogendaten*>(QStringLiteral("TBogendaten"));
  ASSERT_TRUE(bogendaten && bogendaten->isVisible());
  trm::TBogen& erster = *fenster.editor().bogen();
  EXPECT_EQ(bogendaten->windowTitle(), QStringLiteral("Bogendaten - ") + QString::fromStdString(erster.Name));

  auto feld = [&](const char* name) { return bogendaten->findChild<Zahlenfeld*>(QString::fromUtf8(name)); };
  feld("ED_AnfRadius")->Zeigen(QStringLiteral("2000"));
  feld("ED_AnfRadius")->Anwenden();
  feld("ED_EndRadius")->Zeigen(QStringLiteral("2000"));
  feld("ED_EndRadius")->Anwenden();
  EXPECT_EQ(erster.AnfRadius(), 2000);
  EXPECT_EQ(fenster.editor().Zustand().rueckgaengig, "Rückgängig: Endradius");

  bogendaten->findChild<QCheckBox*>(QStringLiteral("CB_RFix"))->click();
  EXPECT_FALSE(erster.RFix);
  // A second segment, its radius free as well: four free values for the three of the target.
  bogendaten->findChild<QPushButton*>(QStringLiteral("BT_BogenHinzufuegen"))->click();
  ASSERT_EQ(fenster.editor().gleis()->Boegen.size(), 2u);
  bogendaten->findChild<QCheckBox*>(QStringLiteral("CB_RFix"))->click();
  bogendaten->findChild<QPushButton*>(QStringLiteral("BT_OptiEnde"))->click();
  auto* opti = fenster.findChild<trm::gui::TOptiDaten*>(QStringLiteral("TOptiDaten"));
  ASSERT_TRUE(opti && opti->isVisible());
  trm::TBogen& b = *fenster.editor().bogen();
  ASSERT_TRUE(b.OptiEnde && b.OptiEP);
  const double x = b.XEnde + 7, y = b.YEnde - 3;
  auto* ox = opti->findChild<Zahlenfeld*>(QStringLiteral("ED_OptiX"));
  auto* oy = opti->findChild<Zahlenfeld*>(QStringLiteral("ED_OptiY"));
  ox->Zeigen(QString::number(x, 'f', 6).replace('.', ','));
  ox->Anwenden();
  oy->Zeigen(QString::number(y, 'f', 6).replace('.', ','));
  oy->Anwenden();
  auto* ow = opti->findChild<Zahlenfeld*>(QStringLiteral("ED_OptiW"));
  ow->Zeigen(QString::number(b.WEnde * 180 / 3.141592653589793 - 1, 'f', 6).replace('.', ','));
  ow->Anwenden();

  opti->findChild<QPushButton*>(QStringLiteral("BT_Opti"))->click();
  EXPECT_TRUE(dialoge.fragen.empty());
  ASSERT_EQ(dialoge.infos, std::vector<std::string>{"Optimierung erfolgreich beendet"});
  trm::TBogen& nachher = *fenster.editor().bogen();
  EXPECT_NEAR(nachher.XEnde, x, 1e-6);
  EXPECT_NEAR(nachher.YEnde, y, 1e-6);
  EXPECT_FALSE(opti->isVisible());
  EXPECT_EQ(fenster.editor().Zustand().rueckgaengig, "Rückgängig: Optimierung");
  QAction* zurueck = fenster.findChild<QAction*>(QStringLiteral("MI_OptiRueckgaengig"));
  ASSERT_TRUE(zurueck->isEnabled());
  zurueck->trigger();
  EXPECT_EQ(fenster.editor().gleis()->Boegen[0]->AnfRadius(), 2000);
  EXPECT_FALSE(zurueck->isEnabled());
}

}  // namespace
