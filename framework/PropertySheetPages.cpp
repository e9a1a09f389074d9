#include "framework/PropertySheetPages.h"

#include <map>
#include <memory>

#include "framework/CPropertySheet.h"

namespace {
std::map<HPROPSHEETPAGE, std::unique_ptr<PROPSHEETPAGE>>& Pages()
{
    static std::map<HPROPSHEETPAGE, std::unique_ptr<PROPSHEETPAGE>> pages;
    return pages;
}
std::uintptr_t g_next_page = 0x2000;
}  // namespace

HPROPSHEETPAGE CreatePropertySheetPage(LPCPROPSHEETPAGE page)
{
    if (page == nullptr || page->pszTemplate == nullptr ||
        (page->dwSize != PROPSHEETPAGE_V1_SIZE && page->dwSize != PROPSHEETPAGE_V2_SIZE && page->dwSize != sizeof(PROPSHEETPAGE)))
        return nullptr;
    auto copy = std::make_unique<PROPSHEETPAGE>(*page);
    // The 40-byte layout has no header titles.
    if (page->dwSize == PROPSHEETPAGE_V1_SIZE)
        copy->pszHeaderTitle = copy->pszHeaderSubTitle = nullptr;
    auto handle = reinterpret_cast<HPROPSHEETPAGE>(g_next_page);
    g_next_page += 4;
    Pages().emplace(handle, std::move(copy));
    return handle;
}

BOOL DestroyPropertySheetPage(HPROPSHEETPAGE page) { return Pages().erase(page) == 1 ? TRUE : FALSE; }

namespace fw {
const PROPSHEETPAGE* PageRecordOf(HPROPSHEETPAGE page)
{
    auto it = Pages().find(page);
    return it == Pages().end() ? nullptr : it->second.get();
}
}  // namespace fw

LONG_PTR PropertySheet(const PROPSHEETHEADER* header)
{
    if (header == nullptr || (header->nPages > 0 && header->phpage == nullptr))
        return -1;
    CPropertySheet sheet(header->pszCaption ? header->pszCaption : "", CWnd::FromHandle(header->hwndParent), header->nStartPage);
    sheet.m_psh.dwFlags = header->dwFlags;
    for (UINT i = 0; i < header->nPages; ++i)
        if (!sheet.AddPage(header->phpage[i]))
            return -1;
    const int result = sheet.DoModal();
    return result == IDOK ? 1 : (result == IDCANCEL ? 0 : -1);
}
