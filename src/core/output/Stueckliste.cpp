// Parts-list counting, arithmetic, kept prices and text/CSV forms.
#include "core/output/Stueckliste.h"

#include <algorithm>
#include <cmath>

#include "core/model/Anlage.h"
#include "core/model/Element.h"
#include "core/model/Fehler.h"
#include "core/model/Zahlformat.h"
#include "core/model/Zitat.h"

namespace trm {

namespace {

bool GleicheSpur(double a, double b) { return std::abs(a - b) <= 1e-12 * std::max(std::abs(a), std::abs(b)); }

/// An empty cell counts 0; anything else must be a number.
double Zahl(const std::string& zelle, const std::string& was) {
  std::string t = zelle;
  t.erase(std::remove(t.begin(), t.end(), ' '), t.end());
  if (t.empty()) return 0;
  try {
    return TextReal(t);
  } catch (const LeseFehler&) {
    throw EingabeFehler("\"" + Zitat(zelle) + "\" ist keine gültige Zahl (" + was + ").");
  }
}

bool Leer(const std::string& t) { return std::all_of(t.begin(), t.end(), [](char ch) { return ch == ' '; }); }

std::string SpurSchluessel(double spur) { return RealText(spur); }
std::string TypSchluessel(Elementart art, const TElementzeile& z) {
  return std::to_string(static_cast<int>(art)) + "#" + z.name + "#" + z.richtung;
}

/// Splits at '#' (names may not hold it; the kept file uses it as the separator).
std::vector<std::string> Teile(const std::string& s) {
  std::vector<std::string> v;
  std::size_t anf = 0;
  for (;;) {
    const std::size_t p = s.find('#', anf);
    v.push_back(s.substr(anf, p == std::string::npos ? std::string::npos : p - anf));
    if (p == std::string::npos) return v;
    anf = p + 1;
  }
}

}  // namespace

std::vector<const TElementart*> StuecklistenArten() {
  std::vector<const TElementart*> v;
  for (const TElementart& art : Elementarten())
    if (art.stuecklistenTitel) v.push_back(&art);
  return v;
}

const char* TabellenTitel(Elementart art) {
  const TElementart* e = ElementartInfo(art);
  return e && e->stuecklistenTitel ? e->stuecklistenTitel : "";
}

const char* TabellenKopf(Elementart art) {
  const TElementart* e = ElementartInfo(art);
  return e && e->stuecklistenKopf ? e->stuecklistenKopf : "";
}

TStueckliste StuecklisteAufbauen(const Anlage& a) {
  TStueckliste s;
  s.anlage = a.Name;
  for (const auto& m : a.Module)
    for (const auto& g : m->Gleise) {
      if (!g->IstGewoehnlich()) continue;
      for (const auto& b : g->Boegen) {
        const double spur = b->Spur();
        auto it = std::find_if(s.gleise.begin(), s.gleise.end(), [&](const TGleisspalte& k) { return GleicheSpur(k.spur, spur); });
        if (it == s.gleise.end()) {
          s.gleise.push_back({});
          s.gleise.back().spur = spur;
          it = s.gleise.end() - 1;
        }
        it->laengeMm += b->Laenge();
      }
    }
  for (const TElementart* art : StuecklistenArten()) {
    TElementtabelle& t = s.tabellen.emplace_back();
    t.art = art->art;
    std::vector<TElementzeile> alle;
    for (const auto& m : a.Module)
      for (const TElement* e : m->ElementeDerArt(t.art)) alle.push_back({e->Typname(), e->Seite(), 1, ""});
    if (art->einzelnGelistet) {
      t.zeilen = alle;
      continue;
    }
    std::sort(alle.begin(), alle.end(),
              [](const TElementzeile& x, const TElementzeile& y) { return std::tie(x.name, x.richtung) < std::tie(y.name, y.richtung); });
    for (const TElementzeile& z : alle)
      if (!t.zeilen.empty() && t.zeilen.back().name == z.name && t.zeilen.back().richtung == z.richtung)
        ++t.zeilen.back().anzahl;
      else
        t.zeilen.push_back(z);
  }
  StuecklisteBerechnen(s);
  return s;
}

TFlexErgebnis FlexBerechnen(double laengeMm, double stueckLaenge, double verschnitt, double preis) {
  const double bedarf = (1 + verschnitt / 100) * laengeMm;
  // A tiny allowance keeps an exact multiple from asking for one piece more through rounding.
  const auto n = static_cast<std::int64_t>(std::ceil(bedarf / stueckLaenge - 1e-9));
  const double nd = static_cast<double>(n);
  return {n, nd * preis, nd * stueckLaenge - bedarf};
}

void StuecklisteBerechnen(TStueckliste& s) {
  // Read every cell first, so that a bad one changes nothing.
  struct Wert {
    bool gefuellt;
    double f, w, p;
  };
  std::vector<Wert> werte;
  for (const TGleisspalte& k : s.gleise) {
    const std::string spur = FestText(k.spur, 3) + " mm";
    Wert w{!Leer(k.stueckLaenge), 0, 0, 0};
    w.f = Zahl(k.stueckLaenge, "Länge pro Flexgleis, Spur " + spur);
    w.w = Zahl(k.verschnitt, "Verschnitt, Spur " + spur);
    w.p = Zahl(k.preis, "Preis pro Flexgleis, Spur " + spur);
    if (w.gefuellt && !(w.f > 0))
      throw EingabeFehler("Die Länge pro Flexgleis muss größer als 0 sein (Spur " + spur + ").");
    werte.push_back(w);
  }
  std::vector<std::vector<double>> preise;
  for (const TElementtabelle& t : s.tabellen) {
    preise.emplace_back();
    for (const TElementzeile& z : t.zeilen) preise.back().push_back(Zahl(z.preis, std::string("Stückpreis ") + z.name));
  }
  double gesamt = 0;
  for (std::size_t i = 0; i < s.gleise.size(); ++i) {
    TGleisspalte& k = s.gleise[i];
    k.anzahl.reset();
    k.summe.reset();
    k.rest.reset();
    if (!werte[i].gefuellt || k.laengeMm <= 0) continue;
    const TFlexErgebnis e = FlexBerechnen(k.laengeMm, werte[i].f, werte[i].w, werte[i].p);
    k.anzahl = e.anzahl;
    k.summe = e.summe;
    k.rest = e.rest;
    gesamt += e.summe;
  }
  s.gleisSumme = gesamt;
  for (std::size_t k = 0; k < s.tabellen.size(); ++k) {
    double summe = 0;
    for (std::size_t i = 0; i < s.tabellen[k].zeilen.size(); ++i)
      summe += static_cast<double>(s.tabellen[k].zeilen[i].anzahl) * preise[k][i];
    s.tabellen[k].summe = summe;
  }
}

void PreiseEintragen(TStueckliste& s, const TPreise& p) {
  for (TGleisspalte& k : s.gleise)
    if (auto it = p.spuren.find(SpurSchluessel(k.spur)); it != p.spuren.end()) {
      k.stueckLaenge = it->second[0];
      k.verschnitt = it->second[1];
      k.preis = it->second[2];
    }
  for (TElementtabelle& t : s.tabellen)
    for (TElementzeile& z : t.zeilen)
      if (auto it = p.typen.find(TypSchluessel(t.art, z)); it != p.typen.end()) z.preis = it->second;
}

void PreiseMerken(const TStueckliste& s, TPreise& p) {
  for (const TGleisspalte& k : s.gleise) {
    const std::string key = SpurSchluessel(k.spur);
    if (Leer(k.stueckLaenge) && Leer(k.verschnitt) && Leer(k.preis))
      p.spuren.erase(key);
    else
      p.spuren[key] = {k.stueckLaenge, k.verschnitt, k.preis};
  }
  for (const TElementtabelle& t : s.tabellen)
    for (const TElementzeile& z : t.zeilen) {
      if (Leer(z.preis))
        p.typen.erase(TypSchluessel(t.art, z));
      else
        p.typen[TypSchluessel(t.art, z)] = z.preis;
    }
}

Zeilen PreiseSchreiben(const TPreise& p) {
  Zeilen z{"Stückliste Preise 1"};
  for (const auto& [spur, w] : p.spuren) z.push_back("Spur#" + spur + "#" + w[0] + "#" + w[1] + "#" + w[2]);
  for (const auto& [typ, preis] : p.typen) z.push_back("Typ#" + typ + "#" + preis);
  return z;
}

TPreise PreiseLesen(const Zeilen& z) {
  TPreise p;
  for (const std::string& zeile : z) {
    const auto t = Teile(zeile);
    if (t.size() == 5 && t[0] == "Spur") p.spuren[t[1]] = {t[2], t[3], t[4]};
    if (t.size() == 5 && t[0] == "Typ") p.typen[t[1] + "#" + t[2] + "#" + t[3]] = t[4];
  }
  return p;
}

TZellen GleisZellen(const TStueckliste& s) {
  TZellen z{{"Spurweite"}, {"Gesamtlänge in m"}, {"Länge pro Flexgleis in mm"}, {"Verschnitt in %"}, {"Anzahl"},
            {"Preis pro Flexgleis"}, {"Summe"}, {"Rest"}, {"Gesamtsumme"}};
  for (std::size_t i = 0; i < s.gleise.size(); ++i) {
    const TGleisspalte& k = s.gleise[i];
    z[0].push_back(RealText(k.spur) + " mm");
    z[1].push_back(FestText(k.laengeMm / 1000, 3));
    z[2].push_back(k.stueckLaenge);
    z[3].push_back(k.verschnitt);
    z[4].push_back(k.anzahl ? IntText(*k.anzahl) : "");
    z[5].push_back(k.preis);
    z[6].push_back(k.summe ? FestText(*k.summe, 2) : "");
    z[7].push_back(k.rest ? FestText(*k.rest, 3) : "");
    z[8].push_back(i + 1 == s.gleise.size() && s.gleisSumme ? FestText(*s.gleisSumme, 2) : "");
  }
  return z;
}

TZellen ElementZellen(const TElementtabelle& t) {
  const TElementart* art = ElementartInfo(t.art);
  const char* seite = art ? art->seitenspalte : nullptr;
  TZellen z;
  if (seite)
    z.push_back({TabellenKopf(t.art), seite, "Anzahl", "Stückpreis"});
  else
    z.push_back({TabellenKopf(t.art), "Anzahl", "Stückpreis"});
  for (const TElementzeile& e : t.zeilen) {
    if (seite)
      z.push_back({e.name, e.richtung, IntText(e.anzahl), e.preis});
    else
      z.push_back({e.name, IntText(e.anzahl), e.preis});
  }
  if (!t.zeilen.empty()) {
    std::vector<std::string> summe(z.front().size());
    summe.front() = "Gesamtsumme";
    summe.back() = t.summe ? FestText(*t.summe, 2) : "";
    z.push_back(summe);
  }
  return z;
}

namespace {
std::size_t Zeichen(const std::string& s) {
  return static_cast<std::size_t>(std::count_if(s.begin(), s.end(), [](char ch) { return (ch & 0xC0) != 0x80; }));
}
void TabelleText(const std::string& titel, const TZellen& z, std::string& out) {
  out += titel + "\n";
  std::vector<std::size_t> breiten;
  for (const auto& zeile : z)
    for (std::size_t i = 0; i < zeile.size(); ++i) {
      if (breiten.size() <= i) breiten.push_back(0);
      breiten[i] = std::max(breiten[i], Zeichen(zeile[i]));
    }
  for (const auto& zeile : z) {
    std::string l;
    for (std::size_t i = 0; i < zeile.size(); ++i) l += zeile[i] + std::string(breiten[i] - Zeichen(zeile[i]) + 2, ' ');
    while (!l.empty() && l.back() == ' ') l.pop_back();
    out += "  " + l + "\n";
  }
}
std::string CsvFeld(const std::string& f) {
  if (f.find_first_of(";\"\n") == std::string::npos) return f;
  std::string q = "\"";
  for (char ch : f) q += ch == '"' ? std::string("\"\"") : std::string(1, ch);
  return q + "\"";
}
void TabelleCSV(const std::string& titel, const TZellen& z, std::string& out) {
  out += CsvFeld(titel) + "\n";
  for (const auto& zeile : z) {
    for (std::size_t i = 0; i < zeile.size(); ++i) out += (i ? ";" : "") + CsvFeld(zeile[i]);
    out += "\n";
  }
}
}  // namespace

std::string StuecklisteText(const TStueckliste& s) {
  std::string out = "Stückliste " + s.anlage + "\n\n";
  TabelleText("Gleise", GleisZellen(s), out);
  for (const TElementtabelle& t : s.tabellen) {
    out += "\n";
    TabelleText(TabellenTitel(t.art), ElementZellen(t), out);
  }
  return out;
}

std::string StuecklisteCSV(const TStueckliste& s) {
  std::string out;
  TabelleCSV("Gleise", GleisZellen(s), out);
  for (const TElementtabelle& t : s.tabellen) {
    out += "\n";
    TabelleCSV(TabellenTitel(t.art), ElementZellen(t), out);
  }
  return out;
}

}  // namespace trm
