#include "app/data_paths.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtGlobal>
#include <ostream>

namespace {

using aerlith::app::AerodromeFileFor;
using aerlith::app::DataDirectoryFor;
using aerlith::app::UserAerodromeFile;

void Touch(const QString& path) {
    ASSERT_TRUE(QDir().mkpath(QFileInfo(path).path()));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
}

struct LayoutCase {
    const char* name;
    bool aerodromeFileBeside;
    bool picturesBeside;
    bool installedFolder;
    const char* expected;  // "bin" or "installed"
};

void PrintTo(const LayoutCase& layout, std::ostream* out) { *out << layout.name; }

class DataDirectoryTest : public testing::TestWithParam<LayoutCase> {};

TEST_P(DataDirectoryTest, ChoosesTheFolderThatHoldsTheData) {
    const LayoutCase& layout = GetParam();
    QTemporaryDir prefix;
    ASSERT_TRUE(prefix.isValid());
    const QString bin = prefix.filePath(QStringLiteral(AERLITH_TEST_BINDIR));
    const QString installed = prefix.filePath(QStringLiteral(AERLITH_TEST_DATADIR));
    ASSERT_TRUE(QDir().mkpath(bin));
    if (layout.aerodromeFileBeside) Touch(bin + QStringLiteral("/vdats.tst"));
    if (layout.picturesBeside) Touch(bin + QStringLiteral("/e6b1.jpg"));
    if (layout.installedFolder) Touch(installed + QStringLiteral("/vdats.tst"));

    const QString expected =
        QStringLiteral("installed") == QLatin1String(layout.expected) ? installed : bin;
    EXPECT_EQ(QDir::cleanPath(DataDirectoryFor(bin)).toStdString(),
              QDir::cleanPath(expected).toStdString());
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, DataDirectoryTest,
    testing::Values(
        LayoutCase{"BuildTreeWinsOverAnInstallBesideIt", true, true, true, "bin"},
        LayoutCase{"BuildTreeAlone", true, true, false, "bin"},
        LayoutCase{"InstalledFoundRelativeToTheExecutable", false, false, true, "installed"},
        LayoutCase{"PicturesAloneDoNotMakeADataFolder", false, true, true, "installed"},
        LayoutCase{"NothingAnywhereKeepsTheExecutablesFolder", false, false, false, "bin"}),
    [](const testing::TestParamInfo<LayoutCase>& row) { return std::string(row.param.name); });

TEST(DataDirectoryTest, MovedInstallStillFindsItsData) {
    QTemporaryDir root;
    ASSERT_TRUE(root.isValid());
    const QString before = root.filePath(QStringLiteral("before"));
    Touch(before + QStringLiteral("/" AERLITH_TEST_DATADIR "/vdats.tst"));
    ASSERT_TRUE(QDir().mkpath(before + QStringLiteral("/" AERLITH_TEST_BINDIR)));
    const QString after = root.filePath(QStringLiteral("elsewhere/after"));
    ASSERT_TRUE(QDir().mkpath(root.filePath(QStringLiteral("elsewhere"))));
    ASSERT_TRUE(QDir().rename(before, after));

    EXPECT_EQ(QDir::cleanPath(DataDirectoryFor(after + QStringLiteral("/" AERLITH_TEST_BINDIR)))
                  .toStdString(),
              QDir::cleanPath(after + QStringLiteral("/" AERLITH_TEST_DATADIR)).toStdString());
}

// The user's data folder comes from XDG_DATA_HOME on Linux and other freedesktop systems.
class UserFileTest : public testing::Test {
protected:
    void SetUp() override {
#if !defined(Q_OS_UNIX) || defined(Q_OS_MACOS)
        GTEST_SKIP() << "XDG_DATA_HOME names the user's data folder only on freedesktop systems";
#endif
        ASSERT_TRUE(home_.isValid());
        saved_ = qgetenv("XDG_DATA_HOME");
        hadValue_ = qEnvironmentVariableIsSet("XDG_DATA_HOME");
        dataHome_ = home_.filePath(QStringLiteral("not-yet/share"));
        qputenv("XDG_DATA_HOME", QFile::encodeName(dataHome_));
        data_ = home_.filePath(QStringLiteral("program"));
    }
    void TearDown() override {
        if (hadValue_) {
            qputenv("XDG_DATA_HOME", saved_);
        } else {
            qunsetenv("XDG_DATA_HOME");
        }
    }
    QTemporaryDir home_;
    QByteArray saved_;
    bool hadValue_ = false;
    QString dataHome_;
    QString data_;
};

TEST_F(UserFileTest, NamesTheFileUnderTheUsersDataFolderWithoutMakingIt) {
    EXPECT_EQ(UserAerodromeFile().toStdString(),
              (dataHome_ + QStringLiteral("/aerlith/vdats.tst")).toStdString());
    EXPECT_FALSE(QFileInfo::exists(home_.filePath(QStringLiteral("not-yet"))));
}

TEST_F(UserFileTest, InstalledFileWhenTheUserHasNone) {
    EXPECT_EQ(AerodromeFileFor(data_).toStdString(),
              (data_ + QStringLiteral("/vdats.tst")).toStdString());
    EXPECT_FALSE(QFileInfo::exists(dataHome_));
}

TEST_F(UserFileTest, UsersOwnFileWhenItExists) {
    Touch(dataHome_ + QStringLiteral("/aerlith/vdats.tst"));
    EXPECT_EQ(AerodromeFileFor(data_).toStdString(),
              (dataHome_ + QStringLiteral("/aerlith/vdats.tst")).toStdString());
}

TEST_F(UserFileTest, AFolderInTheFilesPlaceIsNotAFile) {
    ASSERT_TRUE(QDir().mkpath(dataHome_ + QStringLiteral("/aerlith/vdats.tst")));
    EXPECT_EQ(AerodromeFileFor(data_).toStdString(),
              (data_ + QStringLiteral("/vdats.tst")).toStdString());
}

}  // namespace
