// The calendar library on its edge values, against a plain day-by-day walk
// (invalid dates included) and against the standard library's calendar.
#include "data.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <random>

#include "oracles.h"

namespace {

namespace ch = std::chrono;

using prova::passeja;

std::int64_t dies_calendari(int d, int m, int a) {
  return ch::sys_days {ch::year {a} / ch::month {static_cast<unsigned>(m)} / ch::day {static_cast<unsigned>(d)}}
      .time_since_epoch()
      .count();
}

TEST(Data, LeapYearsMonthsAndValidity) {
  EXPECT_EQ(bixest(2000), 1);
  EXPECT_EQ(bixest(1900), 0);
  EXPECT_EQ(bixest(2004), 1);
  EXPECT_EQ(bixest(2006), 0);
  EXPECT_EQ(bixest(0), 1);
  EXPECT_EQ(bixest(-4), 1);
  EXPECT_EQ(bixest(-100), 0);
  EXPECT_EQ(dies_mes(2, 2004), 29);
  EXPECT_EQ(dies_mes(2, 1900), 28);
  EXPECT_EQ(dies_mes(11, 2006), 30);
  EXPECT_EQ(dies_mes(1, 2006), 31);
  EXPECT_EQ(dies_mes(13, 2006), 0);
  EXPECT_EQ(dies_mes(0, 2006), 0);
  EXPECT_EQ(data_valida(29, 2, 2007), 0);
  EXPECT_EQ(data_valida(29, 2, 2008), 1);
  EXPECT_EQ(data_valida(0, 5, 2007), 0);
  EXPECT_EQ(data_valida(31, 4, 2007), 0);
  EXPECT_EQ(data_valida(31, 12, -5), 1);
  EXPECT_EQ(data_anterior(5, 5, 2005, 5, 5, 2005), 1);
  EXPECT_EQ(data_anterior(31, 12, 2006, 1, 1, 2007), 1);
  EXPECT_EQ(data_anterior(1, 1, 2007, 31, 12, 2006), 0);
  EXPECT_EQ(data_anterior(40, 1, 2007, 1, 2, 2007), 1);  // not validated
  for (int a = 1; a <= 9999; a += 37)
    for (int m = 1; m <= 12; m++)
      for (int d = 28; d <= 32; d++)
        ASSERT_EQ(data_valida(d, m, a) == 1, (ch::year {a} / m / d).ok()) << d << "/" << m << "/" << a;
}

TEST(Data, DayCountsOnTheirEdges) {
  EXPECT_EQ(dies_transcorreguts(1, 1, 2006, 1, 1, 2007), 365);
  EXPECT_EQ(dies_transcorreguts(1, 1, 2004, 1, 1, 2005), 366);
  EXPECT_EQ(dies_transcorreguts(28, 2, 2007, 1, 3, 2007), 1);
  EXPECT_EQ(dies_transcorreguts(1, 3, 2007, 28, 2, 2007), 1);
  EXPECT_EQ(dies_transcorreguts(9, 9, 1999, 9, 9, 1999), 0);
  EXPECT_EQ(dies_transcorreguts(1, 1, 2006, 31, 12, 2006), 364);
  EXPECT_EQ(dies_transcorreguts(1, 1, 0, 1, 1, 99), 36160);
  EXPECT_EQ(dies_transcorreguts(1, 1, 1, 31, 12, 9999), 3652058);
  // Invalid dates as the walk takes them.
  struct {
    int d1, m1, a1, d2, m2, a2;
    // clang-format off
  } casos[] = {
      {40, 1, 2006, 5, 2, 2006}, {0, 5, 2007, 2, 5, 2007},   {-5, 3, 2000, 2, 3, 2000},
      {10, 13, 2006, 3, 1, 2007}, {-3, 13, 2006, 2, 1, 2007}, {1, 0, 2006, 1, 1, 2006},
      {7, -4, 2006, 3, 2, 2006},  {-6, -2, 2006, 1, 1, 2006}, {29, 2, 2007, 31, 3, 2007},
      {5, 5, 2005, 40, 5, 2005},  {5, 5, 2005, 0, 6, 2005},   {5, 5, 2005, 3, 14, 2005},
      {5, 5, 2005, 3, -1, 2006},  {3, 0, 2005, 2, 0, 2005},   {1, -7, 2005, 1, -3, 2005},
      {31, 12, 2005, 0, 0, 2006}, {0, 0, 0, 0, 0, 0},         {-9, 14, 1, -2, 1, 2},
  };
  // clang-format on
  for (const auto &c : casos)
    EXPECT_EQ(dies_transcorreguts(c.d1, c.m1, c.a1, c.d2, c.m2, c.a2), passeja(c.d1, c.m1, c.a1, c.d2, c.m2, c.a2))
        << c.d1 << "/" << c.m1 << "/" << c.a1 << " " << c.d2 << "/" << c.m2 << "/" << c.a2;
}

TEST(Data, DayCountsMatchTheWalkForAnyDates) {
  std::mt19937 atzar(2006);
  auto entre = [&](int a, int b) { return std::uniform_int_distribution<int>(a, b)(atzar); };
  for (int i = 0; i < 20000; i++) {
    int any = entre(-50, 50);
    int d1 = entre(-40, 40), m1 = entre(-15, 16), a1 = any + entre(-2, 2);
    int d2 = entre(-40, 40), m2 = entre(-15, 16), a2 = any + entre(-2, 2);
    ASSERT_EQ(dies_transcorreguts(d1, m1, a1, d2, m2, a2), passeja(d1, m1, a1, d2, m2, a2))
        << d1 << "/" << m1 << "/" << a1 << " " << d2 << "/" << m2 << "/" << a2;
  }
}

TEST(Data, FarApartAndHugeValuesAnswerAtOnce) {
  // 32-bit counts wrap; the walk would take years here.
  std::int64_t dies = dies_calendari(1, 1, 1) - ch::sys_days {ch::year {-32767} / 1 / 1}.time_since_epoch().count();
  EXPECT_EQ(dies_transcorreguts(1, 1, -32767, 1, 1, 1), dies);
  // Every 400 years hold 146097 days, however far the years.
  EXPECT_EQ(dies_transcorreguts(1, 1, -2147483643, 1, 1, -2147483643 + 4000000), 1460970000);
  EXPECT_EQ(dies_transcorreguts(3, 3, 2147483000 - 4000000, 3, 3, 2147483000), 1460970000);
  // Beyond 2147483647 days the count wraps.
  EXPECT_EQ(dies_transcorreguts(1, 1, 0, 1, 1, 8000000), static_cast<std::int32_t>(2921940000u));
  dies_transcorreguts(-2147483647 - 1, -2147483647 - 1, -2147483647 - 1, 2147483647, 2147483647, 2147483647);
  EXPECT_EQ(dies_transcorreguts(1, -2000000000, 2006, 1, 1, 2006), 2000000001);
  EXPECT_EQ(dies_transcorreguts(-2000000000, 5, 2006, 1, 5, 2006), 2000000001);
  EXPECT_EQ(dia_setmana(1, 1, 2000000000),
            (ch::weekday {ch::sys_days {ch::year {2000000000 % 400 + 2000} / 1 / 1}}.c_encoding()));
}

TEST(Data, TheCalendarAgreesWithTheStandardOne) {
  std::mt19937 atzar(1582);
  auto data = [&] {
    int a = std::uniform_int_distribution<int>(1, 9999)(atzar);
    int m = std::uniform_int_distribution<int>(1, 12)(atzar);
    int d = std::uniform_int_distribution<int>(1, dies_mes(m, a))(atzar);
    return std::tuple {d, m, a};
  };
  for (int i = 0; i < 20000; i++) {
    auto [d1, m1, a1] = data();
    auto [d2, m2, a2] = data();
    std::int64_t esperat = dies_calendari(d2, m2, a2) - dies_calendari(d1, m1, a1);
    if (esperat < 0) esperat = -esperat;
    ASSERT_EQ(dies_transcorreguts(d1, m1, a1, d2, m2, a2), esperat);
    ASSERT_EQ(dies_transcorreguts_alternativa(d1, m1, a1, d2, m2, a2), esperat);
    unsigned dia = ch::weekday {ch::sys_days {ch::year {a1} / m1 / d1}}.c_encoding();
    ASSERT_EQ(dia_setmana(d1, m1, a1), static_cast<int>(dia)) << d1 << "/" << m1 << "/" << a1;
  }
  EXPECT_EQ(dies_transcorreguts_alternativa(1, 1, 2006, 31, 12, 2006), 364);
  EXPECT_EQ(dies_transcorreguts_alternativa(1, 3, 2007, 28, 2, 2007), 1);
}

TEST(Data, Weekdays) {
  EXPECT_EQ(dia_setmana(1, 1, 2006), 0);
  EXPECT_EQ(dia_setmana(8, 1, 2006), 0);
  EXPECT_EQ(dia_setmana(31, 12, 2005), 6);
  EXPECT_EQ(dia_setmana(25, 12, 2005), 0);
  EXPECT_EQ(dia_setmana(1, 1, 2007), 1);
  EXPECT_EQ(dia_setmana(15, 3, 2007), 4);
  EXPECT_EQ(dia_setmana(29, 2, 2007), 7);
  EXPECT_EQ(dia_setmana(32, 1, 2006), 7);
  EXPECT_EQ(dia_setmana(1, 13, 2006), 7);
  EXPECT_EQ(dia_setmana(1, 1, 1), 1);  // a Monday
}

TEST(Data, TodayIsTheSystemsDate) {
  int d, m, a;
  data_actual(&d, &m, &a);
  std::time_t ara = std::time(nullptr);
  std::tm local {};
  localtime_r(&ara, &local);
  // The clock may pass midnight between the two readings: then retry once.
  if (local.tm_mday != d) {
    data_actual(&d, &m, &a);
  }
  EXPECT_EQ(d, local.tm_mday);
  EXPECT_EQ(m, local.tm_mon + 1);
  EXPECT_EQ(a, local.tm_year + 1900);
}

}  // namespace
