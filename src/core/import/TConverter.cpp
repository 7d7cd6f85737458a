// Reading a version-1 plan and its turnout file.
#include "core/import/TConverter.h"

#include <array>
#include <cmath>
#include <filesystem>

#include "core/model/AnlageDatei.h"
#include "core/model/Codepage.h"
#include "core/model/Datenordner.h"
#include "core/model/Fehler.h"
#include "core/model/Listen.h"
#include "core/model/Neuberechnung.h"
#include "core/model/Satz.h"
#include "core/model/Schwellenbudget.h"
#include "core/model/Textdatei.h"
#include "core/model/Verbindungen.h"
#include "core/model/Zahlformat.h"
#include "core/turnouts/Weiche.h"
#include "core/model/Zitat.h"

namespace trm {

namespace {

/// Numbers of tracks and turnouts of an imported plan: below 10 000 000.
constexpr std::int64_t BereichImport = 9'999'999;

/// Character k (1-based) of a type text in the bytes the old program saw (Windows-1252), 0
/// when the text is shorter.
unsigned char Zeichen(const std::string& bytes, std::size_t k) {
  return k >= 1 && k <= bytes.size() ? static_cast<unsigned char>(bytes[k - 1]) : 0;
}

/// The settings of a level in the order the old files hold them: spacing, width, gauge,
/// length, bed width.
void FuenfWerte(Zeilenleser& l, TEinstellungen& e) {
  e.SwAbst = l.Real();
  e.SwBrt = l.Real();
  e.Spur = l.Real();
  e.SwLen = l.Real();
  e.TrBrt = l.Real();
}

/// A radius from a curvature in 1/mm: straight at |k| <= 1e-12; held as a file keeps it.
double RadiusAus(double k) { return std::fabs(k) <= 1e-12 ? Unendlich : AlsGeschrieben(1.0 / k); }

/// One record of the turnout file.
struct TWRec {
  std::string name;
  std::int32_t nummer = 0;
  std::string typ;  ///< the type text as Windows-1252 bytes
  std::array<double, 21> werte{};  ///< lines 5..12, 14, 15, 19..23, 27..31
  std::size_t zeileSwAbst = 0;     ///< the file line of the sleeper spacing
  bool benutzt = false;
};

}  // namespace

void TConverter::PlanLesen(const Zeilen& z) {
  std::size_t i = 0;
  Zeilenleser l(z, i);
  l.Ueberspringen();
  a_.Name = l.Text();
  a_.StdMmProPixel = l.Real();
  a_.StdBreite = l.Int();
  a_.StdHoehe = l.Int();
  a_.GitterBeschrN = l.Int();
  a_.GitterAbst = l.Int();
  a_.GitterSichtbar = l.Bool();
  a_.GitterBeschriftung = l.Bool();
  l.Ueberspringen();
  a_.Kennung = l.Text();
  a_.Werte.MaxKruemmung = l.Real();
  FuenfWerte(l, a_.Werte);
  a_.Farbe = l.Int();
  a_.Werte.GlsAbst = l.Real();
  a_.Werte.SpurAussen = l.Real();
  const std::size_t zeileMassstab = l.Index() + 1;
  a_.Massstab = l.Real();
  if (a_.Massstab < -1e-12)
    throw LeseFehler("Zeile " + std::to_string(zeileMassstab) + ": Der Maßstab muss größer als 0 sein.");
  l.Ueberspringen(4);
  const std::int32_t module = l.Anzahl();
  if (std::fabs(a_.Massstab) <= 1e-12) {
    a_.Massstab = 87;
    const auto antwort =
        dialoge_ ? dialoge_->Eingabe("Achtung!", "Bitte geben Sie einen Maßstab ein.\n\r1: ", "87") : std::nullopt;
    if (antwort) {
      try {
        const double m = TextReal(*antwort);
        if (m > 0 && std::isfinite(m)) a_.Massstab = m;
      } catch (const LeseFehler&) {
        // an answer that is no number keeps the proposed scale
      }
    }
  }
  a_.Optionen = "3012101000";
  // The old plans name no element libraries: the standard lists of the data folder.
  StandardlistenSetzen(a_);
  for (std::int32_t k = 0; k < module; ++k) ModulLesen(z, i);
}

void TConverter::ModulLesen(const Zeilen& z, std::size_t& i) {
  TModul& m = *a_.ModulAnhaengen();
  const int index = static_cast<int>(a_.Module.size()) - 1;
  Zeilenleser l(z, i);
  l.Ueberspringen();
  m.Name = l.Text();
  const std::size_t zeileMassstab = l.Index() + 1;
  m.MmProPixel = l.Real();
  if (!(m.MmProPixel > 0))
    throw LeseFehler("Zeile " + std::to_string(zeileMassstab) + ": Der Darstellungsmaßstab des Moduls \"" + Zitat(m.Name) +
                     "\" muss größer als 0 sein.");
  m.Breite = l.Int();
  m.Hoehe = l.Int();
  l.Ueberspringen(6);
  m.Eigen.MaxKruemmung = l.Real();
  FuenfWerte(l, m.Eigen);
  m.Farbe = l.Int();
  m.Eigen.SpurAussen = l.Real();
  l.Ueberspringen(5);
  const std::int32_t bloecke = l.Anzahl();
  for (std::int32_t b = 0; b < bloecke; ++b) {
    l.Ueberspringen(20);
    const std::int32_t gleise = l.Anzahl();
    for (std::int32_t k = 0; k < gleise; ++k) GleisLesen(m, index, z, i);
  }
}

void TConverter::GleisLesen(TModul& m, int modulIndex, const Zeilen& z, std::size_t& i) {
  auto g = std::make_unique<TGleis>(&m);
  g->Nummer = a_.NeueNummer(BereichImport);
  Zeilenleser l(z, i);
  l.Ueberspringen();
  g->Name = l.Text();
  g->XAnf = l.Real();
  g->YAnf = l.Real();
  g->SetWAnf(l.Real() * Pi / 180.0);
  g->SetWAnf(AlsGeschrieben(g->WAnf()));
  l.Ueberspringen(5);
  g->Eigen.MaxKruemmung = l.Real();
  FuenfWerte(l, g->Eigen);
  g->Farbe = l.Int();
  const std::string typ = l.Text();
  g->Eigen.SpurAussen = l.Real();
  const std::string typBytes = Utf8ZuCp1252(typ);
  const bool element = Zeichen(typBytes, 4) == '1';
  if (element)
    g->WeichenNr = l.Int();
  else
    l.Ueberspringen();
  l.Ueberspringen(4);
  g->ZAnfWert = 0;
  const std::size_t zeileAnzahl = l.Index() + 1;
  const std::int32_t boegen = l.Anzahl();
  if (boegen == 0)
    throw LeseFehler("Zeile " + std::to_string(zeileAnzahl) + ": Das Gleis \"" + Zitat(g->Name) + "\" hat keinen Bogen.");
  for (std::int32_t k = 0; k < boegen; ++k) {
    auto b = std::make_unique<TBogen>();
    l.Ueberspringen();
    b->Name = l.Text();
    b->SetAnfRadius(RadiusAus(l.Real()));
    b->SetEndRadius(RadiusAus(l.Real()));
    b->SetLaenge(l.Real());
    l.Ueberspringen();
    FuenfWerte(l, b->Eigen);
    b->Farbe = l.Int();
    l.Ueberspringen();
    b->Eigen.SpurAussen = l.Real();
    l.Ueberspringen(5);
    g->BogenAnhaengen(std::move(b));
  }
  if (element) {
    // Read like any track, then only the reference track of a turnout tells where it goes.
    g->GlsTyp = typ;
    if (Zeichen(typBytes, 5) == '1') weichenOrte_.emplace_back(g->WeichenNr, modulIndex);
    elementGleise_.push_back(std::move(g));
  } else {
    m.Gleise.push_back(std::move(g));
  }
}

void TConverter::WeichenLesen(const Zeilen& z) {
  std::size_t i = 0;
  Zeilenleser l(z, i);
  l.Ueberspringen(2);
  const std::int32_t n = l.Anzahl();
  std::vector<TWRec> satze;
  for (std::int32_t k = 0; k < n; ++k) {
    TWRec r;
    l.Ueberspringen();
    r.name = l.Text();
    r.nummer = l.Int();
    r.typ = Utf8ZuCp1252(l.Text());
    std::size_t w = 0;
    for (int zeile = 5; zeile <= 31; ++zeile) {
      const bool gelesen = zeile <= 15 || (zeile >= 19 && zeile <= 23) || zeile >= 27;
      if (gelesen) {
        if (zeile == 7) r.zeileSwAbst = l.Index() + 1;
        const double v = l.Real();
        if (zeile != 13) r.werte[w++] = v;  // line 13 is read but unused
      } else {
        l.Ueberspringen();
      }
    }
    l.Ueberspringen(9);
    for (const auto& g : elementGleise_) r.benutzt |= g->WeichenNr == r.nummer;
    satze.push_back(std::move(r));
  }

  for (const TWRec& r : satze) {
    if (!r.benutzt) continue;
    const auto& v = r.werte;
    // A placed turnout lays its sleepers by its spacing: named at its line of this file.
    if (!(v[2] > 0))
      throw LeseFehler("Zeile " + std::to_string(r.zeileSwAbst) + ": Der Schwellenabstand der Weiche \"" + Zitat(r.name) +
                       "\" muss größer als 0 sein.");
    // v: 0 R, 1 W, 2 spacing, 3 length, 4 width, 5 max length, 6 AnfAbst1, 7 EndAbst1,
    // 8 StammRadius1, 9 ZweigRadius1, 10 AnfAbst2, 11 EndAbst2, 12 length 2, 13 Radius2,
    // 14 ZweigRadius2, 15 AnfAbst3, 16 EndAbst3, 17 length 3, 18 StammRadius3, 19 ZweigRadius3.
    const std::string pr = {static_cast<char>(Zeichen(r.typ, 10)), static_cast<char>(Zeichen(r.typ, 11))};
    const char anschluss = pr == "10" ? '1' : pr == "01" ? '2' : '0';
    const char richtung = Zeichen(r.typ, 1) == '0' ? '1' : '0';
    const int c7 = Zeichen(r.typ, 7), c8 = Zeichen(r.typ, 8), c9 = Zeichen(r.typ, 9);
    const int doppel = c7 < c8 && c8 < 255 ? 2 : c7 > 1 ? 1 : 0;
    std::string index = "0#";
    if (c7 > 1) index += std::to_string(c7) + "#";
    if (c7 < c8 && c8 < 255) index += std::to_string(c8) + "#";

    TGleis* bezug = nullptr;
    for (const auto& g : elementGleise_)
      if (g->WeichenNr == r.nummer) {
        bezug = g.get();
        break;
      }
    double x = 0, y = 0, w = 0;
    if (bezug && Zeichen(Utf8ZuCp1252(bezug->GlsTyp), 5) == '1') {
      if (Zeichen(r.typ, 10) == '0') {
        x = bezug->XAnf;
        y = bezug->YAnf;
        w = bezug->WAnf();
      }
      if ((Zeichen(r.typ, 10) == '1' || Zeichen(r.typ, 11) == '1') && !bezug->Boegen.empty()) {
        bezug->PunkteBerechnen();
        x = bezug->XEnde();
        y = bezug->YEnde();
        w = bezug->WEnde() - Pi;
      }
    }
    if (std::fabs(w) < 1e-10) w = 0;

    const auto real = [](double d) { return RealText(d); };
    const auto radius = [](double d) { return RealOderUnendlichText(d); };
    Zeilen satz = {r.name,
                   radius(v[0]),
                   real(v[1]),
                   std::to_string(c9),
                   "0",
                   std::string{anschluss, richtung} + std::string(14, '0'),
                   real(v[2]),
                   real(v[4]),
                   real(v[3]),
                   std::to_string(doppel),
                   index,
                   "0",
                   radius(v[8]),
                   radius(v[13]),
                   radius(anschluss == '1' ? -v[18] : v[18]),
                   "0",
                   radius(v[9]),
                   radius(v[14]),
                   radius(anschluss == '2' ? -v[19] : v[19]),
                   real(v[0] * std::tan(v[1] / 2)),
                   real(v[12]),
                   real(v[17]),
                   real(v[12]),
                   real(v[17]),
                   " ",
                   " ",
                   " ",
                   real(v[6]),
                   real(v[10]),
                   real(v[15]),
                   real(v[7]),
                   real(v[11]),
                   real(v[16]),
                   VierRealsText(x, y, 0, w),
                   "00",
                   "-1",
                   "1",
                   "-1",
                   real(v[5]),
                   "NIL",
                   real(bezug ? bezug->Spur() : 0),
                   real(bezug ? bezug->SpurAussen() : 0),
                   "00",
                   "00"};
    for (const auto& [nr, modul] : weichenOrte_) {
      if (nr != r.nummer) continue;
      // Every placed turnout gets a number of its own.
      const std::int32_t nummer = a_.NeueNummer(BereichImport);
      a_.ModulWaehlen(modul);
      TModul& m = *a_.Module[static_cast<std::size_t>(modul)];
      std::size_t k = 0;
      TEWeiche* weiche = WeicheHinzufuegen(m, TEWeiche::AusSatz(m, satz, k, nummer));
      VerbundVereinen(weiche->Stammgleis(), weiche->Zweiggleis());
    }
  }
}

void TConverter::Abschliessen() {
  if (a_.Module.empty()) throw LeseFehler("Der Plan enthält kein Modul.");
  a_.ModulWaehlen(0);
  TModul& m = *a_.Module.front();
  if (m.Gleise.empty()) throw LeseFehler("Das erste Modul des Plans (\"" + Zitat(m.Name) + "\") enthält kein Gleis.");
  m.GleisWaehlen(0);
  TGleis& g = *m.Gleise.front();
  if (!g.Boegen.empty()) g.BogenWaehlen(0);
  if (const std::string t = SchwellenUeberschritten(a_); !t.empty()) throw LeseFehler(t);
  for (const auto& mod : a_.Module) {
    ModulBerechnen(*mod);
    if (const TBogen* b = NichtEndlicheLage(*mod))
      throw LeseFehler("Die Lage von Bogen \"" + Zitat(b->Name) + "\" im Modul \"" + Zitat(mod->Name) +
                       "\" lässt sich nicht berechnen.");
  }
  // What is imported must open again once saved: the layout file's own rules decide (without
  // the line, which is one of the converted file).
  try {
    (void)AnlageAusZeilen(AnlageZeilen(a_), a_.DatenPfad, std::make_shared<MersenneZufall>(0));
  } catch (const LeseFehler& e) {
    std::string text = e.what();
    if (text.rfind("Zeile ", 0) == 0 && text.find(": ") != std::string::npos) text = text.substr(text.find(": ") + 2);
    throw LeseFehler(text);
  }
}

std::string WeichendateiZu(const std::string& trmPfad) {
  namespace fs = std::filesystem;
  fs::path p(trmPfad);
  p.replace_extension(".WLi");
  const std::string ordner = p.has_parent_path() ? p.parent_path().string() : std::string(".");
  if (const auto gefunden = DateiImOrdner(ordner, p.filename().string())) return *gefunden;
  return p.string();
}

std::unique_ptr<Anlage> PlanImportieren(const std::string& trmPfad, const std::string& datenPfad,
                                        std::shared_ptr<Zufall> zufall, Dialoge* dialoge) {
  auto a = std::make_unique<Anlage>(std::move(zufall));
  a->DatenPfad = datenPfad;
  TConverter c(*a, dialoge);
  const Zeilen plan = DateiLesen(trmPfad);
  try {
    c.PlanLesen(plan);
  } catch (const LeseFehler& e) {
    throw LeseFehler("Die Datei \"" + trmPfad + "\" konnte nicht gelesen werden.\n" + e.what());
  }
  const std::string wli = WeichendateiZu(trmPfad);
  const Zeilen weichen = DateiLesen(wli);
  try {
    c.WeichenLesen(weichen);
  } catch (const LeseFehler& e) {
    throw LeseFehler("Die Datei \"" + wli + "\" konnte nicht gelesen werden.\n" + e.what());
  }
  try {
    c.Abschliessen();
  } catch (const LeseFehler& e) {
    throw LeseFehler("Die Datei \"" + trmPfad + "\" kann nicht importiert werden.\n" + e.what());
  }
  return a;
}

const Importart& TrmImport() {
  static const Importart art{FilterTrmImport, &PlanImportieren};
  return art;
}

}  // namespace trm
