// Tests of the "#"-list codecs and the one-word element codes.
#include <gtest/gtest.h>

#include <limits>

#include "core/model/Fehler.h"
#include "core/model/Listen.h"

namespace trm {
namespace {

using Items = std::vector<std::string>;

TEST(ListenTeilen, TrailingHashAndSeparators) {
  EXPECT_EQ(ListeTeilen("3#17#"), (Items{"3", "17"}));
  EXPECT_EQ(ListeTeilen("3#17"), (Items{"3", "17"}));
  EXPECT_TRUE(ListeTeilen("").empty());
  EXPECT_TRUE(ListeTeilen("#").empty());
  EXPECT_TRUE(ListeTeilen("  \r").empty());
  // Only one trailing "#" is removed; the second one closes an empty item.
  EXPECT_EQ(ListeTeilen("a##"), (Items{"a", ""}));
  EXPECT_EQ(ListeTeilen("a##b"), (Items{"a", "", "b"}));
  EXPECT_EQ(ListeTeilen("#a"), (Items{"", "a"}));
}

TEST(ListenTeilen, BlanksAndControlCharactersSeparate) {
  EXPECT_EQ(ListeTeilen("1 2#3"), (Items{"1", "2", "3"}));
  // A blank run next to a "#" is one separator, leading and trailing blanks vanish.
  EXPECT_EQ(ListeTeilen(" 1 # 2 #\r"), (Items{"1", "2"}));
  EXPECT_EQ(ListeTeilen("3#17#\r"), (Items{"3", "17"}));
  EXPECT_EQ(ListeTeilen(std::string_view("1\0002", 3)), (Items{"1", "2"}));
}

TEST(ListenTeilen, QuotedItems) {
  EXPECT_EQ(ListeTeilen("\"a b#c\"#d#"), (Items{"a b#c", "d"}));
  EXPECT_EQ(ListeTeilen("\"sag \"\"ja\"\"\""), (Items{"sag \"ja\""}));
  EXPECT_EQ(ListeTeilen("\"ab\"cd#e"), (Items{"ab", "cd", "e"}));
  EXPECT_EQ(ListeTeilen("\"offen bis"), (Items{"offen bis"}));
  EXPECT_EQ(ListeTeilen("\"\"#x"), (Items{"", "x"}));
}

TEST(ListenSchreiben, Lists) {
  EXPECT_EQ(IntListeText({3, 17}), "3#17#");
  EXPECT_EQ(IntListeText({}), "");
  EXPECT_EQ(VierRealsText(1.5, 0, -2, 1.0 / 3), "1,5#0#-2#0,333333333333333#");
  EXPECT_EQ(PaarListeText({{1.5, 2}, {3, 4}}), "1,5#2#3#4#");
  EXPECT_EQ(PaarListeText({}), "");
  EXPECT_EQ(PaarListeOderNilText({}), "NIL");

  std::array<std::int32_t, 16> slots{};
  for (int i = 0; i < 16; ++i) slots[i] = i * 1000;
  slots[15] = 0xFFFFFF;
  EXPECT_EQ(FarbslotsText(slots),
            "0#1000#2000#3000#4000#5000#6000#7000#8000#9000#10000#11000#12000#13000#14000#"
            "16777215#");
  EXPECT_EQ(FarbslotsLesen(FarbslotsText(slots)), slots);
}

TEST(ListenLesen, IntegerAndRealLists) {
  EXPECT_EQ(IntListeLesen("3#17#"), (TIndexARR{3, 17}));
  EXPECT_EQ(IntListeLesen("3#17"), (TIDsARR{3, 17}));
  EXPECT_TRUE(IntListeLesen("").empty());
  EXPECT_EQ(RealListeLesen("1,5#-0,25#1E-7#"), (T1D_ARR{1.5, -0.25, 1e-7}));
}

TEST(ListenLesen, LongIntegerListsKeepEachNumberOnce) {
  // Short lists come as written; the caller takes each number once.
  EXPECT_EQ(IntListeEinmalLesen("5#3#5#"), (TIDsARR{5, 3, 5}));
  // A track naming itself a million times reads into one entry; order of first places kept.
  std::string lang = "9#";
  for (int i = 0; i < 1000000; ++i) lang += i % 3 == 0 ? "7#" : "8#";
  lang += "\"9\"#6#";
  EXPECT_EQ(IntListeEinmalLesen(lang), (TIDsARR{9, 7, 8, 6}));
  // The same errors as the plain reader, also behind thousands of good items.
  EXPECT_THROW(IntListeEinmalLesen(lang + "x#"), LeseFehler);
  EXPECT_THROW(IntListeLesen(lang + "x#"), LeseFehler);
}

TEST(ListenLesen, PairLists) {
  EXPECT_EQ(PaarListeOderNilLesen("1,5#2#3#4#"), (TSwLen{{1.5, 2}, {3, 4}}));
  EXPECT_TRUE(PaarListeOderNilLesen("NIL").empty());
  EXPECT_TRUE(PaarListeOderNilLesen("NIL\r").empty());
  EXPECT_EQ(PaarListeLesen("1,5#2#3#4#"), (TSwAbstARR{{1.5, 2}, {3, 4}}));
  // The odd last item is ignored without being converted.
  EXPECT_EQ(PunktListeLesen("1#2#3#"), (T2D_ARR{{1, 2}}));
  EXPECT_EQ(PunktListeLesen("1#2#x#"), (T2D_ARR{{1, 2}}));
  EXPECT_TRUE(PunktListeLesen("1#").empty());

  const TSwLen zeilen{{12.25, 0.5}, {-3, 1e-7}};
  EXPECT_EQ(PaarListeOderNilLesen(PaarListeOderNilText(zeilen)), zeilen);
}

TEST(ListenLesen, FourReals) {
  EXPECT_EQ(VierRealsLesen("1#2#3,5#-4#"), (std::array<double, 4>{1, 2, 3.5, -4}));
  EXPECT_EQ(VierRealsLesen("1#2#3#"), (std::array<double, 4>{0, 0, 0, 0}));
  EXPECT_EQ(VierRealsLesen("1#2#3#4#5#"), (std::array<double, 4>{0, 0, 0, 0}));
  EXPECT_EQ(VierRealsLesen(""), (std::array<double, 4>{0, 0, 0, 0}));
  EXPECT_EQ(VierRealsLesen(VierRealsText(0.1, 200, 1.0 / 3, -1e20)),
            (std::array<double, 4>{0.1, 200, 0.333333333333333, -1e20}));
}

TEST(ListenLesen, NthItem) {
  EXPECT_EQ(NtesItemLesen("-1", 3), -1);
  EXPECT_EQ(NtesItemLesen("4#8#15#", 0), 4);
  EXPECT_EQ(NtesItemLesen("4#8#15#", 2), 15);
  EXPECT_THROW(NtesItemLesen("4#8#15#", 3), LeseFehler);
  EXPECT_THROW(NtesItemLesen("4#8#15#", -1), LeseFehler);
  EXPECT_THROW(NtesItemLesen("", 0), LeseFehler);
}

TEST(ListenLesen, BadItemsThrowNamingTheItem) {
  try {
    IntListeLesen("3#x7#");
    FAIL() << "no LeseFehler";
  } catch (const LeseFehler& f) {
    EXPECT_NE(std::string(f.what()).find("x7"), std::string::npos) << f.what();
  }
  EXPECT_THROW(RealListeLesen("1.5#"), LeseFehler);  // decimal point is not accepted
  EXPECT_THROW(IntListeLesen("1##2"), LeseFehler);   // empty item
  EXPECT_THROW(PaarListeLesen("1#y#"), LeseFehler);
  EXPECT_THROW(VierRealsLesen("1#2#3#vier#"), LeseFehler);
  EXPECT_THROW(NtesItemLesen("1#zwei#", 1), LeseFehler);
}

TEST(ListenLesen, ColourSlots) {
  const std::string text = "1#2#3#4#5#6#7#8#9#10#11#12#13#14#15#16#17#";
  const auto slots = FarbslotsLesen(text);
  EXPECT_EQ(slots[0], 1);
  EXPECT_EQ(slots[15], 16);
  EXPECT_THROW(FarbslotsLesen("1#2#3#"), LeseFehler);
  EXPECT_THROW(FarbslotsLesen(""), LeseFehler);
}

TEST(ListenCodes, WriteAndRead) {
  EXPECT_EQ(RealOderUnendlichText(-std::numeric_limits<double>::infinity()), "0");
  EXPECT_EQ(RealOderUnendlichText(-250.5), "-250,5");
  EXPECT_EQ(FlagText(2), "");
  EXPECT_EQ(FlagText(-1), "");
  for (int w : {0, 1}) {
    EXPECT_EQ(FlagLesen(FlagText(w)), w);
    EXPECT_EQ(SeiteLesen(SeiteText(w)), w);
    EXPECT_EQ(FormLesen(FormText(w)), w);
  }
  EXPECT_EQ(SeiteText(1), "innen");
  EXPECT_EQ(FormText(1), "kr");
  // Anything unknown reads as 0; surrounding blanks (a left-over "\r") do not matter.
  EXPECT_EQ(FlagLesen("-1"), 0);
  EXPECT_EQ(SeiteLesen("Innen"), 0);
  EXPECT_EQ(FormLesen("x"), 0);
  EXPECT_EQ(SeiteLesen("innen\r"), 1);
}

}  // namespace
}  // namespace trm
