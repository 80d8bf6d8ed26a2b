// Where the program keeps its files: beside the executable when it runs from a folder of its
// own, in the user's folders when it is installed or its folder cannot be written.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QTimer>
#include <map>

#include "forms/program_folder.h"
#include "window_fixture.h"

namespace {

// Points the user's home, data and configuration folders and the system's data folders into a
// scratch folder, so that nothing of the real user's or an installed copy is seen.
class UserFolders {
 public:
  explicit UserFolders(const QString& root) : root_(root) {
    Set("HOME", "home");
    Set("XDG_CONFIG_HOME", "home/.config");
    Set("XDG_DATA_HOME", "user-data");
    Set("XDG_DATA_DIRS", "system-data");
  }
  ~UserFolders() {
    for (const auto& [name, value] : saved_) {
      if (value) qputenv(name.c_str(), *value);
      else qunsetenv(name.c_str());
    }
  }
  UserFolders(const UserFolders&) = delete;
  UserFolders& operator=(const UserFolders&) = delete;

  QString Path(const QString& relative) const { return QDir(root_).filePath(relative); }

 private:
  void Set(const char* name, const char* relative) {
    saved_[name] = qEnvironmentVariableIsSet(name) ? std::optional(qgetenv(name)) : std::nullopt;
    QDir().mkpath(Path(QString::fromLatin1(relative)));
    qputenv(name, Path(QString::fromLatin1(relative)).toLocal8Bit());
  }

  QString root_;
  std::map<std::string, std::optional<QByteArray>> saved_;
};

void Touch(const QString& path) {
  QDir().mkpath(QFileInfo(path).path());
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
}

QString Str(const std::string& s) { return QString::fromStdString(s); }

class ProgramFolderTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(scratch.isValid()); }
  void TearDown() override {
    forms::SetProgramFolder({});
    forms::SetProgramFolderWritable(std::nullopt);
  }
  // A program folder inside the scratch folder.
  QString UseProgramFolder(const QString& relative) {
    const QString folder = users.Path(relative);
    QDir().mkpath(folder);
    forms::SetProgramFolder(folder);
    return folder;
  }

  QTemporaryDir scratch;
  UserFolders users{scratch.path()};
};

}  // namespace

TEST_F(ProgramFolderTest, TheWriteProbeCreatesAFileAndLeavesNothingBehind) {
  Touch(users.Path("a-file"));
  const std::pair<QString, bool> cases[] = {
      {scratch.path(), true},
      {users.Path("no-such-folder"), false},
      {users.Path("a-file"), false},
      {QStringLiteral("/proc"), false},  // refuses new files even to root, unlike permission bits
  };
  for (const auto& [folder, expected] : cases) EXPECT_EQ(forms::CanCreateFileIn(folder), expected) << folder.toStdString();
  EXPECT_EQ(QDir(scratch.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"a-file"});
}

TEST_F(ProgramFolderTest, ACopyInAFolderOfItsOwnKeepsEverythingBesideItself) {
  const QString app = UseProgramFolder("app");
  Touch(users.Path("app/rules_en.txt"));
  Touch(users.Path("system-data/kalmex-bubbles/rules_en.txt"));
  EXPECT_TRUE(forms::ProgramFolderWritable());
  EXPECT_EQ(Str(forms::UserFile("Score.dat")), app + "/Score.dat");
  EXPECT_EQ(Str(forms::DataFile("rules_en.txt")), app + "/rules_en.txt");
  EXPECT_EQ(forms::SavedGamesFolder(), app);
  EXPECT_FALSE(QDir(users.Path("user-data/kalmex-bubbles")).exists());
}

TEST_F(ProgramFolderTest, AnInstalledCopyUsesTheUsersFoldersEvenWhenItsBinFolderTakesFiles) {
  const QString bin = UseProgramFolder("prefix/bin");
  Touch(users.Path("prefix/share/kalmex-bubbles/rules_cz.txt"));
  ASSERT_TRUE(forms::CanCreateFileIn(bin));  // as for root in /usr/bin
  EXPECT_FALSE(forms::ProgramFolderWritable());
  EXPECT_EQ(Str(forms::UserFile("Score.dat")), users.Path("user-data/kalmex-bubbles/Score.dat"));
  EXPECT_TRUE(QDir(users.Path("user-data/kalmex-bubbles")).exists());  // created for the file
  EXPECT_EQ(Str(forms::DataFile("rules_cz.txt")), users.Path("prefix/share/kalmex-bubbles/rules_cz.txt"));
  EXPECT_EQ(forms::SavedGamesFolder(), users.Path("home"));  // no documents folder yet
  QDir().mkpath(users.Path("home/Documents"));
  EXPECT_EQ(forms::SavedGamesFolder(), users.Path("home/Documents"));
}

TEST_F(ProgramFolderTest, ARulesFileIsTakenFromTheFirstPlaceThatHasIt) {
  const QString app = UseProgramFolder("opt/app");
  forms::SetProgramFolderWritable(false);
  struct Case {
    QStringList present;
    QString expected;
  };
  const QString beside = "opt/app/rules_en.txt";
  const QString installed = "opt/share/kalmex-bubbles/rules_en.txt";
  const QString user = "user-data/kalmex-bubbles/rules_en.txt";
  const QString system = "system-data/kalmex-bubbles/rules_en.txt";
  const Case cases[] = {
      {{}, beside},  // none: the usual place, so that the error names it
      {{system}, system},
      {{user, system}, user},
      {{installed, user, system}, installed},
      {{beside, installed, user, system}, beside},
  };
  for (const Case& c : cases) {
    for (const QString& f : {beside, installed, user, system}) QFile::remove(users.Path(f));
    for (const QString& f : c.present) Touch(users.Path(f));
    EXPECT_EQ(Str(forms::DataFile("rules_en.txt")), users.Path(c.expected)) << c.present.join(", ").toStdString();
  }
}

namespace {
// The real windows with the program folder's writability decided by the test.
class FilesLocationTest : public WindowsTest {
 protected:
  void SetUp() override {
    forms::SetProgramFolderWritable(writable);
    QDir().mkpath(users.Path("home/Documents"));
    WindowsTest::SetUp();
  }
  void TearDown() override {
    WindowsTest::TearDown();
    forms::SetProgramFolderWritable(std::nullopt);
  }
  // Opens the real save dialog and reports the folder it shows, then cancels it.
  QString SaveDialogFolder() {
    QString shown;
    QTimer::singleShot(0, [&] {
      auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
      if (!dialog) return;
      shown = dialog->directory().absolutePath();
      dialog->reject();
    });
    forms::Form1->Savegame1->trigger();
    return shown;
  }

  bool writable = true;
  QTemporaryDir scratch;
  UserFolders users{scratch.path()};
};

class NotWritableFolderTest : public FilesLocationTest {
 protected:
  NotWritableFolderTest() { writable = false; }
};
}  // namespace

TEST_F(FilesLocationTest, AWritableProgramFolderHoldsTheScoresAndTheSavedGames) {
  EXPECT_TRUE(QFile::exists(folder.filePath("Score.dat")));
  EXPECT_FALSE(QFile::exists(users.Path("user-data/kalmex-bubbles/Score.dat")));
  EXPECT_EQ(SaveDialogFolder(), folder.path());
}

TEST_F(NotWritableFolderTest, TheScoresGoToTheUsersDataFolderAndTheDialogsOpenInDocuments) {
  const QString score = users.Path("user-data/kalmex-bubbles/Score.dat");
  EXPECT_EQ(QFileInfo(score).size(), 286);  // the default table, written at start-up
  EXPECT_FALSE(QFile::exists(folder.filePath("Score.dat")));
  QFile::remove(score);
  forms::Form1->SaveScores();
  EXPECT_EQ(QFileInfo(score).size(), 286);
  EXPECT_EQ(SaveDialogFolder(), users.Path("home/Documents"));
  EXPECT_TRUE(reported.isEmpty());
}
