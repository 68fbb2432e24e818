#include "forms/qt/qt_canvas.h"

#include "forms/qt/qt_palette.h"

namespace forms {

void QtCanvas::FillRect(const TRect& rect, TColor color) {
    painter_.fillRect(QRect(rect.Left, rect.Top, rect.Width, rect.Height), ToQColor(color, system_));
}

void QtCanvas::DrawText(const TRect& rect, const std::string& text, const TFont& font, TTextPlacement placement) {
    painter_.setFont(ToQFont(font));
    painter_.setPen(ToQColor(font.Color, system_));
    const int alignment = placement == TTextPlacement::Centred ? int(Qt::AlignCenter)
                                                               : int(Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip);
    // Words are single bytes; Latin-1 shows each byte as one character.
    painter_.drawText(QRect(rect.Left, rect.Top, rect.Width, rect.Height), alignment | Qt::TextSingleLine,
                      QString::fromLatin1(text.data(), static_cast<int>(text.size())));
}

}  // namespace forms
