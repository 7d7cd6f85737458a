// TModul: one drawing sheet of the layout with its own tracks and, later, its elements.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "core/model/Einstellungen.h"
#include "core/model/Element.h"
#include "core/model/Gleis.h"

namespace trm {

class Anlage;

/// A module. Owns its tracks (including those that belong to special elements).
class TModul : public EinstellungenLesen<TModul> {
 public:
  explicit TModul(Anlage* anlage = nullptr) : Anlage_(anlage) {}
  TModul(const TModul&) = delete;
  TModul& operator=(const TModul&) = delete;

  std::string Name = "Neues Modul";
  double MmProPixel = 0;  ///< display scale: mm of layout per screen pixel
  std::int32_t Breite = 0, Hoehe = 0;  ///< size in mm
  TEinstellungen Eigen;   ///< own settings; -1 = the layout's
  std::int32_t Farbe = -1;  ///< background colour; -1 = the layout's
  bool Aktiv = true;
  std::vector<std::unique_ptr<TGleis>> Gleise;
  std::vector<std::unique_ptr<TElement>> Weichen;     ///< turnouts
  std::vector<std::unique_ptr<TElement>> Kreuzungen;  ///< crossings
  std::vector<std::unique_ptr<TElement>> EKWs;        ///< single slips
  std::vector<std::unique_ptr<TElement>> DKWs;        ///< double slips
  int AktGleis = 0;
  int AktWeiche = 0;
  std::array<bool, 4> EndMarke{};
  Anlage* Anlage_ = nullptr;  ///< the layout that holds the module

  /// Resolved setting (module, else layout); named getters via the base.
  double Wert(Einstellung e) const;
  /// Background colour of the drawing: own, else the layout's.
  std::int32_t HintergrundFarbe() const;

  // Element counts.
  int AnzahlWeichen() const { return static_cast<int>(Weichen.size()); }
  int AnzahlKreuzungen() const { return static_cast<int>(Kreuzungen.size()); }
  int AnzahlEKWs() const { return static_cast<int>(EKWs.size()); }
  int AnzahlDKWs() const { return static_cast<int>(DKWs.size()); }
  /// The turnout whose number is the track's `WeichenNr` (the last match), or none.
  TElement* WeicheVon(const TGleis& g) const;
  /// The crossing or slip whose number is the track's `KrNr`: crossings, then single slips,
  /// then double slips are searched and the last match wins; none when there is none.
  TElement* KreuzungVon(const TGleis& g) const;

  /// Appends a new track that belongs to this module and returns it.
  TGleis* GleisAnhaengen();
  /// Marks track i as the current one.
  void GleisWaehlen(int i);
  /// The current track, or none when the module has no track at that index.
  TGleis* AktuellesGleis() const;
  /// Removes and destroys track i: tracks that had it as predecessor lose their predecessor
  /// (their start stays where it is), and it leaves every successor list and link group of
  /// the layout, so no reference to it survives.
  void GleisEntfernen(int i);
  /// Index of a track in Gleise, -1 when it is not there.
  int GleisIndex(const TGleis* g) const;
};

}  // namespace trm
