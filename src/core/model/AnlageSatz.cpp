// The 34-line layout header, the whole layout file, and the links rebuilt after reading.
#include <algorithm>
#include <unordered_map>
#include <unordered_set>

#include "core/model/Anlage.h"
#include "core/model/Elementart.h"
#include "core/model/Fehler.h"
#include "core/model/Listen.h"
#include "core/model/Satz.h"
#include "core/model/Schwellenbudget.h"
#include "core/model/Typliste.h"
#include "core/model/Verbindungen.h"
#include "core/model/Zahlformat.h"

namespace trm {

namespace {

/// An element number drawn while reading is free of everything read before it; a track read
/// later may still carry it. Such an element draws again, by its kind's rule. Every element
/// number is then recorded as handed out.
void ElementnummernFreimachen(Anlage& a) {
  std::unordered_set<std::int64_t> gleise, elemente;
  for (const auto& m : a.Module)
    for (const auto& g : m->Gleise) gleise.insert(g->Nummer);
  for (const auto& m : a.Module)
    for (const auto& e : m->Elemente) {
      std::int64_t n = e->Nummer();
      if (gleise.count(n) || elemente.count(n)) {
        const TElementart* art = ElementartInfo(e->Art());
        n = a.NeueElementnummer(art ? art->lesebereich : BereichWeiche);
        e->NummerSetzen(static_cast<std::int32_t>(n));
      }
      elemente.insert(n);
      a.IDListe.insert(std::to_string(n));
    }
}

}  // namespace

void AnlageSchreiben(const Anlage& a, Zeilen& out, const Satzabgabe& abgabe) {
  out.push_back("trmAnlage");
  out.push_back(a.Name);
  out.push_back(RealText(a.StdMmProPixel));
  out.push_back(IntText(a.StdBreite));
  out.push_back(IntText(a.StdHoehe));
  out.push_back(IntText(a.GitterBeschrN));
  out.push_back(IntText(a.GitterAbst));
  out.push_back(BoolText(a.GitterSichtbar));
  out.push_back(BoolText(a.GitterBeschriftung));
  out.push_back(FarbslotsText(a.Farbspeicher));
  out.push_back(a.Kennung);
  for (const TElementart& art : Elementarten()) out.push_back(a.Listendatei(art.art));
  out.push_back("00");
  out.push_back(RealText(a.Werte.MaxKruemmung));
  out.push_back(RealText(a.Werte.SwAbst));
  out.push_back(RealText(a.Werte.SwBrt));
  out.push_back(RealText(a.Werte.Spur));
  out.push_back(RealText(a.Werte.SwLen));
  out.push_back(RealText(a.Werte.TrBrt));
  out.push_back(IntText(a.Farbe));
  out.push_back(RealText(a.Werte.GlsAbst));
  out.push_back(RealText(a.Werte.SpurAussen));
  out.push_back(RealText(a.Massstab));
  out.push_back(a.Optionen);
  out.push_back(RealText(a.VSpur));
  out.push_back(RealText(a.VSwBrt));
  out.push_back(RealText(a.VSwLen));
  out.push_back(RealText(a.VSwAbst));
  out.push_back(IntText(static_cast<std::int64_t>(a.Module.size())));
  for (const auto& m : a.Module) ModulSchreiben(*m, out, abgabe);
}

void AnlageLesen(Anlage& a, const Zeilenquelle& z, std::size_t& i) {
  Zeilenleser l(z, i);
  l.Ueberspringen();  // tag
  a.Name = l.Text();
  a.StdMmProPixel = l.Real();
  if (!(a.StdMmProPixel > 0))
    throw LeseFehler("Zeile 3: Der Darstellungsmaßstab neuer Module muss größer als 0 sein.");
  a.StdBreite = l.Int();
  a.StdHoehe = l.Int();
  a.GitterBeschrN = l.Int();
  a.GitterAbst = l.Int();
  a.GitterSichtbar = l.Bool();
  a.GitterBeschriftung = l.Bool();
  {
    const std::size_t zeile = l.Index() + 1;
    const std::string& t = l.Text();
    try {
      a.Farbspeicher = FarbslotsLesen(t);
    } catch (const LeseFehler& e) {
      throw LeseFehler("Zeile " + std::to_string(zeile) + ": " + e.what());
    }
  }
  a.Kennung = l.Text();
  for (const TElementart& art : Elementarten()) {
    const std::string& pfad = l.Text();
    a.Listendatei(art.art) = ListenPfad(pfad, a.DatenPfad, art.standardliste);
  }
  l.Ueberspringen();  // "00"
  a.Werte.MaxKruemmung = l.Real();
  a.Werte.SwAbst = l.Real();
  a.Werte.SwBrt = l.Real();
  a.Werte.Spur = l.Real();
  a.Werte.SwLen = l.Real();
  a.Werte.TrBrt = l.Real();
  a.Farbe = l.Int();
  a.Werte.GlsAbst = l.Real();
  a.Werte.SpurAussen = l.Real();
  {
    const std::size_t zeile = l.Index() + 1;
    a.Massstab = l.Real();
    // Lengths of new tracks are derived from the scale: it must be a positive number.
    if (!(a.Massstab > 0))
      throw LeseFehler("Zeile " + std::to_string(zeile) + ": Der Maßstab muss größer als 0 sein.");
  }
  a.Optionen = l.Text();
  a.VSpur = l.Real();
  a.VSwBrt = l.Real();
  a.VSwLen = l.Real();
  a.VSwAbst = l.Real();
  const std::int32_t module = l.Anzahl();
  if (module == 0) throw LeseFehler("Zeile " + std::to_string(l.Index()) + ": Die Datei enthält kein Modul.");

  Schwellenbudget budget;
  for (std::int32_t k = 0; k < module; ++k) {
    TModul* m = a.ModulAnhaengen();
    a.ModulWaehlen(static_cast<int>(a.Module.size()) - 1);
    Satzanfaenge anfaenge;
    ModulLesen(*m, z, i, &anfaenge, &budget);
    m->GleisWaehlen(0);  // one marked track in every module
    LagePruefen(*m, anfaenge, k == module - 1);  // the last one is current after reading
  }

  ElementnummernFreimachen(a);

  const int letztes = static_cast<int>(a.Module.size()) - 1;
  a.ModulWaehlen(letztes);
  TModul* m = a.AktuellesModul();
  m->GleisWaehlen(0);
  if (TGleis* g = m->AktuellesGleis()) g->BogenWaehlen(0);
  m->AktElement = 0;
}

void VerbindungenAufbauen(Anlage& a) {
  // Number -> the last track carrying it, as GleisMitNummer finds it, built once: a large
  // layout has groups of hundreds of tracks, each naming all of them.
  std::unordered_map<std::int32_t, TGleis*> nachNummer;
  for (const auto& m : a.Module)
    for (const auto& g : m->Gleise) nachNummer[g->Nummer] = g.get();
  auto finden = [&](std::int32_t n) -> TGleis* {
    const auto it = nachNummer.find(n);
    return it == nachNummer.end() ? nullptr : it->second;
  };
  for (const auto& m : a.Module)
    for (const auto& g : m->Gleise) {
      // A track record's numbers were parsed on reading; an element's tracks carry its text.
      std::vector<std::int32_t> nummern = std::move(g->VerbundGelesen);
      g->VerbundGelesen = {};
      if (nummern.empty() && !g->VerbundNummern.empty()) {
        try {
          nummern = IntListeEinmalLesen(g->VerbundNummern);
        } catch (const LeseFehler&) {
          continue;  // checked while reading; a text set later by hand is simply ignored
        }
      }
      std::unordered_set<const TGleis*> drin(g->Verbund.begin(), g->Verbund.end());
      for (std::int32_t n : nummern) {
        TGleis* v = finden(n);
        // A number listed twice, or a track already joined, is not added again.
        if (v && v != g.get() && drin.insert(v).second) g->Verbund.push_back(v);
      }
    }
  // Every operation on groups relies on lists that hold each other: one-sided lists (a file
  // written by hand or by an older program) are completed, so the layout saves as it reads.
  if (const std::size_t n = VerbuendeSymmetrisch(a))
    a.Lesehinweise.push_back(
        (n == 1 ? std::string("Beim Lesen wurde 1 fehlender Eintrag in einem Verbund ergänzt")
                : "Beim Lesen wurden " + std::to_string(n) + " fehlende Einträge in Verbünden ergänzt") +
        ": Ein Gleis, das ein anderes nennt, wird nun auch von diesem genannt, und die Gleise eines Elements "
        "nennen dieselben Gleise.");
  for (const auto& m : a.Module)
    for (const auto& g : m->Gleise) {
      g->Vorgaenger = g->VorgaengerNr == -1 ? nullptr : finden(g->VorgaengerNr);
      if (g->Vorgaenger) g->Vorgaenger->Nachfolger.push_back(g.get());
    }
  // A number carried by several tracks names the last of them; the others get free numbers,
  // so that the links read the same when the layout is written and read again.
  for (const auto& m : a.Module)
    for (const auto& g : m->Gleise)
      if (finden(g->Nummer) != g.get()) g->Nummer = a.NeueNummer(BereichNeuesGleis);
}

void StandardlistenSetzen(Anlage& a) {
  for (const TElementart& art : Elementarten()) a.Listendatei(art.art) = a.DatenPfad + art.standardliste;
}

}  // namespace trm
