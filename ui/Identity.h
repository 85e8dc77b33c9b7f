#pragma once

#include <QString>
#include <string>

#include "AppIdentity.h"

// The application's identity as the windows show it.
namespace varnock::ui {

inline QString AppTitle() { return QString::fromUtf8(identity::kTitle); }

// "Version 2.5.2", as the splash and About windows show it.
inline std::string VersionText() { return std::string("Version ") + identity::kVersion; }

}  // namespace varnock::ui
