// A list of owned objects that copies deeply: copying the list copies every object through
// `Kopie` (a plain copy, or a kind's own copy for polymorphic objects). Used where the undo
// history copies a whole layout.
#pragma once

#include <memory>
#include <vector>

namespace trm {

template <class T>
class Klonliste : public std::vector<std::unique_ptr<T>> {
 public:
  using Basis = std::vector<std::unique_ptr<T>>;
  Klonliste() = default;
  Klonliste(Klonliste&&) noexcept = default;
  Klonliste& operator=(Klonliste&&) noexcept = default;
  Klonliste(const Klonliste& o) : Basis() {
    this->reserve(o.size());
    for (const auto& p : o) this->push_back(p ? Kopie(*p) : nullptr);
  }
  Klonliste(Basis&& b) noexcept : Basis(std::move(b)) {}
  Klonliste& operator=(Basis&& b) noexcept {
    Basis::operator=(std::move(b));
    return *this;
  }
  Klonliste& operator=(const Klonliste& o) {
    if (this != &o) *this = Klonliste(o);
    return *this;
  }
};

}  // namespace trm
