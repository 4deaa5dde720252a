// Where the program finds its data: beside the executable or in the installed folder relative to
// it (the prefix is a temporary folder, never the configured one), and the user's own aerodrome
// file under XDG_DATA_HOME.

#include "app/data_paths.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtGlobal>
#include <tuple>

namespace {

using aerlith::app::AerodromeFileFor;
using aerlith::app::DataDirectoryFor;

void Touch(const QString& path) {
    ASSERT_TRUE(QDir().mkpath(QFileInfo(path).path()));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
}

std::string Clean(const QString& path) { return QDir::cleanPath(path).toStdString(); }

TEST(DataDirectoryFor, ChoosesTheFolderThatHoldsTheData) {
    // Name, aerodrome file beside the executable, pictures beside it, installed aerodrome file,
    // the installed folder chosen.
    const std::tuple<const char*, bool, bool, bool, bool> rows[] = {
        {"build tree wins over an install beside it", true, true, true, false},
        {"build tree alone", true, true, false, false},
        {"installed found relative to the executable", false, false, true, true},
        {"pictures alone do not make a data folder", false, true, true, true},
        {"nothing anywhere keeps the executable's folder", false, false, false, false},
    };
    for (const auto& [name, aerodromesBeside, picturesBeside, installedFile, installed] : rows) {
        QTemporaryDir prefix;
        const QString bin = prefix.filePath(QStringLiteral(AERLITH_TEST_BINDIR));
        const QString data = prefix.filePath(QStringLiteral(AERLITH_TEST_DATADIR));
        ASSERT_TRUE(QDir().mkpath(bin));
        if (aerodromesBeside) Touch(bin + QStringLiteral("/vdats.tst"));
        if (picturesBeside) Touch(bin + QStringLiteral("/e6b1.jpg"));
        if (installedFile) Touch(data + QStringLiteral("/vdats.tst"));
        EXPECT_EQ(Clean(DataDirectoryFor(bin)), Clean(installed ? data : bin)) << name;
    }
}

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
