// Pins the computation bit for bit: the points, sleepers and end values of the generated
// benchmark module and of plans with every element kind, the bytes they write and what they
// draw at their own scale, hashed and compared with the values of a known-good build. A
// faster pass must give exactly these numbers.
#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

#include "Testanlage.h"
#include "core/model/AnlageDatei.h"
#include "core/model/Neuberechnung.h"
#include "core/model/Textdatei.h"
#include "core/render/Ansicht.h"
#include "core/render/Aufzeichnung.h"
#include "core/render/ModulZeichnen.h"

namespace trm {
namespace {

/// FNV-1a over everything fed in.
class Fnv {
 public:
  void Bytes(const void* p, std::size_t n) {
    const auto* b = static_cast<const unsigned char*>(p);
    for (std::size_t i = 0; i < n; ++i) h_ = (h_ ^ b[i]) * 0x100000001b3ULL;
  }
  void Text(std::string_view t) { Bytes(t.data(), t.size()); }
  void Real(double x) { Zahl(std::bit_cast<std::uint64_t>(x)); }
  void Zahl(std::uint64_t n) { Bytes(&n, sizeof n); }
  std::uint64_t Wert() const { return h_; }

 private:
  std::uint64_t h_ = 0xcbf29ce484222325ULL;
};

/// Every computed number of the layout's tracks: points, end values, sleeper rest, box.
std::uint64_t Rechenwerte(const Anlage& a) {
  Fnv h;
  for (const auto& m : a.Module)
    for (const auto& g : m->Gleise)
      for (const auto& b : g->Boegen) {
        h.Zahl(b->Spurpunkte.size());
        for (const TSpurpunkt& p : b->Spurpunkte) {
          h.Real(p.x);
          h.Real(p.y);
          h.Real(p.z);
          h.Real(p.w);
          h.Real(p.r);
        }
        for (double v : {b->XEnde, b->YEnde, b->ZEnde, b->WEnde, b->Rest, b->Huelle.xmin,
                         b->Huelle.ymin, b->Huelle.xmax, b->Huelle.ymax})
          h.Real(v);
      }
  return h.Wert();
}

std::uint64_t Dateibytes(Anlage& a) {
  Fnv h;
  h.Text(AnlageText(a).Text());
  return h.Wert();
}

/// Every drawing call of the current module through the given view.
std::uint64_t Zeichnung(Anlage& a, const TAnsicht& v) {
  TModul& m = *a.AktuellesModul();
  Aufzeichnung c(v.Breite(), v.Hoehe());
  ModulNeuzeichnen(a, m, c, v);
  Fnv h;
  for (const Zeichenbefehl& b : c.befehle) {
    h.Zahl(static_cast<std::uint64_t>(b.art));
    for (const PixelPunkt& p : b.punkte)
      h.Zahl((std::uint64_t(std::uint32_t(p.x)) << 32) | std::uint32_t(p.y));
    for (std::int64_t n :
         {std::int64_t(b.stift.farbe), std::int64_t(b.stift.gepunktet),
          std::int64_t(b.stift.breite), std::int64_t(b.pinsel.farbe), std::int64_t(b.pinsel.leer),
          std::int64_t(b.farbe), std::int64_t(b.hintergrund), std::int64_t(b.texthoehe)})
      h.Zahl(static_cast<std::uint64_t>(n));
    h.Text(b.text);
    h.Real(b.winkel);
  }
  return h.Wert();
}

std::string Hex(std::uint64_t n) {
  char t[24];
  std::snprintf(t, sizeof t, "0x%016llx", static_cast<unsigned long long>(n));
  return t;
}

struct Stand {
  std::uint64_t rechnung, datei, gelesen, wiederGeschrieben, zeichnung;
};

/// Computes, writes, reads back (as the program opens a file), computes and writes again, and
/// draws.
Stand Aufnehmen(Anlage& a, const TAnsicht& v) {
  for (auto& m : a.Module) ModulBerechnen(*m);
  Stand s{Rechenwerte(a), Dateibytes(a), 0, 0, 0};
  const std::string pfad = ::testing::TempDir() + "rechenstand.m88";
  AnlageSpeichern(a, pfad);
  auto b = AnlageLaden(pfad, "/nirgends/", std::make_shared<MersenneZufall>(1));
  for (auto& m : b->Module) ModulBerechnen(*m);
  s.gelesen = Rechenwerte(*b);
  s.wiederGeschrieben = Dateibytes(*b);
  s.zeichnung = Zeichnung(a, v);
  return s;
}

void Vergleichen(const Stand& s, const Stand& erwartet) {
  EXPECT_EQ(Hex(s.rechnung), Hex(erwartet.rechnung)) << "computed values";
  EXPECT_EQ(Hex(s.datei), Hex(erwartet.datei)) << "file bytes";
  EXPECT_EQ(Hex(s.gelesen), Hex(erwartet.gelesen)) << "computed after reading";
  EXPECT_EQ(Hex(s.wiederGeschrieben), Hex(erwartet.wiederGeschrieben)) << "written after reading";
  EXPECT_EQ(Hex(s.zeichnung), Hex(erwartet.zeichnung)) << "drawing";
}

TEST(Rechenstand, BenchmarkModul) {
  auto a = bench::Testanlage();
  const TModul& m = *a->Module[0];
  // A 1920 x 1080 view at 0.2 mm per pixel over the middle of the module.
  const TAnsicht v(0.2, m.Hoehe, static_cast<std::int64_t>(m.Breite / 2 / 0.2),
                   static_cast<std::int64_t>(m.Hoehe / 2 / 0.2), 1920, 1080);
  Vergleichen(Aufnehmen(*a, v),
              {0xfdc65dc6254d0f62ULL, 0xf95ea74e34d6bd10ULL, 0x0acfc8638d962407ULL,
               0x132239fcf5802d85ULL, 0xa34e81dd25528b90ULL});
}

TEST(Rechenstand, PlaeneMitElementen) {
  const struct {
    const char* datei;
    Stand erwartet;
  } faelle[] = {
      {"weichenplan.m88",
       {0x575e6471e63f8fffULL, 0x890ad3299ce7a408ULL, 0x575e6471e63f8fffULL, 0x890ad3299ce7a408ULL,
        0x453ec10ecfc3bc72ULL}},
      {"kreuzungsplan.m88",
       {0x720fdb4c5ebb2317ULL, 0xc496a61354d4e77cULL, 0x720fdb4c5ebb2317ULL, 0xc496a61354d4e77cULL,
        0x31f77163a8661bbcULL}},
      {"kreuzungsweichenplan.m88",
       {0xbba75a2a77ee1ed9ULL, 0xbaf6bec0daaa7718ULL, 0xbba75a2a77ee1ed9ULL, 0xbaf6bec0daaa7718ULL,
        0xf6663533f338c1ffULL}},
      {"drehscheibenplan.m88",
       {0xc9becf6840c214c5ULL, 0x2ad3d5470279bdf3ULL, 0xc9becf6840c214c5ULL, 0x2ad3d5470279bdf3ULL,
        0xd619eaa52f77acb7ULL}},
      {"schwellenplan.m88",
       {0x5fcf659dffa7a2a4ULL, 0xd1ffcc8bcd8b89faULL, 0x5fcf659dffa7a2a4ULL, 0xd1ffcc8bcd8b89faULL,
        0x900dc229ede8f679ULL}},
  };
  for (const auto& f : faelle) {
    SCOPED_TRACE(f.datei);
    auto a = AnlageLaden(std::string(TRM_TESTDATEN) + "/" + f.datei, "/nirgends/",
                         std::make_shared<MersenneZufall>(1));
    Vergleichen(Aufnehmen(*a, TAnsicht(*a->AktuellesModul())), f.erwartet);
  }
}

}  // namespace
}  // namespace trm
