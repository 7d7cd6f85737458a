// The settings window's commands on the layout's dimensions, names, sizes, colours and options.
#include "core/editor/Anlagendaten.h"

#include <sys/stat.h>

#include <cmath>
#include <functional>

#include "core/base/Dialoge.h"
#include "core/editor/Editor.h"
#include "core/model/Anlage.h"
#include "core/model/AnlageDatei.h"
#include "core/model/Bogen.h"
#include "core/model/Element.h"
#include "core/model/Fehler.h"
#include "core/model/Gleis.h"
#include "core/model/Modul.h"
#include "core/model/Neuberechnung.h"
#include "core/model/Satz.h"
#include "core/model/Schwellenbudget.h"
#include "core/model/Textdatei.h"
#include "core/model/Zahlformat.h"

namespace trm {

namespace {

constexpr const char* kFehleingabe = "Falsche Eingabe. Wert wird zurückgesetzt";
constexpr std::size_t kKopfzeilen = 34;

Einstellung Feld(Mass m) {
  switch (m) {
    case Mass::Spur: return &TEinstellungen::Spur;
    case Mass::SwAbst: return &TEinstellungen::SwAbst;
    case Mass::SwLen: return &TEinstellungen::SwLen;
    case Mass::SwBrt: return &TEinstellungen::SwBrt;
    case Mass::SKopf: return &TEinstellungen::SpurAussen;
    case Mass::GlsAbst: return &TEinstellungen::GlsAbst;
    case Mass::TrBrt: break;
  }
  return &TEinstellungen::TrBrt;
}

/// The own values of a level, and the effective value of a setting there.
struct Stufe {
  TEinstellungen* eigen = nullptr;
  std::function<double(Einstellung)> wert;
};

}  // namespace

double Modellspur(double vorbild, double n) {
  const double g = vorbild / n;
  double ergebnis = g;
  for (double norm : {63.0, 45.0, 32.0, 16.5, 12.0, 9.0, 6.5})
    if (std::fabs(norm - g) <= std::max(1.4, g / 25)) ergebnis = norm;
  return ergebnis;
}

static Stufe StufeVon(Editor& ed, Ebene e) {
  Anlage& a = ed.anlage();
  switch (e) {
    case Ebene::Anlage: return {&a.Werte, [&a](Einstellung f) { return a.Werte.*f; }};
    case Ebene::Modul:
      if (TModul* m = ed.modul()) return {&m->Eigen, [m](Einstellung f) { return m->Wert(f); }};
      break;
    case Ebene::Gleis:
      if (TGleis* g = ed.gleis()) return {&g->Eigen, [g](Einstellung f) { return g->Wert(f); }};
      break;
    case Ebene::Bogen:
      if (TBogen* b = ed.bogen()) return {&b->Eigen, [b](Einstellung f) { return b->Wert(f); }};
      break;
  }
  return {};
}

std::string Anlagendaten::Anzeige(Ebene e, Mass m) const {
  const Stufe s = StufeVon(ed_, e);
  if (!s.eigen) return {};
  if (m == Mass::SKopf) return FestText((s.wert(&TEinstellungen::SpurAussen) - s.wert(&TEinstellungen::Spur)) / 2);
  return FestText(s.wert(Feld(m)));
}

bool Anlagendaten::MassSetzen(Ebene e, Mass m, const std::string& text) {
  const auto v = ed_.Zahl(text);
  if (!v) return false;
  if (!StufeVon(ed_, e).eigen) return false;
  // A sleeper spacing that gives a segment more sleepers than a file holds (0, say) would
  // leave a layout that cannot be saved: the step is taken back and the value refused.
  struct ZuVieleSchwellen {};
  const bool zaehlen = m == Mass::SwAbst && SchwellenUeberschritten(ed_.anlage()).empty();
  try {
    return ed_.Ausfuehren("Anlagendaten", [&] {
      Stufe s = StufeVon(ed_, e);
      const Einstellung f = Feld(m);
      // The layout and the module take the amount; a track and a segment take the value as typed.
      const bool betrag = e == Ebene::Anlage || e == Ebene::Modul;
      const double wert = betrag ? std::fabs(*v) : *v;
      s.eigen->*f = m == Mass::SKopf ? s.wert(&TEinstellungen::Spur) + 2 * wert : wert;
      Anlage& a = ed_.anlage();
      TModul* akt = ed_.modul();
      auto modulZuruecksetzen = [&](bool auchBoegen) {
        if (!akt) return;
        for (auto& g : akt->Gleise) {
          if (e != Ebene::Gleis) g->Eigen.*f = NichtGesetzt;
          if (auchBoegen)
            for (auto& b : g->Boegen) b->Eigen.*f = NichtGesetzt;
        }
      };
      if (e == Ebene::Anlage && ueberschreibenAnlage) {
        for (auto& mod : a.Module) mod->Eigen.*f = NichtGesetzt;
        modulZuruecksetzen(true);
      } else if (e == Ebene::Modul && ueberschreibenModul) {
        modulZuruecksetzen(true);
      } else if (e == Ebene::Gleis && ueberschreibenGleis) {
        modulZuruecksetzen(true);
      }
      if (zaehlen && !SchwellenUeberschritten(a).empty()) throw ZuVieleSchwellen{};
      return true;
    });
  } catch (const ZuVieleSchwellen&) {
    return Fehleingabe();
  }
}

std::string Anlagendaten::MinRadiusAnzeige(Ebene e) const {
  double k = 0;
  switch (e) {
    case Ebene::Anlage: k = ed_.anlage().Werte.MaxKruemmung; break;
    case Ebene::Modul:
      if (!ed_.modul()) return {};
      k = ed_.modul()->MaxKruemmung();
      break;
    default:
      if (!ed_.gleis()) return {};
      k = ed_.gleis()->MaxKruemmung();
      break;
  }
  return FestText(1.0 / k);
}

bool Anlagendaten::Fehleingabe() {
  ed_.dialoge().Warnung(kFehleingabe);
  return false;
}

bool Anlagendaten::MinRadiusSetzen(Ebene e, const std::string& text) {
  double r = 0;
  try {
    r = TextReal(text);
  } catch (const LeseFehler&) {
    return Fehleingabe();
  }
  if (r == 0 || !std::isfinite(1.0 / r) || std::fabs(r) > MaxEingabe) return Fehleingabe();
  const double k = std::fabs(1.0 / r);
  return ed_.Ausfuehren("Mindestradius", [&] {
    Anlage& a = ed_.anlage();
    TModul* m = ed_.modul();
    auto gleiseZuruecksetzen = [&] {
      if (m)
        for (auto& g : m->Gleise) g->Eigen.MaxKruemmung = NichtGesetzt;
    };
    switch (e) {
      case Ebene::Anlage:
        a.Werte.MaxKruemmung = k;
        if (ueberschreibenAnlage) {
          for (auto& mod : a.Module) mod->Eigen.MaxKruemmung = NichtGesetzt;
          gleiseZuruecksetzen();
        }
        return true;
      case Ebene::Modul:
        if (!m) return false;
        m->Eigen.MaxKruemmung = k;
        if (ueberschreibenModul) gleiseZuruecksetzen();
        return true;
      default:
        if (!ed_.gleis()) return false;
        ed_.gleis()->Eigen.MaxKruemmung = k;
        return true;
    }
  });
}

bool Anlagendaten::MassstabSetzen(const std::string& text) {
  const auto n = ed_.Zahl(text);
  if (!n) return false;
  if (!(*n > 0)) return Fehleingabe();
  if (*n == ed_.anlage().Massstab) return false;
  return ed_.Ausfuehren("Maßstab", [&] {
    ed_.anlage().Massstab = *n;
    return true;
  });
}

bool Anlagendaten::VorbildSpurSetzen(const std::string& text) {
  const auto v = ed_.Zahl(text);
  if (!v) return false;
  if (!(*v > 0)) return Fehleingabe();
  if (*v == ed_.anlage().VSpur) return false;
  return ed_.Ausfuehren("Vorbildspurweite", [&] {
    ed_.anlage().VSpur = *v;
    return true;
  });
}

bool Anlagendaten::VorbildSchwelleSetzen(int welche, const std::string& text) {
  const auto v = ed_.Zahl(text);
  if (!v) return false;
  // A prototype sleeper of no size gives model values that every level refuses.
  if (*v == 0) return Fehleingabe();
  Anlage& a = ed_.anlage();
  double& ziel = welche == 0 ? a.VSwAbst : welche == 1 ? a.VSwLen : a.VSwBrt;
  if (ziel == std::fabs(*v)) return false;
  return ed_.Ausfuehren("Vorbildmaße", [&] {
    ziel = std::fabs(*v);
    return true;
  });
}

bool Anlagendaten::OptionSetzen(int pos, char c) {
  if (pos < 1 || pos > 10) return false;
  if (ed_.anlage().Option(pos) == c) return false;
  return ed_.Ausfuehren("Optionen", [&] {
    std::string& o = ed_.anlage().Optionen;
    if (o.size() < static_cast<std::size_t>(pos)) o.resize(static_cast<std::size_t>(pos), '0');
    o[static_cast<std::size_t>(pos - 1)] = c;
    return true;
  });
}

bool Anlagendaten::NameSetzen(Ebene e, const std::string& text) {
  return ed_.Ausfuehren("Name", [&] {
    switch (e) {
      case Ebene::Anlage: ed_.anlage().Name = text; return true;
      case Ebene::Modul:
        if (!ed_.modul()) return false;
        ed_.modul()->Name = text;
        return true;
      case Ebene::Gleis:
        if (!ed_.gleis()) return false;
        ed_.gleis()->Name = text;
        return true;
      case Ebene::Bogen:
        if (!ed_.bogen()) return false;
        ed_.bogen()->Name = text;
        return true;
    }
    return false;
  });
}

bool Anlagendaten::ModulGroesseSetzen(bool breite, const std::string& text) {
  std::int32_t v = 0;
  try {
    v = TextInt(text);
  } catch (const LeseFehler&) {
    return Fehleingabe();
  }
  // A module of no size cannot be drawn; the field's range is 0 to 32000.
  if (v <= 0 || v > 32000 || !ed_.modul()) return Fehleingabe();
  return ed_.Ausfuehren("Modulgröße", [&] {
    (breite ? ed_.modul()->Breite : ed_.modul()->Hoehe) = v;
    return true;
  });
}

bool Anlagendaten::FarbeSetzen(Ebene e, std::int32_t farbe) {
  return ed_.Ausfuehren("Farbe", [&] {
    switch (e) {
      case Ebene::Anlage: ed_.anlage().Farbe = farbe; return true;
      case Ebene::Modul:
        if (!ed_.modul()) return false;
        ed_.modul()->Farbe = farbe;
        return true;
      case Ebene::Gleis:
        if (!ed_.gleis()) return false;
        ed_.gleis()->Farbe = farbe;
        if (ueberschreibenGleis)
          for (auto& g : ed_.modul()->Gleise)
            for (auto& b : g->Boegen) b->Farbe = -1;
        return true;
      case Ebene::Bogen:
        if (!ed_.bogen()) return false;
        ed_.bogen()->Farbe = farbe;
        return true;
    }
    return false;
  });
}

bool Anlagendaten::SegmentFaerben(std::int32_t farbe) {
  TBogen* b = ed_.bogen();
  if (!b) return false;
  return ed_.Ausfuehren("Farbe", [&] {
    b->Farbe = farbe;
    if (TElement* el = ed_.gleis()->Element) el->FarbeSetzen(farbe);
    return true;
  });
}

bool Anlagendaten::BenutzerfarbenSetzen(const std::array<std::int32_t, 16>& farben) {
  if (farben == ed_.anlage().Farbspeicher) return false;
  return ed_.Ausfuehren("Benutzerfarben", [&] {
    ed_.anlage().Farbspeicher = farben;
    return true;
  });
}

void Anlagendaten::AnsichtSetzen(bool trasse, bool an) {
  (trasse ? ed_.anlage().TrasseZeichnen : ed_.anlage().HoehenZeigen) = an;
}

bool Anlagendaten::GitterSetzen(bool abstand, const std::string& text) {
  std::int32_t v = 0;
  try {
    v = TextInt(text);
  } catch (const LeseFehler& f) {
    ed_.dialoge().Fehler(f.what());
    return false;
  }
  v = v < 0 ? -v : v;
  // A grid distance of 0 would draw lines without end.
  if (abstand && v == 0) return Fehleingabe();
  return ed_.Ausfuehren("Gitter", [&] {
    (abstand ? ed_.anlage().GitterAbst : ed_.anlage().GitterBeschrN) = v;
    return true;
  });
}

bool Anlagendaten::GitterFlagSetzen(bool sichtbar, bool an) {
  return ed_.Ausfuehren("Gitter", [&] {
    bool& f = sichtbar ? ed_.anlage().GitterSichtbar : ed_.anlage().GitterBeschriftung;
    if (f == an) return false;
    f = an;
    return true;
  });
}

std::optional<Zeilen> VorlagenmoduleNeu(const Zeilen& alt, const Anlage& a) {
  std::unique_ptr<Anlage> vorlage;
  try {
    vorlage = AnlageAusZeilen(alt, a.DatenPfad, std::make_shared<MersenneZufall>(1));
  } catch (const std::runtime_error&) {
    return std::nullopt;
  }
  // A module record holds the values it inherited as its own, and a template's tracks may too:
  // values equal to the old defaults inherit again, so that the template takes the new ones.
  const TEinstellungen altWerte = vorlage->Werte;
  const std::int32_t altFarbe = vorlage->Farbe;
  auto erben = [&altWerte](TEinstellungen& eigen) {
    for (Einstellung f : {&TEinstellungen::MaxKruemmung, &TEinstellungen::SwAbst, &TEinstellungen::SwBrt,
                          &TEinstellungen::Spur, &TEinstellungen::SwLen, &TEinstellungen::TrBrt,
                          &TEinstellungen::SpurAussen, &TEinstellungen::GlsAbst})
      if (eigen.*f == altWerte.*f) eigen.*f = NichtGesetzt;
  };
  for (auto& m : vorlage->Module) {
    erben(m->Eigen);
    if (m->Farbe == altFarbe) m->Farbe = -1;
    for (auto& g : m->Gleise) {
      erben(g->Eigen);
      for (auto& b : g->Boegen) erben(b->Eigen);
    }
  }
  static_cast<AnlageKopf&>(*vorlage) = static_cast<const AnlageKopf&>(a);
  try {
    const Zeilen z = AnlageZeilen(*vorlage);
    return Zeilen(z.begin() + static_cast<std::ptrdiff_t>(kKopfzeilen - 1), z.end());
  } catch (const std::runtime_error&) {
    return std::nullopt;
  }
}

std::vector<std::string> Einstellungskopf(const Anlage& a) {
  Zeilen z;
  AnlageSchreiben(a, z);
  z.resize(kKopfzeilen);
  const char* fest[] = {"TRMAnlage", "Ohne Namen", "2", "1500", "600", "2", "500", "-1", "-1"};
  for (std::size_t i = 0; i < 9; ++i) z[i] = fest[i];
  z[10] = "ATST";
  z[16] = "00";
  z[33] = "1";
  return z;
}

bool Anlagendaten::EinstellungenSpeichern(const std::string& pfad) {
  Zeilen alt;
  try {
    alt = DateiLesen(pfad);
  } catch (const DateiFehler& f) {
    ed_.dialoge().Fehler(f.what());
    return false;
  }
  std::string notiz;
  struct stat st {};
  const bool geschuetzt = ::stat(pfad.c_str(), &st) == 0 && (st.st_mode & S_IWUSR) == 0;
  if (geschuetzt) {
    if (::chmod(pfad.c_str(), st.st_mode | S_IWUSR) != 0) {
      ed_.dialoge().Fehler("Datei konnte nicht gespeichert werden");
      return false;
    }
    notiz = "Der Schreibschutz der Datei \"TRASSOMATIC.STD\" wurde entfernt";
  }
  Zeilen neu = Einstellungskopf(ed_.anlage());
  const std::optional<Zeilen> module = VorlagenmoduleNeu(alt, ed_.anlage());
  if (module) {
    neu[kKopfzeilen - 1] = (*module)[0];
    neu.insert(neu.end(), module->begin() + 1, module->end());
  } else {
    // A template that does not read is kept line for line, its module count with it.
    if (alt.size() >= kKopfzeilen) {
      try {
        if (TextInt(alt[kKopfzeilen - 1]) >= 0) neu[kKopfzeilen - 1] = alt[kKopfzeilen - 1];
      } catch (const LeseFehler&) {
      }
    }
    for (std::size_t i = kKopfzeilen; i < alt.size(); ++i) neu.push_back(alt[i]);
  }
  try {
    DateiSchreiben(pfad, neu);
  } catch (const DateiFehler&) {
    if (geschuetzt) ::chmod(pfad.c_str(), st.st_mode);
    ed_.dialoge().Fehler("Datei konnte nicht gespeichert werden");
    return false;
  }
  ed_.dialoge().Information("Grundeinstellungen wurden gespeichert\n\r" + notiz);
  return true;
}

}  // namespace trm
