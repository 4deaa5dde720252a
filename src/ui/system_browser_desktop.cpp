#include <QDesktopServices>
#include <QUrl>

#include "ui/system_browser.h"

namespace aerlith::ui {

void OpenInSystemBrowser(const QString& address) { QDesktopServices::openUrl(QUrl(address)); }

}  // namespace aerlith::ui
