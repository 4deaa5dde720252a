#include "app/data_paths.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace aerlith::app {
namespace {

const QString kAerodromeFileName = QStringLiteral("vdats.tst");

}  // namespace

QString DataDirectoryFor(const QString& executableDirectory) {
    const QDir beside(executableDirectory);
    if (QFileInfo::exists(beside.filePath(kAerodromeFileName))) return beside.path();
    const QString installed =
        QDir::cleanPath(beside.filePath(QStringLiteral(AERLITH_INSTALLED_DATA_RELATIVE)));
    if (QFileInfo(installed).isDir()) return installed;
    return beside.path();
}

QString UserAerodromeFile() {
    // The first location is the user's own; the later ones are shared system folders, which
    // hold the installed file itself on Linux and must not count as the user's.
    const QStringList locations =
        QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation);
    if (locations.isEmpty() || locations.first().isEmpty()) return {};
    return QDir(locations.first()).filePath(QStringLiteral("aerlith/") + kAerodromeFileName);
}

std::filesystem::path NativePath(const QString& path) {
#ifdef _WIN32
    return std::filesystem::path(path.toStdWString());
#else
    return std::filesystem::path(QFile::encodeName(path).toStdString());
#endif
}

QString AerodromeFileFor(const QString& dataDirectory) {
    const QString user = UserAerodromeFile();
    if (!user.isEmpty() && QFileInfo(user).isFile()) return user;
    return QDir(dataDirectory).filePath(kAerodromeFileName);
}

}  // namespace aerlith::app
