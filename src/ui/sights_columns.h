#pragma once
// The Sights window's columns: utc, body, limb, hs, ie, height, pressure, temperature;
// then the watch's reading, its error and the zone description of a sight timed by the
// watch.
namespace orrelin::ui {

inline constexpr int kColumns = 11;
inline constexpr int kWatchColumns = 3;
inline constexpr const char* kCaptions[kColumns] = {"UTC",   "Body", "Limb", "Hs", "IE", "Height", "Pressure", "Temp",
                                                    "Watch", "WE",   "ZD"};

}  // namespace orrelin::ui
