#include "platform/date_time.h"

#include <cmath>
#include <cstdio>
#include <stdexcept>

namespace platform {

namespace {

// Days from 1970-01-01 for a proleptic Gregorian date (H. Hinnant's algorithm).
std::int64_t DaysFromCivil(std::int64_t y, unsigned m, unsigned d) {
  y -= m <= 2;
  const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
  const unsigned yoe = static_cast<unsigned>(y - era * 400);
  const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}

void CivilFromDays(std::int64_t z, int& y, int& m, int& d) {
  z += 719468;
  const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const unsigned doe = static_cast<unsigned>(z - era * 146097);
  const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const std::int64_t yy = static_cast<std::int64_t>(yoe) + era * 400;
  const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const unsigned mp = (5 * doy + 2) / 153;
  d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  y = static_cast<int>(yy + (m <= 2));
}

// 1899-12-30 counted from 1970-01-01.
constexpr std::int64_t kEpochOffset = -25569;
constexpr double kMsPerDay = 86400000.0;

}  // namespace

bool IsValidDate(int year, int month, int day) {
  if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1) return false;
  static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
  int max = days[month - 1] + (month == 2 && leap ? 1 : 0);
  return day <= max;
}

bool IsValidTime(int hour, int minute, int second, int millisecond) {
  return hour >= 0 && hour < 24 && minute >= 0 && minute < 60 && second >= 0 && second < 60 && millisecond >= 0 &&
         millisecond < 1000;
}

bool TryEncodeDate(int year, int month, int day, TDateTime& out) {
  if (!IsValidDate(year, month, day)) return false;
  out =
      static_cast<double>(DaysFromCivil(year, static_cast<unsigned>(month), static_cast<unsigned>(day)) - kEpochOffset);
  return true;
}

bool TryEncodeDateTime(const DateTimeParts& p, TDateTime& out) {
  TDateTime date;
  if (!TryEncodeDate(p.Year, p.Month, p.Day, date) || !IsValidTime(p.Hour, p.Minute, p.Second, p.Millisecond))
    return false;
  double time = EncodeTime(p.Hour, p.Minute, p.Second, p.Millisecond);
  // Before the epoch the fraction counts away from zero, as the day number does.
  out = date < 0 ? date - time : date + time;
  return true;
}

TDateTime EncodeDate(int year, int month, int day) {
  TDateTime out;
  if (!TryEncodeDate(year, month, day, out)) throw std::invalid_argument("Invalid date");
  return out;
}

TDateTime EncodeTime(int hour, int minute, int second, int millisecond) {
  if (!IsValidTime(hour, minute, second, millisecond)) throw std::invalid_argument("Invalid time");
  return ((hour * 3600.0 + minute * 60.0 + second) * 1000.0 + millisecond) / kMsPerDay;
}

TDateTime EncodeDateTime(const DateTimeParts& p) {
  TDateTime out;
  if (!TryEncodeDateTime(p, out)) throw std::invalid_argument("Invalid date or time");
  return out;
}

DateTimeParts DecodeDateTime(TDateTime dt) {
  DateTimeParts p;
  // Round to the millisecond first so that 0.9999999 of a day does not fall a second short.
  double whole = std::trunc(dt);
  auto ms = static_cast<std::int64_t>(std::llround(std::fabs(dt - whole) * kMsPerDay));
  auto days = static_cast<std::int64_t>(whole);
  if (ms >= static_cast<std::int64_t>(kMsPerDay)) {
    ms -= static_cast<std::int64_t>(kMsPerDay);
    days += dt < 0 ? -1 : 1;
  }
  CivilFromDays(days + kEpochOffset, p.Year, p.Month, p.Day);
  p.Hour = static_cast<int>(ms / 3600000);
  p.Minute = static_cast<int>(ms / 60000 % 60);
  p.Second = static_cast<int>(ms / 1000 % 60);
  p.Millisecond = static_cast<int>(ms % 1000);
  return p;
}

TDateTime DateOf(TDateTime dt) { return std::trunc(dt); }
TDateTime TimeOf(TDateTime dt) { return std::fabs(dt - std::trunc(dt)); }

TDateTime FromSystemClock(std::chrono::system_clock::time_point tp) {
  using namespace std::chrono;
  auto secs = time_point_cast<seconds>(tp);
  if (secs > tp) secs -= seconds(1);
  auto ms = duration_cast<milliseconds>(tp - secs).count();
  std::time_t t = system_clock::to_time_t(secs);
  std::tm tm{};
  localtime_r(&t, &tm);
  DateTimeParts p{tm.tm_year + 1900,   tm.tm_mon + 1, tm.tm_mday,
                  tm.tm_hour,          tm.tm_min,     tm.tm_sec > 59 ? 59 : tm.tm_sec,
                  static_cast<int>(ms)};
  return EncodeDateTime(p);
}

TDateTime Now() { return FromSystemClock(std::chrono::system_clock::now()); }
TDateTime Today() { return DateOf(Now()); }

TDateTime FromTimeT(std::time_t t) { return FromSystemClock(std::chrono::system_clock::from_time_t(t)); }

TDateTime FromUnixUtc(std::int64_t seconds) { return FromTimeT(static_cast<std::time_t>(seconds)); }

std::time_t ToTimeT(TDateTime dt) {
  DateTimeParts p = DecodeDateTime(dt);
  std::tm tm{};
  tm.tm_year = p.Year - 1900;
  tm.tm_mon = p.Month - 1;
  tm.tm_mday = p.Day;
  tm.tm_hour = p.Hour;
  tm.tm_min = p.Minute;
  tm.tm_sec = p.Second;
  tm.tm_isdst = -1;
  return std::mktime(&tm);
}

std::string FormatDateTime(std::string_view f, TDateTime dt) {
  DateTimeParts p = DecodeDateTime(dt);
  std::string out;
  auto num = [&out](int v, int width) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%0*d", width, v);
    out += buf;
  };
  auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c; };
  bool lastWasHour = false;
  std::size_t i = 0;
  while (i < f.size()) {
    char c = lower(f[i]);
    std::size_t run = 1;
    while (i + run < f.size() && lower(f[i + run]) == c) ++run;
    switch (c) {
      case '"':
      case '\'': {
        auto end = f.find(f[i], i + 1);
        if (end == std::string_view::npos) end = f.size();
        out.append(f.substr(i + 1, end - i - 1));
        i = end + 1;
        continue;
      }
      case 'y':
        if (run >= 3)
          num(p.Year, 4);
        else
          num(p.Year % 100, 2);
        break;
      case 'm':
        if (lastWasHour)
          num(p.Minute, run >= 2 ? 2 : 1);
        else
          num(p.Month, run >= 2 ? 2 : 1);
        break;
      case 'd':
        num(p.Day, run >= 2 ? 2 : 1);
        break;
      case 'h':
        num(p.Hour, run >= 2 ? 2 : 1);
        break;
      case 'n':
        num(p.Minute, run >= 2 ? 2 : 1);
        break;
      case 's':
        num(p.Second, run >= 2 ? 2 : 1);
        break;
      case 'z':
        if (run >= 3) {
          num(p.Millisecond, 3);
          run = 3;
        } else {
          num(p.Millisecond, 1);
          run = 1;
        }
        break;
      default:
        out.append(f.substr(i, run));
        break;
    }
    if (c == 'h')
      lastWasHour = true;
    else if (c != ':' && c != ' ')
      lastWasHour = false;
    i += run;
  }
  return out;
}

}  // namespace platform
