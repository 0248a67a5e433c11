// The per-user settings file through the Qt platform, on real files: what
// Qt's own store wrote stays readable both ways, a failed write stores
// nothing and says where and why, special files are left alone, and two
// copies of the game counting at once lose no count.
#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>

#include "platform/qt_platform.h"

namespace vorn {
namespace {

class SettingsStore : public ::testing::Test {
 protected:
  void SetUp() override {
    saved_ = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", home.path().toUtf8());
    ASSERT_TRUE(QDir(home.path()).mkpath(kApp));
  }
  void TearDown() override { qputenv("XDG_CONFIG_HOME", saved_); }

  QByteArray Bytes() const {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : "missing";
  }
  FileError Set(const std::string& key, const std::string& value) {
    return platform.SaveSetting(kApp, "Settings", key, value);
  }
  std::optional<std::string> Get(const std::string& key) {
    return platform.GetSetting(kApp, "Settings", key);
  }

  static constexpr char kApp[] = "vorn";
  QTemporaryDir home;
  const QString path = home.filePath("vorn/vorn.conf");
  QtPlatform platform;

 private:
  QByteArray saved_;
};

// Hand-edited files: the game reads a key where Qt's store reads it, and a
// change replaces that line only.
TEST_F(SettingsStore, AHandEditedFileIsReadAndChangedWhereQtReadsIt) {
  const std::pair<std::string, std::string> cases[] = {
      {"", "[Settings]\nGLevel=2\n"},
      {"[Settings]\nGLevel=1", "[Settings]\nGLevel=2\n"},
      {"\xEF\xBB\xBF[Settings]\nGLevel=1\n", "\xEF\xBB\xBF[Settings]\nGLevel=2\n"},
      {"[Settings]\r\nGLevel=1 ; mine\r\n", "[Settings]\r\nGLevel=2\n"},
      {"[Settings]\nGLevel=0\n[Other]\nx=1\n[Settings]\nGLevel=1\n",
       "[Settings]\nGLevel=0\n[Other]\nx=1\n[Settings]\nGLevel=2\n"},
      {"[Settings]\n\n[Other]\nGLevel=1\n", "[Settings]\nGLevel=2\n\n[Other]\nGLevel=1\n"},
      {"[Settings]\nGLevel=\"1\"\n", "[Settings]\nGLevel=2\n"},
  };
  for (const auto& [text, changed] : cases) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(text.data(), static_cast<qint64>(text.size()));
    file.close();
    const QVariant qt = QSettings(path, QSettings::IniFormat).value("Settings/GLevel");
    EXPECT_EQ(Get("GLevel"),
              qt.isValid() ? std::optional(qt.toString().toStdString()) : std::nullopt)
        << text;
    EXPECT_EQ(Set("GLevel", "2"), std::nullopt);
    EXPECT_EQ(Bytes().toStdString(), changed) << text;
  }
}

TEST_F(SettingsStore, WhatQtsStoreWroteStaysAndItReadsWhatTheGameWrites) {
  {
    QSettings qt(path, QSettings::IniFormat);
    qt.setValue("BestTimes/Level1Seconds", "42");
    qt.setValue("Settings/GLevel", "1");
    qt.setValue("Settings/Theirs", "a, \"quoted\" list");
    qt.setValue("Zeta/Other", 7);
  }
  const QByteArray before = Bytes();
  EXPECT_EQ(Get("GLevel"), "1");
  EXPECT_EQ(Set("GLevel", "2"), std::nullopt);
  EXPECT_EQ(Set("BoardSize", "150"), std::nullopt);
  EXPECT_EQ(platform.SaveSetting(kApp, "New", "Key", "2026-12-07"), std::nullopt);
  EXPECT_EQ(Get("GLevel"), "2");
  // Every other line is as it was, in its place; a new key ends its section.
  QByteArray expected = before;
  expected.replace("GLevel=1\n", "GLevel=2\n").replace("\n\n[Zeta]", "\nBoardSize=150\n\n[Zeta]");
  EXPECT_EQ(Bytes().toStdString(), (expected + "\n[New]\nKey=2026-12-07\n").toStdString());

  QSettings qt(path, QSettings::IniFormat);
  EXPECT_EQ(qt.value("Settings/GLevel").toString(), "2");
  EXPECT_EQ(qt.value("Settings/BoardSize").toString(), "150");
  EXPECT_EQ(qt.value("New/Key").toString(), "2026-12-07");
}

// Beyond the file-size limit, as on a full disk: nothing is stored, and a
// later read shows what is really kept, not what was asked.
TEST_F(SettingsStore, AFailedWriteStoresNothingAndSaysWhereAndWhy) {
  ASSERT_EQ(Set("GLevel", "1"), std::nullopt);
  const QByteArray before = Bytes();
  rlimit saved{};
  ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
  const rlimit small{static_cast<rlim_t>(before.size() + 8), saved.rlim_max};
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
  const FileError error = Set("BoardSize", "300");
  ::setrlimit(RLIMIT_FSIZE, &saved);
  ASSERT_TRUE(error);
  EXPECT_EQ(error->rfind(path.toStdString() + ": ", 0), 0u) << *error;
  EXPECT_NE(error->find("too large"), std::string::npos) << *error;
  EXPECT_EQ(Get("BoardSize"), std::nullopt);
  EXPECT_EQ(Bytes().toStdString(), before.toStdString());
}

TEST_F(SettingsStore, APipeALoopOfLinksOrAHugeFileIsNeitherReadNorWrittenOver) {
  const std::string file = path.toStdString();
  const auto refused = [&](const char* what, const char* reason) {
    EXPECT_EQ(Get("GLevel"), std::nullopt) << what;
    const FileError error = Set("GLevel", "2");
    EXPECT_NE(error.value_or("").find(reason), std::string::npos) << what << ": " << *error;
  };
  ASSERT_EQ(::mkfifo(file.c_str(), 0644), 0);
  refused("pipe", "Not a regular file");
  struct stat st {};
  EXPECT_TRUE(::stat(file.c_str(), &st) == 0 && S_ISFIFO(st.st_mode));

  ASSERT_EQ(::unlink(file.c_str()), 0);
  ASSERT_EQ(::symlink("vorn.conf", file.c_str()), 0);
  refused("loop", "loop of symbolic links");
  EXPECT_EQ(QFileInfo(path).symLinkTarget(), path);

  ASSERT_EQ(::unlink(file.c_str()), 0);
  QFile huge(path);
  ASSERT_TRUE(huge.open(QIODevice::WriteOnly) && huge.resize(100 << 20));
  huge.close();
  refused("huge", "larger (104857600 bytes) than any settings file");
  EXPECT_EQ(QFileInfo(path).size(), 100 << 20);
}

TEST_F(SettingsStore, TwoCopiesCountingAtOnceLoseNoCount) {
  QProcess copies[2];
  for (QProcess& copy : copies) copy.start(VORN_COUNT_UP, {kApp, "40"});
  for (QProcess& copy : copies) {
    ASSERT_TRUE(copy.waitForFinished(60000));
    EXPECT_EQ(copy.exitCode(), 0) << copy.readAllStandardError().toStdString();
  }
  EXPECT_EQ(platform.GetSetting(kApp, "BestTimes", "Level1Wins"), "80");
}

}  // namespace
}  // namespace vorn
