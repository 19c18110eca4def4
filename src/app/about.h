#pragma once
// The About window's texts.
#include <string>

namespace orrelin {

// "Version: 1.2.3.4" from the four numbers of the version.
std::string VersionText(int major, int minor, int release, int build);
// The text of this program's own version.
std::string ProgramVersionText();

inline constexpr const char* kBookCreditLine1 = "The astronomical formulas used are from the book";
inline constexpr const char* kBookCreditLine2 = "'Astronomical algorithms' by Jean Meeus, 1991";
// The precise positions' library, and the licence the program is given under.
inline constexpr const char* kPreciseCreditLine =
    "Precise positions: the Swiss Ephemeris (AGPL-3.0) with JPL's DE431 ephemeris";
inline constexpr const char* kLicenceLine = "Free software under the GNU General Public License, version 3 or later";

// The address a link label opens: its text without surrounding blanks ("mailto:" added
// for an e-mail address).
std::string LinkTarget(const std::string& labelText, bool mail);

}  // namespace orrelin
