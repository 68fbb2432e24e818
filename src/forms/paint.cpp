#include "forms/canvas.h"
#include "forms/edit.h"
#include "forms/form.h"
#include "forms/label.h"
#include "forms/panel.h"

namespace forms {

namespace {

// One bevel of `width` nested one-pixel frames; returns the rectangle inside.
TRect PaintBevel(TCanvas& canvas, TRect rect, TBevelCut cut, int width) {
    if (cut == bvNone) return rect;
    const TColor topLeft = cut == bvRaised ? clBtnHighlight : clBtnShadow;
    const TColor bottomRight = cut == bvRaised ? clBtnShadow : clBtnHighlight;
    for (int i = 0; i < width && rect.Width > 0 && rect.Height > 0; ++i) {
        canvas.FillRect({rect.Left, rect.Top, rect.Width, 1}, topLeft);
        canvas.FillRect({rect.Left, rect.Top, 1, rect.Height}, topLeft);
        canvas.FillRect({rect.Left, rect.Top + rect.Height - 1, rect.Width, 1}, bottomRight);
        canvas.FillRect({rect.Left + rect.Width - 1, rect.Top, 1, rect.Height}, bottomRight);
        rect = {rect.Left + 1, rect.Top + 1, rect.Width - 2, rect.Height - 2};
    }
    return rect;
}

void PaintPanel(TCanvas& canvas, const TPanel& panel, const TRect& bounds) {
    TRect inside = PaintBevel(canvas, bounds, panel.BevelOuter(), panel.BevelWidth());
    inside = PaintBevel(canvas, inside, panel.BevelInner(), panel.BevelWidth());
    if (inside.Width > 0 && inside.Height > 0) canvas.FillRect(inside, panel.Color());
    if (!panel.Caption().empty()) canvas.DrawText(inside, panel.Caption(), panel.Font(), TTextPlacement::Centred);
}

void PaintChildren(TCanvas& canvas, const TWinControl& parent, int originLeft, int originTop) {
    for (int i = 0; i < parent.ControlCount(); ++i) {
        const TControl& child = *parent.Controls(i);
        if (!child.Visible()) continue;
        const TRect bounds{originLeft + child.Left(), originTop + child.Top(), child.Width(), child.Height()};
        if (const auto* panel = dynamic_cast<const TPanel*>(&child)) {
            PaintPanel(canvas, *panel, bounds);
        } else if (const auto* label = dynamic_cast<const TLabel*>(&child)) {
            canvas.FillRect(bounds, label->Color());
            canvas.DrawText(bounds, label->Caption(), label->Font(), TTextPlacement::TopLeft);
        } else if (const auto* edit = dynamic_cast<const TEdit*>(&child)) {
            const TRect inside =
                edit->BorderStyle == bsNone ? bounds : PaintBevel(canvas, bounds, bvLowered, 2);
            canvas.FillRect(inside, edit->Color);
        }
        // Children sit relative to their parent's outer corner, not its bevels.
        if (const auto* container = dynamic_cast<const TWinControl*>(&child))
            PaintChildren(canvas, *container, bounds.Left, bounds.Top);
    }
}

}  // namespace

void PaintForm(const TForm& form, TCanvas& canvas) {
    canvas.FillRect({0, 0, form.ClientWidth, form.ClientHeight}, form.Color);
    PaintChildren(canvas, form, 0, 0);
}

}  // namespace forms
