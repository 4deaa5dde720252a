// Where the program finds its data: beside the executable or in the installed folder relative to
// it (the prefix is a temporary folder, never the configured one), and the user's own aerodrome
// file under XDG_DATA_HOME.

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

// The user's data folder comes from XDG_DATA_HOME on Linux and other freedesktop systems. The
// user's own file read when it exists, and nothing made: tests/install/user_aerodrome_file.cmake.
TEST(UserAerodromeFileTest, AFolderInTheFilesPlaceIsNotAFile) {
#if !defined(Q_OS_UNIX) || defined(Q_OS_MACOS)
    GTEST_SKIP() << "XDG_DATA_HOME names the user's data folder only on freedesktop systems";
#endif
    QTemporaryDir home;
    ASSERT_TRUE(QDir().mkpath(home.filePath(QStringLiteral("aerlith/vdats.tst"))));
    const QByteArray saved = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", QFile::encodeName(home.path()));
    const QString named = aerlith::app::UserAerodromeFile();
    const QString chosen = AerodromeFileFor(home.filePath(QStringLiteral("program")));
    qputenv("XDG_DATA_HOME", saved);
    EXPECT_EQ(Clean(named), Clean(home.filePath(QStringLiteral("aerlith/vdats.tst"))));
    EXPECT_EQ(Clean(chosen), Clean(home.filePath(QStringLiteral("program/vdats.tst"))));
}

}  // namespace
