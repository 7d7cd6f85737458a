// The geometry editor's decisions: the tools, the mouse on the millimetre drawing area with
// snapping, the fields, zoom, the drawing (rulers, grid, cross-hair, elements, reference
// marker) and the component list in memory with its commands.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/geometry/Geo.h"

namespace trm {

class Canvas;

/// The editor's number fields.
enum class Geofeld { X, Y, BezugX, BezugY, Drehen, Stiftbreite, Breite, Hoehe, Raster, Schritt };

/// Tools: 0 line, 1 polygon, 2 Bezier, 3 circle, 4 eraser, 5 pointer, 6 move point, 7 rotate.
enum Geowerkzeug : int { WzLinie = 0, WzPolygon, WzBezier, WzKreis, WzRadierer, WzZeiger, WzPunkt, WzDrehen };

class TGeoEditor {
 public:
  int Modus = WzZeiger;
  double MmProPixel = 0.75;
  double Breite = 400, Hoehe = 400;
  double Raster = 10;
  double Schritt = 1;
  bool ausrichten = false, rasterZeigen = false, fadenkreuzZeigen = false;
  TGeopunkt Bezugspunkt;
  std::vector<TGeoElement> Arbeitsliste;
  Zeilen Listentext;
  std::vector<std::string> Namensliste;
  std::string Name = "neues Element";
  int fadenX = -1, fadenY = -1;  ///< cross-hair pixel; -1 outside the drawing

  /// Every opening starts empty.
  void Oeffnen();
  int BildBreite() const;
  int BildHoehe() const;
  double PixelZuX(int px) const { return px * MmProPixel; }
  double PixelZuY(int py) const { return (BildHoehe() - py) * MmProPixel; }
  PixelPunkt Pixel(double x, double y) const;
  /// Rounds to the step when it exceeds 0.09.
  double Ausrichten(double v) const;

  /// A tool button: drops unfinished elements; a drawing tool starts a new selected element.
  void Werkzeug(int modus);
  /// Mouse on the drawing area (pixels); `rechts` for the right button.
  void Druecken(int px, int py, bool rechts);
  void Bewegen(int px, int py);
  void Loslassen();
  /// The first selected element, or none.
  TGeoElement* Gewaehlt();

  // Fields.
  /// A typed value of field f: applied, or refused with the German message (nothing changes).
  /// Sizes, the grid and points stay within what the drawing area can show.
  std::optional<std::string> FeldSetzen(Geofeld f, double wert);
  bool PunktSetzen(bool x, double wert);
  void BezugSetzen(double x, double y) { Bezugspunkt = {x, y, 0, 0}; }
  /// "um aktuellen Punkt drehen" by grad.
  void Drehen(double grad);
  void NaechsterPunkt();
  void Vergroessern();
  void Verkleinern() { MmProPixel += 0.1; }

  // The component list in memory.
  void NeueListe();
  /// Reads the list file's lines; the names up to a fault are kept. Throws LeseFehler.
  void ListeLaden(const Zeilen& z);
  /// "Element ersetzen / zur Liste hinzufügen" at `auswahl` (none: append).
  void Hinzufuegen(std::optional<std::size_t> auswahl);
  void Entfernen(std::size_t auswahl);
  /// Double click on a name: its component on the drawing area.
  void Laden(std::size_t auswahl);

  void Zeichnen(Canvas& c) const;

  /// Work that closing would lose: a drawing not taken into the list as it stands, or a list
  /// changed since it was opened or saved.
  bool Ungesichert() const;
  /// The list was written to a file.
  void Gesichert() { gesicherteListe_ = Listentext; }
  /// Before the list is saved on closing: a drawing not in the list as it stands is added (or
  /// replaces component `auswahl`).
  void ZeichnungUebernehmen(std::optional<std::size_t> auswahl);

 private:
  /// The finished elements of the drawing as records, with the reference point and name.
  Zeilen Zeichnung() const;
  Zeilen gesicherteListe_;  ///< the list as last opened or saved
  Zeilen gezeichnet_;       ///< the drawing as last taken into the list or loaded from it
  std::vector<TGeo> Komponenten() const;
  void ListeSchreiben(const std::vector<TGeo>& liste);
  bool zeichnend_ = false, ziehend_ = false;
  int druckX_ = 0, druckY_ = 0;
  double druckMx_ = 0, druckMy_ = 0;
  TGeopunkte start_;
};

}  // namespace trm
