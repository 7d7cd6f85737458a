// Icons of the tool buttons.
#include "gui/editor/Symbole.h"

#include <QAction>
#include <QIcon>
#include <QWidget>

// The resource of a static library is registered by hand, from the global namespace.
static void SymbolRessourceLaden() { Q_INIT_RESOURCE(symbole); }

namespace trm::gui {

namespace {
struct Symbol {
  const char* aktion;  ///< object name of the action
  const char* thema;   ///< icon of the desktop theme, or none
  const char* datei;   ///< our drawing
};
constexpr Symbol kSymbole[] = {
    {"TB_Neu", "document-new", "neu"},
    {"TB_Oeffnen", "document-open", "oeffnen"},
    {"TB_Speichern", "document-save", "speichern"},
    {"TB_Drucken", "document-print", "drucken"},
    {"TB_Rueckgaengig", "edit-undo", "rueckgaengig"},
    {"TB_Wiederherstellen", "edit-redo", "wiederherstellen"},
    {"TB_NeuesModul", nullptr, "modulplus"},
    {"TB_ModulLoeschen", nullptr, "modulminus"},
    {"TB_Vergroessern", "zoom-in", "vergroessern"},
    {"TB_Verkleinern", "zoom-out", "verkleinern"},
    {"TB_Lupe", nullptr, "lupe"},
    {"TB_Gerade", nullptr, "gerade"},
    {"TB_Bogen", nullptr, "bogen"},
    {"TB_Verbinden", nullptr, "verbinden"},
    {"TB_Parallel", nullptr, "parallel"},
    {"TB_Anpassen", "zoom-fit-best", "anpassen"},
    {"TB_VorigesGleis", "go-previous", "voriges"},
    {"TB_NaechstesGleis", "go-next", "naechstes"},
    {"TB_GleisLoeschen", "edit-delete", "loeschen"},
    {"TB_GleisAnfuegen", nullptr, "anfuegen"},
    {"TB_Weichenliste", nullptr, "weiche"},
    {"TB_Kreuzungsliste", nullptr, "kreuzung"},
    {"TB_EKW-Liste", nullptr, "ekw"},
    {"TB_DKW-Liste", nullptr, "dkw"},
    {"TB_DS", nullptr, "drehscheibe"},
    {"TB_Haus", nullptr, "haus"},
    {"TB_3D", nullptr, "dreid"},
    {"TB_MausZurueck", nullptr, "zeiger"},
    {"MI_FarbeAuswaehlen", nullptr, "farbe"},
    {"TB_AnfDrehen", nullptr, "anfdrehen"},
    {"TB_EndDrehen", nullptr, "enddrehen"},
};
}  // namespace

void SymboleSetzen(QWidget* fenster) {
  SymbolRessourceLaden();
  for (const Symbol& s : kSymbole) {
    const QIcon eigen(QStringLiteral(":/symbole/%1.svg").arg(QString::fromUtf8(s.datei)));
    const QIcon icon = s.thema ? QIcon::fromTheme(QString::fromUtf8(s.thema), eigen) : eigen;
    for (QAction* a : fenster->findChildren<QAction*>(QString::fromUtf8(s.aktion))) a->setIcon(icon);
  }
}

}  // namespace trm::gui
