#include "pages/PageAdvanced.h"

#include "driver/PrtUtil.h"
#include "driver/StatusText.h"
#include "framework/DataExchange.h"
#include "framework/MessageBox.h"
#include "pages/AdvancedOptions.h"
#include "resources/ResourceIds.h"
#include "shell/PropSheet.h"
#include "shell/Zephra.h"

namespace {
constexpr int IDC_RESTART = 1124;
constexpr int IDC_APPLY = 1125;
constexpr int IDC_LANGUAGE = 1317;
constexpr int IDC_CHANGE_LANGUAGE = 1331;
constexpr int IDC_PREAMBLE = 1335;
constexpr int IDC_RATE = 1336;
constexpr int IDC_COUNTRY = 1337;
constexpr int IDC_AUTH = 1344;
constexpr int IDC_POWER = 1345;
constexpr int IDC_EXPLANATION = 1352;

// The list entry whose adapter text (made by `textOf`) equals `shown`; the first for any other.
int IndexOfAdapterText(const CString& shown, int count, CString (*textOf)(DWORD))
{
    for (int i = 0; i < count; ++i)
        if (shown == textOf(static_cast<DWORD>(i)))
            return i;
    return 0;
}

CZephraApp& App() { return *static_cast<CZephraApp*>(AfxGetApp()); }
}  // namespace

IMPLEMENT_DYNCREATE(CPageAdvanced, CPropertyPage)

BEGIN_MESSAGE_MAP(CPageAdvanced, CPropertyPage)
    ON_BN_CLICKED(IDC_CHANGE_LANGUAGE, OnChangeLanguage)
    ON_CBN_SELCHANGE(IDC_AUTH, OnSelchangeOption)
    ON_CBN_SELCHANGE(IDC_COUNTRY, OnSelchangeOption)
    ON_CBN_SELCHANGE(IDC_LANGUAGE, OnSelchangeOption)
    ON_CBN_SELCHANGE(IDC_POWER, OnSelchangeOption)
    ON_CBN_SELCHANGE(IDC_PREAMBLE, OnSelchangeOption)
    ON_CBN_SELCHANGE(IDC_RATE, OnSelchangeOption)
    ON_BN_CLICKED(IDC_RESTART, OnRestartDriver)
    ON_CBN_SETFOCUS(IDC_PREAMBLE, OnSetfocusPreamble)
    ON_CBN_SETFOCUS(IDC_POWER, OnSetfocusPower)
    ON_CBN_SETFOCUS(IDC_AUTH, OnSetfocusAuth)
    ON_CBN_SETFOCUS(IDC_RATE, OnSetfocusRate)
    ON_BN_CLICKED(IDC_APPLY, OnApplyChanges)
END_MESSAGE_MAP()

CPageAdvanced::CPageAdvanced() : CPropertyPage(zephra::res::IDD_ADVANCED) {}

void CPageAdvanced::DoDataExchange(CDataExchange* dx)
{
    CPropertyPage::DoDataExchange(dx);
    DDX_Control(dx, IDC_RESTART, m_btnRestart);
    DDX_Control(dx, IDC_RATE, m_comboRate);
    DDX_Control(dx, IDC_PREAMBLE, m_comboPreamble);
    DDX_Control(dx, IDC_POWER, m_comboPower);
    DDX_Control(dx, IDC_LANGUAGE, m_comboLanguage);
    DDX_Control(dx, IDC_COUNTRY, m_comboCountry);
    DDX_Control(dx, IDC_AUTH, m_comboAuth);
    DDX_Text(dx, IDC_EXPLANATION, m_strExplanation);
}

BOOL CPageAdvanced::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    m_pPrtUtil = &static_cast<CPropSheet*>(GetParent())->m_prtUtil;
    return TRUE;
}

BOOL CPageAdvanced::OnSetActive()
{
    if (m_pPrtUtil->m_bBound == 1)
        ShowAdapterOptions();
    else
        ShowFirstOptions();
    m_comboCountry.SetCurSel(0);
    m_comboLanguage.SetCurSel(LanguageIndexOf(App().m_primaryLang));
    m_strExplanation.LoadString(zephra::res::IDS_EXPLAIN_DEFAULT);
    UpdateData(FALSE);
    return CPropertyPage::OnSetActive();
}

void CPageAdvanced::ShowAdapterOptions()
{
    using namespace advanced_options;
    CPrtUtil& prt = *m_pPrtUtil;
    prt.QueryAuthMode();
    m_nAuthSel = IndexOfAdapterText(prt.m_strAuthMode, static_cast<int>(std::size(kAuthTexts)), status_text::AuthMode);
    prt.QueryPowerMode();
    m_nPowerSel = IndexOfAdapterText(prt.m_strPowerMode, static_cast<int>(std::size(kPowerTexts)), status_text::PowerMode);
    // What the driver takes in at its next start, not what it runs with now.
    m_nPreambleSel = IndexOfText(kPreamble, GetDriverParam(kPreamble.name));
    m_nRateSel = IndexOfText(kRate, GetDriverParam(kRate.name));
    m_comboAuth.SetCurSel(m_nAuthSel);
    m_comboPower.SetCurSel(m_nPowerSel);
    m_comboPreamble.SetCurSel(m_nPreambleSel);
    m_comboRate.SetCurSel(m_nRateSel);
}

void CPageAdvanced::ShowFirstOptions()
{
    m_nAuthSel = m_nPowerSel = m_nPreambleSel = m_nRateSel = 0;
    for (CComboBox* list : {&m_comboAuth, &m_comboPower, &m_comboPreamble, &m_comboRate})
        list->SetCurSel(0);
}

void CPageAdvanced::ShowExplanation(UINT stringId)
{
    m_strExplanation.LoadString(stringId);
    UpdateData(FALSE);
}

void CPageAdvanced::OnSetfocusPreamble() { ShowExplanation(zephra::res::IDS_EXPLAIN_PREAMBLE); }
void CPageAdvanced::OnSetfocusPower() { ShowExplanation(zephra::res::IDS_EXPLAIN_POWER); }
void CPageAdvanced::OnSetfocusAuth() { ShowExplanation(zephra::res::IDS_EXPLAIN_AUTH); }
void CPageAdvanced::OnSetfocusRate() { ShowExplanation(zephra::res::IDS_EXPLAIN_RATE); }

// The sheet has neither Apply nor OK button, so the mark shows nowhere.
void CPageAdvanced::OnSelchangeOption() { SetModified(TRUE); }

void CPageAdvanced::OnChangeLanguage()
{
    // Told in the language still loaded; what is loaded from now on comes from the new one.
    AfxMessageBox(zephra::res::IDS_RELOAD_LANGUAGE, MB_OK);
    CZephraApp& app = App();
    app.FreeLanguageLibrary();
    m_nLangSel = m_comboLanguage.GetCurSel();
    app.LoadLanguageLibrary(m_nLangSel);
    app.m_primaryLang = PrimaryLangOfIndex(m_nLangSel);
}
