// TModul: one drawing sheet of the layout with its own tracks and elements.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "core/model/Einstellungen.h"
#include "core/model/Element.h"
#include "core/model/Gleis.h"
#include "core/model/Klonliste.h"

namespace trm {

class Anlage;

/// A module. Owns its tracks (including those that belong to special elements).
class TModul : public EinstellungenLesen<TModul> {
 public:
  explicit TModul(Anlage* anlage = nullptr) : Anlage_(anlage) {}
  TModul& operator=(const TModul&) = delete;

  std::string Name = "Neues Modul";
  double MmProPixel = 0;  ///< display scale: mm of layout per screen pixel
  std::int32_t Breite = 0, Hoehe = 0;  ///< size in mm
  TEinstellungen Eigen;   ///< own settings; -1 = the layout's
  std::int32_t Farbe = -1;  ///< background colour; -1 = the layout's
  bool Aktiv = true;
  Klonliste<TGleis> Gleise;
  Klonliste<TElement> Elemente;  ///< special elements of every kind, each kind in file order
  int AktGleis = 0;
  int AktElement = 0;  ///< the selected element
  std::array<bool, 4> EndMarke{};
  Anlage* Anlage_ = nullptr;  ///< the layout that holds the module

  /// Resolved setting (module, else layout); named getters via the base.
  double Wert(Einstellung e) const;
  /// Background colour of the drawing: own, else the layout's.
  std::int32_t HintergrundFarbe() const;

  /// Number of elements of one kind.
  int Anzahl(Elementart art) const;
  /// The elements of one kind in their order.
  std::vector<TElement*> ElementeDerArt(Elementart art) const;
  /// Index of an element in Elemente, -1 when it is not there.
  int ElementIndex(const TElement* e) const;
  /// Adds an element (kept after the others of its kind and before later kinds).
  TElement* ElementHinzufuegen(std::unique_ptr<TElement> e);
  /// Selects element i: clears Markiert of every element, sets it on i, stores AktElement.
  void ElementWaehlen(int i);

  /// Appends a new track that belongs to this module and returns it.
  TGleis* GleisAnhaengen();
  /// Inserts a new track at index i (0 to the number of tracks) and returns it; the current
  /// track stays the same track.
  TGleis* GleisEinfuegen(int i);
  /// Marks track i as the current one.
  void GleisWaehlen(int i);
  /// The current track, or none when the module has no track at that index.
  TGleis* AktuellesGleis() const;
  /// Removes and destroys track i: tracks that had it as predecessor lose their predecessor
  /// (their start stays where it is), and it leaves every successor list and link group of
  /// the layout and every element's references, so no reference to it survives.
  void GleisEntfernen(int i);
  /// Index of a track in Gleise, -1 when it is not there.
  int GleisIndex(const TGleis* g) const;

  /// A copy of every value of the module, its tracks, segments and elements for layout `a`;
  /// references between tracks still point into the original until `ZeigerUmsetzen`.
  std::unique_ptr<TModul> Klonen(Anlage* a) const;
  /// Enters the copy's tracks and segments (old address → copy) into u.
  void UmsetzungEintragen(const TModul& original, TUmsetzung& u) const;
  /// Points every reference of the copied tracks, segments and elements at the copies.
  void ZeigerUmsetzen(const TUmsetzung& u);

 private:
  TModul(const TModul&) = default;
};

}  // namespace trm
