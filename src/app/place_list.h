#pragma once
// The place list, "Position.txt": one line for each named place, "name=lat,lon,offset"
// or "name=lat,lon,offset,zone" (lat "60_9.7_N", lon "24_57.3_E", offset UTC minus local
// in hours, zone a time zone's name "Europe/Helsinki"; lines without it keep the fixed
// offset, and the offset stays for programs that read no zone), which fills the
// main window's drop-down and takes its place with "S". The user's own list lives in
// the settings folder; the program ships one made from tzdata.
#include <filesystem>
#include <string>
#include <vector>

#include "core/messages.h"
#include "report/main_window_record.h"
#include "core/message_texts.h"

namespace orrelin {

inline constexpr const char* kPlaceFileName = "Position.txt";

// The names of the drop-down, in file order. A missing file: its message, no names.
std::vector<std::string> LoadPlaceList(const std::filesystem::path& file, MessageSink& sink);

// The coordinates part of the first line whose name equals `name` in any letter case,
// or an empty text (a missing file: its message).
std::string FindPlace(const std::filesystem::path& file, const std::string& name, MessageSink& sink);

// The place box's place into the latitude, longitude, hemisphere, offset and zone boxes.
// False when the list has no such place (nothing changed).
bool ApplyPlace(const std::filesystem::path& file, MainWindowRecord& main, MessageSink& sink);

// "S": the main window's place as a new last line, unless its name is already there.
void SavePlace(const std::filesystem::path& file, const MainWindowRecord& main, MessageSink& sink);

// The names of a list's lines and the line a record's place makes.
std::string PlaceName(const std::string& line);
std::string PlaceLine(const MainWindowRecord& main);

}  // namespace orrelin
