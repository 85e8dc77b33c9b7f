#include <QApplication>
#ifdef _WIN32
#include <windows.h>
#endif

#include "AppIdentity.h"
#include "Forms.h"
#include "Identity.h"
#include "frmSplash.h"

int main(int argc, char** argv) {
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
