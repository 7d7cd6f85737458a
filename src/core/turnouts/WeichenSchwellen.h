// Sleeper plans of turnouts: the automatic plan from the geometry and the sleeper settings, the
// sleeper centre points along both tracks, the outlines laid from them, and the checks of a
// plan that a record or the sleeper editor hands in.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "core/turnouts/Weiche.h"

namespace trm {

/// The sleeper distances of the three arc pairs (SwAbst1, SwAbst2, SwAbst3): per entry the
/// distance along the main track (x) and along the branch track (y) from the previous sleeper.
using TSchwellenpaare = std::array<TSwAbstARR, 3>;

/// What a sleeper plan consists of: distances, user lengths and the perpendicular sleepers.
struct TSchwellenplan {
  TSchwellenpaare Paare;
  TSwLen SwLaengen;
  std::int32_t SenkrechtBis = 0;
  bool operator==(const TSchwellenplan&) const = default;
};

/// A distance that marks "no sleeper on this track" (pair 3, after one track has ended).
inline constexpr double KeineSchwelle = -1;

/// Most entries of a plan (and of its user lengths). An automatic plan that would need more is
/// left empty; a record with more is refused.
inline constexpr std::size_t MaxSchwellen = 5000;

/// Where a laid sleeper lies: under both tracks, or under one of them.
enum class Schwellenlage { Gemeinsam, Stamm, Zweig };

/// One laid sleeper.
struct TSchwelle {
  TSchwellenumriss Ecken;  ///< in the corner order of the outlines
  std::size_t Index = 0;   ///< plan index (entries of pair 1, then 2, then 3)
  Schwellenlage Lage = Schwellenlage::Gemeinsam;
  double Laenge = 0;  ///< length along its long axis
};

/// Prototype decimetres rounded down: floor(x·M/100)·100/M; x itself without a usable scale.
double DmAbrunden(double x, double massstab);
/// Prototype decimetres rounded to the nearest (halves to even) whole number, in millimetres.
double DmRunden(double x, double massstab);

/// The plan the turnout holds now.
TSchwellenplan Schwellenplan(const TEWeiche& w);

/// The automatic plan from the current segment lengths and radii of w, its spacing, sleeper
/// width, double sleepers, start and end distances and SenkrechtBis. Empty when the spacing is
/// not positive or the plan would need more than MaxSchwellen entries.
TSchwellenpaare SchwellenplanAuto(const TEWeiche& w);

/// Centre points of the sleepers along the main and the branch track.
struct TSchwellenmitten {
  TSchwellenpunkte Stamm, Zweig;
};

/// The centre points of plan p, laid along each track from the turnout's point end. A negative
/// distance gives no sleeper, nor does any later entry of that track in the same pair.
TSchwellenmitten Schwellenmitten(const TEWeiche& w, const TSchwellenpaare& p);

/// The sleepers from the centre points: a common sleeper where the two tracks lie close enough
/// for the maximum length, two sleepers (main first) further on; user lengths from `laengen`
/// where their marker is negative.
std::vector<TSchwelle> SchwellenLegen(const TEWeiche& w, const TSchwellenmitten& m,
                                      const TSwLen& laengen);

/// The branch position where the normal of the main track at main position x meets the branch
/// (first pair, stored radii rs and rz of the turnout).
double SenkrechtAufZweig(double x, double rs, double rz);

/// The pair-1 branch distances of p recomputed from its main distances (the sleeper editor
/// after a change): entries below SenkrechtBis by the perpendicular rule, the others fan-shaped;
/// pair 2 takes the main distances, pair 3 where both tracks have a sleeper.
void ZweigAbstaendeNeu(const TEWeiche& w, TSchwellenplan& p);

/// Whether the distances of every pair end within its segments, allowing for what the
/// automatic plan itself reaches beyond them (2 % and 1 mm).
bool SchwellenplanPasst(const TEWeiche& w, const TSchwellenpaare& p);

/// The warning after a change that leaves a user-defined plan longer than the turnout.
inline constexpr const char* MeldungPlanPasstNicht =
    "Der benutzerdefinierte Schwellenplan passt nicht zur Weiche: seine Schwellenabstände reichen "
    "über "
    "die Bögen hinaus.\n\rBitte passen Sie ihn im Schwelleneditor an oder wählen Sie den "
    "Schwellenplan "
    "\"automatisch\".";

}  // namespace trm
