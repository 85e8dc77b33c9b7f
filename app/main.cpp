#include <QApplication>

#include "AppIdentity.h"
#include "Forms.h"
#include "Identity.h"
#include "frmSplash.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(varnock::ui::AppTitle());
  QApplication::setOrganizationName(QString::fromUtf8(varnock::identity::kCompany));
  // Lets the desktop match the windows to the installed entry and its icon.
  QApplication::setDesktopFileName(QString::fromUtf8(varnock::identity::kAppId));
  return varnock::ui::RunApplication(varnock::ui::Instance<varnock::ui::frmSplash>());
}
