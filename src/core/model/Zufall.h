// The one source of random numbers: new element numbers are drawn from it. Injectable so
// that tests run with a fixed sequence.
#pragma once

#include <cstdint>
#include <random>

namespace trm {

/// Random whole numbers in a closed range.
class Zufall {
 public:
  virtual ~Zufall() = default;
  /// A number in 0..obergrenze (inclusive).
  virtual std::int64_t Ziehen(std::int64_t obergrenze) = 0;
};

/// Mersenne twister, seeded once.
class MersenneZufall : public Zufall {
 public:
  explicit MersenneZufall(std::uint64_t saat) : gen_(saat) {}
  std::int64_t Ziehen(std::int64_t obergrenze) override {
    if (obergrenze <= 0) return 0;
    return std::uniform_int_distribution<std::int64_t>(0, obergrenze)(gen_);
  }

 private:
  std::mt19937_64 gen_;
};

}  // namespace trm
