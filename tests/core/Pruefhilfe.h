// ERWARTE_GESUND: the expectation, after an operation, that the layout's structure is sound;
// a failure lists every fault the validator found.
#pragma once

#include <gtest/gtest.h>

#include "core/model/Anlage.h"
#include "core/model/Pruefung.h"

namespace trm::test {

inline ::testing::AssertionResult Gesund(const Anlage& a) {
  const std::vector<std::string> fehler = VerbindungenPruefen(a);
  if (fehler.empty()) return ::testing::AssertionSuccess();
  ::testing::AssertionResult r = ::testing::AssertionFailure();
  r << fehler.size() << " Fehler im Gefüge der Anlage:";
  for (const std::string& f : fehler) r << "\n  " << f;
  return r;
}

}  // namespace trm::test

#define ERWARTE_GESUND(anlage) EXPECT_TRUE(::trm::test::Gesund(anlage))
