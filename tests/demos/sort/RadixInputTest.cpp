#include <gtest/gtest.h>

#include "demos/sort/RadixSort.h"

TEST(RadixInput, ListsOfUpToNineNumbersFromZeroTo99AreAccepted) {
  EXPECT_TRUE(RadixListValid(QStringLiteral("27,3,90,45,3,61,8,72,19")));
  EXPECT_TRUE(RadixListValid(QStringLiteral(" 5 , 50,,15")));
  EXPECT_TRUE(RadixListValid(QString()));
  EXPECT_FALSE(RadixListValid(QStringLiteral("100,1"))) << "100 has no tens queue";
  EXPECT_FALSE(RadixListValid(QStringLiteral("-5")));
  EXPECT_FALSE(RadixListValid(QStringLiteral("a,1")));
  EXPECT_FALSE(RadixListValid(QStringLiteral("1 2")));
  EXPECT_TRUE(RadixListValid(QStringLiteral("1,2,3,4,5,6,7,8,9,10"))) << "ten numbers: the first nine are sorted";
  EXPECT_FALSE(RadixListValid(QStringLiteral("1,2,3,4,5,6,7,8,9,100"))) << "a tenth number is still a number 0..99";
}

TEST(RadixInput, NextNumberTakesTheTextUpToTheComma) {
  QString list = QStringLiteral("27,3,,90");
  EXPECT_EQ(NextNumber(list), 27);
  EXPECT_EQ(list, QStringLiteral("3,,90"));
  EXPECT_EQ(NextNumber(list), 3);
  EXPECT_EQ(NextNumber(list), 0) << "an empty item is 0";
  EXPECT_EQ(NextNumber(list), 90);
  EXPECT_TRUE(list.isEmpty());
  EXPECT_EQ(NextNumber(list), 0) << "a missing item is 0";
}
