#include "propprovider/PropPageConnection.h"

#include "propprovider/ZephraPropApp.h"

CPrtUtil* CPropPageConnection::SharedPrtUtil() { return ThePropApp().m_pPrtUtil; }
