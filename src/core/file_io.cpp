#include "core/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <cerrno>
#include <cstring>
#include <string>

namespace orrelin {

namespace {

FileWrite Failed(int errorNumber) { return {false, errorNumber, SystemErrorText(errorNumber)}; }

// Closes a descriptor when it goes out of scope.
class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  ~Descriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  int get() const { return fd_; }
  // Closes now and tells whether the close succeeded (a full disk may show only here).
  bool Close() {
    const int fd = fd_;
    fd_ = -1;
    return ::close(fd) == 0;
  }

 private:
  int fd_;
};

bool WriteAll(int fd, const std::string& bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    done += static_cast<std::size_t>(n);
  }
  return true;
}

}  // namespace

std::string SystemErrorText(int errorNumber) {
  // The English text whatever the locale: the program's messages are English.
  if (const char* text = ::strerrordesc_np(errorNumber)) return text;
  return "error " + std::to_string(errorNumber);
}

FileContents ReadWholeFile(const std::filesystem::path& path, std::size_t maxBytes) {
  FileContents contents;
  const Descriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
  if (fd.get() < 0) {
    contents.errorNumber = errno;
    contents.errorText = SystemErrorText(errno);
    contents.status = errno == ENOENT ? FileStatus::kMissing : FileStatus::kError;
    return contents;
  }
  struct stat info {};
  if (::fstat(fd.get(), &info) == 0 && S_ISDIR(info.st_mode)) {
    contents.status = FileStatus::kError;
    contents.errorNumber = EISDIR;
    contents.errorText = SystemErrorText(EISDIR);
    return contents;
  }
  std::array<char, 65536> buffer{};
  for (;;) {
    const ssize_t n = ::read(fd.get(), buffer.data(), buffer.size());
    if (n == 0) break;
    if (n < 0) {
      if (errno == EINTR) continue;
      contents.status = FileStatus::kError;
      contents.errorNumber = errno;
      contents.errorText = SystemErrorText(errno);
      contents.bytes.clear();
      return contents;
    }
    if (contents.bytes.size() + static_cast<std::size_t>(n) > maxBytes) {
      contents.status = FileStatus::kTooLarge;
      contents.bytes.clear();
      return contents;
    }
    contents.bytes.append(buffer.data(), static_cast<std::size_t>(n));
  }
  contents.status = FileStatus::kRead;
  return contents;
}

namespace {

// The fault of a step, when a test asked for one there: the error number, or the end
// of the process. 0 when the step runs as usual.
int FaultAt(const SaveFault& fault, SaveStep step) {
  if (fault.step != step) return 0;
  if (fault.crash) ::_exit(0);
  return fault.errorNumber;
}

// A temporary file of its own beside `path` ("settings.ini.tmp.ab12Cd"), open for writing.
int CreateTemporary(const std::filesystem::path& path, std::string& name, const SaveFault& fault) {
  name = path.string() + ".tmp.XXXXXX";
  if (const int error = FaultAt(fault, SaveStep::kCreate)) {
    errno = error;
    return -1;
  }
  const int fd = ::mkostemp(name.data(), O_CLOEXEC);
  if (fd < 0) return -1;
  // The old file's permissions, or those a new file gets.
  struct stat old {};
  ::fchmod(fd, ::stat(path.c_str(), &old) == 0 ? (old.st_mode & 07777) : 0644);
  return fd;
}

bool WriteFaulted(int fd, const std::string& bytes, const SaveFault& fault) {
  if (fault.step != SaveStep::kWrite) return WriteAll(fd, bytes);
  WriteAll(fd, bytes.substr(0, std::min(fault.afterBytes, bytes.size())));
  errno = FaultAt(fault, SaveStep::kWrite);
  return false;
}

// Writes and flushes a temporary file beside `path`; its name, or the failure.
FileWrite WriteTemporary(const std::filesystem::path& path, const std::string& bytes, std::string& temporary,
                         const SaveFault& fault) {
  Descriptor fd(CreateTemporary(path, temporary, fault));
  if (fd.get() < 0) return Failed(errno);
  bool ok = WriteFaulted(fd.get(), bytes, fault);
  if (ok && (errno = FaultAt(fault, SaveStep::kFlush)) != 0) ok = false;
  ok = ok && ::fsync(fd.get()) == 0;
  if (ok && (errno = FaultAt(fault, SaveStep::kClose)) != 0) ok = false;
  ok = ok && fd.Close();
  if (!ok) {
    const int error = errno;
    ::unlink(temporary.c_str());
    return Failed(error);
  }
  return {true, 0, ""};
}

// After a rename the folder is flushed too, so the new name survives a power cut.
void FlushFolderOf(const std::filesystem::path& path) {
  const std::filesystem::path folder = path.has_parent_path() ? path.parent_path() : ".";
  const Descriptor fd(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (fd.get() >= 0) ::fsync(fd.get());
}

}  // namespace

FileWrite WriteFileAtomically(const std::filesystem::path& path, const std::string& bytes, const SaveFault& fault) {
  std::string temporary;
  if (FileWrite w = WriteTemporary(path, bytes, temporary, fault); !w.ok) return w;
  int error = FaultAt(fault, SaveStep::kRename);
  if (error == 0 && ::rename(temporary.c_str(), path.c_str()) != 0) error = errno;
  if (error != 0) {
    ::unlink(temporary.c_str());
    return Failed(error);
  }
  FlushFolderOf(path);
  return {true, 0, ""};
}

FileWrite WriteNewFileAtomically(const std::filesystem::path& path, const std::string& bytes) {
  std::string temporary;
  if (FileWrite w = WriteTemporary(path, bytes, temporary, {}); !w.ok) return w;
  // A hard link refuses an existing target; the temporary name then goes away.
  const int linked = ::link(temporary.c_str(), path.c_str());
  const int error = linked == 0 ? 0 : errno;
  ::unlink(temporary.c_str());
  if (linked != 0) return Failed(error);
  FlushFolderOf(path);
  return {true, 0, ""};
}

}  // namespace orrelin
