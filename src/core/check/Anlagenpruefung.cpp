// The layout check over the modules: which tracks changed since the last check (by a
// fingerprint of what the rules read), the grid kept current, and the rules run again on the
// changed tracks and on the tracks they touch.
#include "core/check/Anlagenpruefung.h"

#include <algorithm>
#include <bit>
#include <cmath>

#include "core/check/Pruefstand.h"
#include "core/model/Anlage.h"

namespace trm {

namespace {

/// Hash of a sequence of numbers.
struct TAbdruck {
  std::uint64_t h = 1469598103934665603ull;
  void operator()(std::uint64_t v) {
    h ^= v + 0x9e3779b97f4a7c15ull + (h << 6) + (h >> 2);
    h *= 1099511628211ull;
  }
  void operator()(double v) { (*this)(std::bit_cast<std::uint64_t>(v)); }
  void operator()(const void* p) { (*this)(static_cast<std::uint64_t>(reinterpret_cast<std::uintptr_t>(p))); }
};

std::uint64_t GleisAbdruck(const TGleis& g) {
  TAbdruck a;
  a(&g);
  a(static_cast<std::uint64_t>(static_cast<std::uint32_t>(g.Nummer)));
  a(static_cast<const void*>(g.Element));
  a(static_cast<const void*>(g.Vorgaenger));
  for (const TGleis* n : g.Nachfolger) a(static_cast<const void*>(n));
  a(g.XAnf);
  a(g.YAnf);
  a(g.WAnf());
  a(g.ZAnf());
  a(g.MaxKruemmung());
  for (const auto& b : g.Boegen) {
    a(static_cast<std::uint64_t>(b->Spurpunkte.size()));
    for (double v : {b->XEnde, b->YEnde, b->ZEnde, b->WEnde, b->AnfRadius(), b->EndRadius(), b->Laenge(),
                     b->Steigung(), b->SpurAussen(), b->TrBrt(), b->GlsAbst(), b->SwAbst()})
      a(v);
    a(static_cast<std::uint64_t>(b->Ausrunden()));
  }
  return a.h;
}

void ModulPruefen(TPruefstand& st, const Anlage& an, int mi, const TPruefregeln& r, std::size_t& geprueft) {
  const TModul& m = *an.Module[static_cast<std::size_t>(mi)];
  TAbdruck ma;
  for (double v : {r.MaxSteigung, r.DurchfahrtshoeheModell(an), static_cast<double>(m.Breite),
                   static_cast<double>(m.Hoehe), static_cast<double>(mi)})
    ma(v);
  for (bool b : r.An) ma(static_cast<std::uint64_t>(b));
  if (st.modul != &m || st.modulAbdruck != ma.h) {
    st = TPruefstand{};
    st.modul = &m;
    st.modulAbdruck = ma.h;
  }
  st.modulIndex = mi;
  st.regeln = r;
  st.durchfahrt = r.DurchfahrtshoeheModell(an);

  // Which tracks are new, changed or gone.
  std::vector<int> geaendert, weg;
  std::vector<char> gesehen(st.slots.size(), 0);
  for (const auto& gp : m.Gleise) {
    const TGleis* g = gp.get();
    const std::uint64_t abdruck = GleisAbdruck(*g);
    auto it = st.slotVon.find(g);
    int s = 0;
    if (it == st.slotVon.end()) {
      if (!st.frei.empty()) {
        s = st.frei.back();
        st.frei.pop_back();
      } else {
        s = static_cast<int>(st.slots.size());
        st.slots.emplace_back();
        gesehen.push_back(0);
      }
      st.slotVon[g] = s;
      st.slots[static_cast<std::size_t>(s)].gleis = g;
      st.slots[static_cast<std::size_t>(s)].abdruck = ~abdruck;
    } else {
      s = it->second;
    }
    gesehen[static_cast<std::size_t>(s)] = 1;
    if (st.slots[static_cast<std::size_t>(s)].abdruck != abdruck) {
      st.slots[static_cast<std::size_t>(s)].abdruck = abdruck;
      geaendert.push_back(s);
    }
  }
  for (std::size_t s = 0; s < st.slots.size(); ++s)
    if (st.slots[s].gleis && !gesehen[s]) weg.push_back(static_cast<int>(s));
  if (geaendert.empty() && weg.empty()) return;
  geprueft += geaendert.size();
  st.geaendert = true;

  // The grid and the findings of the tracks alone.
  auto entfernen = [&](int s) {
    TGleiseintrag& e = st.slots[static_cast<std::size_t>(s)];
    for (std::size_t i = 0; i < e.sehnen.size(); ++i) st.raster.Entfernen(s, static_cast<int>(i), e.sehnen[i].Box());
    e.sehnen.clear();
    e.eigene.clear();
  };
  for (int s : weg) {
    entfernen(s);
    st.slotVon.erase(st.slots[static_cast<std::size_t>(s)].gleis);
    st.slots[static_cast<std::size_t>(s)].gleis = nullptr;
    st.frei.push_back(s);
  }
  {
    std::size_t boegen = 0;
    for (int s : geaendert) boegen += st.slots[static_cast<std::size_t>(s)].gleis->Boegen.size();
    st.raster.Vorsehen(boegen * 8);
  }
  for (int s : geaendert) {
    entfernen(s);
    TGleiseintrag& e = st.slots[static_cast<std::size_t>(s)];
    e.element = e.gleis->Element;
    e.nummer = e.gleis->Nummer;
    e.sehnen = SehnenDesGleises(*e.gleis);
    e.weite = 0;
    for (std::size_t i = 0; i < e.sehnen.size(); ++i) {
      const TSehne& c = e.sehnen[i];
      st.raster.Einfuegen(s, static_cast<int>(i), c.Box());
      const double w = std::max({c.spurAussen, c.trasse, c.glsAbst});
      if (std::isfinite(w)) e.weite = std::max(e.weite, std::min(w, 1000.0));
    }
    e.eigene = GleisregelnPruefen(st, *e.gleis);
  }
  // A query looks as far as the largest limit of the rules (at most 1 m); the cells follow it,
  // so that a query stays a few cells wide (large scales, or a value typed far too large and
  // taken back).
  st.reichweite = 1;
  for (const TGleiseintrag& e : st.slots)
    if (e.gleis) st.reichweite = std::max(st.reichweite, e.weite);
  const double zelle = std::max(100.0, st.reichweite);
  if (st.raster.Zellgroesse() < zelle || st.raster.Zellgroesse() > 2 * zelle) {
    st.raster = TRaster(zelle, 41);
    for (std::size_t s = 0; s < st.slots.size(); ++s)
      if (st.slots[s].gleis)
        for (std::size_t i = 0; i < st.slots[s].sehnen.size(); ++i)
          st.raster.Einfuegen(static_cast<int>(s), static_cast<int>(i), st.slots[s].sehnen[i].Box());
  }

  // The ends over all tracks; the tracks to check for nearness: the changed ones and those
  // they touch now or touched before.
  std::vector<std::vector<int>> vorher = std::move(st.enden.nachbarn);
  st.enden = EndenPruefen(st);
  std::vector<char> inD(st.slots.size(), 0);
  std::vector<int> d;
  auto dazu = [&](int s) {
    if (s >= 0 && static_cast<std::size_t>(s) < inD.size() && !inD[static_cast<std::size_t>(s)]) {
      inD[static_cast<std::size_t>(s)] = 1;
      d.push_back(s);
    }
  };
  for (int s : geaendert) {
    dazu(s);
    for (int t : st.enden.nachbarn[static_cast<std::size_t>(s)]) dazu(t);
    if (static_cast<std::size_t>(s) < vorher.size())
      for (int t : vorher[static_cast<std::size_t>(s)]) dazu(t);
  }
  for (int s : weg) {
    dazu(s);
    if (static_cast<std::size_t>(s) < vorher.size())
      for (int t : vorher[static_cast<std::size_t>(s)]) dazu(t);
  }
  for (int s : d)
    if (static_cast<std::size_t>(s) < st.paareVon.size()) {
      for (std::uint64_t k : st.paareVon[static_cast<std::size_t>(s)]) st.paare.erase(k);
      st.paareVon[static_cast<std::size_t>(s)].clear();
    }
  std::vector<int> pruefen;
  for (int s : d)
    if (st.slots[static_cast<std::size_t>(s)].gleis) pruefen.push_back(s);
  NaehePruefen(st, pruefen);
}

}  // namespace

TAnlagenpruefung::TAnlagenpruefung() = default;
TAnlagenpruefung::~TAnlagenpruefung() = default;

void TAnlagenpruefung::Vergessen() { module_.clear(); }

const std::vector<TBefund>& TAnlagenpruefung::Pruefen(const Anlage& a, const TPruefregeln& r, int nurModul) {
  zuletzt_ = 0;
  // The states follow the modules by address; a module that is gone is forgotten.
  std::vector<std::unique_ptr<TPruefstand>> neu;
  bool anders = nurModul != nurModul_ || a.Module.size() != module_.size();
  for (std::size_t mi = 0; mi < a.Module.size(); ++mi) {
    const TModul* m = a.Module[mi].get();
    std::unique_ptr<TPruefstand> st;
    for (auto& alt : module_)
      if (alt && alt->modul == m) st = std::move(alt);
    if (!st) st = std::make_unique<TPruefstand>();
    const std::size_t vorher = zuletzt_;
    const std::uint64_t abdruck = st->modulAbdruck;
    const bool neuerStand = st->modul != m;
    if (nurModul < 0 || nurModul == static_cast<int>(mi)) ModulPruefen(*st, a, static_cast<int>(mi), r, zuletzt_);
    anders = anders || neuerStand || zuletzt_ != vorher || abdruck != st->modulAbdruck || st->geaendert;
    st->geaendert = false;
    neu.push_back(std::move(st));
  }
  module_ = std::move(neu);
  nurModul_ = nurModul;
  if (!anders) return befunde_;
  ++stand_;
  befunde_.clear();
  for (std::size_t mi = 0; mi < module_.size(); ++mi) {
    if (nurModul >= 0 && nurModul != static_cast<int>(mi)) continue;
    const TPruefstand& st = *module_[mi];
    befunde_.insert(befunde_.end(), st.enden.befunde.begin(), st.enden.befunde.end());
    for (const TGleiseintrag& e : st.slots)
      if (e.gleis) befunde_.insert(befunde_.end(), e.eigene.begin(), e.eigene.end());
    for (const auto& [schluessel, liste] : st.paare) befunde_.insert(befunde_.end(), liste.begin(), liste.end());
  }
  BefundeOrdnen(befunde_);
  return befunde_;
}

std::vector<TBefund> AnlagePruefen(const Anlage& a, const TPruefregeln& r, int nurModul) {
  TAnlagenpruefung p;
  return p.Pruefen(a, r, nurModul);
}

}  // namespace trm
