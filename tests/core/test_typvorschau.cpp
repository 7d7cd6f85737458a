// The list window's type picture: every shipped type of every kind is drawn whole inside the
// surface; a record that does not read leaves the surface blank with the reason.
#include <gtest/gtest.h>

#include "core/crossings/Kreuzungslisten.h"
#include "core/model/Anlage.h"
#include "core/model/Typliste.h"
#include "core/render/Aufzeichnung.h"
#include "core/render/Typvorschau.h"
#include "core/turnouts/Drehscheibenliste.h"
#include "core/turnouts/Weichenliste.h"

namespace trm {
namespace {

TEST(Typvorschau, JederMitgelieferteTypPasstInDieFlaeche) {
  Anlage vorlage;
  for (const TListenart* art : {&ListeWeichen, &ListeKreuzungen, &ListeEKW, &ListeDKW, &ListeDrehscheiben}) {
    const TTypliste liste = TTypliste::Laden(std::string(TRM_QUELLDATEN) + "/" + art->standardName,
                                             art->satzlaenge, art->kopfzeilen);
    ASSERT_GT(liste.Saetze(), 0u) << art->name;
    for (std::size_t k = 1; k <= liste.Saetze(); ++k) {
      SCOPED_TRACE(std::string(art->name) + " " + std::to_string(k));
      Aufzeichnung c(300, 200);
      ASSERT_EQ(TypVorschauMalen(*art, liste.Satz(k), vorlage, c), "");
      std::size_t linien = 0;
      int xmin = 300, xmax = 0;
      for (const Zeichenbefehl& b : c.befehle) {
        if (b.art == Zeichenbefehl::Art::Fuellen || b.art == Zeichenbefehl::Art::Text) continue;
        ++linien;
        for (const PixelPunkt& p : b.punkte) {
          EXPECT_TRUE(p.x >= 0 && p.x < 300 && p.y >= 0 && p.y < 200) << p.x << "," << p.y;
          xmin = std::min(xmin, p.x);
          xmax = std::max(xmax, p.x);
        }
      }
      EXPECT_GT(linien, 3u);
      EXPECT_GT(xmax - xmin, 100);  // scaled up to the surface, not a dot in its middle
    }
  }
}

TEST(Typvorschau, UnlesbarerSatzBleibtLeer) {
  Anlage vorlage;
  Zeilen satz(ListeWeichen.satzlaenge, "x");
  Aufzeichnung c(300, 200);
  EXPECT_NE(TypVorschauMalen(ListeWeichen, satz, vorlage, c), "");
  ASSERT_EQ(c.befehle.size(), 1u);
  EXPECT_EQ(c.befehle[0].art, Zeichenbefehl::Art::Fuellen);
}

}  // namespace
}  // namespace trm
