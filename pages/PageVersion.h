#pragma once
// Page 4 of the sheet: computer name, the utility's, firmware's, EEPROM's and driver's
// versions, the driver file's name and date, and a link to the vendor's web site. Read again
// each time the page becomes active.

#include "controls/HyperLink.h"
#include "framework/CPropertyPage.h"
#include "framework/CStatic.h"
#include "framework/CString.h"
#include "framework/gdi/CFont.h"

class CPrtUtil;

class CPageVersion : public CPropertyPage {
    DECLARE_DYNCREATE(CPageVersion)

public:
    CPageVersion();

    CFont m_fontTitle;
    CHyperLink m_link;
    CStatic m_stcTitle;
    CString m_txtComputer;
    CString m_txtFirmware;
    CString m_txtDriverVersion;
    CString m_txtEeprom;
    CString m_txtDriverFile;
    CString m_txtDriverDate;
    CString m_txtUtilityVersion;
    CPrtUtil* m_pPrtUtil = nullptr;

    BOOL OnInitDialog() override;
    BOOL OnSetActive() override;
    void DoDataExchange(CDataExchange* dx) override;

protected:
    DECLARE_MESSAGE_MAP()

private:
    void CreateTitleFont();
};
