// The one table from the library's colours and fonts to Qt's.
#pragma once

#include <QColor>
#include <QFont>
#include <QPalette>

#include "forms/font.h"

namespace forms {

QColor ToQColor(TColor color, const QPalette& system);
QFont ToQFont(const TFont& font);

}  // namespace forms
