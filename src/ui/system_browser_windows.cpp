// windows.h first: shellapi.h uses what it declares.
#include <windows.h>

#include <shellapi.h>

#include "ui/system_browser.h"

namespace aerlith::ui {

void OpenInSystemBrowser(const QString& address) {
    const std::wstring wide = address.toStdWString();
    SHELLEXECUTEINFOW open{};
    open.cbSize = sizeof(open);
    // No error box of the shell's own if nothing can open the address; and the request is handed
    // over before this returns, since the program ends right after.
    open.fMask = SEE_MASK_FLAG_NO_UI | SEE_MASK_NOASYNC;
    open.lpVerb = L"open";
    open.lpFile = wide.c_str();
    open.nShow = SW_SHOWNORMAL;
    ShellExecuteExW(&open);
}

}  // namespace aerlith::ui
