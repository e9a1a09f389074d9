#pragma once
// The status sheet's Connection Status page: the program's page, sharing the library's
// driver-access object through the application object instead of a sheet member.

#include "pages/PageConnection.h"

class CPropPageConnection : public CPageConnection {
protected:
    CPrtUtil* SharedPrtUtil() override;
};
