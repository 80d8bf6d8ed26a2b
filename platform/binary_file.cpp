#include "platform/binary_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <atomic>
#include <cerrno>
#include <cstring>

#include "platform/io_faults.h"

namespace platform {

namespace io_faults {
namespace {
struct Pending {
  int callsLeft = 0;  // 0: no fault planned
  int errnoValue = 0;
};
std::array<Pending, 5> pending;
std::array<int, 5> calls;

// Counts one call of op; true (with errno set) when this call is the one planned to fail.
bool Strikes(Op op) {
  ++calls[std::size_t(op)];
  Pending& p = pending[std::size_t(op)];
  if (p.callsLeft == 0 || --p.callsLeft > 0) return false;
  errno = p.errnoValue;
  return true;
}
}  // namespace

void FailAt(Op op, int n, int errnoValue) { pending[std::size_t(op)] = {n > 0 ? n : 0, errnoValue}; }
void Clear() {
  pending = {};
  calls = {};
}
int Calls(Op op) { return calls[std::size_t(op)]; }
}  // namespace io_faults

namespace {

using io_faults::Op;
using io_faults::Strikes;

// The runtime's I/O error numbers.
constexpr int kFileNotFound = 2;
constexpr int kPathNotFound = 3;
constexpr int kTooManyOpenFiles = 4;
constexpr int kAccessDenied = 5;
constexpr int kNotSameDevice = 17;
constexpr int kReadBeyondEnd = 38;
constexpr int kDiskRead = 100;
constexpr int kDiskWrite = 101;
constexpr int kFileNotOpen = 103;
constexpr int kDiskFull = 112;

[[noreturn]] void Fail(int code) {
  const char* message = "I/O error";
  switch (code) {
    case kFileNotFound: message = "File not found"; break;
    case kPathNotFound: message = "Path not found"; break;
    case kTooManyOpenFiles: message = "Too many open files"; break;
    case kAccessDenied: message = "File access denied"; break;
    case kNotSameDevice: message = "Not same device"; break;
    case kReadBeyondEnd: message = "Read beyond end of file"; break;
    case kDiskRead: message = "Disk read error"; break;
    case kDiskWrite: message = "Disk write error"; break;
    case kFileNotOpen: message = "File not open"; break;
    case kDiskFull: message = "Disk full"; break;
  }
  throw EInOutError(code, message);
}

bool IsDirectory(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

std::string FolderOf(const std::string& path) {
  const auto slash = path.find_last_of('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

// ENOENT names both a missing file and a missing folder on the way to it.
int MissingEntryCode(const std::string& path) {
  return IsDirectory(FolderOf(path)) ? kFileNotFound : kPathNotFound;
}

// The error number of a failed call on path; fallback covers everything unlisted.
int CodeFor(int err, const std::string& path, int fallback) {
  switch (err) {
    case ENOENT: return MissingEntryCode(path);
    case ENOTDIR:
    case ENAMETOOLONG:
    case ELOOP: return kPathNotFound;
    case EMFILE:
    case ENFILE: return kTooManyOpenFiles;
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
    case ETXTBSY:
    case EBUSY:
    case EBADF: return kAccessDenied;  // an open file used against its mode
    case EXDEV: return kNotSameDevice;
    case ENOSPC:
    case EDQUOT:
    case EFBIG: return kDiskFull;
    default: return fallback;
  }
}

int OpenFlags(BinaryFile::Mode mode) {
  switch (mode) {
    case BinaryFile::Mode::Read: return O_RDONLY;
    case BinaryFile::Mode::ReadWrite: return O_RDWR;
    case BinaryFile::Mode::Create: return O_RDWR | O_CREAT | O_TRUNC;
  }
  return O_RDONLY;
}

int SysOpen(const std::string& path, int flags) {
  if (Strikes(Op::Open)) return -1;
  int fd;
  do fd = ::open(path.c_str(), flags | O_CLOEXEC, 0666);
  while (fd < 0 && errno == EINTR);
  return fd;
}

ssize_t SysRead(int fd, void* buffer, std::size_t count) {
  if (Strikes(Op::Read)) return -1;
  return ::read(fd, buffer, count);
}

ssize_t SysWrite(int fd, const void* buffer, std::size_t count) {
  if (Strikes(Op::Write)) return -1;
  return ::write(fd, buffer, count);
}

// Unused bytes of a regular file from the current position on; -1 when unknown.
off_t BytesLeft(int fd) {
  struct stat st {};
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) return -1;
  const off_t position = ::lseek(fd, 0, SEEK_CUR);
  if (position < 0) return -1;
  return st.st_size > position ? st.st_size - position : 0;
}

std::int32_t DecodeInt32(const unsigned char* b) {
  const std::uint32_t u = std::uint32_t(b[0]) | (std::uint32_t(b[1]) << 8) | (std::uint32_t(b[2]) << 16) |
                          (std::uint32_t(b[3]) << 24);
  return std::int32_t(u);
}

}  // namespace

BinaryFile::~BinaryFile() {
  if (fd_ >= 0) ::close(fd_);
}

void BinaryFile::Open(const std::string& path, Mode mode) {
  if (IsOpen()) Close();
  // Without O_NONBLOCK, opening a named pipe would wait for a writer, for ever if none comes.
  const int fd = SysOpen(path, OpenFlags(mode) | O_NONBLOCK);
  if (fd < 0) Fail(CodeFor(errno, path, kAccessDenied));
  // Opening a folder read-only succeeds on this system; the runtime refuses it, and so is
  // anything else that is not a plain file (a pipe, a device), whose reads could block.
  struct stat st {};
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    ::close(fd);
    Fail(kAccessDenied);
  }
  ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
  fd_ = fd;
  path_ = path;
}

void BinaryFile::Read(void* buffer, std::size_t count) {
  if (!IsOpen()) Fail(kFileNotOpen);
  const off_t left = BytesLeft(fd_);
  if (left >= 0 && std::uint64_t(left) < count) Fail(kReadBeyondEnd);
  const off_t start = ::lseek(fd_, 0, SEEK_CUR);
  if (ReadSome(buffer, count) == count) return;
  // The file shrank under us: give back what was taken so the read takes nothing.
  if (start >= 0) ::lseek(fd_, start, SEEK_SET);
  Fail(kReadBeyondEnd);
}

void BinaryFile::Write(const void* buffer, std::size_t count) {
  if (!IsOpen()) Fail(kFileNotOpen);
  const auto* in = static_cast<const unsigned char*>(buffer);
  std::size_t done = 0;
  while (done < count) {
    const ssize_t n = SysWrite(fd_, in + done, count - done);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) Fail(CodeFor(errno, path_, kDiskWrite));
    if (n == 0) Fail(kDiskFull);
    done += std::size_t(n);
  }
}

std::size_t BinaryFile::ReadSome(void* buffer, std::size_t count) {
  if (!IsOpen()) Fail(kFileNotOpen);
  auto* out = static_cast<unsigned char*>(buffer);
  std::size_t done = 0;
  while (done < count) {
    const ssize_t n = SysRead(fd_, out + done, count - done);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) Fail(CodeFor(errno, path_, kDiskRead));
    if (n == 0) break;
    done += std::size_t(n);
  }
  return done;
}

std::int32_t BinaryFile::ReadInt32() {
  unsigned char b[4];
  Read(b, sizeof b);
  return DecodeInt32(b);
}

void BinaryFile::WriteInt32(std::int32_t value) {
  const auto u = std::uint32_t(value);
  const unsigned char b[4] = {std::uint8_t(u), std::uint8_t(u >> 8), std::uint8_t(u >> 16), std::uint8_t(u >> 24)};
  Write(b, sizeof b);
}

std::uint64_t BinaryFile::Size() {
  if (!IsOpen()) Fail(kFileNotOpen);
  struct stat st {};
  if (::fstat(fd_, &st) != 0) Fail(CodeFor(errno, path_, kDiskRead));
  return std::uint64_t(st.st_size);
}

void BinaryFile::Close() {
  if (!IsOpen()) Fail(kFileNotOpen);
  const int fd = fd_;
  fd_ = -1;  // the descriptor is gone even when close reports an error
  if (Strikes(Op::Close)) {
    const int err = errno;
    ::close(fd);
    Fail(CodeFor(err, path_, kDiskWrite));
  }
  if (::close(fd) != 0 && errno != EINTR) Fail(CodeFor(errno, path_, kDiskWrite));
}

bool EntryExists(const std::string& path) {
  struct stat st {};
  return ::lstat(path.c_str(), &st) == 0;
}

void RenameFile(const std::string& from, const std::string& to) {
  if (Strikes(Op::Rename) || ::rename(from.c_str(), to.c_str()) != 0) {
    const int err = errno;
    if (err == ENOENT) Fail(EntryExists(from) ? MissingEntryCode(to) : MissingEntryCode(from));
    Fail(CodeFor(err, to, kAccessDenied));
  }
}

std::string TemporaryNameFor(const std::string& path) {
  static std::atomic<unsigned> counter{0};
  return path + ".tmp-" + std::to_string(::getpid()) + "-" + std::to_string(++counter);
}

void RemoveQuietly(const std::string& path) { ::unlink(path.c_str()); }

std::string ReadWholeFile(const std::string& path) {
  BinaryFile f(path, BinaryFile::Mode::Read);
  std::string contents(std::size_t(f.Size()), '\0');
  f.Read(contents.data(), contents.size());
  f.Close();
  return contents;
}

std::string ReadFileStart(const std::string& path, std::size_t maxBytes) {
  BinaryFile f(path, BinaryFile::Mode::Read);
  std::string contents(maxBytes, '\0');
  contents.resize(f.ReadSome(contents.data(), contents.size()));
  f.Close();
  return contents;
}

void ByteReader::Read(void* buffer, std::size_t count) {
  if (bytes_.size() - position_ < count) Fail(kReadBeyondEnd);
  if (count > 0) std::memcpy(buffer, bytes_.data() + position_, count);
  position_ += count;
}

std::int32_t ByteReader::ReadInt32() {
  unsigned char b[4];
  Read(b, sizeof b);
  return DecodeInt32(b);
}

}  // namespace platform
