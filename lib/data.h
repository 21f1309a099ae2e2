// Calendar library: Gregorian dates as day, month and full year, for any
// integer year (proleptic calendar, year 0 and negative years included).
#ifndef DATA_H
#define DATA_H

#include <cstdint>
#include <ctime>

#include "enters32.h"

inline int bixest(int any) { return any % 400 == 0 || (any % 4 == 0 && any % 100 != 0) ? 1 : 0; }

// Days of the month; 0 for a month outside 1..12.
inline int dies_mes(int mes, int any) {
  switch (mes) {
    case 1:
    case 3:
    case 5:
    case 7:
    case 8:
    case 10:
    case 12: return 31;
    case 2: return bixest(any) ? 29 : 28;
    case 4:
    case 6:
    case 9:
    case 11: return 30;
    default: return 0;
  }
}

inline int data_valida(int dia, int mes, int any) { return dia >= 1 && dia <= dies_mes(mes, any) ? 1 : 0; }

// 1 when date a is on or before date b: year, then month, then day.
inline int data_anterior(int dia_a, int mes_a, int any_a, int dia_b, int mes_b, int any_b) {
  return any_a < any_b || (any_a == any_b && mes_a < mes_b) || (any_a == any_b && mes_a == mes_b && dia_a <= dia_b) ? 1
                                                                                                                    : 0;
}

// The day count is the number of steps of a day-by-day walk from the earlier
// date while the current date is on or before the later one, less one. Each
// step adds a day; a day past its month's length (a month outside 1..12 has
// none) becomes day 1 of the next month, and a month past 12 becomes January
// of the next year. The walk is counted here in closed form, in 64 bits, so
// that any two dates answer at once: first the run of invalid dates a walk
// can start with, in stretches where only the day or only the month moves,
// then the valid dates, counted by their distance in days.
namespace data_intern {

struct Data {
  std::int64_t dia, mes, any;
};

inline bool abans_o_igual(const Data &a, const Data &b) {
  return a.any < b.any || (a.any == b.any && a.mes < b.mes) || (a.any == b.any && a.mes == b.mes && a.dia <= b.dia);
}

// dies_mes for years beyond int: leap years repeat every 400 years.
inline std::int64_t llargada_mes(std::int64_t mes, std::int64_t any) {
  if (mes < 1 || mes > 12) return 0;
  return dies_mes(static_cast<int>(mes), static_cast<int>(any % 400));
}

// Days from 1/1/1970 to a valid date (negative before it).
inline std::int64_t ordinal(const Data &d) {
  std::int64_t any = d.mes <= 2 ? d.any - 1 : d.any;
  std::int64_t era = (any >= 0 ? any : any - 399) / 400;
  std::int64_t any_era = any - era * 400;
  std::int64_t dia_any = (153 * (d.mes > 2 ? d.mes - 3 : d.mes + 9) + 2) / 5 + d.dia - 1;
  std::int64_t dia_era = any_era * 365 + any_era / 4 - any_era / 100 + dia_any;
  return era * 146097 + dia_era - 719468;
}

// The last valid date on or before d, which need not be valid.
inline Data darrera_valida(const Data &d) {
  if (d.mes > 12) return {31, 12, d.any};
  if (d.mes < 1) return {31, 12, d.any - 1};
  if (d.dia < 1) return d.mes == 1 ? Data {31, 12, d.any - 1} : Data {llargada_mes(d.mes - 1, d.any), d.mes - 1, d.any};
  std::int64_t llargada = llargada_mes(d.mes, d.any);
  return {d.dia < llargada ? d.dia : llargada, d.mes, d.any};
}

inline std::int64_t positiu(std::int64_t n) { return n > 0 ? n : 0; }

// How many of the dates (primer..darrer, mes, any) lie on or before fi.
inline std::int64_t dies_fins(std::int64_t primer, std::int64_t darrer, std::int64_t mes, std::int64_t any,
                              const Data &fi) {
  if (any < fi.any || (any == fi.any && mes < fi.mes)) return darrer - primer + 1;
  if (any == fi.any && mes == fi.mes) return positiu((darrer < fi.dia ? darrer : fi.dia) - primer + 1);
  return 0;
}

// How many of the dates (1, primer..darrer, any) lie on or before fi.
inline std::int64_t mesos_fins(std::int64_t primer, std::int64_t darrer, std::int64_t any, const Data &fi) {
  if (any < fi.any) return darrer - primer + 1;
  if (any > fi.any) return 0;
  std::int64_t ultim = fi.dia >= 1 ? fi.mes : fi.mes - 1;
  return positiu((darrer < ultim ? darrer : ultim) - primer + 1);
}

// Steps of the walk from inici (on or before fi) while on or before fi.
inline std::int64_t passos(Data d, const Data &fi) {
  std::int64_t n = 0;
  for (;;) {
    if (d.mes >= 1 && d.mes <= 12 && d.dia >= 1) {
      if (d.dia <= llargada_mes(d.mes, d.any)) break;  // valid: the calendar from here
      // Past the month's end: this date, then day 1 of the next month.
      if (!abans_o_igual(d, fi)) return n;
      n++;
      d = d.mes == 12 ? Data {1, 1, d.any + 1} : Data {1, d.mes + 1, d.any};
      break;
    }
    if (d.mes > 12) {
      // One date, then January of the next year (day 1, or the next day while below 1).
      if (!abans_o_igual(d, fi)) return n;
      n++;
      d = d.dia >= 0 ? Data {1, 1, d.any + 1} : Data {d.dia + 1, 1, d.any + 1};
      continue;
    }
    // A day below 1 climbs by one: in a valid month up to day 1, in a month
    // below 1 up to day 0, after which the month climbs on day 1 up to January.
    std::int64_t darrer = d.mes >= 1 ? 0 : (d.dia > 0 ? d.dia : 0);
    std::int64_t tram = dies_fins(d.dia, darrer, d.mes, d.any, fi);
    n += tram;
    if (tram < darrer - d.dia + 1) return n;
    if (d.mes >= 1) {
      d = {1, d.mes, d.any};
      break;
    }
    if (d.mes + 1 <= 0) {
      tram = mesos_fins(d.mes + 1, 0, d.any, fi);
      n += tram;
      if (tram < -d.mes) return n;
    }
    d = {1, 1, d.any};
    break;
  }
  if (!abans_o_igual(d, fi)) return n;
  return n + ordinal(darrera_valida(fi)) - ordinal(d) + 1;
}

// The walk's count between two dates in either order, in 64 bits.
inline std::int64_t dies_entre(int dia_a, int mes_a, int any_a, int dia_b, int mes_b, int any_b) {
  Data a {dia_a, mes_a, any_a}, b {dia_b, mes_b, any_b};
  return abans_o_igual(a, b) ? passos(a, b) - 1 : passos(b, a) - 1;
}

}  // namespace data_intern

// Days between the two dates, whatever their order; the same date gives 0.
// Beyond 2147483647 days the 32-bit count wraps.
inline int dies_transcorreguts(int dia_a, int mes_a, int any_a, int dia_b, int mes_b, int any_b) {
  std::int64_t dies = data_intern::dies_entre(dia_a, mes_a, any_a, dia_b, mes_b, any_b);
  return enters32::redueix(dies);
}

// The same count for valid dates, by whole years, then whole months, then days.
inline int dies_transcorreguts_alternativa(int dia_a, int mes_a, int any_a, int dia_b, int mes_b, int any_b) {
  if (!data_anterior(dia_a, mes_a, any_a, dia_b, mes_b, any_b)) {
    int t;
    t = dia_a, dia_a = dia_b, dia_b = t;
    t = mes_a, mes_a = mes_b, mes_b = t;
    t = any_a, any_a = any_b, any_b = t;
  }
  // Leap years from year 1 up to year y (negative counts below it).
  auto bixests = [](std::int64_t y) {
    auto divideix = [](std::int64_t n, std::int64_t d) { return n >= 0 ? n / d : -((-n + d - 1) / d); };
    return divideix(y, 4) - divideix(y, 100) + divideix(y, 400);
  };
  std::int64_t dies = 365 * (static_cast<std::int64_t>(any_b) - any_a) + bixests(any_b - 1LL) - bixests(any_a - 1LL);
  for (int mes = 1; mes < mes_b && mes <= 12; mes++) dies += dies_mes(mes, any_b);
  for (int mes = 1; mes < mes_a && mes <= 12; mes++) dies -= dies_mes(mes, any_a);
  dies += static_cast<std::int64_t>(dia_b) - dia_a;
  return enters32::redueix(dies);
}

inline void data_actual(int *dia, int *mes, int *any) {
  std::time_t ara = std::time(nullptr);
  std::tm local {};
  localtime_r(&ara, &local);
  *dia = local.tm_mday;
  *mes = local.tm_mon + 1;
  *any = local.tm_year + 1900;
}

// Weekday by the distance from Sunday 1/1/2006: 0 Sunday .. 6 Saturday, and 7
// for a date that does not exist. The distance is taken in full, so that a
// date millions of years away still gets its true weekday.
inline int dia_setmana(int dia, int mes, int any) {
  std::int64_t dies = data_intern::dies_entre(dia, mes, any, 1, 1, 2006);
  int index;
  if (data_anterior(1, 1, 2006, dia, mes, any)) {
    index = static_cast<int>(dies % 7);
  } else {
    index = static_cast<int>((0 - dies) % 7);
    if (index < 0) index += 7;
  }
  if (!data_valida(dia, mes, any)) index = 7;
  return index;
}

#endif
