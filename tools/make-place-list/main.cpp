// Writes the shipped place list, "Position.txt", from Debian's tzdata: every zone of
// zone.tab gives its principal city with its coordinates (ISO 6709) and its country
// (iso3166.tab); the zone's rules give its standard-time offset, written as UTC minus
// local time as the main window expects. Lines in alphabetical order of countries.
// Usage: make-place-list ZONE_TAB ISO3166_TAB OUTPUT
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct Place {
  std::string country, city, latitude, longitude, offset;
};

std::vector<std::string> Tabs(const std::string& line) {
  std::vector<std::string> fields;
  std::stringstream in(line);
  for (std::string f; std::getline(in, f, '\t');) fields.push_back(f);
  return fields;
}

// "+6010" or "+601030" (and 3-digit degrees for longitude) as "60_10_N" / "60_10.5_N".
std::string Angle(const std::string& iso, int degreeDigits, char positive, char negative) {
  const char hemisphere = iso[0] == '-' ? negative : positive;
  const int degrees = std::stoi(iso.substr(1, degreeDigits));
  const int minutes = std::stoi(iso.substr(1 + degreeDigits, 2));
  const int seconds = iso.size() > static_cast<std::size_t>(3 + degreeDigits) ? std::stoi(iso.substr(3 + degreeDigits, 2)) : 0;
  std::string minuteText = std::to_string(minutes);
  if (seconds != 0) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%.1f", minutes + seconds / 60.0);
    minuteText = buffer;
  }
  return std::to_string(degrees) + "_" + minuteText + "_" + hemisphere;
}

// Splits "+6010+02458" into its latitude and longitude.
std::pair<std::string, std::string> Coordinates(const std::string& iso) {
  const std::size_t split = iso.find_first_of("+-", 1);
  const std::string lat = iso.substr(0, split), lon = iso.substr(split);
  return {Angle(lat, 2, 'N', 'S'), Angle(lon, 3, 'E', 'W')};
}

// The zone's standard time, east of UTC in seconds: of a winter and a summer day of
// 2026, the one that is not daylight-saving time.
long StandardOffset(const std::string& zone) {
  setenv("TZ", zone.c_str(), 1);
  tzset();
  long offset = 0;
  for (const std::time_t instant : {std::time_t{1768478400}, std::time_t{1784116800}}) {  // Jan 15, Jul 15
    std::tm local{};
    localtime_r(&instant, &local);
    if (local.tm_isdst == 0) return local.tm_gmtoff;
    offset = local.tm_gmtoff - 3600;
  }
  return offset;
}

std::string UtcMinusLocal(long secondsEast) {
  const double hours = -secondsEast / 3600.0;
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%g", hours == 0 ? 0.0 : hours);
  return buffer;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: make-place-list ZONE_TAB ISO3166_TAB OUTPUT\n");
    return 2;
  }
  std::map<std::string, std::string> countries;
  std::ifstream iso(argv[2]);
  for (std::string line; std::getline(iso, line);) {
    if (line.empty() || line[0] == '#') continue;
    const auto f = Tabs(line);
    if (f.size() >= 2) countries[f[0]] = f[1];
  }
  std::vector<Place> places;
  std::ifstream zones(argv[1]);
  for (std::string line; std::getline(zones, line);) {
    if (line.empty() || line[0] == '#') continue;
    const auto f = Tabs(line);
    if (f.size() < 3) continue;
    std::string city = f[2].substr(f[2].rfind('/') + 1);
    std::replace(city.begin(), city.end(), '_', ' ');
    const auto [latitude, longitude] = Coordinates(f[1]);
    places.push_back({countries.count(f[0]) ? countries[f[0]] : f[0], city.substr(0, 20), latitude, longitude,
                      UtcMinusLocal(StandardOffset(f[2]))});
  }
  std::sort(places.begin(), places.end(), [](const Place& a, const Place& b) {
    return a.country != b.country ? a.country < b.country : a.city < b.city;
  });
  std::ofstream out(argv[3], std::ios::binary);
  for (const Place& p : places) out << p.city << "=" << p.latitude << "," << p.longitude << "," << p.offset << "\n";
  std::printf("%zu places written to %s\n", places.size(), argv[3]);
  return out ? 0 : 1;
}
