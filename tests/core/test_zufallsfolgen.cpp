// Random command sequences over a layout built through the editor and the mouse (tracks,
// turnouts, crossings, turntables, components, the data windows' fields, the optimiser and the
// settings): after every command the link structure must be sound, a command that records no
// step must leave the file text as it was, a text that does not convert must record none, and
// undo and redo must give back the file text, the changed state and the current objects of the
// states they return to.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cmath>
#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "Pruefhilfe.h"
#include "SkriptDialoge.h"
#include "core/calculators/Steigung.h"
#include "core/editor/Anlagendaten.h"
#include "core/editor/Bibliothek.h"
#include "core/editor/Bogendaten.h"
#include "core/editor/Editor.h"
#include "core/editor/Maus.h"
#include "core/geometry/Geo.h"
#include "core/geometry/GeoBefehle.h"
#include "core/model/AnlageDatei.h"
#include "core/model/Datenordner.h"
#include "core/model/Typliste.h"
#include "core/model/Umrechnung.h"
#include "core/optimiser/Optimierer.h"
#include "core/render/Ansicht.h"
#include "core/render/Aufzeichnung.h"
#include "core/render/ModulZeichnen.h"
#include "core/turnouts/Drehscheibe.h"
#include "core/turnouts/DrehscheibenBefehle.h"
#include "core/turnouts/Drehscheibenliste.h"
#include "core/turnouts/Weiche.h"
#include "core/turnouts/WeichenBefehle.h"
#include "core/crossings/DKW.h"
#include "core/crossings/Kreuzung.h"
#include "core/crossings/KreuzungsBefehle.h"

namespace trm {
namespace {

namespace fs = std::filesystem;

constexpr int Folgen = 300;
constexpr int ZeichenFolgen = 100;
constexpr int SchritteJeFolge = 25;

/// The current module, track and segment.
struct Auswahl {
  int modul = -1, gleis = -1, bogen = -1;
  bool operator==(const Auswahl&) const = default;
};

std::string AlsText(const Auswahl& s) {
  return "Modul " + std::to_string(s.modul) + ", Gleis " + std::to_string(s.gleis) + ", Bogen " +
         std::to_string(s.bogen);
}

/// Where two file texts first differ, for the failure message.
std::string Unterschied(const Zeilen& soll, const Zeilen& ist) {
  std::size_t i = 0;
  while (i < soll.size() && i < ist.size() && soll[i] == ist[i]) ++i;
  std::ostringstream s;
  s << "Zeile " << i + 1 << " (von " << soll.size() << " / " << ist.size() << "): erwartet \""
    << (i < soll.size() ? soll[i] : "<Ende>") << "\", gefunden \""
    << (i < ist.size() ? ist[i] : "<Ende>") << "\"";
  return s.str();
}

enum class Art {
  Anfuegen,
  Loeschen,
  LoeschenZurueck,
  WeicheEinsetzen,
  WeicheDrehen,
  WeicheSpiegeln,
  WeicheEntfernen,
  KrEinsetzen,
  KrDrehen,
  KrEntfernen,
  MausLoesen,
  AlleLoesen,
  MausNachfolger,
  MausVerbinden,
  MausZiehen,
  AnfangX,
  Drehen,
  Waehlen,
  VorigesNaechstes,
  NeuesModul,
  ModulWechseln,
  ModulLoeschen,
  Speichern,
  Rueckgaengig,
  Wiederherstellen,
  DsEinsetzen,
  DsZiehen,
  DsFeld,
  DsHoehe,
  GeoEinsetzen,
  GeoMaus,
  GeoDialog,
  BogenFeld,
  WeicheFeld,
  KrFeld,
  Optimieren,
  Einstellung,
  Zeichenwerkzeug,
};

/// How often each command is drawn, relative to the others.
struct Gewicht {
  Art art;
  int gewicht;
};
constexpr Gewicht Gewichte[] = {
    {Art::Anfuegen, 5},         {Art::Loeschen, 2},      {Art::LoeschenZurueck, 1},
    {Art::WeicheEinsetzen, 4},  {Art::WeicheDrehen, 2},  {Art::WeicheSpiegeln, 2},
    {Art::WeicheEntfernen, 2},  {Art::KrEinsetzen, 3},   {Art::KrDrehen, 1},
    {Art::KrEntfernen, 1},      {Art::MausLoesen, 2},    {Art::AlleLoesen, 1},
    {Art::MausNachfolger, 2},   {Art::MausVerbinden, 2}, {Art::MausZiehen, 3},
    {Art::AnfangX, 1},          {Art::Drehen, 1},        {Art::Waehlen, 4},
    {Art::VorigesNaechstes, 2}, {Art::NeuesModul, 1},    {Art::ModulWechseln, 1},
    {Art::ModulLoeschen, 1},    {Art::Speichern, 1},     {Art::Rueckgaengig, 4},
    {Art::Wiederherstellen, 3}, {Art::DsEinsetzen, 1},   {Art::DsZiehen, 1},
    {Art::DsFeld, 2},           {Art::DsHoehe, 1},       {Art::GeoEinsetzen, 2},
    {Art::GeoMaus, 2},          {Art::GeoDialog, 1},     {Art::BogenFeld, 3},
    {Art::WeicheFeld, 2},       {Art::KrFeld, 2},        {Art::Optimieren, 4},
    {Art::Einstellung, 2},      {Art::Zeichenwerkzeug, 8},
};

/// One sequence: a new layout from the settings file, then random commands.
class Folge {
 public:
  /// `zurueckgenommen` counts the steps taken back and given again by name.
  Folge(std::uint32_t saat, const fs::path& ordner, const TTypliste& liste,
        std::map<std::string, int>& zurueckgenommen, bool zeichnen = false)
      : zeichnen_(zeichnen),
        saat_(saat),
        zufall_(saat),
        ordner_(ordner),
        liste_(liste),
        zurueckgenommen_(zurueckgenommen),
        dok_(dialoge_, ordner.string(), std::make_shared<MersenneZufall>(saat)) {
    opt_.Zufall.seed(saat);
  }

  /// Runs the sequence; empty when every check held, else the seed, the commands so far and
  /// the first fault.
  std::string Laufen() {
    if (!dok_.Neu()) return "Neu fehlgeschlagen";
    try {
      dsListe_ = ListeLaden(A(), ListeDrehscheiben);
    } catch (const std::exception& e) {
      return std::string("Drehscheibenliste: ") + e.what();
    }
    geoAnzahl_ = GeoListenNamen(ed_).size();
    text_ = AnlageZeilen(A());
    gespeichert_ = nummer_;
    for (int k = 0; k < SchritteJeFolge && fehler_.empty(); ++k) {
      try {
        Schritt(Ziehen());
      } catch (const std::exception& e) {
        Fehler(std::string("Ausnahme: ") + e.what());
      }
    }
    if (fehler_.empty()) return {};
    std::ostringstream s;
    s << "Saat " << saat_ << ", Befehle:\n";
    for (std::size_t i = 0; i < protokoll_.size(); ++i)
      s << "  " << i + 1 << ". " << protokoll_[i] << "\n";
    s << fehler_;
    return s.str();
  }

 private:
  /// A state of the layout as the test expects it back from undo or redo.
  struct Stand {
    Zeilen text;
    int nummer;                      ///< which state: the layout counts as changed unless saved
    std::optional<Auswahl> auswahl;  ///< unknown when a mouse pick chose it inside the step
  };

  Anlage& A() { return dok_.anlage(); }
  TModul* M() { return ed_.modul(); }
  std::uint32_t Zahl(std::uint32_t n) { return n == 0 ? 0 : zufall_() % n; }

  Art Ziehen() {
    // The drawing tools take part only in the sequences for them, so that the others draw
    // what they always drew.
    auto gewicht = [&](const Gewicht& g) { return g.art == Art::Zeichenwerkzeug && !zeichnen_ ? 0 : g.gewicht; };
    int summe = 0;
    for (const Gewicht& g : Gewichte) summe += gewicht(g);
    int r = static_cast<int>(Zahl(static_cast<std::uint32_t>(summe)));
    for (const Gewicht& g : Gewichte) {
      if (r < gewicht(g)) return g.art;
      r -= gewicht(g);
    }
    return Art::Waehlen;
  }

  void Fehler(const std::string& f) {
    if (fehler_.empty()) fehler_ = "nach Befehl " + std::to_string(protokoll_.size()) + ": " + f;
  }
  void Pruefen(bool ok, const std::string& f) {
    if (!ok) Fehler(f);
  }

  Auswahl Jetzt() {
    Auswahl s;
    s.modul = A().AktModul;
    if (TModul* m = M()) {
      s.gleis = m->AktGleis;
      if (TGleis* g = m->AktuellesGleis()) s.bogen = g->AktBogen;
    }
    return s;
  }

  // ---- the mouse ----
  std::pair<std::int64_t, std::int64_t> Pixel(double x, double y) {
    const TUmrechnung u(*M());
    return {u.WeltZuPixelX(x), u.WeltZuPixelY(y)};
  }
  /// A point of a random segment of a random track of the current module.
  std::optional<std::pair<std::int64_t, std::int64_t>> Zielpunkt(std::string& wo) {
    TModul* m = M();
    if (!m || m->Gleise.empty()) return std::nullopt;
    const std::size_t i = Zahl(static_cast<std::uint32_t>(m->Gleise.size()));
    const TGleis& g = *m->Gleise[i];
    if (g.Boegen.empty()) return std::nullopt;
    const std::size_t j = Zahl(static_cast<std::uint32_t>(g.Boegen.size()));
    const TBogen& b = *g.Boegen[j];
    wo = "Gleis " + std::to_string(i) + " Bogen " + std::to_string(j);
    if (b.Spurpunkte.empty()) return Pixel(b.XEnde, b.YEnde);
    const TSpurpunkt& p = b.Spurpunkte[b.Spurpunkte.size() / 2];
    return Pixel(p.x, p.y);
  }
  void Maus(Mausart art, std::int64_t x, std::int64_t y, bool strg = false) {
    (void)maus_.Ereignis({art, Maustaste::Links, x, y, strg, false});
  }
  /// A click in mouse mode `modus` on a random track.
  std::string Klick(Mausmodus modus, const std::string& name) {
    std::string wo;
    const auto p = Zielpunkt(wo);
    if (!p) return name + ": kein Gleis";
    ed_.ModusSetzen(modus);
    Maus(Mausart::Druecken, p->first, p->second);
    Maus(Mausart::Loslassen, p->first, p->second);
    return name + " (Klick auf " + wo + ")";
  }

  /// Makes a turnout track current when the current track is none and the module has one.
  void WeicheWaehlen() {
    TModul* m = M();
    TGleis* g = ed_.gleis();
    if (!m || (g && g->IstWeichengleis())) return;
    const std::vector<TElement*> weichen = m->ElementeDerArt(Elementart::Weiche);
    if (weichen.empty()) return;
    const TElement* w = weichen[Zahl(static_cast<std::uint32_t>(weichen.size()))];
    TGleis* t = Zahl(2) ? w->Stammgleis() : w->Zweiggleis();
    if (t) m->GleisWaehlen(m->GleisIndex(t));
  }

  /// Makes a track of a crossing or slip current when the current track is none's and the
  /// module has one.
  void KreuzungWaehlen() {
    TModul* m = M();
    TGleis* g = ed_.gleis();
    if (!m || (g && g->KrGleis)) return;
    std::vector<TElement*> elemente;
    for (Elementart art : {Elementart::Kreuzung, Elementart::EKW, Elementart::DKW})
      for (TElement* e : m->ElementeDerArt(art)) elemente.push_back(e);
    if (elemente.empty()) return;
    const std::vector<TGleis*> gleise = elemente[Zahl(static_cast<std::uint32_t>(elemente.size()))]->AlleGleise();
    m->GleisWaehlen(m->GleisIndex(gleise[Zahl(static_cast<std::uint32_t>(gleise.size()))]));
  }

  /// Runs a command that is not undo, redo or save. `auswahl` is what is current when the
  /// command takes its copy of the layout (unknown for a mouse pick).
  std::string Befehl(Art art, std::optional<Auswahl>& auswahl) {
    auswahl = Jetzt();
    // The text is made before the command runs (operands of + have no fixed order).
    auto tun = [](std::string was, const auto& befehl) {
      return befehl() ? was : was + " -> nein";
    };
    switch (art) {
      case Art::Anfuegen:
        return tun("Gleis anfügen an " + AlsText(Jetzt()), [&] { return ed_.GleisAnfuegen(); });
      case Art::Loeschen:
        return tun("Gleis löschen an " + AlsText(Jetzt()), [&] { return ed_.GleisLoeschen(); });
      case Art::LoeschenZurueck:
        return tun("Rückgängig Gleis löschen", [&] { return ed_.GleisLoeschenRueckgaengig(); });
      case Art::WeicheEinsetzen: {
        const std::size_t k = 1 + Zahl(static_cast<std::uint32_t>(liste_.Saetze()));
        return tun("Weiche einsetzen, Typ " + std::to_string(k) + " an " + AlsText(Jetzt()),
                   [&] { return ed_.ElementEinsetzen(Elementart::Weiche, liste_.Satz(k)); });
      }
      case Art::WeicheDrehen:
        WeicheWaehlen();
        auswahl = Jetzt();
        return tun("Weiche drehen an " + AlsText(Jetzt()), [&] { return ed_.ElementDrehen(); });
      case Art::WeicheSpiegeln:
        WeicheWaehlen();
        auswahl = Jetzt();
        return tun("Linksweiche / Rechtsweiche an " + AlsText(Jetzt()),
                   [&] { return ed_.ElementSpiegeln(); });
      case Art::WeicheEntfernen:
        WeicheWaehlen();
        auswahl = Jetzt();
        return tun("Weiche entfernen an " + AlsText(Jetzt()),
                   [&] { return ed_.ElementAusPlanEntfernen(); });
      case Art::KrEinsetzen:
        switch (Zahl(3)) {
          case 0:
            return tun("Kreuzung einsetzen an " + AlsText(Jetzt()), [&] { return ed_.modul() && ed_.ElementEinsetzen(Elementart::Kreuzung, StandardKreuzung(*ed_.modul())); });
          case 1:
            return tun("EKW einsetzen an " + AlsText(Jetzt()), [&] { return ed_.modul() && ed_.ElementEinsetzen(Elementart::EKW, StandardEKW(*ed_.modul())); });
          default:
            return tun("DKW einsetzen an " + AlsText(Jetzt()), [&] { return ed_.modul() && ed_.ElementEinsetzen(Elementart::DKW, StandardDKW(*ed_.modul())); });
        }
      case Art::KrDrehen:
        KreuzungWaehlen();
        auswahl = Jetzt();
        return tun("Kreuzung drehen an " + AlsText(Jetzt()), [&] { return ed_.ElementDrehen(); });
      case Art::KrEntfernen:
        KreuzungWaehlen();
        auswahl = Jetzt();
        return tun("Kreuzung entfernen an " + AlsText(Jetzt()), [&] { return ed_.ElementAusPlanEntfernen(); });
      case Art::AlleLoesen:
        return tun("alle Verbindungen lösen an " + AlsText(Jetzt()),
                   [&] { return ed_.AlleVerbindungenLoesen(); });
      case Art::AnfangX: {
        const std::string x = std::to_string(static_cast<int>(Zahl(1600)) - 100) + ",5";
        return tun("Anfangspunkt X " + x + " an " + AlsText(Jetzt()),
                   [&] { return ed_.AnfangXSetzen(x); });
      }
      case Art::Drehen: {
        static constexpr double Winkel[] = {90, -45, 15, 180, 7.5};
        const double w = Winkel[Zahl(5)];
        const bool umAnfang = Zahl(2) == 0;
        return tun("Gleis drehen um " + std::to_string(w) +
                       (umAnfang ? " um den Anfang" : " um das Ende") + " an " + AlsText(Jetzt()),
                   [&] { return ed_.GleisDrehen(umAnfang, w); });
      }
      case Art::VorigesNaechstes:
        return Zahl(2) ? tun("voriges Gleis", [&] { return ed_.VorigesGleis(); })
                       : tun("nächstes Gleis", [&] { return ed_.NaechstesGleis(); });
      case Art::Waehlen:
        if (Zahl(2)) return Klick(Mausmodus::Normal, "wählen");
        if (TModul* m = M(); m && !m->Gleise.empty()) {
          const int i = static_cast<int>(Zahl(static_cast<std::uint32_t>(m->Gleise.size())));
          m->GleisWaehlen(i);
          const int j =
              static_cast<int>(Zahl(static_cast<std::uint32_t>(m->Gleise[i]->Boegen.size())));
          m->Gleise[i]->BogenWaehlen(j);
          return "Gleis " + std::to_string(i) + " Bogen " + std::to_string(j) + " wählen";
        }
        return "wählen: kein Gleis";
      case Art::NeuesModul:
        ed_.NeuesModul();
        return "neues Modul";
      case Art::ModulWechseln: {
        const int i = static_cast<int>(Zahl(static_cast<std::uint32_t>(A().Module.size())));
        ed_.ModulWechseln(i);
        return "Modul " + std::to_string(i) + " wählen";
      }
      case Art::ModulLoeschen:
        if (A().Module.size() > 1) dialoge_.antworten.push_back(Antwort::Ja);
        return tun("Modul löschen", [&] { return ed_.ModulLoeschen(); });
      case Art::MausLoesen:
        auswahl.reset();
        return Klick(Mausmodus::Loesen, "Gleis lösen");
      case Art::MausNachfolger:
        auswahl.reset();
        return Klick(Mausmodus::AlsNachfolger, "als Nachfolger verbinden");
      case Art::MausVerbinden:
        auswahl.reset();
        return Klick(Mausmodus::GruppeVerbinden, "Gruppe verbinden");
      case Art::MausZiehen: {
        auswahl.reset();
        std::string wo;
        const auto p = Zielpunkt(wo);
        if (!p) return "ziehen: kein Gleis";
        return "ziehen von " + wo + Zug(p->first, p->second);
      }
      case Art::Zeichenwerkzeug:
        auswahl.reset();
        return Zeichenwerkzeug();
      default:
        return Datenfenster(art, auswahl);
    }
  }

  /// The end (or start) of a random track of the current module, in pixels.
  std::optional<std::pair<std::int64_t, std::int64_t>> Gleisende(std::string& wo) {
    TModul* m = M();
    if (!m || m->Gleise.empty()) return std::nullopt;
    const std::size_t i = Zahl(static_cast<std::uint32_t>(m->Gleise.size()));
    const TGleis& g = *m->Gleise[i];
    if (g.Boegen.empty()) return std::nullopt;
    const bool anfang = Zahl(2) == 0;
    wo = std::string(anfang ? "Anfang" : "Ende") + " von Gleis " + std::to_string(i);
    return anfang ? Pixel(g.XAnf, g.YAnf) : Pixel(g.XEnde(), g.YEnde());
  }
  /// A drawing tool: a straight or curve dragged from a track end, two ends joined, a parallel
  /// track, or a turnout from the list dragged to a track end; with transitions now and then.
  std::string Zeichenwerkzeug() {
    maus_.Zeichner().uebergang = Zahl(3) == 0 ? 80 : 0;
    std::string wo, wo2;
    const auto p = Gleisende(wo);
    if (!p) return "zeichnen: kein Gleis";
    switch (Zahl(5)) {
      case 0:
      case 1: {
        const Mausmodus modus = Zahl(2) == 0 ? Mausmodus::GeradeZiehen : Mausmodus::BogenZiehen;
        ed_.ModusSetzen(modus);
        return std::string(modus == Mausmodus::GeradeZiehen ? "Gerade" : "Bogen") + " vom " + wo +
               Zug(p->first, p->second);
      }
      case 2: {
        const auto q = Gleisende(wo2);
        ed_.ModusSetzen(Mausmodus::EndenVerbinden);
        for (const auto& k : {*p, *q}) {
          Maus(Mausart::Druecken, k.first, k.second);
          Maus(Mausart::Loslassen, k.first, k.second);
        }
        return "verbinden: " + wo + " mit " + wo2;
      }
      case 3: {
        std::string bei;
        const auto q = Zielpunkt(bei);
        if (!q) return "Parallelgleis: kein Gleis";
        const std::int64_t x = q->first + static_cast<std::int64_t>(Zahl(21)) - 10, y = q->second + static_cast<std::int64_t>(Zahl(21)) - 10;
        ed_.ModusSetzen(Mausmodus::Parallelgleis);
        Maus(Mausart::Bewegen, x, y);
        Maus(Mausart::Druecken, x, y);
        Maus(Mausart::Loslassen, x, y);
        return "Parallelgleis bei " + bei;
      }
      default: {
        const std::size_t k = 1 + Zahl(static_cast<std::uint32_t>(liste_.Saetze()));
        ed_.ModusSetzen(Mausmodus::Normal);
        maus_.Zeichner().ElementBeginnen(Elementart::Weiche, liste_.Satz(k));
        const bool strg = Zahl(3) == 0;
        Maus(Mausart::Bewegen, p->first + 3, p->second - 2, strg);
        Maus(Mausart::Druecken, p->first + 3, p->second - 2, strg);
        Maus(Mausart::Loslassen, p->first + 3, p->second - 2, strg);
        return "Weiche " + std::to_string(k) + " gezogen ans " + wo + (strg ? ", mit Strg" : "");
      }
    }
  }

  /// A press at pixel (x, y), one to three moves and a release, now and then with Ctrl.
  std::string Zug(std::int64_t x, std::int64_t y) {
    std::ostringstream s;
    Maus(Mausart::Druecken, x, y);
    for (std::uint32_t n = 1 + Zahl(3); n > 0; --n) {
      x += static_cast<std::int64_t>(Zahl(121)) - 60;
      y += static_cast<std::int64_t>(Zahl(121)) - 60;
      Maus(Mausart::Bewegen, x, y);
      s << " nach (" << x << ", " << y << ")";
    }
    const bool strg = Zahl(2) == 0;
    Maus(Mausart::Loslassen, x, y, strg);
    if (strg) s << ", mit Strg losgelassen";
    return s.str();
  }

  // ---- turntables, components, data windows, optimiser, settings ----
  /// A text for a number field: mostly a number, now and then one that does not convert
  /// (then the command must change nothing).
  std::string Zahltext() {
    static constexpr const char* Gut[] = {"0",   "3",    "12,5",  "-40",  "90",
                                          "150", "-300", "450,5", "1200", "7,5"};
    static constexpr const char* Schlecht[] = {"abc", "", "12x", "1.5"};
    if (Zahl(6) == 0) {
      ungueltig_ = true;
      return Schlecht[Zahl(4)];
    }
    return Gut[Zahl(10)];
  }
  std::string Neigungstext() {
    static constexpr const char* Gut[] = {"1:9", "1:6,6", "1/12", "1:4"};
    static constexpr const char* Schlecht[] = {"9", "1:x", "2:9"};
    if (Zahl(4) == 0) {
      ungueltig_ = true;
      return Schlecht[Zahl(3)];
    }
    return Gut[Zahl(4)];
  }
  /// Selects a random turntable of the current module; none when it has none.
  TDrehscheibe* DrehscheibeWaehlen() {
    TModul* m = M();
    if (!m) return nullptr;
    const std::vector<TElement*> alle = m->ElementeDerArt(Elementart::Drehscheibe);
    if (alle.empty()) return nullptr;
    m->ElementWaehlen(m->ElementIndex(alle[Zahl(static_cast<std::uint32_t>(alle.size()))]));
    return Drehscheibe(ed_);
  }
  TGeo* Bauteil() {
    TModul* m = M();
    if (!m) return nullptr;
    const std::vector<TElement*> alle = m->ElementeDerArt(Elementart::Geo);
    return alle.empty() ? nullptr
                        : static_cast<TGeo*>(alle[Zahl(static_cast<std::uint32_t>(alle.size()))]);
  }

  std::string Datenfenster(Art art, std::optional<Auswahl>& auswahl) {
    auto tun = [](std::string was, const auto& befehl) {
      return befehl() ? was : was + " -> nein";
    };
    const std::string wo = " an " + AlsText(Jetzt());
    // A field left with a text; the text is drawn before the command runs.
    auto feld = [&](const std::string& name, std::string text, const auto& setzen) {
      return tun(name + " \"" + text + "\"" + wo, [&] { return setzen(text); });
    };
    switch (art) {
      case Art::DsEinsetzen: {
        if (dsListe_.Saetze() == 0) return "Drehscheibe einsetzen: leere Liste";
        const std::size_t k = 1 + Zahl(static_cast<std::uint32_t>(dsListe_.Saetze()));
        return tun("Drehscheibe einsetzen, Typ " + std::to_string(k) + wo,
                   [&] { return DrehscheibeEinsetzen(ed_, dsListe_.Satz(k)); });
      }
      case Art::DsZiehen: {
        const TDrehscheibe* d = DrehscheibeWaehlen();
        if (!d) return Datenfenster(Art::DsEinsetzen, auswahl);
        auswahl.reset();
        // Anywhere on the disc, pit included.
        const double w = Zahl(360) * Pi / 180, r = d->Aussendurchmesser * (1 + Zahl(9)) / 20;
        const auto [x, y] = Pixel(d->XMitte + r * std::cos(w), d->YMitte + r * std::sin(w));
        ed_.ModusSetzen(Mausmodus::Normal);
        return "Drehscheibe ziehen" + Zug(x, y);
      }
      case Art::DsFeld:
        if (!DrehscheibeWaehlen()) return Datenfenster(Art::DsEinsetzen, auswahl);
        switch (Zahl(6)) {
          case 0:
            return tun("Gleis an Drehscheibenanschluss anfügen" + wo,
                       [&] { return DrehscheibenGleisAnfuegen(ed_); });
          case 1: {
            const int schritt = Zahl(2) ? 1 : -1;
            return tun("Anschluss " + std::to_string(schritt),
                       [&] { return DrehscheibeAnschlussSchritt(ed_, schritt); });
          }
          case 2:
            return tun("Drehscheibe aus dem Plan löschen",
                       [&] { return DrehscheibeAusPlanEntfernen(ed_); });
          default: {
            const auto f = static_cast<Drehscheibenfeld>(Zahl(10));
            return feld("Drehscheibenfeld " + std::to_string(static_cast<int>(f)), Zahltext(),
                        [&](const std::string& t) { return DrehscheibeFeldSetzen(ed_, f, t); });
          }
        }
      case Art::DsHoehe:
        if (!DrehscheibeWaehlen()) return Datenfenster(Art::DsEinsetzen, auswahl);
        return feld("Höhe der Drehscheibe", Zahltext(), [&](const std::string& t) {
          return Steigungsdaten(ed_).DrehscheibenhoeheSetzen(t);
        });
      case Art::GeoEinsetzen: {
        // One beyond the library now and then: refused.
        const std::size_t k = Zahl(static_cast<std::uint32_t>(geoAnzahl_ + 1));
        return tun("Bauteil einsetzen, Nr. " + std::to_string(k) + wo,
                   [&] { return GeoEinsetzen(ed_, k); });
      }
      case Art::GeoMaus: {
        const TGeo* g = Bauteil();
        if (!g) return Datenfenster(Art::GeoEinsetzen, auswahl);
        auswahl.reset();
        static constexpr Mausmodus Modi[] = {Mausmodus::Normal, Mausmodus::GeoDrehen,
                                             Mausmodus::GeoVerformen, Mausmodus::GeoEntfernen};
        const Mausmodus modus = Modi[Zahl(4)];
        double x = g->Bezugspunkt.x, y = g->Bezugspunkt.y;
        if (modus == Mausmodus::GeoVerformen && !g->Elemente.empty() && Zahl(2)) {
          const TGeoElement& e = g->Elemente[Zahl(static_cast<std::uint32_t>(g->Elemente.size()))];
          if (!e.Punkte.empty()) {
            const TGeopunkt& q = e.Punkte[Zahl(static_cast<std::uint32_t>(e.Punkte.size()))];
            x = q.x, y = q.y;
          }
        }
        ed_.ModusSetzen(modus);
        const auto [px, py] = Pixel(x, y);
        const std::string was = "Bauteil, Mausmodus " + std::to_string(static_cast<int>(modus));
        if (modus != Mausmodus::GeoEntfernen) return was + Zug(px, py);
        // Removing is a click; the same press goes on to a track beneath.
        Maus(Mausart::Druecken, px, py);
        Maus(Mausart::Loslassen, px, py);
        return was;
      }
      case Art::GeoDialog: {
        TGeo* g = Bauteil();
        if (!g) return Datenfenster(Art::GeoEinsetzen, auswahl);
        const TGeoVerschiebung v{Zahl(2) == 0, Zahltext(), Zahltext(), Zahltext()};
        return tun("Bauteil bearbeiten" + std::string(v.position ? " Position" : "") + " \"" + v.x +
                       "\" \"" + v.y + "\" \"" + v.grad + "\"",
                   [&] { return GeoDialogAnwenden(ed_, *g, v); });
      }
      case Art::BogenFeld: {
        Bogendaten bd(ed_);
        bd.behalten = static_cast<Behalten>(Zahl(3));
        using Feld = bool (Bogendaten::*)(const std::string&);
        using Knopf = bool (Bogendaten::*)();
        static constexpr std::pair<const char*, Feld> Felder[] = {
            {"Anfangsradius", &Bogendaten::AnfRadiusSetzen},
            {"Endradius", &Bogendaten::EndRadiusSetzen},
            {"Länge", &Bogendaten::LaengeSetzen},
            {"Endwinkel", &Bogendaten::EndwinkelSetzen},
            {"Tangente", &Bogendaten::TangenteSetzen}};
        static constexpr std::pair<const char*, Knopf> Knoepfe[] = {
            {"Bogen hinzufügen", &Bogendaten::BogenHinzufuegen},
            {"Bogen löschen", &Bogendaten::BogenLoeschen},
            {"Krümmung umkehren", &Bogendaten::KruemmungUmkehren},
            {"Radien tauschen", &Bogendaten::RadienTauschen},
            {"starr / flexibel", &Bogendaten::StarrFlexUmschalten}};
        const std::uint32_t k = Zahl(13);
        const bool ende = Zahl(2);
        if (k < 5)
          return feld(Felder[k].first, Zahltext(),
                      [&](const std::string& t) { return (bd.*Felder[k].second)(t); });
        if (k < 10)
          return tun(Knoepfe[k - 5].first + wo, [&] { return (bd.*Knoepfe[k - 5].second)(); });
        if (k == 10)
          return feld("Radius übertragen", Zahltext(),
                      [&](const std::string& t) { return bd.RadiusUebertragen(t, ende); });
        if (k == 11)
          return tun("Distanzpunkte" + wo, [&] { return bd.DistanzpunkteUmschalten(ende); });
        const auto fix = static_cast<Bogendaten::Fix>(Zahl(3));
        return tun("Fix" + wo, [&] { return bd.FixUmschalten(fix); });
      }
      case Art::WeicheFeld: {
        WeicheWaehlen();
        auswahl = Jetzt();
        static constexpr Weichenfeld Zahlfelder[] = {Weichenfeld::Radius,
                                                     Weichenfeld::Winkel,
                                                     Weichenfeld::Tangentenlaenge,
                                                     Weichenfeld::Spurweite,
                                                     Weichenfeld::Schienenkopfbreite,
                                                     Weichenfeld::Stammgleisradius,
                                                     Weichenfeld::Zweiggleisradius,
                                                     Weichenfeld::AnfAbst1,
                                                     Weichenfeld::EndAbst1,
                                                     Weichenfeld::Laenge2,
                                                     Weichenfeld::Radius2,
                                                     Weichenfeld::AnfAbst2,
                                                     Weichenfeld::EndAbst2,
                                                     Weichenfeld::StammLaenge3,
                                                     Weichenfeld::StammRadius3,
                                                     Weichenfeld::ZweigLaenge3,
                                                     Weichenfeld::ZweigRadius3,
                                                     Weichenfeld::AnfAbst3,
                                                     Weichenfeld::EndAbst3,
                                                     Weichenfeld::Schwellenlaenge,
                                                     Weichenfeld::Schwellenbreite,
                                                     Weichenfeld::Schwellenabstand,
                                                     Weichenfeld::MaxSchwellenlaenge,
                                                     Weichenfeld::Korrekturfaktor};
        auto setzen = [&](Weichenfeld f) {
          return [&, f](const std::string& t) { return WeicheFeldSetzen(ed_, f, t); };
        };
        switch (Zahl(6)) {
          case 0:
            return feld("Weichenneigung", Neigungstext(), setzen(Weichenfeld::Neigung));
          case 1:
            return feld("Weichenrichtung", Zahl(2) ? "Linksweiche" : "Rechtsweiche",
                        setzen(Weichenfeld::Weichenrichtung));
          default: {
            const Weichenfeld f =
                Zahlfelder[Zahl(static_cast<std::uint32_t>(std::size(Zahlfelder)))];
            return feld("Weichenfeld " + std::to_string(static_cast<int>(f)), Zahltext(),
                        setzen(f));
          }
        }
      }
      case Art::KrFeld: {
        KreuzungWaehlen();
        auswahl = Jetzt();
        static constexpr Krfeld Zahlfelder[] = {Krfeld::Laenge,       Krfeld::Winkel,
                                                Krfeld::Spurweite,    Krfeld::Schienenkopfbreite,
                                                Krfeld::EKWRadius,    Krfeld::KurzeLaenge,
                                                Krfeld::AussenLaenge, Krfeld::Radius,
                                                Krfeld::Zweigradius,  Krfeld::Zweigradius2,
                                                Krfeld::AbstKMP,      Krfeld::BP1Laenge,
                                                Krfeld::StARadius,    Krfeld::KrARadius,
                                                Krfeld::BP1Endabst,   Krfeld::BP2Laenge,
                                                Krfeld::StBRadius,    Krfeld::KrBRadius,
                                                Krfeld::BP2Endabst,   Krfeld::SwLen,
                                                Krfeld::SwBrt,        Krfeld::SwAbst,
                                                Krfeld::SwLenMax,     Krfeld::SwLenMaxLi,
                                                Krfeld::HSLaengeLi,   Krfeld::HSWinkelLi,
                                                Krfeld::HSRadiusLi,   Krfeld::HSLaengeRe,
                                                Krfeld::HSWinkelRe,   Krfeld::HSRadiusRe,
                                                Krfeld::ZgTangente,   Krfeld::ZgWinkel};
        const bool anpassen = Zahl(2);
        auto setzen = [&](Krfeld f) {
          return [&, f](const std::string& t) { return KreuzungFeldSetzen(ed_, f, t, anpassen); };
        };
        switch (Zahl(8)) {
          case 0:
            return feld("Kreuzungsneigung", Neigungstext(), setzen(Krfeld::Neigung));
          case 1:
            return tun("Krümmungsrichtung umkehren" + wo, [&] { return KruemmungUmkehren(ed_); });
          case 2:
            return tun("Zweiggleis wechseln" + wo, [&] { return ZweiggleisWechseln(ed_); });
          case 3: {
            const bool links = Zahl(2);
            return tun("Herzstück umdrehen" + wo, [&] { return HerzstueckUmdrehen(ed_, links); });
          }
          case 4: {
            const auto kreis = static_cast<Zungenkreis>(Zahl(4));
            return tun("Zungen tauschen" + wo, [&] { return ZungenTauschen(ed_, kreis); });
          }
          default: {
            const Krfeld f = Zahlfelder[Zahl(static_cast<std::uint32_t>(std::size(Zahlfelder)))];
            return feld("Kreuzungsfeld " + std::to_string(static_cast<int>(f)), Zahltext(),
                        setzen(f));
          }
        }
      }
      case Art::Optimieren: {
        // An end mark until there is a target; then runs (the target stays where it was
        // marked while later commands move the tracks), free radii for them, and their undo.
        const TBogen* b = ed_.bogen();
        switch (opt_.OptiEP ? Zahl(5) : Zahl(4) ? 1 : Zahl(3)) {
          case 0:
            return tun("Optimierungsanfangspunkt" + wo, [&] { return opt_.AnfangMarkieren(); });
          case 1:
            return tun("Optimierungsendpunkt" + wo,
                       [&] { return opt_.EndeMarkieren().has_value(); });
          case 2:
            if (opt_.RueckgaengigMoeglich())
              return tun("Optimierung rückgängig", [&] { return opt_.Rueckgaengig(); });
            [[fallthrough]];
          default: {
            if (b && b->RFix && Zahl(2))
              return tun("RFix" + wo,
                         [&] { return Bogendaten(ed_).FixUmschalten(Bogendaten::Fix::R); });
            // A missed target is kept ("Ja") or dropped.
            dialoge_.antworten.assign(1, Zahl(2) ? Antwort::Ja : Antwort::Nein);
            const OptiAusgang a = opt_.Optimieren({});
            dialoge_.antworten.clear();
            return "Optimieren" + wo + " -> Ausgang " + std::to_string(static_cast<int>(a));
          }
        }
      }
      case Art::Einstellung: {
        Anlagendaten ad(ed_);
        ad.ueberschreibenAnlage = Zahl(2);
        ad.ueberschreibenModul = Zahl(2);
        ad.ueberschreibenGleis = Zahl(2);
        const auto ebene = static_cast<Ebene>(Zahl(4));
        const std::string stufe = " Ebene " + std::to_string(static_cast<int>(ebene));
        static constexpr std::int32_t Farben[] = {0, 255, 0xFF0000, 0x00FF00, 12345};
        switch (Zahl(7)) {
          case 0:
          case 1: {
            const Mass m = AlleMasse[Zahl(7)];
            return feld("Maß " + std::to_string(static_cast<int>(m)) + stufe, Zahltext(),
                        [&](const std::string& t) { return ad.MassSetzen(ebene, m, t); });
          }
          case 2: {
            const auto e = static_cast<Ebene>(Zahl(3));
            return feld("Mindestradius Ebene " + std::to_string(static_cast<int>(e)), Zahltext(),
                        [&](const std::string& t) { return ad.MinRadiusSetzen(e, t); });
          }
          case 3: {
            const std::int32_t f = Farben[Zahl(5)];
            return tun("Farbe " + std::to_string(f) + stufe + wo, [&] { return ad.FarbeSetzen(ebene, f); });
          }
          case 4: {
            const std::int32_t f = Farben[Zahl(5)];
            return tun("Segment färben " + std::to_string(f) + wo, [&] { return ad.SegmentFaerben(f); });
          }
          case 5: {
            const bool breite = Zahl(2);
            return feld(breite ? "Modulbreite" : "Modulhöhe", Zahltext(),
                        [&](const std::string& t) { return ad.ModulGroesseSetzen(breite, t); });
          }
          default: {
            const bool abstand = Zahl(2);
            return feld(abstand ? "Gitterabstand" : "Gitterbeschriftung", Zahltext(),
                        [&](const std::string& t) { return ad.GitterSetzen(abstand, t); });
          }
        }
      }
      default:
        return "?";
    }
  }

  /// Undo or redo: the state on top of `von` must come back exactly; the present state goes
  /// onto `nach`.
  void Zurueck(bool rueckgaengig, const std::string& wozu) {
    std::vector<Stand>& von = rueckgaengig ? rueck_ : vor_;
    std::vector<Stand>& nach = rueckgaengig ? vor_ : rueck_;
    const std::string name = rueckgaengig ? "rückgängig" : "wiederherstellen";
    const Auswahl vorher = Jetzt();
    const bool geaendert = dok_.Geaendert();
    const auto schritt =
        rueckgaengig ? dok_.verlauf().RueckgaengigName() : dok_.verlauf().WiederherstellenName();
    const bool ok = rueckgaengig ? ed_.Rueckgaengig() : ed_.Wiederherstellen();
    protokoll_.push_back(name + wozu + (ok ? "" : " -> nein"));
    Pruefen(ok == !von.empty(), name + (ok ? " ging ohne Schritt" : " fand keinen Schritt"));
    if (!ok || von.empty()) {
      Nachher(geaendert);
      return;
    }
    const Stand s = std::move(von.back());
    von.pop_back();
    Gesund();
    Zeichnen();
    const Zeilen text = AnlageZeilen(A());
    Pruefen(text == s.text, name + " gibt einen anderen Dateitext: " + Unterschied(s.text, text));
    Pruefen(dok_.Geaendert() == (s.nummer != gespeichert_),
            name + ": Geaendert ist " + std::to_string(dok_.Geaendert()));
    if (s.auswahl)
      Pruefen(Jetzt() == *s.auswahl,
              name + " wählt " + AlsText(Jetzt()) + " statt " + AlsText(*s.auswahl));
    if (schritt) ++zurueckgenommen_[*schritt];
    nach.push_back({std::move(text_), nummer_, vorher});
    text_ = text;
    nummer_ = s.nummer;
  }

  /// After a command that recorded no step: the file text and the changed state are as before.
  void Nachher(bool geaendertVorher) {
    Gesund();
    Zeichnen();
    const Zeilen text = AnlageZeilen(A());
    Pruefen(text == text_, "Änderung ohne Schritt: " + Unterschied(text_, text));
    Pruefen(dok_.Geaendert() == geaendertVorher, "Geaendert wechselt ohne Schritt");
  }

  /// The layout name is the second line of the file text.
  void NameSetzen(Zeilen& text) {
    if (text.size() > 1) text[1] = A().Name;
  }

  void Gesund() {
    const ::testing::AssertionResult r = test::Gesund(A());
    if (!r) Fehler(r.message());
  }

  /// What the window does after every command: paint the module, refresh the states.
  void Zeichnen() {
    if (TModul* m = M()) {
      Aufzeichnung c;
      ModulMalen(A(), *m, c, TAnsicht(*m));
    }
    (void)ed_.Zustand();
    (void)ed_.Kontext();
  }

  void Schritt(Art art) {
    if (art == Art::Rueckgaengig || art == Art::Wiederherstellen) {
      Zurueck(art == Art::Rueckgaengig, "");
      return;
    }
    const bool geaendert = dok_.Geaendert();
    if (art == Art::Speichern) {
      // An unnamed layout is saved under a name; the name follows the file, not the steps.
      if (A().DateiPfad.empty()) dialoge_.pfade.push_back((ordner_ / "Zufall.m88").string());
      const bool ok = dok_.Speichern();
      protokoll_.push_back(std::string("speichern") + (ok ? "" : " -> nein"));
      Pruefen(ok, "speichern fehlgeschlagen");
      for (std::vector<Stand>* v : {&rueck_, &vor_})
        for (Stand& s : *v) NameSetzen(s.text);
      NameSetzen(text_);
      gespeichert_ = nummer_;
      Nachher(false);
      return;
    }
    const std::size_t schritte = dok_.verlauf().AnzahlRueckgaengig();
    std::optional<Auswahl> auswahl;
    ungueltig_ = false;
    protokoll_.push_back(Befehl(art, auswahl));
    const std::size_t jetzt = dok_.verlauf().AnzahlRueckgaengig();
    Pruefen(!dok_.verlauf().Offen(), "ein Schritt bleibt offen");
    Pruefen(!ungueltig_ || jetzt == schritte, "ein ungültiger Text zeichnet einen Schritt auf");
    if (jetzt == schritte) {
      Nachher(geaendert);
      return;
    }
    Pruefen(jetzt == schritte + 1, "mehr als ein Schritt aufgezeichnet");
    Pruefen(dok_.Geaendert(), "nach einem Schritt gilt die Anlage als unverändert");
    Pruefen(!dok_.verlauf().WiederherstellenName(), "nach einem Schritt bleibt Wiederherstellen");
    Gesund();
    Zeichnen();
    rueck_.push_back({std::move(text_), nummer_, auswahl});
    vor_.clear();
    text_ = AnlageZeilen(A());
    nummer_ = ++zaehler_;
    // Now and then the step is taken back and given again at once.
    if (fehler_.empty() && Zahl(3) == 0) {
      Zurueck(true, " (sofort)");
      if (fehler_.empty()) Zurueck(false, " (sofort)");
    }
  }

  const bool zeichnen_;  ///< the drawing tools take part
  std::uint32_t saat_;
  std::mt19937 zufall_;
  fs::path ordner_;
  const TTypliste& liste_;
  std::map<std::string, int>& zurueckgenommen_;
  test::SkriptDialoge dialoge_;
  Dokument dok_;
  Editor ed_{dok_, dialoge_};
  Mausbedienung maus_{ed_};
  Optimierer opt_{ed_, dialoge_};
  TTypliste dsListe_{Zeilen{"0"}, ZeilenDrehscheibe, 0};  ///< the layout's turntable list
  std::size_t geoAnzahl_ = 0;                          ///< components in the layout's library
  bool ungueltig_ = false;  ///< the command got a text that does not convert

  std::vector<std::string> protokoll_;
  std::string fehler_;
  std::vector<Stand> rueck_, vor_;  ///< what undo and redo must give back
  Zeilen text_;                     ///< file text of the present state
  int nummer_ = 0, zaehler_ = 0, gespeichert_ = 0;
};

TEST(Zufallsfolgen, BefehleHaltenGefuegeUndVerlaufIntakt) {
  const fs::path ordner = fs::temp_directory_path() / ("trm_zufallsfolgen_" + std::to_string(::getpid()));
  fs::remove_all(ordner);
  ASSERT_TRUE(DatenordnerEinrichten(ordner.string(), TRM_QUELLDATEN));
  const TTypliste liste =
      TTypliste::Laden(std::string(TRM_QUELLDATEN) + "/stdWListe.w88", ZeilenWeiche);
  ASSERT_GT(liste.Saetze(), 0u);
  int fehlgeschlagen = 0;
  std::map<std::string, int> zurueckgenommen;
  // The sequences from seed 10 001 on draw with the mouse tools among the other commands.
  std::vector<std::uint32_t> saaten;
  for (std::uint32_t saat = 1; saat <= Folgen; ++saat) saaten.push_back(saat);
  for (std::uint32_t saat = 10001; saat <= 10000 + ZeichenFolgen; ++saat) saaten.push_back(saat);
  for (const std::uint32_t saat : saaten) {
    if (fehlgeschlagen >= 3) break;
    Folge f(saat, ordner, liste, zurueckgenommen, saat > 10000);
    const std::string fehler = f.Laufen();
    if (!fehler.empty()) {
      ++fehlgeschlagen;
      ADD_FAILURE() << fehler;
    }
  }
  // The sequences reach every kind of step: clicks hit tracks and components, elements get
  // placed, the optimiser runs.
  for (const char* name :
       {"Gleis anfügen", "Gleis löschen", "Weiche einsetzen", "Weiche drehen",
        "Linksweiche / Rechtsweiche", "Weiche entfernen", "Gleis lösen", "alle Verbindungen lösen",
        "Gleis als Nachfolger verbinden", "Gleis verbinden", "Gleis verschieben", "Anfangspunkt X",
        "Gleis drehen", "neues Modul", "Modul löschen", "Rückgängig Gleis löschen", "Kreuzung einsetzen",
        "EKW einsetzen", "DKW einsetzen", "EKW drehen", "DKW entfernen", "Drehscheibe einsetzen",
        "Drehscheibe verschieben", "Gleis an Drehscheibe anfügen", "Vorbilddurchmesser", "Höhe der Drehscheibe",
        "Bauteil einsetzen", "Bauteil verschieben", "Bauteil drehen", "Bauteil verformen", "Bauteil entfernen",
        "Bauteil bearbeiten", "Anfangsradius", "Bogen hinzufügen", "starr <> flex", "Tangentenlänge",
        "Stammgleisradius", "Zweiggleis am Stamm- /Kreuzungsgleis", "Optimierungsendpunkt", "Optimierung",
        "Optimierung rückgängig", "Anlagendaten", "Mindestradius", "Farbe", "Modulgröße", "Gitter",
        "Gerade zeichnen", "Bogen zeichnen", "Gleisenden verbinden", "Parallelgleis"})
    EXPECT_GT(zurueckgenommen[name], 0) << name;
  fs::remove_all(ordner);
}

}  // namespace
}  // namespace trm
