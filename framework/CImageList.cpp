#include "framework/CImageList.h"

#include <map>
#include <memory>

namespace {
std::map<HIMAGELIST, std::unique_ptr<fw::ImageListData>>& Lists()
{
    static std::map<HIMAGELIST, std::unique_ptr<fw::ImageListData>> lists;
    return lists;
}
std::uintptr_t g_next_list = 0x100;

fw::ImageListData* Find(HIMAGELIST list)
{
    auto it = Lists().find(list);
    return it == Lists().end() ? nullptr : it->second.get();
}
}  // namespace

namespace fw {
const ImageListData* ImageListOf(HIMAGELIST list) { return Find(list); }
std::size_t LiveImageListCount() { return Lists().size(); }
}  // namespace fw

CImageList::~CImageList() { DeleteImageList(); }

BOOL CImageList::Create(int cx, int cy, UINT flags, int initial, int grow)
{
    if (m_hImageList != nullptr || cx <= 0 || cy <= 0 || initial < 0 || grow < 0)
        return FALSE;
    auto data = std::make_unique<fw::ImageListData>();
    data->width = cx;
    data->height = cy;
    data->flags = flags;
    data->capacity = initial;
    data->grow = grow;
    m_hImageList = reinterpret_cast<HIMAGELIST>(g_next_list);
    g_next_list += 4;
    Lists().emplace(m_hImageList, std::move(data));
    return TRUE;
}

BOOL CImageList::DeleteImageList()
{
    if (m_hImageList == nullptr)
        return FALSE;
    Lists().erase(m_hImageList);
    m_hImageList = nullptr;
    return TRUE;
}

int CImageList::Add(HICON icon)
{
    fw::ImageListData* data = Find(m_hImageList);
    const fw::IconData* picture = fw::IconOf(icon);
    if (data == nullptr || picture == nullptr)
        return -1;
    const int count = static_cast<int>(data->images.size());
    if (count >= data->capacity) {
        if (data->grow == 0)
            return -1;
        data->capacity += data->grow;
    }
    data->images.push_back(*picture);
    return count;
}

int CImageList::GetImageCount() const
{
    const fw::ImageListData* data = Find(m_hImageList);
    return data ? static_cast<int>(data->images.size()) : 0;
}
