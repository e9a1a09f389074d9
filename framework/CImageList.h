#pragma once
// A list of same-sized pictures that list views draw their items with.

#include <vector>

#include "framework/Icon.h"

struct HIMAGELIST__;
using HIMAGELIST = HIMAGELIST__*;

constexpr UINT ILC_MASK = 0x0001;
constexpr UINT ILC_COLOR = 0x0000;
constexpr UINT ILC_COLOR4 = 0x0004;
constexpr UINT ILC_COLOR8 = 0x0008;
constexpr UINT ILC_COLOR16 = 0x0010;
constexpr UINT ILC_COLOR24 = 0x0018;
constexpr UINT ILC_COLOR32 = 0x0020;

namespace fw {

struct ImageListData {
    int width = 16;
    int height = 16;
    UINT flags = 0;
    int capacity = 0;
    int grow = 0;
    std::vector<IconData> images;
};

// Null for a handle that names no live image list.
const ImageListData* ImageListOf(HIMAGELIST list);
std::size_t LiveImageListCount();

}  // namespace fw

class CImageList {
public:
    HIMAGELIST m_hImageList = nullptr;

    CImageList() = default;
    ~CImageList();
    CImageList(const CImageList&) = delete;
    CImageList& operator=(const CImageList&) = delete;

    // `grow` 0: the list holds at most `initial` images.
    BOOL Create(int cx, int cy, UINT flags, int initial, int grow);
    BOOL DeleteImageList();
    // The index of the added icon, -1 when it does not fit or is no icon.
    int Add(HICON icon);
    int GetImageCount() const;
    HIMAGELIST GetSafeHandle() const { return m_hImageList; }
    operator HIMAGELIST() const { return m_hImageList; }
};
