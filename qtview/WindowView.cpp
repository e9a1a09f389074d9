#include "qtview/WindowView.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QTreeWidget>

#include "framework/CImageList.h"
#include "framework/ControlColors.h"
#include "framework/Input.h"
#include "framework/ListViewTypes.h"
#include "framework/WinUser.h"
#include "qtview/DialogMetrics.h"
#include "qtview/Images.h"
#include "qtview/RasterWidget.h"
#include "qtview/StaticInput.h"
#include "qtview/TopLevelWidget.h"

namespace qtview {

namespace {
// What an edit without a limit of its own holds, as the platform's edits do.
constexpr int kNoTextLimit = 30000;

enum class ButtonKind { Push, Check, Radio, Group };

ButtonKind ButtonKindOf(DWORD style)
{
    switch (style & 0xF) {
    case BS_CHECKBOX:
    case BS_AUTOCHECKBOX: return ButtonKind::Check;
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON: return ButtonKind::Radio;
    case BS_GROUPBOX: return ButtonKind::Group;
    default: return ButtonKind::Push;
    }
}

QString Text(const std::string& text) { return QString::fromStdString(text); }

// A static shows "&x" as an underlined x and "&&" as "&"; a label without a buddy shows
// the ampersand itself, so take the markers out.
QString WithoutMnemonics(const std::string& text)
{
    std::string shown;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '&' && i + 1 < text.size())
            ++i;
        shown += text[i];
    }
    return Text(shown);
}

Qt::Alignment StaticAlignment(DWORD style)
{
    Qt::Alignment horizontal = Qt::AlignLeft;
    if ((style & 0x3) == SS_CENTER)
        horizontal = Qt::AlignHCenter;
    else if ((style & 0x3) == SS_RIGHT)
        horizontal = Qt::AlignRight;
    return horizontal | ((style & SS_CENTERIMAGE) ? Qt::AlignVCenter : Qt::AlignTop);
}

// The palette of a static or a button in the colours its parent chose for its text; the
// platform's otherwise.
QPalette PaletteFor(const QWidget& widget, const fw::ControlColors& colors)
{
    QPalette palette = widget.parentWidget() ? widget.parentWidget()->palette() : widget.palette();
    if (colors.text != CLR_INVALID)
        palette.setColor(QPalette::WindowText, QColor(GetRValue(colors.text), GetGValue(colors.text), GetBValue(colors.text)));
    if (colors.background != CLR_INVALID && !colors.transparent)
        palette.setColor(QPalette::Window, QColor(GetRValue(colors.background), GetGValue(colors.background), GetBValue(colors.background)));
    return palette;
}

bool SameColors(const fw::ControlColors& a, const fw::ControlColors& b)
{
    return a.text == b.text && a.background == b.background && a.transparent == b.transparent;
}

// A list view draws its first column left-aligned whatever the column asks for.
Qt::Alignment ColumnAlignment(const std::vector<fw::ListColumn>& columns, std::size_t column)
{
    const int format = columns[column].format & 0x3;
    if (column == 0 || format == LVCFMT_LEFT)
        return Qt::AlignLeft;
    return format == LVCFMT_RIGHT ? Qt::AlignRight : Qt::AlignHCenter;
}

bool IsDropDownList(DWORD style) { return (style & 0x3) == CBS_DROPDOWNLIST; }

// Brings the field's text to `wanted` in one user edit, as the keystroke (or paste, or cut)
// that made it: the part between the common start and the common end is replaced.
void EditTowards(HWND window, const std::string& wanted)
{
    const fw::Window* w = fw::FromHandle(window);
    if (w == nullptr)
        return;
    const std::string& now = w->text;
    const auto continuation = [](char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; };
    std::size_t start = 0;
    while (start < now.size() && start < wanted.size() && now[start] == wanted[start])
        ++start;
    std::size_t tail = 0;
    while (tail < now.size() - start && tail < wanted.size() - start && now[now.size() - 1 - tail] == wanted[wanted.size() - 1 - tail])
        ++tail;
    // Never split a character of several bytes.
    while (start > 0 && start < wanted.size() && continuation(wanted[start]))
        --start;
    while (tail > 0 && continuation(wanted[wanted.size() - tail]))
        --tail;
    const std::string replaced = wanted.substr(start, wanted.size() - start - tail);
    if (fw::input::SelectText(window, static_cast<int>(start), static_cast<int>(now.size() - tail)))
        fw::input::ReplaceSelection(window, replaced);
}

// Tells the framework of focus the user moved; focus the program set is already known.
class FocusWatcher final : public QObject {
public:
    FocusWatcher(HWND window, InputQueue& inputs, QObject* parent) : QObject(parent), m_window(window), m_inputs(inputs) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::FocusIn) {
            const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
            if (reason == Qt::MouseFocusReason || reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason) {
                HWND window = m_window;
                m_inputs.push([window] {
                    if (GetFocus() != window)
                        fw::input::Focus(window);
                });
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    HWND m_window;
    InputQueue& m_inputs;
};
}  // namespace

WindowView::WindowView(const fw::Window& window, QWidget* parent, InputQueue& inputs)
    : m_handle(window.handle), m_kind(window.kind), m_inputs(inputs)
{
    create_widget(window, parent);
    if (m_widget != nullptr) {
        connect_input(window);
        if (parent != nullptr)
            m_widget->installEventFilter(new FocusWatcher(m_handle, m_inputs, m_widget));
    }
}

// No framework code runs inside a widget's event (input is queued), so the widget can go
// at once; the loop is the framework's, where deferred deletions would wait for good.
WindowView::~WindowView() { delete m_widget.data(); }

void WindowView::create_widget(const fw::Window& window, QWidget* parent)
{
    if (parent == nullptr) {
        m_widget = new TopLevelWidget(m_handle, m_inputs);
        return;
    }
    switch (window.kind) {
    case fw::WindowKind::Static: m_widget = new QLabel(parent); break;
    case fw::WindowKind::Button:
        switch (ButtonKindOf(window.style)) {
        case ButtonKind::Push: m_widget = new QPushButton(parent); break;
        case ButtonKind::Check: m_widget = new QCheckBox(parent); break;
        case ButtonKind::Radio: {
            auto* radio = new QRadioButton(parent);
            radio->setAutoExclusive(false);  // the program groups its radio buttons
            m_widget = radio;
            break;
        }
        case ButtonKind::Group: m_widget = new QGroupBox(parent); break;
        }
        break;
    case fw::WindowKind::Edit: m_widget = new QLineEdit(parent); break;
    case fw::WindowKind::ComboBox: {
        auto* combo = new QComboBox(parent);
        combo->setEditable(!IsDropDownList(window.style));
        m_widget = combo;
        break;
    }
    case fw::WindowKind::ListView: {
        auto* list = new QTreeWidget(parent);
        list->setRootIsDecorated(false);
        list->setUniformRowHeights(true);
        list->setSelectionBehavior(QAbstractItemView::SelectRows);
        list->setSelectionMode((window.style & LVS_SINGLESEL) ? QAbstractItemView::SingleSelection
                                                               : QAbstractItemView::ExtendedSelection);
        list->setIconSize(QSize(16, 16));
        list->header()->setStretchLastSection(false);
        list->header()->setSectionsClickable((window.style & LVS_NOSORTHEADER) == 0);
        m_widget = list;
        break;
    }
    case fw::WindowKind::TabControl: m_widget = new QTabWidget(parent); break;
    case fw::WindowKind::ToolTip: break;
    case fw::WindowKind::Dialog:
    case fw::WindowKind::PropertySheet:
    case fw::WindowKind::Frame: m_widget = new QWidget(parent); break;
    case fw::WindowKind::Generic: m_widget = new RasterWidget(m_handle, m_inputs, parent); break;
    }
}

void WindowView::connect_input(const fw::Window& window)
{
    HWND h = m_handle;
    InputQueue& inputs = m_inputs;
    if (window.kind == fw::WindowKind::Static && (window.style & SS_NOTIFY)) {
        if (window.style & WS_TABSTOP)
            m_widget->setFocusPolicy(Qt::StrongFocus);
        m_widget->installEventFilter(new StaticInput(h, inputs, m_widget));
    } else if (auto* button = qobject_cast<QAbstractButton*>(m_widget.data())) {
        QObject::connect(button, &QAbstractButton::clicked, [h, &inputs] { inputs.push([h] { fw::input::Click(h); }); });
    } else if (auto* edit = qobject_cast<QLineEdit*>(m_widget.data())) {
        QObject::connect(edit, &QLineEdit::textEdited, [h, &inputs](const QString& text) {
            inputs.push([h, wanted = text.toStdString()] { EditTowards(h, wanted); });
        });
    } else if (auto* combo = qobject_cast<QComboBox*>(m_widget.data())) {
        QObject::connect(combo, &QComboBox::activated,
                         [h, &inputs](int index) { inputs.push([h, index] { fw::input::SelectComboItem(h, index); }); });
        if (QLineEdit* field = combo->lineEdit())
            QObject::connect(field, &QLineEdit::textEdited, [h, &inputs](const QString& text) {
                inputs.push([h, wanted = text.toStdString()] { EditTowards(h, wanted); });
            });
    } else if (auto* list = qobject_cast<QTreeWidget*>(m_widget.data())) {
        // A click is reported when the button comes up; Qt ends a double-click without a
        // second one (its second press is only a press), so a double-click is one click and
        // then the double-click, as the program expects.
        QObject::connect(list, &QTreeWidget::itemClicked, [h, &inputs, list](QTreeWidgetItem* item, int) {
            const int row = list->indexOfTopLevelItem(item);
            inputs.push([h, row] { fw::input::ClickListRow(h, row); });
        });
        QObject::connect(list, &QTreeWidget::itemDoubleClicked, [h, &inputs, list](QTreeWidgetItem* item, int) {
            const int row = list->indexOfTopLevelItem(item);
            inputs.push([h, row] { fw::input::SecondClickListRow(h, row); });
        });
    } else if (auto* tabs = qobject_cast<QTabWidget*>(m_widget.data())) {
        HWND sheet = window.parent ? window.parent->handle : nullptr;
        QObject::connect(tabs, &QTabWidget::currentChanged,
                         [sheet, &inputs](int index) { inputs.push([sheet, index] { fw::input::SelectTab(sheet, index); }); });
    }
}

QTabWidget* WindowView::tab_widget() const { return qobject_cast<QTabWidget*>(m_widget.data()); }

QWidget* WindowView::page_holder(int index) const
{
    QTabWidget* tabs = tab_widget();
    return tabs != nullptr && index >= 0 && index < tabs->count() ? tabs->widget(index) : nullptr;
}

// Each value is handed to Qt only when it differs from what the widget shows: an unchanged
// window costs no repaint and no traffic to the display.
void WindowView::update(const fw::Window& window)
{
    if (m_widget == nullptr)
        return;
    const QSignalBlocker blocker(m_widget.data());
    if (window.parent == nullptr) {
        if (m_widget->windowTitle() != Text(window.text))
            m_widget->setWindowTitle(Text(window.text));
    } else if (const QFont font = ShownFontOf(window); !m_shown_font || *m_shown_font != font) {
        m_widget->setFont(font);
        m_shown_font = font;
    }
    if (m_widget->testAttribute(Qt::WA_ForceDisabled) == window.enabled())
        m_widget->setEnabled(window.enabled());

    if (auto* label = qobject_cast<QLabel*>(m_widget.data())) {
        update_label(*label, window);
    } else if (auto* group = qobject_cast<QGroupBox*>(m_widget.data())) {
        if (group->title() != Text(window.text))
            group->setTitle(Text(window.text));
    } else if (auto* button = qobject_cast<QAbstractButton*>(m_widget.data())) {
        update_button(*button, window);
    } else if (auto* edit = qobject_cast<QLineEdit*>(m_widget.data())) {
        const int limit = window.text_limit > 0 ? window.text_limit : kNoTextLimit;
        if (edit->maxLength() != limit)
            edit->setMaxLength(limit);
        if (edit->isReadOnly() != window.read_only())
            edit->setReadOnly(window.read_only());
        const QLineEdit::EchoMode echo = (window.style & ES_PASSWORD) ? QLineEdit::Password : QLineEdit::Normal;
        if (edit->echoMode() != echo)
            edit->setEchoMode(echo);
        if (edit->text() != Text(window.text))
            edit->setText(Text(window.text));
    } else if (auto* combo = qobject_cast<QComboBox*>(m_widget.data())) {
        update_combo(*combo, window);
    } else if (qobject_cast<QTreeWidget*>(m_widget.data())) {
        update_list(window);
    } else if (tab_widget() != nullptr) {
        update_tabs(window);
    } else if (dynamic_cast<RasterWidget*>(m_widget.data())) {
        // A window shown before it painted (or since it was resized) is asked for its picture,
        // as the platform asks a window that comes into view.
        if (window.visible() && (window.raster.Width() != window.rect.Width() || window.raster.Height() != window.rect.Height()))
            InvalidateRect(m_handle, nullptr, FALSE);
        m_widget->update();
    }

    // Top-level windows are shown by the presenter once laid out.
    if (window.parent != nullptr && m_widget->isHidden() == window.visible())
        m_widget->setVisible(window.visible());
}

void WindowView::update_label(QLabel& label, const fw::Window& window)
{
    if (label.text() != WithoutMnemonics(window.text))
        label.setText(WithoutMnemonics(window.text));
    const Qt::Alignment alignment = StaticAlignment(window.style);
    if (label.alignment() != alignment)
        label.setAlignment(alignment);
    // A link is one line, whatever its width.
    const bool wrap = (window.style & 0x3) != SS_RIGHT && (window.style & (SS_CENTERIMAGE | SS_NOTIFY)) == 0;
    if (label.wordWrap() != wrap)
        label.setWordWrap(wrap);
    const int frame = (window.style & SS_SUNKEN) ? (QFrame::Panel | QFrame::Sunken) : QFrame::NoFrame;
    if (label.frameStyle() != frame)
        label.setFrameStyle(frame);
    update_colors(label);
}

void WindowView::update_button(QAbstractButton& button, const fw::Window& window)
{
    if (button.text() != Text(window.text))
        button.setText(Text(window.text));
    if (auto* check = qobject_cast<QCheckBox*>(&button)) {
        update_colors(*check);
        const bool tristate = window.check == BST_INDETERMINATE;
        if (check->isTristate() != tristate)
            check->setTristate(tristate);
        const Qt::CheckState state = window.check == BST_CHECKED ? Qt::Checked : (tristate ? Qt::PartiallyChecked : Qt::Unchecked);
        if (check->checkState() != state)
            check->setCheckState(state);
        return;
    }
    if ((button.isCheckable() || qobject_cast<QRadioButton*>(&button)) && button.isChecked() != (window.check == BST_CHECKED))
        button.setChecked(window.check == BST_CHECKED);
    if (auto* push = qobject_cast<QPushButton*>(&button); push != nullptr && push->isDefault() != ((window.style & 0xF) == BS_DEFPUSHBUTTON))
        push->setDefault((window.style & 0xF) == BS_DEFPUSHBUTTON);
}

void WindowView::update_combo(QComboBox& combo, const fw::Window& window)
{
    bool same = combo.count() == static_cast<int>(window.items.size());
    for (int i = 0; same && i < combo.count(); ++i)
        same = combo.itemText(i) == Text(window.items[static_cast<std::size_t>(i)]);
    if (!same) {
        QStringList items;
        for (const std::string& item : window.items)
            items << Text(item);
        combo.clear();
        combo.addItems(items);
    }
    if (combo.currentIndex() != window.cur_sel)
        combo.setCurrentIndex(window.cur_sel);
    if (combo.isEditable() && combo.currentText() != Text(window.text)) {
        const QSignalBlocker field_blocker(combo.lineEdit());
        combo.setEditText(Text(window.text));
    }
}

// The parent is asked on every update, as the platform asks it on every redraw.
void WindowView::update_colors(QWidget& widget)
{
    const fw::ControlColors colors = fw::QueryControlColors(m_handle);
    if (m_shown_colors && SameColors(*m_shown_colors, colors))
        return;
    const bool filled = colors.background != CLR_INVALID && !colors.transparent;
    widget.setAutoFillBackground(filled);
    widget.setPalette(PaletteFor(widget, colors));
    m_shown_colors = colors;
}

void WindowView::update_list(const fw::Window& window)
{
    auto* list = qobject_cast<QTreeWidget*>(m_widget.data());
    QStringList headings;
    for (const fw::ListColumn& column : window.columns)
        headings << Text(column.heading);
    // A list without columns shows an empty header, not Qt's column number.
    if (headings.isEmpty())
        headings << QString();
    if (headings != m_shown_headings) {
        list->setColumnCount(static_cast<int>(headings.size()));
        list->setHeaderLabels(headings);
        m_shown_headings = headings;
    }
    std::optional<DialogMetrics> metrics;
    for (std::size_t c = 0; c < window.columns.size(); ++c) {
        list->headerItem()->setTextAlignment(static_cast<int>(c), ColumnAlignment(window.columns, c) | Qt::AlignVCenter);
        const int width = window.columns[c].width;
        if (width <= 0)
            continue;
        if (!metrics)
            metrics = MetricsFor(window);
        if (list->columnWidth(static_cast<int>(c)) != metrics->x(width))
            list->setColumnWidth(static_cast<int>(c), metrics->x(width));
    }

    const bool same = m_shown_images == window.small_images && m_shown_rows.size() == window.rows.size() &&
                      std::equal(m_shown_rows.begin(), m_shown_rows.end(), window.rows.begin(), [](const fw::ListRow& a, const fw::ListRow& b) {
                          return a.texts == b.texts && a.image == b.image;
                      });
    if (!same) {
        list->clear();
        const fw::ImageListData* images = fw::ImageListOf(static_cast<HIMAGELIST>(window.small_images));
        for (const fw::ListRow& row : window.rows) {
            auto* item = new QTreeWidgetItem(list);
            for (std::size_t c = 0; c < row.texts.size(); ++c) {
                item->setText(static_cast<int>(c), Text(row.texts[c]));
                if (c < window.columns.size())
                    item->setTextAlignment(static_cast<int>(c), ColumnAlignment(window.columns, c));
            }
            if (images != nullptr && row.image >= 0 && row.image < static_cast<int>(images->images.size()))
                item->setIcon(0, QIcon(QPixmap::fromImage(ToImage(images->images[static_cast<std::size_t>(row.image)].image))));
        }
        m_shown_rows = window.rows;
        m_shown_images = window.small_images;
    }
    for (std::size_t r = 0; r < window.rows.size(); ++r) {
        const bool selected = (window.rows[r].state & LVIS_SELECTED) != 0;
        if (QTreeWidgetItem* item = list->topLevelItem(static_cast<int>(r)); item != nullptr && item->isSelected() != selected)
            item->setSelected(selected);
    }
}

void WindowView::update_tabs(const fw::Window& window)
{
    QTabWidget* tabs = tab_widget();
    while (tabs->count() > static_cast<int>(window.items.size()))
        delete tabs->widget(tabs->count() - 1);
    for (std::size_t i = 0; i < window.items.size(); ++i) {
        const int index = static_cast<int>(i);
        if (index >= tabs->count())
            tabs->addTab(new QWidget, Text(window.items[i]));
        else if (tabs->tabText(index) != Text(window.items[i]))
            tabs->setTabText(index, Text(window.items[i]));
    }
    if (window.cur_sel >= 0 && window.cur_sel < tabs->count() && tabs->currentIndex() != window.cur_sel)
        tabs->setCurrentIndex(window.cur_sel);
}

}  // namespace qtview
