#pragma once
// Dialog geometry on the desktop. The framework places controls from dialog units with the
// base units of its own dialog font; here the base units come from the Qt font that shows
// the dialog (average character width and height), so a template laid out for its font
// keeps its proportions with the font the desktop really draws.

#include <QFont>
#include <QRect>

#include "framework/Messages.h"
#include "framework/Window.h"

namespace qtview {

// The Qt font of a framework font: the family the framework's own text drawing asks for,
// at the same pixel height. A null handle gives the platform's default dialog font.
QFont FontOf(HFONT font);

class DialogMetrics {
public:
    explicit DialogMetrics(const QFont& font);

    int base_x() const { return m_base_x; }
    int base_y() const { return m_base_y; }
    // Framework pixels (laid out with the framework's base units) to pixels for this font.
    int x(int framework_px) const;
    int y(int framework_py) const;
    QRect rect(const CRect& framework_rect) const;

private:
    int m_base_x;
    int m_base_y;
};

// The metrics that place `window` inside its parent: those of the nearest dialog font
// among its ancestors (itself for a dialog), the default dialog font otherwise.
DialogMetrics MetricsFor(const fw::Window& window);
// The font a window's text is shown in: its own, else its parent's, else the default.
QFont ShownFontOf(const fw::Window& window);

}  // namespace qtview
