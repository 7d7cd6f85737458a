// What the sleepers of a layout may cost. A segment's points and an element's sleeper plan
// hold a value per sleeper, so a few bytes of file could ask for gigabytes: the readers count
// the sleepers record by record and refuse a layout beyond what a real one holds, and the
// writer refuses what would not read again.
#pragma once

#include <cstddef>
#include <string>

namespace trm {

class Anlage;
class TBogen;
class TElement;
class TGleis;

/// The sleepers the points of a segment hold: length over resolved spacing; 0 when that is no
/// number, not positive or beyond MaxSchwellenJeBogen (the segment then has start and end only).
double Schwellenzahl(const TBogen& b);

/// The message for a segment of a track record beyond MaxSchwellenJeBogen, else empty.
std::string ZuVieleSchwellenImBogen(const TBogen& b);

/// The sleepers of a layout counted in file order: track records, then element records, module
/// by module. The points of all segments may reach Grundmenge and JeBogen more per segment
/// counted so far; the sleeper plans of elements, which cost more per sleeper, PlanGrundmenge
/// and JePlan more per element; each at most Hoechstens. So a layout of 20 000 segments (some
/// 15 km of H0 track) may hold 2 200 000 sleepers, one of 1 000 turnouts 150 000 in their plans
/// (the plans of the shipped types hold 16 to 54).
class Schwellenbudget {
 public:
  static constexpr double Grundmenge = 200'000;
  static constexpr double JeBogen = 100;
  static constexpr double PlanGrundmenge = 50'000;
  static constexpr double JePlan = 100;
  static constexpr double Hoechstens = 10'000'000;

  /// Counts the segments of an ordinary track.
  void Gleis(const TGleis& g);
  /// Counts the segments of an element's tracks and the outlines of its sleeper plan; a segment
  /// beyond MaxSchwellenJeBogen exceeds the bounds.
  void Element(const TElement& e);
  /// Empty while the counts are within bounds; else the German message.
  std::string Ueberschritten() const;

 private:
  double schwellen_ = 0;
  double boegen_ = 0;
  double plan_ = 0;
  double elemente_ = 0;
  std::string zuViele_;  ///< the first element's segment beyond MaxSchwellenJeBogen
};

/// Counts the whole layout as the reader does: the message for the first segment or record
/// beyond the bounds, naming its track or element; empty when the layout is within them.
std::string SchwellenUeberschritten(const Anlage& a);

}  // namespace trm
