// Loading and saving whole layout files.
#include "core/model/AnlageDatei.h"

#include "core/model/Anlage.h"
#include "core/model/Fehler.h"
#include "core/model/Neuberechnung.h"
#include "core/model/Satz.h"
#include "core/model/Schwellenbudget.h"
#include "core/model/Textdatei.h"

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

Zeilen AnlageZeilen(Anlage& a) {
  // What the reader refuses is not written: counted before the points are computed.
  if (const std::string t = SchwellenUeberschritten(a); !t.empty())
    throw SchreibFehler("Die Anlage kann nicht gespeichert werden: " + t);
  for (auto& m : a.Module) {
    ModulBerechnen(*m);
    // The reader refuses a layout whose positions are not finite: such a file is not written.
    if (const TBogen* b = NichtEndlicheLage(*m))
      throw SchreibFehler("Die Anlage kann nicht gespeichert werden: Die Lage von Bogen \"" +
                          b->Name + "\" im Gleis \"" + (b->Gleis ? b->Gleis->Name : std::string()) +
                          "\" des Moduls \"" + m->Name + "\" ist keine endliche Zahl.");
  }
  Zeilen zeilen;
  AnlageSchreiben(a, zeilen);
  return zeilen;
}

void AnlageSpeichern(Anlage& a, const std::string& pfad) { DateiSchreiben(pfad, AnlageZeilen(a)); }

std::unique_ptr<Anlage> ErsatzAnlage(const std::string& datenPfad, std::shared_ptr<Zufall> zufall) {
  auto a = std::make_unique<Anlage>(std::move(zufall));
  a->DatenPfad = datenPfad;
  a->Kennung = "ATST";
  std::string* listen[6] = {&a->WListeDatei,   &a->KrListeDatei, &a->EKWListeDatei,
                            &a->DKWListeDatei, &a->DSListeDatei, &a->GeoListeDatei};
  for (int k = 0; k < 6; ++k) *listen[k] = datenPfad + StandardListen[k];
  a->Optionen = "0000000000";
  ModulBerechnen(*a->NeuesModulAnlegen());
  return a;
}

}  // namespace trm
