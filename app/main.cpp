#include <QApplication>

#include "WindowServices.h"
#include "frmSplash.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(varnock::ui::AppTitle());
  return varnock::ui::RunApplication(varnock::ui::Instance<varnock::ui::frmSplash>());
}
