#include "qtview/DialogMetrics.h"

#include <cstdlib>
#include <cstring>

#include <QFontMetrics>

#include "framework/DialogBuilder.h"
#include "framework/gdi/CFont.h"
#include "framework/gdi/FontLibrary.h"

namespace qtview {

namespace {
// "MS Sans Serif" 8 at 96 dots per inch, the framework's dialog font.
constexpr char kDefaultFace[] = "MS Sans Serif";
constexpr int kDefaultPixelHeight = 11;

QFont FontOfLogFont(const LOGFONT& log)
{
    const gdi::FontLibrary::Request request = gdi::FontLibrary::RequestFor(log);
    QFont font(QString::fromStdString(request.family));
    font.setPixelSize(log.lfHeight != 0 ? static_cast<int>(std::labs(log.lfHeight)) : kDefaultPixelHeight);
    if (log.lfWeight >= FW_BOLD)
        font.setBold(true);
    font.setItalic(log.lfItalic != 0);
    font.setUnderline(log.lfUnderline != 0);
    return font;
}

const fw::Window* WithFont(const fw::Window* w)
{
    while (w != nullptr && w->font == nullptr)
        w = w->parent;
    return w;
}
}  // namespace

QFont FontOf(HFONT handle)
{
    LOGFONT log;
    if (handle == nullptr || GetObject(reinterpret_cast<HGDIOBJ>(handle), sizeof log, &log) == 0) {
        log = LOGFONT{};
        log.lfHeight = -kDefaultPixelHeight;
        std::strncpy(log.lfFaceName, kDefaultFace, sizeof log.lfFaceName - 1);
    }
    return FontOfLogFont(log);
}

DialogMetrics::DialogMetrics(const QFont& font)
{
    // The platform's rule: the width of the 52 letters, averaged and rounded, and the height.
    const QFontMetrics metrics(font);
    const int letters = metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    m_base_x = std::max(1, (letters / 26 + 1) / 2);
    m_base_y = std::max(1, metrics.height());
}

int DialogMetrics::x(int framework_px) const { return framework_px * m_base_x / fw::kDialogBaseUnitX; }
int DialogMetrics::y(int framework_py) const { return framework_py * m_base_y / fw::kDialogBaseUnitY; }

QRect DialogMetrics::rect(const CRect& r) const
{
    const int left = x(r.left), top = y(r.top);
    return QRect(left, top, x(r.right) - left, y(r.bottom) - top);
}

DialogMetrics MetricsFor(const fw::Window& window)
{
    const fw::Window* dialog = window.kind == fw::WindowKind::Dialog ? &window : window.parent;
    const fw::Window* with_font = WithFont(dialog);
    return DialogMetrics(FontOf(with_font ? with_font->font : nullptr));
}

QFont ShownFontOf(const fw::Window& window)
{
    const fw::Window* with_font = WithFont(&window);
    return FontOf(with_font ? with_font->font : nullptr);
}

}  // namespace qtview
