// The library's canvas over a QPainter.
#pragma once

#include <QPainter>

#include "forms/canvas.h"

namespace forms {

class QtCanvas final : public TCanvas {
public:
    QtCanvas(QPainter& painter, const QPalette& system) : painter_(painter), system_(system) {}
    void FillRect(const TRect& rect, TColor color) override;
    void DrawText(const TRect& rect, const std::string& text, const TFont& font, TTextPlacement placement) override;

private:
    QPainter& painter_;
    const QPalette& system_;
};

}  // namespace forms
