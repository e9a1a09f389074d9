// The program on the Qt desktop: a language chosen on the Advanced page shows when the user
// closes the window and opens it again from the tray icon.

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFontDatabase>
#include <QMessageBox>
#include <QPushButton>
#include <QSystemTrayIcon>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>

#include <functional>
#include <string>
#include <vector>

#include "framework/CWinApp.h"
#include "framework/Library.h"
#include "framework/ResourceModule.h"
#include "framework/WinUser.h"
#include "machine/Clock.h"
#include "machine/Machine.h"
#include "machine/Scenario.h"
#include "platform/MachineScope.h"
#include "qtview/QtPresenter.h"
#include "resources/ProgramResources.h"
#include "resources/ResourceIds.h"
#include "shell/HideMainFrame.h"
#include "shell/PropSheet.h"
#include "shell/Zephra.h"

namespace {

constexpr int IDC_LANGUAGE = 1317, IDC_CHANGE = 1331;
constexpr int kAdvancedPage = 2, kKorean = 4;
constexpr UINT kTrayId = 128;
constexpr qint64 kGiveUpMs = 30000;

std::vector<std::string> CaptionsIn(const fw::ResourceModule& module)
{
    std::vector<std::string> captions;
    for (int id : {zephra::res::IDD_CONNECTION, zephra::res::IDD_WIRELESS, zephra::res::IDD_ADVANCED,
                   zephra::res::IDD_STATISTICS, zephra::res::IDD_VERSION})
        captions.push_back(module.find_dialog(id) ? module.find_dialog(id)->caption : "");
    return captions;
}

// Steps that run one after another from Qt's events, inside the program's own loop; each
// returns false until what it waits for has come.
class Script {
public:
    explicit Script(std::vector<std::function<bool()>> steps) : m_steps(std::move(steps))
    {
        QObject::connect(&m_timer, &QTimer::timeout, [this] { turn(); });
        m_timer.start(5);
        m_clock.start();
    }
    bool finished() const { return m_next == m_steps.size(); }
    std::size_t reached() const { return m_next; }

private:
    void turn()
    {
        if (finished())
            return;
        if (m_clock.elapsed() > kGiveUpMs) {
            m_next = m_steps.size() + 1;  // neither finished nor waiting any longer
            QuitProgram();
            return;
        }
        if (m_steps[m_next]())
            ++m_next;
    }
    static void QuitProgram()
    {
        if (CWnd* main = AfxGetMainWnd(); main != nullptr && main->m_hWnd != nullptr)
            ::PostMessage(main->m_hWnd, WM_CLOSE, 0, 0);
    }

    std::vector<std::function<bool()>> m_steps;
    std::size_t m_next = 0;
    QTimer m_timer;
    QElapsedTimer m_clock;
};

class DesktopProgram : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        static int argc = 1;
        static char name[] = "zephra_desktop_tests";
        static char* argv[] = {name, nullptr};
        if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        if (QApplication::instance() == nullptr)
            new QApplication(argc, argv);
        QApplication::setQuitOnLastWindowClosed(false);
    }

    DesktopProgram() : m_computer(machine::default_scenario(), m_clock), m_scope(m_computer)
    {
        fw::SetProgramModule(&zephra::ProgramResources());
        fw::SetPresenter(&m_presenter);
    }
    ~DesktopProgram() override
    {
        fw::SetPresenter(nullptr);
        AfxSetResourceHandle(nullptr);
        fw::SetProgramModule(nullptr);
    }

    CPropSheet* Sheet() const
    {
        auto* frame = static_cast<CHideMainFrame*>(m_app.m_pMainWnd);
        return frame != nullptr ? frame->m_pSheet : nullptr;
    }
    QWidget* Shown(HWND window) const { return window != nullptr ? m_presenter.widget_of(window) : nullptr; }
    QTabWidget* Tabs() const
    {
        CPropSheet* sheet = Sheet();
        return sheet && sheet->m_hWnd ? qobject_cast<QTabWidget*>(Shown(GetDlgItem(sheet->m_hWnd, static_cast<int>(AFX_IDC_TAB_CONTROL))))
                                      : nullptr;
    }
    QWidget* OnAdvancedPage(int id) const
    {
        CPropSheet* sheet = Sheet();
        return sheet && sheet->m_pageAdvanced.m_hWnd ? Shown(GetDlgItem(sheet->m_pageAdvanced.m_hWnd, id)) : nullptr;
    }
    std::vector<std::string> TabTexts() const
    {
        std::vector<std::string> texts;
        for (int i = 0; Tabs() != nullptr && i < Tabs()->count(); ++i)
            texts.push_back(Tabs()->tabText(i).toStdString());
        return texts;
    }
    // A double click on the tray icon, as the desktop reports it.
    bool DoubleClickTray() const
    {
        const qtview::TrayView* tray = m_app.m_pMainWnd ? m_presenter.tray_view(m_app.m_pMainWnd->m_hWnd, kTrayId) : nullptr;
        if (tray == nullptr)
            return false;
        emit tray->icon().activated(QSystemTrayIcon::DoubleClick);
        return true;
    }
    bool SheetShown() const { return Tabs() != nullptr && Tabs()->isVisible(); }

    machine::VirtualClock m_clock;
    machine::Machine m_computer;
    platform::MachineScope m_scope;
    qtview::QtPresenter m_presenter;
    CZephraApp m_app;
};

TEST_F(DesktopProgram, ALanguageChosenOnTheAdvancedPageShowsWhenTheWindowIsOpenedAgain)
{
    ASSERT_FALSE(QFontDatabase::families(QFontDatabase::Korean).isEmpty()) << "no font shows Korean (fonts-wqy-microhei)";
    std::vector<std::string> firstTabs, reopenedTabs;
    std::string boxText;
    Script script({
        [&] { return DoubleClickTray(); },
        [&] {
            if (!SheetShown())
                return false;
            firstTabs = TabTexts();
            Tabs()->tabBar()->setCurrentIndex(kAdvancedPage);
            return true;
        },
        [&] {
            auto* languages = qobject_cast<QComboBox*>(OnAdvancedPage(IDC_LANGUAGE));
            if (languages == nullptr || !languages->isVisible())
                return false;
            languages->setCurrentIndex(kKorean);
            emit languages->activated(kKorean);
            return true;
        },
        [&] {
            auto* change = qobject_cast<QPushButton*>(OnAdvancedPage(IDC_CHANGE));
            if (change == nullptr || Sheet()->m_pageAdvanced.m_comboLanguage.GetCurSel() != kKorean)
                return false;
            change->click();
            return true;
        },
        [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box == nullptr)
                return false;
            boxText = box->text().toStdString();
            box->button(QMessageBox::Ok)->click();
            return true;
        },
        [&] {
            if (QApplication::activeModalWidget() != nullptr || m_app.m_primaryLang != 0x12)
                return false;
            Shown(Sheet()->m_hWnd)->close();
            return true;
        },
        [&] { return Sheet()->m_hWnd == nullptr && DoubleClickTray(); },
        [&] {
            if (!SheetShown())
                return false;
            reopenedTabs = TabTexts();
            ::PostMessage(m_app.m_pMainWnd->m_hWnd, WM_CLOSE, 0, 0);
            return true;
        },
    });
    fw::RunApplication(m_app);

    ASSERT_TRUE(script.finished()) << "stopped at step " << script.reached();
    EXPECT_EQ(firstTabs, CaptionsIn(zephra::ProgramResources()));
    EXPECT_EQ(boxText, zephra::ProgramResources().find_string(zephra::res::IDS_RELOAD_LANGUAGE).value_or("(none)"));
    HMODULE korean = LoadLibraryA("LangKO.DLL");
    ASSERT_NE(korean, nullptr);
    EXPECT_EQ(reopenedTabs, CaptionsIn(*fw::ModuleFromHandle(korean)));
    FreeLibrary(korean);
    if (m_app.m_hLangDll != nullptr)
        FreeLibrary(m_app.m_hLangDll);
}

}  // namespace
