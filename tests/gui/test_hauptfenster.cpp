// The main window on the offscreen platform: start-up with "neu" and the title.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "core/SkriptDialoge.h"
#include "core/model/Datenordner.h"
#include "gui/Uebersetzung.h"
#include "gui/editor/TGleisanlage.h"

namespace {

TEST(Hauptfenster, StartetMitDerVorlageUndIhremNamenImTitel) {
  QTemporaryDir ordner;
  ASSERT_TRUE(trm::DatenordnerEinrichten(ordner.path().toStdString(), TRM_QUELLDATEN));
  trm::test::SkriptDialoge dialoge;
  trm::gui::TGleisanlage fenster(ordner.path(), std::make_shared<trm::MersenneZufall>(1), &dialoge);
  EXPECT_EQ(fenster.windowTitle(), QStringLiteral("T88 TRASSOMATIC - Datei: Ohne Namen[*]"));
  EXPECT_TRUE(dialoge.fehler.empty());
  ASSERT_EQ(fenster.dokument().anlage().Module.size(), 1u);
  EXPECT_EQ(fenster.dokument().anlage().Module[0]->Gleise.size(), 1u);
}

TEST(Hauptfenster, OhneEinstellungsdateiMeldetEsUndBleibtBenutzbar) {
  QTemporaryDir ordner;  // empty: no settings file
  trm::test::SkriptDialoge dialoge;
  trm::gui::TGleisanlage fenster(ordner.path(), std::make_shared<trm::MersenneZufall>(1), &dialoge);
  ASSERT_EQ(dialoge.fehler.size(), 1u);
  EXPECT_NE(dialoge.fehler[0].find("trassomatic.std"), std::string::npos);
  EXPECT_EQ(fenster.windowTitle(), QStringLiteral("T88 TRASSOMATIC - Datei: Ohne Namen[*]"));
  EXPECT_EQ(fenster.dokument().anlage().Module.size(), 1u);
}

TEST(Hauptfenster, EineUnlesbareDateiLaesstDieAnlageOffen) {
  QTemporaryDir ordner;
  ASSERT_TRUE(trm::DatenordnerEinrichten(ordner.path().toStdString(), TRM_QUELLDATEN));
  trm::test::SkriptDialoge dialoge;
  trm::gui::TGleisanlage fenster(ordner.path(), std::make_shared<trm::MersenneZufall>(1), &dialoge);
  const QString kaputt = QDir(ordner.path()).filePath("kaputt.m88");
  QFile f(kaputt);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write("trmAnlage\r\nPlan\r\n1.5\r\n");
  f.close();
  EXPECT_FALSE(fenster.DateiOeffnen(kaputt));
  ASSERT_EQ(dialoge.fehler.size(), 1u);
  EXPECT_NE(dialoge.fehler[0].find("1.5"), std::string::npos);
  EXPECT_EQ(fenster.windowTitle(), QStringLiteral("T88 TRASSOMATIC - Datei: Ohne Namen[*]"));
}

TEST(Hauptfenster, QtsKnoepfeAufDeutsch) {
  ASSERT_TRUE(trm::gui::UebersetzungLaden(*QCoreApplication::instance()));
  EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "&Yes"), QStringLiteral("&Ja"));
  EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Abbrechen"));
}

}  // namespace
