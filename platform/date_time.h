#pragma once
// Date-time values as days since 1899-12-30 in local time (the fraction is the time of day).
#include <chrono>
#include <cstdint>
#include <ctime>
#include <string>
#include <string_view>

namespace platform {

using TDateTime = double;

struct DateTimeParts {
  int Year = 1899, Month = 12, Day = 30;
  int Hour = 0, Minute = 0, Second = 0, Millisecond = 0;
};

bool IsValidDate(int year, int month, int day);
bool IsValidTime(int hour, int minute, int second, int millisecond);
// Return false (and leave out alone) for impossible dates or times.
bool TryEncodeDate(int year, int month, int day, TDateTime& out);
bool TryEncodeDateTime(const DateTimeParts& p, TDateTime& out);
// Throw std::invalid_argument for impossible dates or times.
TDateTime EncodeDate(int year, int month, int day);
TDateTime EncodeTime(int hour, int minute, int second, int millisecond);
TDateTime EncodeDateTime(const DateTimeParts& p);
DateTimeParts DecodeDateTime(TDateTime dt);

// Whole days of a value (its date) and the time of day alone.
TDateTime DateOf(TDateTime dt);
TDateTime TimeOf(TDateTime dt);

TDateTime Now();
TDateTime Today();
TDateTime FromTimeT(std::time_t t);           // local time
std::time_t ToTimeT(TDateTime dt);            // local time
TDateTime FromUnixUtc(std::int64_t seconds);  // converted to local time
TDateTime FromSystemClock(std::chrono::system_clock::time_point tp);

// Delphi-style patterns: yyyy yy mm m dd d hh h nn n ss s zzz z, "m" right after an hour is
// minutes, "/" and ":" are the date and time separators, quoted text is copied as it stands.
std::string FormatDateTime(std::string_view format, TDateTime dt);

}  // namespace platform
