#include "pages/PageVersion.h"

#include <string>

#include "driver/PrtUtil.h"
#include "framework/DataExchange.h"
#include "pages/DriverFileDate.h"
#include "pages/TitleFont.h"
#include "platform/Kernel.h"
#include "resources/ResourceIds.h"
#include "shell/PropSheet.h"

namespace {
constexpr int IDC_TITLE = 1123;
constexpr int IDC_LINK = 1127;
constexpr int IDC_COMPUTER = 1085;
constexpr int IDC_FIRMWARE = 1097;
constexpr int IDC_DRIVER_VERSION = 1084;
constexpr int IDC_EEPROM = 1098;
constexpr int IDC_DRIVER_FILE = 1087;
constexpr int IDC_DRIVER_DATE = 1091;
constexpr int IDC_UTILITY_VERSION = 1096;

constexpr char kUtilityVersion[] = "1.10";
// Windows 98/Me shows the date the driver was released, whatever the file says.
constexpr char kDriverDate9x[] = "May 13, 2003";
constexpr int kOsKind9x = 1;
constexpr DWORD kNameBufferSize = 256;

}  // namespace

IMPLEMENT_DYNCREATE(CPageVersion, CPropertyPage)

BEGIN_MESSAGE_MAP(CPageVersion, CPropertyPage)
END_MESSAGE_MAP()

CPageVersion::CPageVersion() : CPropertyPage(zephra::res::IDD_VERSION) {}

void CPageVersion::DoDataExchange(CDataExchange* dx)
{
    CPropertyPage::DoDataExchange(dx);
    DDX_Control(dx, IDC_TITLE, m_stcTitle);
    DDX_Control(dx, IDC_LINK, m_link);
    DDX_Text(dx, IDC_COMPUTER, m_txtComputer);
    DDX_Text(dx, IDC_FIRMWARE, m_txtFirmware);
    DDX_Text(dx, IDC_DRIVER_VERSION, m_txtDriverVersion);
    DDX_Text(dx, IDC_EEPROM, m_txtEeprom);
    DDX_Text(dx, IDC_DRIVER_FILE, m_txtDriverFile);
    DDX_Text(dx, IDC_DRIVER_DATE, m_txtDriverDate);
    DDX_Text(dx, IDC_UTILITY_VERSION, m_txtUtilityVersion);
}

BOOL CPageVersion::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    m_pPrtUtil = &static_cast<CPropSheet*>(GetParent())->m_prtUtil;
    CreateTitleFont();
    m_stcTitle.SetFont(&m_fontTitle, FALSE);
    return TRUE;
}

// Once per page object: the page lives as long as the sheet, so one font serves every
// opening of the sheet.
void CPageVersion::CreateTitleFont()
{
    if (m_fontTitle.GetSafeHandle() != nullptr)
        return;
    CreatePageTitleFont(m_fontTitle);
}

BOOL CPageVersion::OnSetActive()
{
    if (m_pPrtUtil->m_bBound) {
        m_pPrtUtil->QueryFirmwareVersion();
        m_txtFirmware = m_pPrtUtil->m_strFirmwareVersion;
        m_pPrtUtil->QueryDriverVersion();
        m_txtDriverVersion = m_pPrtUtil->m_strDriverVersion;
        m_pPrtUtil->QueryEepromVersion();
        m_txtEeprom = m_pPrtUtil->m_strEepromVersion;
    }

    char name[kNameBufferSize] = {};
    DWORD size = kNameBufferSize;
    GetComputerNameA(name, &size);
    m_txtComputer.Format("%s", name);
    m_txtDriverFile = kDriverFileName;
    m_txtUtilityVersion = kUtilityVersion;
    if (m_pPrtUtil->m_nOsKind == kOsKind9x)
        m_txtDriverDate = kDriverDate9x;
    else
        m_txtDriverDate = DriverFileDate();

    UpdateData(FALSE);
    return CPropertyPage::OnSetActive();
}
