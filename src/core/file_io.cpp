#include "core/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
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

// Writes and flushes the temporary file beside `path`; its name, or the failure.
FileWrite WriteTemporary(const std::filesystem::path& temporary, const std::string& bytes) {
  Descriptor fd(::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644));
  if (fd.get() < 0) return Failed(errno);
  if (!WriteAll(fd.get(), bytes) || ::fsync(fd.get()) != 0 || !fd.Close()) {
    const int error = errno;
    ::unlink(temporary.c_str());
    return Failed(error);
  }
  return {true, 0, ""};
}

std::filesystem::path TemporaryBeside(const std::filesystem::path& path) {
  std::filesystem::path temporary = path;
  temporary += ".tmp";
  return temporary;
}

}  // namespace

FileWrite WriteFileAtomically(const std::filesystem::path& path, const std::string& bytes) {
  const std::filesystem::path temporary = TemporaryBeside(path);
  if (FileWrite w = WriteTemporary(temporary, bytes); !w.ok) return w;
  if (::rename(temporary.c_str(), path.c_str()) != 0) {
    const int error = errno;
    ::unlink(temporary.c_str());
    return Failed(error);
  }
  return {true, 0, ""};
}

FileWrite WriteNewFileAtomically(const std::filesystem::path& path, const std::string& bytes) {
  const std::filesystem::path temporary = TemporaryBeside(path);
  if (FileWrite w = WriteTemporary(temporary, bytes); !w.ok) return w;
  // A hard link refuses an existing target; the temporary name then goes away.
  const int linked = ::link(temporary.c_str(), path.c_str());
  const int error = linked == 0 ? 0 : errno;
  ::unlink(temporary.c_str());
  if (linked != 0) return Failed(error);
  return {true, 0, ""};
}

}  // namespace orrelin
