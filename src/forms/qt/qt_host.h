// The real window on Qt 6 Widgets. This header shows nothing of Qt.
#pragma once

#include <memory>

#include "forms/host.h"

namespace forms {

// Creates the Qt application first thing; it lives as long as the host.
std::unique_ptr<THost> CreateQtHost(int& argc, char** argv);

}  // namespace forms
