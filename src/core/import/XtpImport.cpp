// The import of a parameter file's turnouts with its dialogs.
#include "core/import/XtpImport.h"

#include <filesystem>
#include <stdexcept>

#include "core/editor/Bibliothek.h"
#include "core/editor/Editor.h"
#include "core/import/XtpWeichen.h"
#include "core/model/Anlage.h"
#include "core/model/Kleinschreibung.h"
#include "core/model/Textdatei.h"
#include "core/turnouts/Weichenliste.h"

namespace trm {

bool XtpWeichenImportieren(Anlage& a, Dialoge& d) {
  const auto pfad = d.OeffnenDialog(FilterXtp);
  if (!pfad) return false;
  auto massstab = d.Eingabe("Weichen aus XTrackCAD-Parameterdatei",
                            "Maßstab der Weichen, wie ihn die Parameterdatei nennt (z.B. HO, N, TT):",
                            XtpMassstabname(a.Massstab));
  if (!massstab) return false;
  *massstab = OhneLeerzeichen(*massstab);
  if (massstab->empty()) {
    d.Fehler("Es wurde kein Maßstab angegeben.");
    return false;
  }
  const std::filesystem::path quelle(*pfad);
  XtpErgebnis e;
  try {
    e = XtpWeichenUmwandeln(XtpDateiLesen(*pfad, *massstab), *massstab);
  } catch (const std::runtime_error& f) {
    d.Fehler(f.what());
    return false;
  }
  if (e.uebernommen == 0) {
    d.Information("Die Datei \"" + quelle.filename().string() + "\" enthält keine Weiche des Maßstabs " + *massstab +
                  ", die sich als Weichentyp darstellen lässt.\n" + XtpBericht(e));
    return false;
  }
  const auto ziel = d.SpeichernDialog(ListeWeichen.filterSpeichern, quelle.stem().string() + ".w88", ListeWeichen.endung);
  if (!ziel) return false;
  try {
    DateiSchreiben(*ziel, XtpWeichenliste(e, quelle.filename().string(), *massstab));
  } catch (const std::runtime_error& f) {
    d.Fehler(f.what());
    return false;
  }
  ListeImportieren(a, ListeWeichen, *ziel);
  d.Information(XtpBericht(e) + "\nDie Weichenliste \"" + *ziel + "\" ist jetzt die aktive Weichenliste.");
  return true;
}

bool XtpWeichenImportieren(Editor& ed) {
  return ed.Ausfuehren("Weichen aus XTrackCAD-Parameterdatei importieren",
                       [&] { return XtpWeichenImportieren(ed.anlage(), ed.dialoge()); });
}

}  // namespace trm
