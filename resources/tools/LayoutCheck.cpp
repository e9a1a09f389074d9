#include "resources/tools/LayoutCheck.h"

#include <algorithm>

namespace rc {

namespace {

// A closed combo box shows one line; the rest of its height is the drop-down list.
constexpr int kComboVisibleHeight = 14;

struct Box {
    int left, top, right, bottom;
};

Box BoxOf(const fw::ControlTemplate& c)
{
    int height = c.kind == fw::ControlKind::ComboBox ? std::min(c.cy, kComboVisibleHeight) : c.cy;
    return {c.x, c.y, c.x + c.cx, c.y + height};
}

bool Overlap(const Box& a, const Box& b)
{
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

bool Inside(const Box& inner, const Box& outer)
{
    return inner.left >= outer.left && inner.right <= outer.right && inner.top >= outer.top && inner.bottom <= outer.bottom;
}

std::string Name(const fw::DialogTemplate& d, const fw::ControlTemplate& c)
{
    return "dialog " + std::to_string(d.id) + ", control " +
           (c.id >= 0 ? std::to_string(c.id) : "\"" + c.text + "\"");
}

}  // namespace

std::vector<std::string> CheckLayout(const fw::DialogTemplate& dialog)
{
    std::vector<std::string> problems;
    const Box page{0, 0, dialog.cx, dialog.cy};
    const auto& controls = dialog.controls;
    for (std::size_t i = 0; i < controls.size(); ++i) {
        Box a = BoxOf(controls[i]);
        if (!Inside(a, page))
            problems.push_back(Name(dialog, controls[i]) + " reaches outside the dialog");
        for (std::size_t j = i + 1; j < controls.size(); ++j) {
            Box b = BoxOf(controls[j]);
            bool a_group = controls[i].kind == fw::ControlKind::GroupBox;
            bool b_group = controls[j].kind == fw::ControlKind::GroupBox;
            if (!Overlap(a, b))
                continue;
            if (a_group != b_group) {
                if (!Inside(a_group ? b : a, a_group ? a : b))
                    problems.push_back(Name(dialog, controls[i]) + " and " + Name(dialog, controls[j]) +
                                       ": a control crosses a group box's frame");
            } else if (!a_group) {
                problems.push_back(Name(dialog, controls[i]) + " overlaps " + Name(dialog, controls[j]));
            } else if (!Inside(a, b) && !Inside(b, a)) {
                problems.push_back(Name(dialog, controls[i]) + " and " + Name(dialog, controls[j]) +
                                   ": group boxes overlap without nesting");
            }
        }
    }
    return problems;
}

}  // namespace rc
