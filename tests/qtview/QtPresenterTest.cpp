#include <gtest/gtest.h>

#include <functional>
#include <limits>
#include <map>
#include <set>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include "SheetProgram.h"
#include "framework/CStatic.h"
#include "framework/Icon.h"
#include "framework/TrayIcon.h"
#include "framework/WaitCursor.h"
#include "framework/MessageLoop.h"
#include "framework/WinUser.h"
#include "framework/WindowClass.h"
#include "framework/WindowDC.h"
#include "framework/Window.h"
#include "machine/Clock.h"
#include "platform/CurrentClock.h"
#include "platform/Time.h"
#include "qtview/QtPresenter.h"
#include "qtview/SignalWake.h"
#include "qtview/Snapshot.h"

namespace {

using namespace sheet_program;

// An owner-drawn window: its left half red (or another colour), its right half blue.
class Swatch : public CWnd {
public:
    COLORREF m_left = RGB(255, 0, 0);

protected:
    void OnPaint()
    {
        CPaintDC dc(this);
        CRect client;
        GetClientRect(&client);
        dc.FillSolidRect(0, 0, client.Width() / 2, client.Height(), m_left);
        dc.FillSolidRect(client.Width() / 2, 0, client.Width() - client.Width() / 2, client.Height(), RGB(0, 0, 255));
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(Swatch, CWnd)
    ON_WM_PAINT()
END_MESSAGE_MAP()

// Counts the paint events a widget receives.
class PaintCounter : public QObject {
public:
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

// A hidden window with a tray icon that logs the mouse messages posted to its callback.
class TrayOwner : public CWnd {
public:
    static constexpr UINT kCallback = WM_USER + 100;
    std::vector<UINT> mouse;

protected:
    LRESULT OnTrayNotify(WPARAM, LPARAM lParam)
    {
        mouse.push_back(static_cast<UINT>(lParam));
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(TrayOwner, CWnd)
    ON_MESSAGE(TrayOwner::kCallback, OnTrayNotify)
END_MESSAGE_MAP()

// The record of one of the owner's icons, with a picture and a tip, ready to be added.
NOTIFYICONDATA TrayRecord(const TrayOwner& owner, UINT id, HICON icon, const char* tip)
{
    NOTIFYICONDATA nid;
    nid.cbSize = NOTIFYICONDATA_V1_SIZE;
    nid.hWnd = owner.m_hWnd;
    nid.uID = id;
    nid.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    nid.uCallbackMessage = TrayOwner::kCallback;
    nid.hIcon = icon;
    std::snprintf(nid.szTip, sizeof nid.szTip, "%s", tip);
    return nid;
}

// Counts what reaches the widgets of one window: repaints and changes of their state.
class WidgetTraffic final : public QObject {
public:
    explicit WidgetTraffic(QWidget* top) : m_top(top) { QApplication::instance()->installEventFilter(this); }
    ~WidgetTraffic() override { QApplication::instance()->removeEventFilter(this); }
    std::map<QWidget*, std::vector<QEvent::Type>> seen;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        static const std::set<QEvent::Type> counted{QEvent::Paint, QEvent::FontChange, QEvent::PaletteChange,
                                                    QEvent::EnabledChange, QEvent::ToolTipChange, QEvent::LayoutRequest,
                                                    QEvent::Move, QEvent::Resize, QEvent::StyleChange,
                                                    QEvent::WindowTitleChange, QEvent::ShowToParent, QEvent::HideToParent};
        auto* widget = qobject_cast<QWidget*>(watched);
        if (widget != nullptr && widget->window() == m_top && counted.count(event->type()) != 0)
            seen[widget].push_back(event->type());
        return false;
    }

private:
    QWidget* m_top;
};

void ForEachWindow(const fw::Window& window, const std::function<void(HWND)>& visit)
{
    visit(window.handle);
    for (const fw::Window* child : window.children)
        ForEachWindow(*child, visit);
}

class QtPresenterTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        static int argc = 1;
        static char name[] = "zephra_qtview_tests";
        static char* argv[] = {name, nullptr};
        if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        if (QApplication::instance() == nullptr)
            new QApplication(argc, argv);
    }

    QtPresenterTest() : m_module(MakeModule()), m_previous_clock(platform::SetCurrentClock(&m_clock))
    {
        fw::SetProgramModule(&m_module);
        fw::MessageLoop::instance().reset();
        fw::SetPresenter(&m_presenter);
    }
    ~QtPresenterTest() override
    {
        fw::SetPresenter(nullptr);
        fw::MessageLoop::instance().reset();
        fw::SetProgramModule(nullptr);
        platform::SetCurrentClock(m_previous_clock);
    }

    // Runs the sheet modally; `body` runs inside its loop, then the sheet's close box ends it.
    int RunSheet(const std::function<void()>& body)
    {
        QTimer::singleShot(0, [&] {
            m_presenter.tick();
            body();
            m_presenter.tick();
            if (QWidget* window = m_presenter.widget_of(m_sheet.m_hWnd))
                window->close();
            else
                m_presenter.inputs().push([this] { m_sheet.EndDialog(IDCANCEL); });
        });
        return m_sheet.DoModal();
    }

    template <typename Widget>
    Widget* Shown(int id)
    {
        return dynamic_cast<Widget*>(m_presenter.widget_of(GetDlgItem(m_sheet.m_first.m_hWnd, id)));
    }
    QTabWidget* Tabs() { return dynamic_cast<QTabWidget*>(m_presenter.widget_of(GetDlgItem(m_sheet.m_hWnd, static_cast<int>(AFX_IDC_TAB_CONTROL)))); }
    void ClickTab(int index)
    {
        QTabBar* bar = Tabs()->tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
        m_presenter.tick();
    }

    fw::ResourceModule m_module;
    machine::VirtualClock m_clock;
    machine::Clock* m_previous_clock;
    qtview::QtPresenter m_presenter;
    Sheet m_sheet;
};

TEST_F(QtPresenterTest, WidgetsMirrorTheirControlsAndProgramChangesRaiseNoNotification)
{
    const int result = RunSheet([&] {
        QLineEdit* name = Shown<QLineEdit>(kName);
        ASSERT_NE(name, nullptr);
        EXPECT_EQ(name->text(), "abc");
        EXPECT_TRUE(Shown<QCheckBox>(kCheck)->isChecked());
        EXPECT_EQ(Shown<QComboBox>(kMode)->currentText(), "Infrastructure");
        EXPECT_EQ(Shown<QComboBox>(kMode)->count(), 3);
        EXPECT_TRUE(Shown<QLineEdit>(kLocked)->isReadOnly());
        EXPECT_EQ(Shown<QLineEdit>(kLocked)->text(), "fixed");
        EXPECT_EQ(Shown<QLabel>(kStatus)->text(), "Status text");
        EXPECT_FALSE(Shown<QLabel>(kHidden)->isVisible());
        EXPECT_EQ(Shown<QGroupBox>(kGroup)->title(), "Settings");
        QTreeWidget* list = Shown<QTreeWidget>(kList);
        ASSERT_EQ(list->topLevelItemCount(), 2);
        EXPECT_EQ(list->headerItem()->text(1), "Channel");
        EXPECT_EQ(list->topLevelItem(1)->text(1), "11");
        EXPECT_TRUE(list->topLevelItem(1)->isSelected());
        EXPECT_FALSE(list->topLevelItem(0)->isSelected());
        ASSERT_EQ(Tabs()->count(), 2);
        EXPECT_EQ(Tabs()->tabText(1), "Second");
        EXPECT_TRUE(Shown<QWidget>(kName)->isVisible());

        m_sheet.m_first.m_strName = "xyz";
        m_sheet.m_first.UpdateData(FALSE);
        m_sheet.m_first.SetDlgItemText(kStatus, "Now");
        m_sheet.m_first.GetDlgItem(kCheck)->EnableWindow(FALSE);
        m_sheet.m_first.GetDlgItem(kHidden)->ShowWindow(SW_SHOW);
        m_sheet.m_first.m_list.SetItemState(0, LVIS_SELECTED, LVIS_SELECTED);
        m_sheet.m_first.m_list.SetItemState(1, 0, LVIS_SELECTED);
        m_presenter.tick();
        EXPECT_EQ(name->text(), "xyz");
        EXPECT_EQ(Shown<QLabel>(kStatus)->text(), "Now");
        EXPECT_FALSE(Shown<QCheckBox>(kCheck)->isEnabled());
        EXPECT_TRUE(Shown<QLabel>(kHidden)->isVisible());
        EXPECT_TRUE(list->topLevelItem(0)->isSelected());
        EXPECT_FALSE(list->topLevelItem(1)->isSelected());
        EXPECT_EQ(m_sheet.m_first.m_nNameChanges, 0);
    });
    EXPECT_EQ(result, IDCANCEL);  // the close box cancels
    EXPECT_EQ(m_presenter.widget_of(m_sheet.m_first.m_hWnd), nullptr);
    EXPECT_TRUE(QApplication::topLevelWidgets().isEmpty());  // the sheet's widgets are gone
}

TEST_F(QtPresenterTest, OnlyWhatChangedReachesTheWidgets)
{
    RunSheet([&] {
        QWidget* sheet = m_presenter.widget_of(m_sheet.m_hWnd);
        ASSERT_NE(sheet, nullptr);
        QCoreApplication::processEvents();
        WidgetTraffic traffic(sheet);

        // Told that every window changed when none did, the presenter leaves every widget be.
        ForEachWindow(*fw::FromHandle(m_sheet.m_hWnd), [&](HWND h) { m_presenter.window_changed(h, fw::Change::Text); });
        m_sheet.m_first.UpdateData(FALSE);
        m_presenter.tick();
        QCoreApplication::processEvents();
        for (const auto& [widget, events] : traffic.seen)
            ADD_FAILURE() << widget->metaObject()->className() << " got " << events.size() << " events, first " << events.front();

        // One label's new text repaints it (and lets Qt fit its parent's layout), nothing else.
        traffic.seen.clear();
        m_sheet.m_first.SetDlgItemText(kStatus, "Now");
        m_presenter.tick();
        QCoreApplication::processEvents();
        QLabel* status = Shown<QLabel>(kStatus);
        EXPECT_EQ(status->text(), "Now");
        EXPECT_NE(std::count(traffic.seen[status].begin(), traffic.seen[status].end(), QEvent::Paint), 0);
        for (const auto& [widget, events] : traffic.seen)
            for (QEvent::Type type : events)
                EXPECT_TRUE(type == QEvent::Paint || type == QEvent::LayoutRequest) << widget->metaObject()->className() << " " << type;
    });
}

TEST_F(QtPresenterTest, EachEditInALineEditRaisesOneChangeNotification)
{
    RunSheet([&] {
        QLineEdit* name = Shown<QLineEdit>(kName);
        ASSERT_NE(name, nullptr);
        HWND edit = GetDlgItem(m_sheet.m_first.m_hWnd, kName);
        auto text = [&] { return fw::FromHandle(edit)->text; };

        QTest::keyClicks(name, "de");
        m_presenter.tick();
        EXPECT_EQ(text(), "abcde");
        EXPECT_EQ(m_sheet.m_first.m_nNameChanges, 2);

        QTest::keyClick(name, Qt::Key_Backspace);
        m_presenter.tick();
        EXPECT_EQ(text(), "abcd");
        EXPECT_EQ(m_sheet.m_first.m_nNameChanges, 3);
        EXPECT_EQ(name->text(), "abcd");

        // An edit in the middle still leaves the control with the widget's text.
        name->setCursorPosition(1);
        QTest::keyClicks(name, "X");
        m_presenter.tick();
        EXPECT_EQ(text(), "aXbcd");
        EXPECT_EQ(name->text(), "aXbcd");

        // Typing over a selection, and a paste, are one edit each.
        const int before = m_sheet.m_first.m_nNameChanges;
        name->selectAll();
        QTest::keyClicks(name, "k");
        m_presenter.tick();
        EXPECT_EQ(text(), "k");
        EXPECT_EQ(m_sheet.m_first.m_nNameChanges, before + 1);
        name->setSelection(0, 1);
        name->insert("pasted");
        emit name->textEdited(name->text());
        m_presenter.tick();
        EXPECT_EQ(text(), "pasted");
        EXPECT_EQ(m_sheet.m_first.m_nNameChanges, before + 2);
    });
}

TEST_F(QtPresenterTest, TabChangeLeavesThePageThenActivatesTheNextAndARefusalKeepsTheTab)
{
    RunSheet([&] {
        ASSERT_NE(Tabs(), nullptr);
        m_sheet.log.clear();
        ClickTab(1);
        EXPECT_EQ(m_sheet.log, (std::vector<std::string>{"first kill-active", "second set-active"}));
        EXPECT_EQ(m_sheet.GetActiveIndex(), 1);
        QWidget* second = m_presenter.widget_of(m_sheet.m_second.m_hWnd);
        ASSERT_NE(second, nullptr);
        EXPECT_TRUE(second->isVisible());
        EXPECT_EQ(second->parentWidget(), Tabs()->widget(1));

        ClickTab(0);
        m_sheet.m_first.m_bRefuseLeave = true;
        m_sheet.log.clear();
        ClickTab(1);
        EXPECT_EQ(m_sheet.log, (std::vector<std::string>{"first kill-active"}));
        EXPECT_EQ(m_sheet.GetActiveIndex(), 0);
        EXPECT_EQ(Tabs()->currentIndex(), 0);
        m_sheet.m_first.m_bRefuseLeave = false;
    });
}

TEST_F(QtPresenterTest, ClicksAndPicksReachTheControls)
{
    RunSheet([&] {
        HWND page = m_sheet.m_first.m_hWnd;
        QTest::mouseClick(Shown<QCheckBox>(kCheck), Qt::LeftButton);
        m_presenter.tick();
        EXPECT_EQ(fw::FromHandle(GetDlgItem(page, kCheck))->check, BST_UNCHECKED);
        EXPECT_FALSE(Shown<QCheckBox>(kCheck)->isChecked());

        QComboBox* mode = Shown<QComboBox>(kMode);
        mode->setCurrentIndex(2);
        emit mode->activated(2);
        m_presenter.tick();
        EXPECT_EQ(fw::FromHandle(GetDlgItem(page, kMode))->cur_sel, 2);

        QTreeWidget* list = Shown<QTreeWidget>(kList);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->topLevelItem(0)).center());
        m_presenter.tick();
        EXPECT_EQ(m_sheet.m_first.m_list.GetItemState(0, LVIS_SELECTED), LVIS_SELECTED);
        EXPECT_TRUE(list->topLevelItem(0)->isSelected());
        EXPECT_FALSE(list->topLevelItem(1)->isSelected());

        // A double-click as the desktop delivers it (press, release, press, double-click,
        // release) is one click, then the double-click.
        m_sheet.m_first.m_listEvents.clear();
        const QPoint row = list->visualItemRect(list->topLevelItem(1)).center();
        QWidget* surface = list->viewport();
        QTest::mouseClick(surface, Qt::LeftButton, {}, row);
        QTest::mousePress(surface, Qt::LeftButton, {}, row);
        QMouseEvent second(QEvent::MouseButtonDblClick, QPointF(row), surface->mapToGlobal(QPointF(row)), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(surface, &second);
        QTest::mouseRelease(surface, Qt::LeftButton, {}, row);
        m_presenter.tick();
        EXPECT_EQ(m_sheet.m_first.m_listEvents, (std::vector<std::string>{"click", "dblclk"}));
        EXPECT_EQ(m_sheet.m_first.m_list.GetItemState(1, LVIS_SELECTED), LVIS_SELECTED);
    });
}

TEST_F(QtPresenterTest, AMessageBoxIsAnsweredInsideTheProgramsLoop)
{
    RunSheet([&] {
        // Armed just before the click, so that it fires while the box waits for its answer.
        m_presenter.inputs().push([] {
            QTimer::singleShot(0, [] {
                auto* box = dynamic_cast<QMessageBox*>(QApplication::activeModalWidget());
                ASSERT_NE(box, nullptr);
                EXPECT_EQ(box->text(), "Go on?");
                box->button(QMessageBox::No)->click();
            });
        });
        QTest::mouseClick(Shown<QPushButton>(kAsk), Qt::LeftButton);
        m_presenter.tick();
        EXPECT_EQ(m_sheet.m_first.m_nAnswer, IDNO);
    });
}

TEST_F(QtPresenterTest, OwnerDrawnWindowsShowTheirRaster)
{
    CWnd host;
    ASSERT_TRUE(host.CreateEx(0, AfxRegisterWndClass(0), "Host", WS_POPUP | WS_CAPTION | WS_VISIBLE, 0, 0, 120, 60, nullptr, nullptr));
    Swatch swatch;
    ASSERT_TRUE(swatch.Create(AfxRegisterWndClass(CS_HREDRAW | CS_VREDRAW), "", WS_CHILD | WS_VISIBLE, CRect(10, 10, 90, 40), &host, 5));
    // Shown before it ever painted, the window is asked for its picture.
    m_presenter.tick();
    fw::RunMessagesUntil(GetTickCount64());
    m_presenter.tick();
    QWidget* shown = m_presenter.widget_of(swatch.m_hWnd);
    ASSERT_NE(shown, nullptr);
    const QImage picture = shown->grab().toImage();
    EXPECT_EQ(QColor(picture.pixel(2, picture.height() / 2)), QColor(255, 0, 0));
    EXPECT_EQ(QColor(picture.pixel(picture.width() - 3, picture.height() / 2)), QColor(0, 0, 255));

    // A new picture is shown once the window painted it.
    swatch.MoveWindow(10, 10, 40, 30);
    swatch.Invalidate();
    fw::RunMessagesUntil(GetTickCount64());
    m_presenter.tick();
    const QImage moved = shown->grab().toImage();
    EXPECT_EQ(QColor(moved.pixel(moved.width() - 3, moved.height() / 2)), QColor(0, 0, 255));
    host.DestroyWindow();
}

TEST_F(QtPresenterTest, ANewPictureRepaintsThatWindowAlone)
{
    CWnd host;
    ASSERT_TRUE(host.CreateEx(0, AfxRegisterWndClass(0), "Host", WS_POPUP | WS_CAPTION | WS_VISIBLE, 0, 0, 120, 60, nullptr, nullptr));
    Swatch swatch;
    ASSERT_TRUE(swatch.Create(AfxRegisterWndClass(CS_HREDRAW | CS_VREDRAW), "", WS_CHILD | WS_VISIBLE, CRect(10, 10, 90, 40), &host, 5));
    CStatic label;
    ASSERT_TRUE(label.Create("before", WS_CHILD | WS_VISIBLE, CRect(10, 42, 90, 52), &host, 6));
    m_presenter.tick();
    fw::RunMessagesUntil(GetTickCount64());
    m_presenter.tick();
    auto* text = dynamic_cast<QLabel*>(m_presenter.widget_of(label.m_hWnd));
    ASSERT_NE(text, nullptr);
    ASSERT_EQ(text->text(), "before");

    // A change the presenter was not told of shows only when the whole tree is brought in step.
    // The picture covers its widget, so what lies beneath it is not painted again.
    QWidget* beneath = m_presenter.widget_of(host.m_hWnd);
    ASSERT_NE(beneath, nullptr);
    QCoreApplication::processEvents();
    PaintCounter counter;
    beneath->installEventFilter(&counter);
    fw::FromHandle(label.m_hWnd)->text = "untold";
    swatch.m_left = RGB(0, 255, 0);
    swatch.Invalidate();
    fw::RunMessagesUntil(GetTickCount64());
    m_presenter.tick();
    QCoreApplication::processEvents();
    EXPECT_EQ(counter.paints, 0);
    const QImage picture = m_presenter.widget_of(swatch.m_hWnd)->grab().toImage();
    EXPECT_EQ(QColor(picture.pixel(2, picture.height() / 2)), QColor(0, 255, 0));
    EXPECT_EQ(text->text(), "before");
    host.DestroyWindow();
}

TEST_F(QtPresenterTest, TrayIconMenuAndWaitCursorFollowTheProgram)
{
    TrayOwner owner;
    ASSERT_TRUE(owner.CreateEx(0, AfxRegisterWndClass(0), "Owner", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
    NOTIFYICONDATA nid = TrayRecord(owner, 7, fw::IconHandleFor(4243, fw::IconImage{16, 16, std::vector<std::uint32_t>(256, 0xFF00FF00u)}),
                                    "Connected");
    ASSERT_TRUE(Shell_NotifyIcon(NIM_ADD, &nid));
    const qtview::TrayView* tray = m_presenter.tray_view(owner.m_hWnd, 7);
    ASSERT_NE(tray, nullptr);
    EXPECT_EQ(tray->icon().toolTip(), "Connected");
    EXPECT_EQ(tray->icon().icon().pixmap(16, 16).toImage().pixel(3, 3), 0xFF00FF00u);
    std::snprintf(nid.szTip, sizeof nid.szTip, "%s", "Searching");
    nid.uFlags = NIF_TIP;
    Shell_NotifyIcon(NIM_MODIFY, &nid);
    EXPECT_EQ(tray->icon().toolTip(), "Searching");

    struct Case {
        QSystemTrayIcon::ActivationReason reason;
        std::vector<UINT> posted;
    };
    const Case cases[] = {
        {QSystemTrayIcon::DoubleClick, {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP}},
        {QSystemTrayIcon::Context, {WM_RBUTTONDOWN, WM_RBUTTONUP}},
    };
    for (const Case& c : cases) {
        owner.mouse.clear();
        emit tray->icon().activated(c.reason);
        m_presenter.tick();
        fw::RunMessagesUntil(GetTickCount64());
        EXPECT_EQ(owner.mouse, c.posted) << c.reason;
    }

    // The menu shows the entries' enabling and answers with the command clicked.
    fw::PopupMenuRequest request;
    request.entries = {{"Show", 32777, true, false, {}}, {"Hide", 32779, false, false, {}}, {"Exit", 32778, true, false, {}}};
    QTimer::singleShot(0, [] {
        auto* menu = dynamic_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr);
        const QList<QAction*> actions = menu->actions();
        ASSERT_EQ(actions.size(), 3);
        EXPECT_TRUE(actions[0]->isEnabled());
        EXPECT_FALSE(actions[1]->isEnabled());
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(actions[2]).center());
    });
    EXPECT_EQ(m_presenter.popup_menu(request), 32778u);

    {
        CWaitCursor wait;
        ASSERT_NE(QApplication::overrideCursor(), nullptr);
        EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    }
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);

    Shell_NotifyIcon(NIM_DELETE, &nid);
    EXPECT_EQ(m_presenter.tray_view(owner.m_hWnd, 7), nullptr);
    owner.DestroyWindow();
}

TEST_F(QtPresenterTest, TheTrayIconIsHandedOnlyWhatChangedAndNothingWhileHidden)
{
    TrayOwner owner;
    ASSERT_TRUE(owner.CreateEx(0, AfxRegisterWndClass(0), "Owner", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
    const HICON green = fw::IconHandleFor(4250, fw::IconImage{16, 16, std::vector<std::uint32_t>(256, 0xFF00FF00u)});
    const HICON red = fw::IconHandleFor(4251, fw::IconImage{16, 16, std::vector<std::uint32_t>(256, 0xFFFF0000u)});
    NOTIFYICONDATA nid = TrayRecord(owner, 8, green, "-60 [dBm]");
    ASSERT_TRUE(Shell_NotifyIcon(NIM_ADD, &nid));
    const qtview::TrayView* tray = m_presenter.tray_view(owner.m_hWnd, 8);
    ASSERT_NE(tray, nullptr);
    ASSERT_FALSE(QSystemTrayIcon::isSystemTrayAvailable());  // offscreen: the icon stays hidden

    // Hidden, the icon takes no picture and no tip however often the program changes them.
    for (int dbm = -61; dbm > -70; --dbm) {
        std::snprintf(nid.szTip, sizeof nid.szTip, "%d [dBm]", dbm);
        nid.hIcon = dbm % 2 == 0 ? green : red;
        Shell_NotifyIcon(NIM_MODIFY, &nid);
    }
    EXPECT_EQ(tray->icon_sets(), 0);
    EXPECT_EQ(tray->tip_sets(), 0);
    // Looked at, it shows the latest state.
    EXPECT_EQ(tray->icon().toolTip(), "-69 [dBm]");
    EXPECT_EQ(tray->icon().icon().pixmap(16, 16).toImage().pixel(3, 3), 0xFFFF0000u);
    EXPECT_EQ(tray->icon_sets(), 1);
    EXPECT_EQ(tray->tip_sets(), 1);

    struct Step {
        HICON icon;
        const char* tip;
        int icon_sets;
        int tip_sets;
    };
    const Step steps[] = {
        {red, "-69 [dBm]", 1, 1},     // the same again: nothing
        {red, "-70 [dBm]", 1, 2},     // a new number: the tip alone
        {green, "-70 [dBm]", 2, 2},   // a new picture: the picture alone
        {red, " Disconnected ", 3, 3},
    };
    for (const Step& step : steps) {
        nid.hIcon = step.icon;
        std::snprintf(nid.szTip, sizeof nid.szTip, "%s", step.tip);
        Shell_NotifyIcon(NIM_MODIFY, &nid);
        EXPECT_EQ(tray->icon().toolTip(), step.tip);
        EXPECT_EQ(tray->icon_sets(), step.icon_sets) << step.tip;
        EXPECT_EQ(tray->tip_sets(), step.tip_sets) << step.tip;
    }
    Shell_NotifyIcon(NIM_DELETE, &nid);
    owner.DestroyWindow();
}

TEST_F(QtPresenterTest, WaitingEndsAtTheDeadlineOrOnInput)
{
    const std::uint64_t start = GetTickCount64();
    m_presenter.wait_for_events(start + 20);
    EXPECT_EQ(GetTickCount64(), start + 20);

    bool ran = false;
    m_presenter.inputs().push([&] { ran = true; });
    m_presenter.wait_for_events(std::numeric_limits<std::uint64_t>::max());
    EXPECT_TRUE(ran);

    // What a stop signal's handler does: the wait ends with no input and no deadline.
    qtview::WakeFromSignal();
    m_presenter.wait_for_events(std::numeric_limits<std::uint64_t>::max());

    // A wait that input ends early leaves no deadline behind to end a later wait: the clock
    // stays where it was and the later wait ends on its own input.
    const std::uint64_t before = GetTickCount64();
    QTimer::singleShot(5, [this] { m_presenter.inputs().push([] {}); });
    m_presenter.wait_for_events(before + 30);
    QTimer::singleShot(60, [this] { m_presenter.inputs().push([] {}); });
    m_presenter.wait_for_events(std::numeric_limits<std::uint64_t>::max());
    EXPECT_EQ(GetTickCount64(), before);
}

TEST_F(QtPresenterTest, SnapshotsAreWrittenAndShowTheWindow)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString sheet_file = dir.filePath("sheet.png");
    QSize shown_size;
    RunSheet([&] {
        ASSERT_TRUE(qtview::SaveWindowSnapshot(m_presenter, m_sheet.m_hWnd, sheet_file));
        shown_size = m_presenter.widget_of(m_sheet.m_hWnd)->size();
    });
    const QImage sheet(sheet_file);
    ASSERT_FALSE(sheet.isNull());
    EXPECT_EQ(sheet.size(), shown_size);
    std::set<QRgb> colours;
    for (int y = 0; y < sheet.height(); y += 2)
        for (int x = 0; x < sheet.width(); x += 2)
            colours.insert(sheet.pixel(x, y));
    EXPECT_GT(colours.size(), 8u);  // text, frames and fields, not one flat colour

    fw::IconImage red{16, 16, std::vector<std::uint32_t>(256, 0xFFFF0000u)};
    red.pixels[0] = 0xFF0000FFu;
    fw::TrayIcon tray;
    tray.icon = fw::IconHandleFor(4242, red);
    const QString icon_file = dir.filePath("tray.png");
    ASSERT_TRUE(qtview::SaveTrayIconSnapshot(tray, 16, icon_file));
    const QImage icon(icon_file);
    EXPECT_EQ(icon.size(), QSize(16, 16));
    EXPECT_EQ(icon.pixel(0, 0), 0xFF0000FFu);
    EXPECT_EQ(icon.pixel(8, 8), 0xFFFF0000u);
}

}  // namespace
