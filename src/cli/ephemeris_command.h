#pragma once
// "orrelin-cli ephemeris": precise almanac quantities of bodies over a span of time,
// one row per moment and body, as text in the almanacs' form, JSON or CSV.
#include <optional>
#include <string>
#include <vector>

#include "earth/observer.h"
#include "precise/nautical.h"

namespace orrelin::cli {

struct EphemerisRequest {
  std::vector<precise::NauticalBody> bodies;
  double fromJulianDay = 0.0;  // UT
  double toJulianDay = 0.0;
  double stepDays = 0.0;
  std::optional<Observer> observer;  // for altitude and azimuth
};

// The most rows one request may ask for.
inline constexpr std::size_t kMostEphemerisRows = 100000;

// Reads the command's words: bodies by name, "--from"/"--to" as "yyyy-mm-dd hh:mm[:ss]"
// (or with "T"), "--step" as a number and s, m, h or d. None, with the message, when
// one does not read.
std::optional<EphemerisRequest> ReadEphemerisRequest(const std::vector<std::string>& bodies, const std::string& from,
                                                     const std::string& to, const std::string& step,
                                                     std::string& message, std::size_t mostRows = kMostEphemerisRows);

struct EphemerisRow {
  double julianDay = 0.0;
  std::string ut;  // "yyyy-mm-dd hh:mm:ss"
  std::string body;
  precise::NauticalPlace place;
};

// Every row of the request; none, with the library's reason, when a place cannot be
// computed (a date outside the ephemeris files).
std::optional<std::vector<EphemerisRow>> EphemerisRows(const EphemerisRequest& request, std::string& message);

std::string EphemerisText(const std::vector<EphemerisRow>& rows);
std::string EphemerisJson(const std::vector<EphemerisRow>& rows);
std::string EphemerisCsv(const std::vector<EphemerisRow>& rows);

// The almanacs' texts: "181° 57.9'", "S 22° 41.9'", "16.2'".
std::string GhaText(double degrees);
std::string DeclinationText(double degrees);
std::string MinutesText(double degrees);

}  // namespace orrelin::cli
