// Loading and saving whole layout files.
#include "core/model/AnlageDatei.h"

#include "core/model/Anlage.h"
#include "core/model/Fehler.h"
#include "core/model/Neuberechnung.h"
#include "core/model/Satz.h"
#include "core/model/Schwellenbudget.h"
#include "core/model/Textdatei.h"
#include "core/model/Zitat.h"

namespace trm {

std::unique_ptr<Anlage> AnlageAusZeilen(const Zeilenquelle& zeilen, const std::string& datenPfad,
                                        std::shared_ptr<Zufall> zufall) {
  auto a = std::make_unique<Anlage>(std::move(zufall));
  a->DatenPfad = datenPfad;
  std::size_t i = 0;
  AnlageLesen(*a, zeilen, i);
  VerbindungenAufbauen(*a);
  return a;
}

std::unique_ptr<Anlage> AnlageLaden(const std::string& pfad, const std::string& datenPfad,
                                    std::shared_ptr<Zufall> zufall) {
  const Zeilentext text = DateiLesenText(pfad);
  try {
    auto a = AnlageAusZeilen(text.Quelle(), datenPfad, std::move(zufall));
    a->DateiPfad = pfad;
    return a;
  } catch (const LeseFehler& e) {
    throw LeseFehler("Die Datei \"" + pfad + "\" konnte nicht gelesen werden.\n" + e.what());
  }
}

namespace {

/// What saving does before the first line: refuses what would not read again, computes every
/// module as a redraw would and refuses positions that are not finite.
void SpeichernVorbereiten(Anlage& a) {
  // What the reader refuses is not written: counted before the points are computed.
  if (const std::string t = SchwellenUeberschritten(a); !t.empty())
    throw SchreibFehler("Die Anlage kann nicht gespeichert werden: " + t);
  for (auto& m : a.Module) {
    ModulBerechnen(*m);
    // The reader refuses a layout whose positions are not finite: such a file is not written.
    if (const TBogen* b = NichtEndlicheLage(*m))
      throw SchreibFehler("Die Anlage kann nicht gespeichert werden: Die Lage von Bogen \"" +
                          Zitat(b->Name) + "\" im Gleis \"" + (b->Gleis ? Zitat(b->Gleis->Name) : std::string()) +
                          "\" des Moduls \"" + Zitat(m->Name) + "\" ist keine endliche Zahl.");
  }
}

}  // namespace

Zeilen AnlageZeilen(Anlage& a) {
  SpeichernVorbereiten(a);
  Zeilen zeilen;
  AnlageSchreiben(a, zeilen);
  return zeilen;
}

Textbloecke AnlageText(Anlage& a) {
  SpeichernVorbereiten(a);
  Textbloecke text;
  Zeilen zeilen;
  AnlageSchreiben(a, zeilen, [&text](Zeilen& z) { text.Uebernehmen(z); });
  text.Uebernehmen(zeilen);
  return text;
}

void AnlageSpeichern(Anlage& a, const std::string& pfad) { DateiSchreiben(pfad, AnlageText(a)); }

std::unique_ptr<Anlage> ErsatzAnlage(const std::string& datenPfad, std::shared_ptr<Zufall> zufall) {
  auto a = std::make_unique<Anlage>(std::move(zufall));
  a->DatenPfad = datenPfad;
  a->Kennung = "ATST";
  StandardlistenSetzen(*a);
  a->Optionen = "0000000000";
  ModulBerechnen(*a->NeuesModulAnlegen());
  return a;
}

}  // namespace trm
