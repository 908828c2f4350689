#include <cmath>
#include <ctime>

#include "platform/OsServices.h"

namespace Os {

namespace {

constexpr long kSecondsPerDay = 24 * 60 * 60;

std::function<double()>& Source() {
  static std::function<double()> source;
  return source;
}

LocalTime FromSecondsOfDay(double seconds) {
  long whole = std::isfinite(seconds)
                   ? static_cast<long>(std::fmod(std::floor(seconds), kSecondsPerDay))
                   : 0;
  if (whole < 0) whole += kSecondsPerDay;
  return {static_cast<int>(whole / 3600), static_cast<int>(whole / 60 % 60),
          static_cast<int>(whole % 60)};
}

}  // namespace

LocalTime GetLocalTime() {
  if (Source()) return FromSecondsOfDay(Source()());
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  if (!localtime_r(&now, &local)) return {};
  return {local.tm_hour, local.tm_min, local.tm_sec};
}

void SetLocalTimeSource(std::function<double()> secondsOfDay) {
  Source() = std::move(secondsOfDay);
}

}  // namespace Os
