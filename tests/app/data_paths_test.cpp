// Where the program finds its data: beside the executable or in the installed folder relative to
// it, and the user's own aerodrome file under XDG_DATA_HOME.

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

std::string Clean(const QString& path) { return QDir::cleanPath(path).toStdString(); }

struct LayoutCase {
    const char* name;
    bool aerodromeFileBeside;
    bool picturesBeside;
    bool installedFolder;
    bool expectInstalled;
};

void PrintTo(const LayoutCase& layout, std::ostream* out) { *out << layout.name; }

class DataDirectoryTest : public testing::TestWithParam<LayoutCase> {};

TEST_P(DataDirectoryTest, ChoosesTheFolderThatHoldsTheData) {
    const LayoutCase& layout = GetParam();
    QTemporaryDir prefix;
    const QString bin = prefix.filePath(QStringLiteral(AERLITH_TEST_BINDIR));
    const QString installed = prefix.filePath(QStringLiteral(AERLITH_TEST_DATADIR));
    ASSERT_TRUE(QDir().mkpath(bin));
    if (layout.aerodromeFileBeside) Touch(bin + QStringLiteral("/vdats.tst"));
    if (layout.picturesBeside) Touch(bin + QStringLiteral("/e6b1.jpg"));
    if (layout.installedFolder) Touch(installed + QStringLiteral("/vdats.tst"));
    EXPECT_EQ(Clean(DataDirectoryFor(bin)), Clean(layout.expectInstalled ? installed : bin));
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, DataDirectoryTest,
    testing::Values(LayoutCase{"BuildTreeWinsOverAnInstallBesideIt", true, true, true, false},
                    LayoutCase{"BuildTreeAlone", true, true, false, false},
                    LayoutCase{"InstalledFoundRelativeToTheExecutable", false, false, true, true},
                    LayoutCase{"PicturesAloneDoNotMakeADataFolder", false, true, true, true},
                    LayoutCase{"NothingAnywhereKeepsTheExecutablesFolder", false, false, false,
                               false}),
    [](const testing::TestParamInfo<LayoutCase>& row) { return std::string(row.param.name); });

TEST(DataDirectoryTest, MovedInstallStillFindsItsData) {
    QTemporaryDir root;
    const QString before = root.filePath(QStringLiteral("before"));
    Touch(before + QStringLiteral("/" AERLITH_TEST_DATADIR "/vdats.tst"));
    ASSERT_TRUE(QDir().mkpath(before + QStringLiteral("/" AERLITH_TEST_BINDIR)));
    const QString after = root.filePath(QStringLiteral("elsewhere/after"));
    ASSERT_TRUE(QDir().mkpath(root.filePath(QStringLiteral("elsewhere"))));
    ASSERT_TRUE(QDir().rename(before, after));
    EXPECT_EQ(Clean(DataDirectoryFor(after + QStringLiteral("/" AERLITH_TEST_BINDIR))),
              Clean(after + QStringLiteral("/" AERLITH_TEST_DATADIR)));
}

// The user's data folder comes from XDG_DATA_HOME on Linux and other freedesktop systems.
class UserFileTest : public testing::Test {
protected:
    void SetUp() override {
#if !defined(Q_OS_UNIX) || defined(Q_OS_MACOS)
        GTEST_SKIP() << "XDG_DATA_HOME names the user's data folder only on freedesktop systems";
#endif
        qputenv("XDG_DATA_HOME", QFile::encodeName(dataHome_));
    }
    void TearDown() override {
        if (hadValue_) {
            qputenv("XDG_DATA_HOME", saved_);
        } else {
            qunsetenv("XDG_DATA_HOME");
        }
    }
    const bool hadValue_ = qEnvironmentVariableIsSet("XDG_DATA_HOME");
    const QByteArray saved_ = qgetenv("XDG_DATA_HOME");
    QTemporaryDir home_;
    const QString dataHome_ = home_.filePath(QStringLiteral("not-yet/share"));
    const QString usersFile_ = dataHome_ + QStringLiteral("/aerlith/vdats.tst");
    const QString program_ = home_.filePath(QStringLiteral("program"));
};

TEST_F(UserFileTest, InstalledFileWhenTheUserHasNoneAndNoFolderMade) {
    EXPECT_EQ(Clean(UserAerodromeFile()), Clean(usersFile_));
    EXPECT_EQ(Clean(AerodromeFileFor(program_)), Clean(program_ + QStringLiteral("/vdats.tst")));
    EXPECT_FALSE(QFileInfo::exists(home_.filePath(QStringLiteral("not-yet"))));
}

TEST_F(UserFileTest, UsersOwnFileWhenItExists) {
    Touch(usersFile_);
    EXPECT_EQ(Clean(AerodromeFileFor(program_)), Clean(usersFile_));
}

TEST_F(UserFileTest, AFolderInTheFilesPlaceIsNotAFile) {
    ASSERT_TRUE(QDir().mkpath(usersFile_));
    EXPECT_EQ(Clean(AerodromeFileFor(program_)), Clean(program_ + QStringLiteral("/vdats.tst")));
}

}  // namespace
