#pragma once
// Page 2 of the sheet: the adapter's radio options (sent to the adapter where it takes them
// at once, and written to its driver key in every case), the restart of its driver so that
// the key is read again, and the language of the user interface.

#include "framework/CButton.h"
#include "framework/CComboBox.h"
#include "framework/CPropertyPage.h"
#include "framework/CString.h"
#include "pages/AdvancedOptions.h"

class CPrtUtil;

class CPageAdvanced : public CPropertyPage {
    DECLARE_DYNCREATE(CPageAdvanced)

public:
    CPageAdvanced();

    int m_nLangSel = 0;
    int m_nAuthSel = 0;
    int m_nPowerSel = 0;
    int m_nPreambleSel = 0;
    int m_nRateSel = 0;
    CButton m_btnRestart;
    CComboBox m_comboRate;
    CComboBox m_comboPreamble;
    CComboBox m_comboPower;
    CComboBox m_comboLanguage;
    CComboBox m_comboCountry;
    CComboBox m_comboAuth;
    CString m_strExplanation;
    CPrtUtil* m_pPrtUtil = nullptr;

    BOOL OnInitDialog() override;
    BOOL OnSetActive() override;
    void DoDataExchange(CDataExchange* dx) override;

    // The value `name` in the adapter's driver key; "" when the key or the value is missing.
    CString GetDriverParam(LPCSTR name);
    void SetDriverParam(LPCSTR name, LPCSTR value);

protected:
    void OnChangeLanguage();
    void OnSelchangeOption();
    void OnRestartDriver();
    void OnSetfocusPreamble();
    void OnSetfocusPower();
    void OnSetfocusAuth();
    void OnSetfocusRate();
    void OnApplyChanges();

    DECLARE_MESSAGE_MAP()

private:
    void ShowAdapterOptions();
    void ShowFirstOptions();
    void ShowExplanation(UINT stringId);
    // Sends `list`'s selection to the adapter (when there is a request for it) and writes it to
    // the driver key, when it differs from `remembered`; TRUE when it did.
    BOOL ApplyOption(CComboBox& list, int& remembered, const advanced_options::DriverParamList& param,
                     void (CPrtUtil::*sendToAdapter)(int));
};
