// TGleis: a track, a chain of segments from a start point and direction, with its settings,
// identity and its links to other tracks (references only).
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "core/model/Bogen.h"
#include "core/model/Element.h"
#include "core/model/Klonliste.h"
#include "core/model/Einstellungen.h"
#include "core/model/Geometrie.h"

namespace trm {

class TModul;

std::unique_ptr<TBogen> Kopie(const TBogen& b);
std::unique_ptr<TElement> Kopie(const TElement& e);

/// A track. Owns its segments; Verbund, Nachfolger and Vorgaenger are references.
class TGleis : public EinstellungenLesen<TGleis> {
 public:
  explicit TGleis(TModul* modul = nullptr) : Modul(modul) { Verbund.push_back(this); }
  TGleis& operator=(const TGleis&) = delete;

  std::string Name = "Gleis";
  double XAnf = 0, YAnf = 0;
  double ZAnfWert = -1;  ///< stored start height; -1 reads as 0
  TEinstellungen Eigen;  ///< own settings; -1 = the module's
  std::int32_t Farbe = 0;  ///< track colour, never inherited
  bool Markiert = true;
  std::string GlsTyp = "00";  ///< '1' at 1: turnout track; '1' at 2: turntable track
  Klonliste<TBogen> Boegen;
  std::vector<TPunkt> AnfP;  ///< corners of the start marker, from the last geometry pass
  std::int32_t Nummer = 0;
  std::string VerbundNummern;  ///< link group numbers as an element gives them, each followed by "#"
  /// Link group numbers of a track record, parsed once on reading; emptied once the links are
  /// built.
  std::vector<std::int32_t> VerbundGelesen;
  std::int32_t WeichenNr = 0;
  int AktBogen = 0;
  std::vector<TGleis*> Verbund;     ///< link group; always holds the track itself
  std::vector<TGleis*> Nachfolger;  ///< tracks whose start is attached to this end
  TGleis* Vorgaenger = nullptr;     ///< track whose end this start is attached to
  std::int32_t VorgaengerNr = -1;   ///< predecessor number as read; -1 none
  bool KrGleis = false;
  std::int32_t KrNr = 0;
  bool DSGleis = false;
  TModul* Modul = nullptr;  ///< the module that holds the track
  TElement* Element = nullptr;  ///< the special element the track belongs to, or none
  /// Scratch mark of the link algorithms: the number of the pass that marked the track last.
  /// Means nothing outside one operation.
  std::uint64_t Marke = 0;

  double ZAnf() const { return ZAnfWert == -1 ? 0.0 : ZAnfWert; }
  double WAnf() const { return wAnf_; }
  /// Stores the start direction normalised.
  void SetWAnf(double w) { wAnf_ = WinkelNorm(w); }

  // End of the track: the end of its last segment (the track must have one).
  double XEnde() const;
  double YEnde() const;
  double ZEnde() const;
  double WEnde() const;

  /// Resolved setting (track, else module, else layout); named getters via the base.
  double Wert(Einstellung e) const;

  bool IstWeichengleis() const { return GlsTyp.size() > 0 && GlsTyp[0] == '1'; }
  void SetWeichengleis(bool w);
  /// Sets DSGleis and keeps GlsTyp character 2 equal to it.
  void SetDSGleis(bool d);
  /// Ordinary tracks are written as track records; element tracks come from their elements.
  bool IstGewoehnlich() const { return !IstWeichengleis() && !KrGleis; }

  /// Appends a segment: sets its track, predecessor and index. Returns it.
  TBogen* BogenAnhaengen(std::unique_ptr<TBogen> b);
  /// Rebuilds the Vorgaenger references after segments were inserted, removed or moved.
  void BogenVorgaengerNeu();
  /// Marks segment i of this track as the current one (clears all marks of the module).
  void BogenWaehlen(int i);
  /// The current segment, or none.
  TBogen* AktuellerBogen() const;

  /// Computes the points of every segment in order.
  void PunkteBerechnen();
  /// Computes the points unless every input is what it was at a computation that repeated
  /// itself: the points depend only on the start, the segments' radii, lengths, gradients,
  /// roundings and sleeper spacings, and (for roundings) the heights of the pass before.
  /// Returns true if computed.
  bool PunkteBerechnenWennNoetig();
  /// Puts the start at (x, y) in direction w and moves the points along as a rigid body when
  /// nothing but the start changed since they were computed (turned and shifted: the same
  /// geometry to within rounding, at a fraction of the cost); otherwise computes them. The
  /// next geometry pass computes moved points afresh.
  void Versetzen(double x, double y, double w);

 /// A copy of every value; links still point at the original's tracks.
  friend std::unique_ptr<TGleis> Kopie(const TGleis& g);
  /// Points the copy's links, segments and element at the copies of module m.
  void ZeigerUmsetzen(const TUmsetzung& u, TModul* m);

 private:
  TGleis(const TGleis&) = default;
  /// The inputs of the points: start, then radii, length, gradient and spacing of each segment.
  std::vector<double> Eingaben() const;
  /// The segments are those the points were computed for, with the same inputs but the start.
  bool FormWieBerechnet() const;

  double wAnf_ = 0;
  std::vector<double> berechnetFuer_;  ///< the inputs of the last computation that repeated itself
  std::vector<double> punkteFuer_;     ///< the inputs the points stand for (computed or moved)
  std::vector<const TBogen*> boegenFuer_;  ///< the segments holding those points
};

}  // namespace trm
