#pragma once
// The messages the program says, each written once: the window shows them in a
// message box, the command line on its error output.

namespace orrelin {

// The identification.
inline constexpr const char* kMessageHeightInDegreesAndMinutes = "Height in degrees and minutes";
inline constexpr const char* kMessageMagnitudeRange = "Give the magnitude between -4.0 ja 8.0";
inline constexpr const char* kMessageAzimuthRange = "Azimuth between 0 - 360";
inline constexpr const char* kMessageNothingNear = "No star or planet within 5\xC2\xB0 of the sight";

// The date box.
inline constexpr const char* kMessageDateForm = "Give the date as yyyy-mm-dd, the year from 1 to 9999";

// The place list.
inline constexpr const char* kMessageCoordinatesMissing = "Coordinates missing";
inline constexpr const char* kMessagePositionSaved = "Position saved in ";
inline constexpr const char* kMessagePlaceNotSaved =
    "The place was not saved: its name may not hold \"=\", nor its boxes \"=\", \",\" or \"_\"";

// The settings folder.
inline constexpr const char* kMessageStarFileNotInUse = "Star file not in use";

// The report.
inline constexpr const char* kMessageBadLocation =
    "Give the location in degrees and minutes; height, pressure and temperature in integers";
inline constexpr const char* kMessageBadTime = "Give the time as hh:mm:ss";
inline constexpr const char* kMessageUsePoint = "Use point";

// The place reading.
inline constexpr const char* kMessageBadDeltaT = "Give Delta T in seconds, from -1000000 to 1000000";

// The calendar: said wherever a year 0 is given with B.C. ticked (or typed as a date).
inline constexpr const char* kMessageYearZero = "Year 0 does not exist: 1 B.C. is year 1 with B.C. ticked";

// The star window.
inline constexpr const char* kMessageChooseStar = "A star must be chosen";

// A file of the program (the star catalogue, the place list).
inline constexpr const char* kMessageFileMissing = " File missing or cannot be opened ";

}  // namespace orrelin
