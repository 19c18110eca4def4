#pragma once
// Reading and writing whole files with the operating system's own error numbers,
// never by exceptions: a damaged disk or a special file ends the operation with
// a message, not the program.
#include <cstddef>
#include <filesystem>
#include <string>

namespace orrelin {

enum class FileStatus { kRead, kMissing, kTooLarge, kError };

struct FileContents {
  FileStatus status = FileStatus::kMissing;
  std::string bytes;
  int errorNumber = 0;    // errno of the failed call
  std::string errorText;  // the system's text for it
};

// The whole file, up to maxBytes; a longer file is kTooLarge and not read.
FileContents ReadWholeFile(const std::filesystem::path& path, std::size_t maxBytes);

struct FileWrite {
  bool ok = false;
  int errorNumber = 0;
  std::string errorText;
};

// Where a test makes a save fail: at a step, with an error number (a write after
// `afterBytes` bytes), or by ending the process there as a crash or a power cut would.
enum class SaveStep { kNone, kCreate, kWrite, kFlush, kClose, kRename };
struct SaveFault {
  SaveStep step = SaveStep::kNone;
  std::size_t afterBytes = 0;
  int errorNumber = 5;  // EIO
  bool crash = false;
};

// Writes the bytes to a temporary file of its own in the same folder (the old file's
// permissions), flushes it to the disk and renames it over `path`, so that `path` is
// always the old or the new file, never half of one, even when two programs save at
// once. On failure the temporary file is removed and `path` is untouched.
FileWrite WriteFileAtomically(const std::filesystem::path& path, const std::string& bytes,
                              const SaveFault& fault = {});

// As WriteFileAtomically, but never over an existing file: the new file appears whole
// or not at all, and an existing `path` stays as it is (EEXIST).
FileWrite WriteNewFileAtomically(const std::filesystem::path& path, const std::string& bytes);

// The system's text for an error number, "Permission denied".
std::string SystemErrorText(int errorNumber);

}  // namespace orrelin
