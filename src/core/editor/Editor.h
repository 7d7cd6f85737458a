// The editor's state and commands without widgets: modules, track navigation, appending,
// deleting and undoing, rotating and moving a link group by values, the parallel spacing, the
// clipboard, and the command states that the window shows after every command.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/editor/Dokument.h"
#include "core/editor/Zoom.h"
#include "core/model/Elementart.h"
#include "core/model/Zeilen.h"

namespace trm {

class TElement;
struct TListenart;

/// The largest amount a field takes: 1 000 000 (a length, radius or coordinate of 1 km).
inline constexpr double MaxEingabe = 1'000'000;
inline constexpr const char* MeldungZuGross = "Wert zu groß: höchstens 1 000 000 (bei Längen 1 km).";

/// Mouse modes: what the next click in the drawing area does.
enum class Mausmodus : int {
  Normal = 0,
  GruppeVerbinden = 2,
  Loesen = 3,
  AlsNachfolger = 4,
  GleisEinfuegen = 5,
  Lupe = 7,
  ElementEinfuegen = 9,
  GeoEntfernen = 13,
  GeoVerformen = 14,
  GeoDrehen = 15,
  // The drawing tools: they stay chosen after each track they lay, until Esc or another mode.
  GeradeZiehen = 20,
  BogenZiehen = 21,
  EndenVerbinden = 22,
  Parallelgleis = 23,
  NeuesGleis = 4711,
};

/// Kinds of record in the clipboard: a track, a segment, or the type record of an element.
enum class Kopierart { Keine, Gleis, Bogen, Element };

/// The values copied from the current segment ("kopieren" › value items).
enum class Wert { AnfangX, AnfangY, Anfangswinkel, EndeX, EndeY, Endwinkel };

/// What the window shows and enables after a command.
struct Befehlszustand {
  bool speichern = false;
  bool modulLoeschen = false;
  std::int64_t zoomfeld = 0;
  bool vorigesGleis = false, naechstesGleis = false;
  bool gleisLoeschen = false;
  bool gleisAnfuegen = false;
  bool rueckgaengigLoeschen = false;
  /// Captions "Rückgängig: " and "Wiederherstellen: " with the step's name, or the bare word
  /// when there is no step.
  std::string rueckgaengig, wiederherstellen;
  bool rueckgaengigAktiv = false, wiederherstellenAktiv = false;
  std::string parallelabstand;
  std::vector<std::string> module;  ///< names for the "Module" menu
  std::vector<bool> modulHaken;     ///< check marks: name equals the current module's name
  std::string anfangswinkel, endwinkel, anfangX, anfangY, endeX, endeY;
  std::int32_t pfeilAnfangX = 0, pfeilAnfangY = 0, pfeilEndeX = 0, pfeilEndeY = 0;
  bool bogenFortfuehren = false;  ///< "Bogen bis x/y-Wert fortführen": ordinary tracks only
};

/// What the context menu of the drawing area enables when it opens.
struct Kontextzustand {
  bool bogenTauschen = false;
  bool bogenVerbinden = false;
  /// The kind of the current track's element ("… -> …-Liste"); none for an ordinary track.
  std::optional<Elementart> element;
  /// Kinds of the module's marked elements (a turntable is marked by a click on it).
  std::vector<Elementart> markiert;
  std::string kopierenErstes = "Gleis";  ///< caption of the first copy item
  std::string einfuegen = "Gleis einfügen";
  bool einfuegenAktiv = false;
  /// The current track belongs to an element and a track outside the element remains.
  bool elementEntfernen = false;
};

/// The editor over a document.
class Editor {
 public:
  explicit Editor(Dokument& dokument, Dialoge& dialoge) : dok_(dokument), dialoge_(dialoge) {}

  Dokument& dokument() { return dok_; }
  /// The questions and messages of the commands.
  Dialoge& dialoge() { return dialoge_; }
  Anlage& anlage() { return dok_.anlage(); }
  TModul* modul() { return anlage().AktuellesModul(); }
  TGleis* gleis();
  TBogen* bogen();
  /// The element the current track belongs to, or none. Selects nothing.
  TElement* element();

  // ---- the command layer ----
  /// Runs a command that changes the layout as one undo step named `name`: a copy of the
  /// layout is taken first, the command runs, the current module is computed, and the step
  /// is recorded and the layout marked changed. A command that returns false changed nothing
  /// and records no step; one that throws leaves the layout as it was. A command run by
  /// another command is part of the outer step.
  bool Ausfuehren(const std::string& name, const std::function<bool()>& befehl);
  /// A step whose changes come one by one (a drag): the copy is taken before the first
  /// change, and the step recorded when it ends.
  void SchrittBeginnen();
  void SchrittAbschliessen(const std::string& name);
  /// "Rückgängig" and "Wiederherstellen"; false when there is nothing to take back.
  bool Rueckgaengig();
  bool Wiederherstellen();

  // ---- state ----
  Mausmodus Modus() const { return modus_; }
  /// Sets the mouse mode; every mode but "neues Gleis" ends the new-track mode.
  void ModusSetzen(Mausmodus m);
  /// "neues Gleis" from the context menu: the next click starts a track.
  bool NeuesGleisModus() const { return neuesGleisModus_; }
  void NeuesGleisBeginnen();
  /// Ctrl held.
  bool Strg() const { return strg_; }
  void StrgSetzen(bool s) { strg_ = s; }
  /// Esc pressed during a long run.
  bool OptiAbbruch() const { return optiAbbruch_; }
  void OptiAbbruchSetzen(bool a) { optiAbbruch_ = a; }
  Kopierart KopierArt() const { return kopierart_; }
  const Zeilen& Kopierpuffer() const { return kopierpuffer_; }
  /// The clipboard kind's German name ("Gleis", "Bogen", "Weiche", ...; empty for none).
  std::string KopierName() const;
  const Zeilen& Loeschpuffer() const { return loeschpuffer_; }
  /// The value buffer of "kopieren" › value items and of the fields' "Wert kopieren".
  std::string& Wertpuffer() { return wertpuffer_; }

  /// A typed number: none after a message when the text does not convert or its amount
  /// exceeds MaxEingabe (a length, radius or coordinate beyond 1 km fits no layout and would
  /// put the plan out of reach of the view).
  std::optional<double> Zahl(const std::string& text);

  /// The state of every command after the last one.
  Befehlszustand Zustand();
  /// The context menu's state.
  Kontextzustand Kontext();

  // ---- the view ----
  // The display scale of the current module. It is stored with the module but is a view
  // setting: it records no undo step and does not mark the layout changed, and undo keeps it.
  /// Sets the scale in mm per pixel; a scale the drawing cannot take is refused with
  /// `MeldungMassstab`.
  bool MassstabSetzen(double mmProPixel);
  /// The zoom field's value (tenths of mm per pixel) as the scale.
  bool ZoomSetzen(std::int64_t feldwert);
  /// "+" one field step finer, "−" the coarser scale.
  bool Vergroessern();
  bool Verkleinern();
  /// "Anpassen": the drawing of bildBreite × bildHoehe pixels into sichtBreite × sichtHoehe.
  bool AnsFensterAnpassen(std::int64_t bildBreite, std::int64_t bildHoehe, std::int64_t sichtBreite,
                          std::int64_t sichtHoehe);
  /// A magnifier click with the button: the scale after it; false when refused.
  bool Lupe(Maustaste taste);

  // ---- commands ----
  // Modules.
  void NeuesModul();
  /// Asks "Modul unwiderruflich löschen?"; false when there is only one module or it is kept.
  bool ModulLoeschen();
  void ModulWechseln(int index);

  // Tracks.
  /// Makes module `modul` current and in it the track numbered `nummer` with its first segment
  /// (a selection, no change of the layout); false when there is no such track.
  bool GleisWaehlen(int modul, std::int32_t nummer);
  bool VorigesGleis();
  bool NaechstesGleis();
  /// A new track of one straight of 17.4 m in the prototype's scale from (x, y) in direction
  /// w, with a fresh number, made current. Part of a command (`Ausfuehren`).
  TGleis* NeuesGleisAnlegen(double x, double y, double w);
  /// "neues Gleis an aktuelles Gleis anfügen"; false for a turntable track or no track.
  bool GleisAnfuegen();
  /// "Gleis löschen"; false when the refresh rules disable it.
  bool GleisLoeschen();
  /// "Rückgängig Gleis löschen"; false when nothing is stored.
  bool GleisLoeschenRueckgaengig();

  // Angles and positions by value; texts as typed (decimal comma). False when the text does
  // not convert (the conversion message is shown) or there is no track.
  bool AnfangswinkelSetzen(const std::string& grad);
  bool EndwinkelSetzen(const std::string& grad);
  bool AnfangXSetzen(const std::string& text);
  bool AnfangYSetzen(const std::string& text);
  bool EndeXSetzen(const std::string& text);
  bool EndeYSetzen(const std::string& text);
  /// The rotate buttons and the arrows: the field value cut towards zero to a multiple of 5,
  /// then 5 added (subtracted when runter). Returns the new field text ("40,000").
  static std::string Fuenferschritt(double wert, bool runter);
  /// "Gleis drehen": turns the current group by grad about the current start or end.
  bool GleisDrehen(bool umAnfang, double grad);
  /// "Parallelgleisabstand": the current track's own spacing.
  bool ParallelabstandSetzen(const std::string& text);

  // Clipboard.
  /// "kopieren" › first item: the current track's record.
  bool GleisKopieren();
  /// "kopieren" › "Bogen": the current segment's record.
  bool BogenKopieren();
  /// A value of the current segment, fixed with 3 decimals, into the value buffer; returned.
  std::string WertKopieren(Wert w);
  /// The paste item: a segment goes in after the current one; a track waits for a click
  /// (the mouse mode is returned set).
  bool Einfuegen();
  /// Places the clipboard track with its start at (x, y) (mouse mode 5).
  TGleis* GleisEinfuegenBei(double x, double y);
  // The current track's element; the data windows' tool bars. Each kind says in the kind
  // table and through TElement what turning and flipping mean for it.
  /// "… drehen": the element attached from its next side; false when it cannot turn.
  bool ElementDrehen();
  /// Left-hand and right-hand exchanged ("Linksweiche / Rechtsweiche"); false when the kind
  /// has no sides.
  bool ElementSpiegeln();
  /// "… aus dem Plan entfernen": only while a track outside the element remains.
  bool ElementAusPlanEntfernen();

  // Element libraries (Bibliothek): the commands that change a kind's active list path.
  /// "importieren" › a list: the open dialog and the import; false when cancelled.
  bool ListeImportieren(const TListenart& art);
  /// Before a list window opens: true when the active list reads and the window may show;
  /// otherwise a list was imported in its place (Bibliothek's ListeAufrufen).
  bool ListeAufrufen(const TListenart& art);

  /// Places the clipboard element with its start at (x, y) (mouse mode "Element einfügen")
  /// under the element number `nummer`; false when the clipboard holds no element.
  bool ElementEinfuegenBei(double x, double y, std::int32_t nummer);
  /// Places type record `satz` of kind `art` with its start at (x, y) under number `nummer`.
  bool ElementEinfuegenBei(Elementart art, const Zeilen& satz, double x, double y, std::int32_t nummer);
  // Links.
  /// "alle Verbindungen des markierten Gleises lösen".
  bool AlleVerbindungenLoesen();
  /// "Bogen mit Vorgänger tauschen" and "Bogen mit Nachfolger verbinden".
  bool BogenTauschen();
  bool BogenVerbinden();
  // Libraries.
  /// Places type record `satz` of kind `art`'s list at the end of the current segment (or of
  /// the current element track); a record that does not read or compute is reported and
  /// nothing changes.
  bool ElementEinsetzen(Elementart art, const Zeilen& satz);

 private:
  bool GleisAnfuegenBei(TModul* m, TGleis* c);
  bool GleisLoeschenJetzt();
  /// Fills the copy buffer through `schreiben`; a value that cannot be written is reported and
  /// leaves the buffer empty.
  bool Kopieren(Kopierart art, const std::function<void(Zeilen&)>& schreiben);
  /// After undo or redo: the mouse back to normal, the current module computed.
  void NachVerlauf();
  /// Moves the group so that the start (or end) x (or y) of the current track becomes text.
  bool PunktSetzen(const std::string& text, bool ende, bool senkrecht);
  void GruppeVerschieben(double dx, double dy);
  void GruppeDrehen(double winkel, double cx, double cy);

  Dokument& dok_;
  Dialoge& dialoge_;
  Mausmodus modus_ = Mausmodus::Normal;
  bool neuesGleisModus_ = false;
  Zeilen kopierpuffer_;
  Kopierart kopierart_ = Kopierart::Keine;
  Elementart kopierElement_{};
  std::string wertpuffer_;
  Zeilen loeschpuffer_;
  bool strg_ = false;
  bool optiAbbruch_ = false;
};

}  // namespace trm
