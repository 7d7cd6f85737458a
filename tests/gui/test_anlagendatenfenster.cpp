// The settings window as a user fills it: a module size and a scale typed, the prototype
// conversion applied with "Werte übernehmen".
#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QToolButton>

#include "core/SkriptDialoge.h"
#include "core/model/Datenordner.h"
#include "core/model/Modul.h"
#include "gui/editor/TGleisanlage.h"
#include "gui/editor/Zahlenfeld.h"
#include "gui/settings/TAnlagendaten2.h"

namespace {

TEST(Anlagendatenfenster, ModulgroesseUndMassstab) {
  QTemporaryDir ordner;
  ASSERT_TRUE(trm::DatenordnerEinrichten(ordner.path().toStdString(), TRM_QUELLDATEN));
  trm::test::SkriptDialoge dialoge;
  trm::gui::TGleisanlage fenster(ordner.path(), std::make_shared<trm::MersenneZufall>(1), &dialoge);
  QAction* oeffnen = fenster.findChild<QAction*>(QStringLiteral("MI_Anlagendaten"));
  ASSERT_TRUE(oeffnen && oeffnen->isEnabled());
  oeffnen->trigger();
  auto* w = fenster.findChild<trm::gui::TAnlagendaten2*>(QStringLiteral("TAnlagendaten2"));
  ASSERT_TRUE(w && w->isVisible());
  EXPECT_FALSE(oeffnen->isEnabled());

  auto* breite = w->findChild<trm::gui::Zahlenfeld*>(QStringLiteral("ED_MBreite"));
  breite->Zeigen(QStringLiteral("2400"));
  breite->Anwenden();
  EXPECT_EQ(fenster.editor().modul()->Breite, 2400);
  breite->Zeigen(QStringLiteral("0"));  // no size: refused, the stored one shown again
  breite->Anwenden();
  EXPECT_EQ(fenster.editor().modul()->Breite, 2400);
  EXPECT_EQ(breite->text(), QStringLiteral("2400"));

  auto* stab = w->findChild<QComboBox*>(QStringLiteral("CB_MStab"));
  stab->setEditText(QStringLiteral("160"));
  emit stab->lineEdit()->editingFinished();
  EXPECT_EQ(fenster.editor().anlage().Massstab, 160);
  EXPECT_EQ(w->findChild<trm::gui::Zahlenfeld*>(QStringLiteral("ED_Spur1"))->text(), QStringLiteral("9,000"));
  w->findChild<QToolButton*>(QStringLiteral("ToolButton1"))->click();
  EXPECT_EQ(fenster.editor().anlage().Werte.Spur, 9);
  // The field carries 3 decimals of the prototype spacing at 1:160.
  EXPECT_NEAR(fenster.editor().anlage().Werte.SwAbst, fenster.editor().anlage().VSwAbst / 160, 0.00051);
  // Every list can be imported from the libraries page.
  for (const char* k : {"weiche", "kreuzung", "ekw", "dkw", "drehscheibe", "geo"})
    EXPECT_TRUE(w->findChild<QToolButton*>(QStringLiteral("SB_Liste_") + QString::fromUtf8(k))->isEnabled()) << k;
  w->findChild<QToolButton*>(QStringLiteral("ToolButton4"))->click();
  EXPECT_TRUE(oeffnen->isEnabled());
}

}  // namespace
