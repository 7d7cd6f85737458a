#pragma once
#include <optional>
#include <string>
#include "core/editor/Bahn.h"
namespace trm {
std::optional<TBahn> ParallelBahn(const TGleis& g, double abstand, std::string& grund);
int ParallelSeite(const TGleis& g, double x, double y);
}
