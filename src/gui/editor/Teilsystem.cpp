// The list window launch shared by the subsystems.
#include "gui/editor/Teilsystem.h"

#include <stdexcept>

#include "core/editor/Bibliothek.h"
#include "core/editor/Maus.h"
#include "gui/lists/TfListe.h"

namespace trm::gui {

bool ElementfensterOeffnen(const Anlage& a, Fensteranlass anlass) {
  return anlass == Fensteranlass::Doppelklick ||
         (anlass == Fensteranlass::Klick && a.Option(7) != '1');
}

bool ListeZeigen(const Fensterteile& t, const TListenart& art, const std::function<bool(const Zeilen&)>& einsetzen,
                 const std::function<void(TfListe&)>& einrichten) {
  Editor& ed = *t.editor;
  if (!ed.bogen()) return false;
  if (!ed.ListeAufrufen(art)) {
    t.aktualisieren();
    return false;
  }
  TfListe fenster(art, ed.anlage(), t.fenster);
  if (einrichten) einrichten(fenster);
  fenster.Fuellen();
  fenster.exec();
  // The keys go back to the main window (the drawing tools' letters), also where no window
  // manager hands the focus back.
  t.fenster->activateWindow();
  const auto satz =
      ListenAuswahl(ed.anlage(), art, fenster.Knopf(), static_cast<std::size_t>(fenster.Auswahl()), *t.dialoge);
  if (!satz) return false;
  if (fenster.Gezogen() && t.maus && t.maus->Zeichner().ElementBeginnen(art.art, *satz)) {
    // Dragged out of the list: the type follows the mouse over the drawing until a click
    // places it (the element drag of the mouse work). A kind placed otherwise is inserted.
    t.aktualisieren();
    return false;
  }
  bool eingesetzt = false;
  try {
    t.befehl([&] { return eingesetzt = einsetzen(*satz); });
  } catch (const std::runtime_error& e) {
    t.dialoge->Fehler(e.what());  // a type record that does not read
  }
  return eingesetzt;
}

}  // namespace trm::gui
