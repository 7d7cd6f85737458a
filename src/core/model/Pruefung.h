// Pruefung: the validator of a layout's internal structure. Tests run it after operations
// that change links; the command-line tool runs it after reading a file.
#pragma once

#include <string>
#include <vector>

namespace trm {

class Anlage;

/// Every fault of the layout's structure, one short German line each; empty when it is sound.
/// Checked: owners of modules, tracks and segments; the segment chains; link groups (own
/// entry once, no duplicates, symmetric, the same members throughout a group); predecessor
/// and successor lists agree and hold no duplicates, a turnout's branch stands beside its
/// main track in every successor list that holds the main track, and an element track follows
/// only beside its element's attached track; every start that follows its predecessor lies on
/// the predecessor's end as last computed (to 1e-6 mm, outside loops of tracks); every referenced
/// track belongs to the layout; element tracks and their flags; current indices. Only reads; a
/// reference is compared by address with the layout's tracks before anything is read through
/// it. Without `lagen` the positions are not checked: a file may store a start away from its
/// predecessor's end (positions are read as stored), which the next propagation closes.
std::vector<std::string> VerbindungenPruefen(const Anlage& a, bool lagen = true);

}  // namespace trm
