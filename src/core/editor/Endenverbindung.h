#pragma once
#include <optional>
#include <string>
#include "core/editor/Bahn.h"
namespace trm {
std::optional<TBahn> EndenVerbinden(const TLage& a, const TLage& b, double rMin, TModul& m, std::string& grund);
}
