#include "platform/binary_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <climits>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <stdexcept>
#include <thread>

#include "platform/io_faults.h"

namespace platform {
namespace {

namespace fs = std::filesystem;
using io_faults::Op;

// Each test works in a fresh folder of its own and leaves no planned fault behind.
class BinaryFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (fs::temp_directory_path() / "kb-binary-file-XXXXXX").string();
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    dir_ = pattern;
  }
  void TearDown() override {
    io_faults::Clear();
    fs::remove_all(dir_);
  }

  std::string PathOf(const std::string& name) const { return (dir_ / name).string(); }

  void Put(const std::string& name, const std::string& bytes) const {
    std::ofstream(PathOf(name), std::ios::binary) << bytes;
  }

  std::set<std::string> Entries() const {
    std::set<std::string> names;
    for (const auto& e : fs::directory_iterator(dir_)) names.insert(e.path().filename().string());
    return names;
  }

  fs::path dir_;
};

// Runs f and checks that it throws EInOutError with this number and message.
template <typename F>
void ExpectIoError(F&& f, int code, const std::string& message) {
  try {
    f();
    ADD_FAILURE() << "no EInOutError; expected " << code << " " << message;
  } catch (const EInOutError& e) {
    EXPECT_EQ(e.ErrorCode, code);
    EXPECT_EQ(std::string(e.what()), message);
  }
}

TEST_F(BinaryFileTest, BytesAndLittleEndianNumbersRoundTrip) {
  const unsigned char raw[] = {0x00, 0x01, 0x7F, 0x80, 0xFF};
  {
    BinaryFile f(PathOf("data"), BinaryFile::Mode::Create);
    f.Write(raw, sizeof raw);
    f.WriteInt32(0x12345678);
    f.WriteInt32(-2);
    f.WriteInt32(INT32_MIN);
    f.Close();
  }
  const std::string expected("\x00\x01\x7F\x80\xFF"
                             "\x78\x56\x34\x12"
                             "\xFE\xFF\xFF\xFF"
                             "\x00\x00\x00\x80",
                             17);
  EXPECT_EQ(ReadWholeFile(PathOf("data")), expected);

  BinaryFile f(PathOf("data"), BinaryFile::Mode::Read);
  EXPECT_EQ(f.Size(), 17u);
  unsigned char back[5] = {};
  f.Read(back, sizeof back);
  EXPECT_EQ(std::string(back, back + 5), std::string(raw, raw + 5));
  EXPECT_EQ(f.ReadInt32(), 0x12345678);
  EXPECT_EQ(f.ReadInt32(), -2);
  EXPECT_EQ(f.ReadInt32(), INT32_MIN);
  f.Close();
  EXPECT_FALSE(f.IsOpen());
}

TEST_F(BinaryFileTest, CreateTruncatesAndReadWriteKeepsContents) {
  Put("data", "abcdef");
  {
    BinaryFile f(PathOf("data"), BinaryFile::Mode::ReadWrite);
    EXPECT_EQ(f.Size(), 6u);
    f.Write("XY", 2);
    f.Close();
  }
  EXPECT_EQ(ReadWholeFile(PathOf("data")), "XYcdef");
  BinaryFile(PathOf("data"), BinaryFile::Mode::Create).Close();
  EXPECT_EQ(ReadWholeFile(PathOf("data")), "");
}

TEST_F(BinaryFileTest, OpenFailuresCarryTheRuntimesErrors) {
  Put("plain", "x");
  fs::create_directory(PathOf("folder"));
  struct Case {
    std::string name;
    BinaryFile::Mode mode;
    int code;
    const char* message;
  };
  const Case cases[] = {
      {"missing", BinaryFile::Mode::Read, 2, "File not found"},
      {"missing", BinaryFile::Mode::ReadWrite, 2, "File not found"},
      {"no-folder/file", BinaryFile::Mode::Read, 3, "Path not found"},
      {"no-folder/file", BinaryFile::Mode::Create, 3, "Path not found"},
      {"plain/file", BinaryFile::Mode::Read, 3, "Path not found"},
      {"folder", BinaryFile::Mode::Read, 5, "File access denied"},
      {"folder", BinaryFile::Mode::ReadWrite, 5, "File access denied"},
      {"folder", BinaryFile::Mode::Create, 5, "File access denied"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name + " in mode " + std::to_string(int(c.mode)));
    BinaryFile f;
    ExpectIoError([&] { f.Open(PathOf(c.name), c.mode); }, c.code, c.message);
    EXPECT_FALSE(f.IsOpen());
  }
  EXPECT_EQ(Entries(), (std::set<std::string>{"plain", "folder"}));  // nothing created on the way
}

TEST_F(BinaryFileTest, ReadPastTheEndReadsNothing) {
  Put("six", "abcdef");
  BinaryFile f(PathOf("six"), BinaryFile::Mode::Read);
  char buf[8] = {};
  f.Read(buf, 4);
  ExpectIoError([&] { f.ReadInt32(); }, 38, "Read beyond end of file");
  ExpectIoError([&] { f.Read(buf, 3); }, 38, "Read beyond end of file");
  f.Read(buf, 2);  // the failed reads took nothing
  EXPECT_EQ(std::string(buf, 2), "ef");
  ExpectIoError([&] { f.Read(buf, 1); }, 38, "Read beyond end of file");

  Put("empty", "");
  BinaryFile e(PathOf("empty"), BinaryFile::Mode::Read);
  ExpectIoError([&] { e.ReadInt32(); }, 38, "Read beyond end of file");
}

TEST_F(BinaryFileTest, NamedPipesAndDevicesAreRefusedWithoutWaiting) {
  // Opening a pipe that no program writes to would wait for ever; reading a terminal too.
  const std::string pipe = PathOf("pipe");
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
  for (const std::string& path : {pipe, std::string("/dev/null")})
    for (BinaryFile::Mode mode : {BinaryFile::Mode::Read, BinaryFile::Mode::ReadWrite}) {
      SCOPED_TRACE(path + " in mode " + std::to_string(int(mode)));
      BinaryFile f;
      ExpectIoError([&] { f.Open(path, mode); }, 5, "File access denied");
      EXPECT_FALSE(f.IsOpen());
    }
  ExpectIoError([&] { ReadFileStart(pipe, 100); }, 5, "File access denied");
}

TEST_F(BinaryFileTest, FileThatIsNotOpenOrOpenForReadingRefusesTheOperation) {
  BinaryFile f;
  char c = 0;
  ExpectIoError([&] { f.Read(&c, 1); }, 103, "File not open");
  ExpectIoError([&] { f.Write(&c, 1); }, 103, "File not open");
  ExpectIoError([&] { f.Size(); }, 103, "File not open");
  ExpectIoError([&] { f.Close(); }, 103, "File not open");

  Put("data", "abc");
  f.Open(PathOf("data"), BinaryFile::Mode::Read);
  ExpectIoError([&] { f.WriteInt32(1); }, 5, "File access denied");
  f.Close();
  ExpectIoError([&] { f.ReadInt32(); }, 103, "File not open");
  EXPECT_EQ(ReadWholeFile(PathOf("data")), "abc");
}

TEST_F(BinaryFileTest, SystemErrorsMapToTheRuntimesNumbers) {
  Put("data", "abcdefgh");
  struct Case {
    Op op;
    int err;
    int code;
    const char* message;
  };
  const Case cases[] = {
      {Op::Open, EACCES, 5, "File access denied"},   {Op::Open, EPERM, 5, "File access denied"},
      {Op::Open, EROFS, 5, "File access denied"},    {Op::Open, EMFILE, 4, "Too many open files"},
      {Op::Open, ENOSPC, 112, "Disk full"},          {Op::Read, EIO, 100, "Disk read error"},
      {Op::Write, EIO, 101, "Disk write error"},     {Op::Write, ENOSPC, 112, "Disk full"},
      {Op::Close, EIO, 101, "Disk write error"},     {Op::Close, ENOSPC, 112, "Disk full"},
      {Op::Rename, EACCES, 5, "File access denied"}, {Op::Rename, EXDEV, 17, "Not same device"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << "operation " << int(c.op) << ", errno " << c.err);
    io_faults::FailAt(c.op, 1, c.err);
    ExpectIoError(
        [&] {
          BinaryFile f(PathOf("data"), BinaryFile::Mode::ReadWrite);
          char buf[2] = {'x', 'y'};
          f.Read(buf, 2);
          f.Write(buf, 2);
          f.Close();
          RenameFile(PathOf("data"), PathOf("data"));
        },
        c.code, c.message);
    io_faults::Clear();
  }
}

TEST_F(BinaryFileTest, FaultHitsTheNthCallOnly) {
  Put("data", "abcd");
  io_faults::FailAt(Op::Read, 3, EIO);
  BinaryFile f(PathOf("data"), BinaryFile::Mode::Read);
  char c;
  f.Read(&c, 1);
  f.Read(&c, 1);
  ExpectIoError([&] { f.Read(&c, 1); }, 100, "Disk read error");
  f.Read(&c, 1);
  EXPECT_EQ(c, 'c');  // the failed call took nothing
}

TEST_F(BinaryFileTest, CallsAreCountedFailedOnesIncluded) {
  io_faults::Clear();
  io_faults::FailAt(Op::Write, 2, ENOSPC);
  EXPECT_THROW(WriteFileAtomically(PathOf("data"), [](BinaryFile& f) {
                 f.Write("a", 1);
                 f.Write("b", 1);
               }),
               EInOutError);
  WriteFileAtomically(PathOf("data"), [](BinaryFile& f) { f.WriteInt32(7); });
  EXPECT_EQ(ReadFileStart(PathOf("data"), 10).size(), 4u);
  const std::pair<Op, int> expected[] = {{Op::Open, 3}, {Op::Write, 3}, {Op::Close, 2}, {Op::Rename, 1}, {Op::Read, 2}};
  for (const auto& [op, count] : expected) EXPECT_EQ(io_faults::Calls(op), count) << int(op);
  io_faults::Clear();
  for (const auto& [op, count] : expected) EXPECT_EQ(io_faults::Calls(op), 0) << int(op);
}

TEST_F(BinaryFileTest, EntryExistsForAnyKindOfEntry) {
  Put("plain", "");
  fs::create_directory(PathOf("folder"));
  fs::create_symlink(PathOf("nowhere"), PathOf("dangling"));
  EXPECT_TRUE(EntryExists(PathOf("plain")));
  EXPECT_TRUE(EntryExists(PathOf("folder")));
  EXPECT_TRUE(EntryExists(PathOf("dangling")));
  EXPECT_FALSE(EntryExists(PathOf("nowhere")));
  EXPECT_FALSE(EntryExists(PathOf("plain/below")));
}

TEST_F(BinaryFileTest, RenameReplacesTheTargetAndReportsAMissingSource) {
  Put("from", "new");
  Put("to", "old");
  RenameFile(PathOf("from"), PathOf("to"));
  EXPECT_EQ(Entries(), std::set<std::string>{"to"});
  EXPECT_EQ(ReadWholeFile(PathOf("to")), "new");
  ExpectIoError([&] { RenameFile(PathOf("from"), PathOf("to")); }, 2, "File not found");
  ExpectIoError([&] { RenameFile(PathOf("to"), PathOf("no-folder/to")); }, 3, "Path not found");
  EXPECT_EQ(ReadWholeFile(PathOf("to")), "new");
}

TEST_F(BinaryFileTest, TemporaryNamesAreFreshNamesInTheSameFolder) {
  const std::string target = PathOf("score.dat");
  const std::string a = TemporaryNameFor(target);
  const std::string b = TemporaryNameFor(target);
  EXPECT_NE(a, target);
  EXPECT_NE(a, b);
  EXPECT_EQ(fs::path(a).parent_path(), dir_);
  EXPECT_EQ(fs::path(b).parent_path(), dir_);
}

TEST_F(BinaryFileTest, ReadWholeFileReturnsEveryByte) {
  const std::string bytes("\0zero\0\xFF\n\r", 10);
  Put("data", bytes);
  EXPECT_EQ(ReadWholeFile(PathOf("data")), bytes);
  Put("empty", "");
  EXPECT_EQ(ReadWholeFile(PathOf("empty")), "");
  ExpectIoError([&] { ReadWholeFile(PathOf("missing")); }, 2, "File not found");
}

TEST_F(BinaryFileTest, ReadFileStartStopsAtTheLimitOrTheEnd) {
  Put("data", "0123456789");
  const struct {
    std::size_t limit;
    const char* expected;
  } cases[] = {{0, ""}, {4, "0123"}, {10, "0123456789"}, {11, "0123456789"}, {1000, "0123456789"}};
  for (const auto& c : cases) EXPECT_EQ(ReadFileStart(PathOf("data"), c.limit), c.expected) << c.limit;
  ExpectIoError([&] { ReadFileStart(PathOf("missing"), 4); }, 2, "File not found");
  fs::create_directory(PathOf("folder"));
  ExpectIoError([&] { ReadFileStart(PathOf("folder"), 4); }, 5, "File access denied");
  io_faults::FailAt(Op::Read, 1, EIO);
  ExpectIoError([&] { ReadFileStart(PathOf("data"), 4); }, 100, "Disk read error");
}

TEST_F(BinaryFileTest, ByteReaderReadsLikeAFile) {
  // The same bytes and reads as ReadPastTheEndReadsNothing, from memory.
  ByteReader r(std::string_view("abcdef"));
  char buf[8] = {};
  r.Read(buf, 4);
  ExpectIoError([&] { r.ReadInt32(); }, 38, "Read beyond end of file");
  ExpectIoError([&] { r.Read(buf, 3); }, 38, "Read beyond end of file");
  r.Read(buf, 2);
  EXPECT_EQ(std::string(buf, 2), "ef");
  ExpectIoError([&] { r.Read(buf, 1); }, 38, "Read beyond end of file");
  EXPECT_EQ(r.Size(), 6u);

  ByteReader numbers(std::string_view("\x01\x00\x00\x00\xFE\xFF\xFF\xFF", 8));
  EXPECT_EQ(numbers.ReadInt32(), 1);
  EXPECT_EQ(numbers.ReadInt32(), -2);
  ByteReader empty{std::string_view()};
  ExpectIoError([&] { empty.ReadInt32(); }, 38, "Read beyond end of file");
}

void WriteNewContents(BinaryFile& f) {
  f.Write("new ", 4);
  f.WriteInt32(42);
  f.Write(" contents", 9);
}

TEST_F(BinaryFileTest, WriteFileAtomicallyReplacesTheWholeFile) {
  Put("game", "old contents that are longer than the new ones");
  WriteFileAtomically(PathOf("game"), WriteNewContents);
  EXPECT_EQ(ReadWholeFile(PathOf("game")), std::string("new *\0\0\0 contents", 17));
  EXPECT_EQ(Entries(), std::set<std::string>{"game"});

  WriteFileAtomically(PathOf("fresh"), WriteNewContents);
  EXPECT_EQ(ReadWholeFile(PathOf("fresh")), ReadWholeFile(PathOf("game")));
  EXPECT_EQ(Entries(), (std::set<std::string>{"game", "fresh"}));
}

TEST_F(BinaryFileTest, FailedAtomicWriteKeepsThePreviousFileAndLeavesNoTemporary) {
  const std::string old("old\0contents\xFF", 13);
  struct Case {
    const char* name;
    Op op;
    int n;
    int err;
    int code;  // 0: the writer's own exception
  };
  const Case cases[] = {
      {"writer throws", Op::Open, 0, 0, 0},
      {"temporary cannot be created", Op::Open, 1, ENOSPC, 112},
      {"first write", Op::Write, 1, ENOSPC, 112},
      {"later write", Op::Write, 2, EIO, 101},
      {"close", Op::Close, 1, EIO, 101},
      {"rename", Op::Rename, 1, EACCES, 5},
  };
  for (bool targetExisted : {true, false}) {
    for (const Case& c : cases) {
      SCOPED_TRACE(std::string(c.name) + (targetExisted ? ", over an old file" : ", no old file"));
      RemoveQuietly(PathOf("game"));
      if (targetExisted) Put("game", old);
      if (c.n > 0) io_faults::FailAt(c.op, c.n, c.err);
      try {
        WriteFileAtomically(PathOf("game"), [&](BinaryFile& f) {
          WriteNewContents(f);
          if (c.code == 0) throw std::runtime_error("writer gave up");
        });
        ADD_FAILURE() << "the write went through";
      } catch (const EInOutError& e) {
        EXPECT_EQ(e.ErrorCode, c.code);
      } catch (const std::runtime_error& e) {
        EXPECT_EQ(c.code, 0) << e.what();
      }
      io_faults::Clear();
      if (targetExisted) {
        EXPECT_EQ(ReadWholeFile(PathOf("game")), old);
        EXPECT_EQ(Entries(), std::set<std::string>{"game"});
      } else {
        EXPECT_TRUE(Entries().empty());
      }
    }
  }
}

}  // namespace
}  // namespace platform
