#include "forms/qt/qt_palette.h"

#include <QFontDatabase>
#include <cstdlib>

namespace forms {

QColor ToQColor(TColor color, const QPalette& system) {
    switch (color) {
        case clGreen: return QColor(0, 128, 0);
        case clYellow: return QColor(255, 255, 0);
        case clBtnFace: return system.color(QPalette::Active, QPalette::Button);
        case clBtnShadow: return system.color(QPalette::Active, QPalette::Dark);
        case clBtnHighlight: return system.color(QPalette::Active, QPalette::Light);
        case clBtnText: return system.color(QPalette::Active, QPalette::ButtonText);
        case clWindow: return system.color(QPalette::Active, QPalette::Base);
        case clWindowText: return system.color(QPalette::Active, QPalette::WindowText);
    }
    return system.color(QPalette::Active, QPalette::Button);
}

QFont ToQFont(const TFont& font) {
    QFont result;
    // "System" is a bold sans-serif face on the platform the layout was
    // drawn for; the desktop's own sans-serif face, bold, stands in for it.
    if (font.Name == "System") {
        result = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
        result.setBold(true);
    } else {
        result.setFamily(QString::fromStdString(font.Name));
        result.setBold(font.Bold);
    }
    // A negative height is the character height; a positive one adds the
    // leading, which Qt's pixel size leaves out, so both read as the size.
    result.setPixelSize(std::abs(font.Height));
    return result;
}

}  // namespace forms
