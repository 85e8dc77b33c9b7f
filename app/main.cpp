#include <QApplication>
#ifdef _WIN32
#include <windows.h>
#else
#include <cstdio>
#include <cstdlib>
#include <cstring>
#endif

#include "AppIdentity.h"
#include "Forms.h"
#include "Identity.h"
#include "frmSplash.h"

namespace {

#ifndef _WIN32
// Without a display Qt aborts with a page about platform plug-ins: a user
// who started the program from a text console is told in one line instead.
bool HasDesktop(int argc, char** argv) {
  if (std::getenv("DISPLAY") || std::getenv("WAYLAND_DISPLAY") || std::getenv("QT_QPA_PLATFORM")) return true;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "-platform") == 0) return true;
  }
  return false;
}
#endif

}  // namespace

int main(int argc, char** argv) {
#ifndef _WIN32
  if (!HasDesktop(argc, argv)) {
    std::fputs(VARNOCK_PROGRAM
               ": needs a graphical desktop: start it in a desktop session (no DISPLAY or "
               "WAYLAND_DISPLAY is set)\n",
               stderr);
    return 1;
  }
#endif
#ifdef _WIN32
  // Held until the process ends: the installer and uninstaller look for it and
  // ask the user to close the program before they touch its files.
  CreateMutexW(nullptr, FALSE, varnock::identity::kRunningMutex);
#endif
  QApplication app(argc, argv);
  QApplication::setApplicationName(varnock::ui::AppTitle());
  QApplication::setOrganizationName(QString::fromUtf8(varnock::identity::kCompany));
  // Lets the desktop match the windows to the installed entry and its icon.
  QApplication::setDesktopFileName(QString::fromUtf8(varnock::identity::kAppId));
  return varnock::ui::RunApplication(varnock::ui::Instance<varnock::ui::frmSplash>());
}
