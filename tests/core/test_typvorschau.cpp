// The list window's type picture: every shipped type of every kind is drawn whole inside the
// surface; a record that does not read leaves the surface blank with the reason. The guide's
// pictures show what their step says.
#include <gtest/gtest.h>

#include "core/crossings/Kreuzungslisten.h"
#include "core/model/Anlage.h"
#include "core/model/Typliste.h"
#include "core/render/Anleitungsbilder.h"
#include "core/render/Aufzeichnung.h"
#include "core/render/Hervorhebung.h"
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

TEST(Anleitungsbilder, WeicheUndFangringErscheinen) {
  Anlage vorlage;
  vorlage.Werte.Spur = 16.5;
  const Zeilen weiche = TTypliste::Laden(std::string(TRM_QUELLDATEN) + "/stdWListe.w88", ListeWeichen.satzlaenge).Satz(1);
  auto zaehlen = [&](Anleitungsbild b, const Zeilen& w, Zeichenbefehl::Art art, std::int32_t farbe) {
    Aufzeichnung c(440, 150);
    AnleitungsbildMalen(b, vorlage, ListeWeichen, w, c);
    int n = 0;
    for (const Zeichenbefehl& z : c.befehle) n += z.art == art && (farbe < 0 || z.stift.farbe == farbe);
    return n;
  };
  // The turnout adds its drawing; without a readable record the tracks stay alone.
  const int ohne = zaehlen(Anleitungsbild::Weiche, {}, Zeichenbefehl::Art::Linie, -1);
  EXPECT_GT(zaehlen(Anleitungsbild::Weiche, weiche, Zeichenbefehl::Art::Linie, -1), ohne);
  EXPECT_EQ(zaehlen(Anleitungsbild::Weiche, Zeilen(weiche.size(), "x"), Zeichenbefehl::Art::Linie, -1), ohne);
  // Connecting: the dragged track is traced and its snap ring drawn; the other steps show neither.
  EXPECT_EQ(zaehlen(Anleitungsbild::Verbinden, weiche, Zeichenbefehl::Art::Ellipse, FangFarbe), 1);
  EXPECT_EQ(zaehlen(Anleitungsbild::Verbinden, weiche, Zeichenbefehl::Art::Polylinie, HervorhebungFarbe), 1);
  EXPECT_EQ(zaehlen(Anleitungsbild::Anfuegen, weiche, Zeichenbefehl::Art::Ellipse, FangFarbe), 0);
}

}  // namespace
}  // namespace trm
