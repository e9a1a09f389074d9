// "Apply Changes": each option list that changed goes to the adapter where the adapter takes
// it at once, and to the driver key in every case.

#include "driver/PrtUtil.h"
#include "framework/MessageBox.h"
#include "pages/AdvancedOptions.h"
#include "pages/PageAdvanced.h"
#include "resources/ResourceIds.h"

using namespace advanced_options;

void CPageAdvanced::OnApplyChanges()
{
    if (m_pPrtUtil->m_bBound != 1)
        return;
    ApplyOption(m_comboAuth, m_nAuthSel, kAuthentication, &CPrtUtil::SetAuthMode);
    ApplyOption(m_comboPower, m_nPowerSel, kPowerSaving, &CPrtUtil::SetPowerMode);
    // The driver reads preamble and rate only when it starts; the user is told once a press.
    // The preamble has no request of its own: it reaches the adapter only through the key.
    const BOOL restartAsked = ApplyOption(m_comboPreamble, m_nPreambleSel, kPreamble, nullptr);
    if (restartAsked)
        AfxMessageBox(zephra::res::IDS_RESTART_DRIVER, MB_OK);
    if (ApplyOption(m_comboRate, m_nRateSel, kRate, &CPrtUtil::SetTxRate) && !restartAsked)
        AfxMessageBox(zephra::res::IDS_RESTART_DRIVER, MB_OK);
}

BOOL CPageAdvanced::ApplyOption(CComboBox& list, int& remembered, const DriverParamList& param,
                                void (CPrtUtil::*sendToAdapter)(int))
{
    const int selection = list.GetCurSel();
    if (selection == remembered)
        return FALSE;
    if (sendToAdapter != nullptr)
        (m_pPrtUtil->*sendToAdapter)(selection);
    SetDriverParam(param.name, TextOfIndex(param, selection));
    remembered = selection;
    return TRUE;
}
