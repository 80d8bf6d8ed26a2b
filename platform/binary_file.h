#pragma once
// Checked binary files: every open, read, write, size query, rename and close either succeeds
// completely or throws EInOutError. A read that would pass the end of the file throws
// "Read beyond end of file" and reads nothing.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/io_error.h"

namespace platform {

class BinaryFile {
 public:
  enum class Mode { Read, ReadWrite, Create };  // Create truncates an existing file

  BinaryFile() = default;
  BinaryFile(const std::string& path, Mode mode) { Open(path, mode); }
  ~BinaryFile();  // closes quietly if still open
  BinaryFile(const BinaryFile&) = delete;
  BinaryFile& operator=(const BinaryFile&) = delete;

  void Open(const std::string& path, Mode mode);
  void Read(void* buffer, std::size_t count);
  // Reads until count bytes are in or the file ends; returns how many came.
  std::size_t ReadSome(void* buffer, std::size_t count);
  void Write(const void* buffer, std::size_t count);
  std::int32_t ReadInt32();   // little-endian
  void WriteInt32(std::int32_t value);
  std::uint64_t Size();
  void Close();
  bool IsOpen() const { return fd_ >= 0; }

 private:
  int fd_ = -1;
  std::string path_;
};

// Whether a directory entry of any kind exists under this name.
bool EntryExists(const std::string& path);
// Renames from over to, replacing to; throws EInOutError on failure.
void RenameFile(const std::string& from, const std::string& to);
// Writes a whole file through a temporary file in the same folder that is then renamed over
// the target, so the target is either the old file or the complete new one. The writer gets
// the open temporary file.
template <typename Writer>
void WriteFileAtomically(const std::string& path, Writer&& writer);
std::string TemporaryNameFor(const std::string& path);
void RemoveQuietly(const std::string& path);

template <typename Writer>
void WriteFileAtomically(const std::string& path, Writer&& writer) {
  const std::string temp = TemporaryNameFor(path);
  try {
    BinaryFile f(temp, BinaryFile::Mode::Create);
    writer(f);
    f.Close();
    RenameFile(temp, path);
  } catch (...) {
    RemoveQuietly(temp);
    throw;
  }
}

// The whole contents of a file; throws EInOutError.
std::string ReadWholeFile(const std::string& path);
// The first bytes of a file, at most maxBytes, fewer when it is shorter; throws EInOutError.
std::string ReadFileStart(const std::string& path, std::size_t maxBytes);

// Reads a file's bytes already in memory by the rules of BinaryFile, so that a format is
// parsed by one piece of code whether its bytes come from disk or elsewhere: a read that
// would pass the end throws "Read beyond end of file" and takes nothing.
class ByteReader {
 public:
  explicit ByteReader(std::string_view bytes) : bytes_(bytes) {}
  void Read(void* buffer, std::size_t count);
  std::int32_t ReadInt32();  // little-endian
  std::uint64_t Size() const { return bytes_.size(); }

 private:
  std::string_view bytes_;
  std::size_t position_ = 0;
};

}  // namespace platform
