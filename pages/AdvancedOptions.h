#pragma once
// The Advanced page's option lists and the driver-key values they stand for: list entry i
// is written as texts[i], and a stored text selects the entry it belongs to.

#include <span>

#include "framework/CString.h"
#include "platform/WinTypes.h"

namespace advanced_options {

struct DriverParamList {
    LPCSTR name;
    std::span<const LPCSTR> texts;
};

inline constexpr LPCSTR kAuthTexts[] = {"0", "1"};                  // open, shared
inline constexpr LPCSTR kPowerTexts[] = {"0", "1", "2"};            // continuous, maximum, fast
inline constexpr LPCSTR kPreambleTexts[] = {"0", "1"};              // long, short
inline constexpr LPCSTR kRateTexts[] = {"15", "1", "2", "4", "8"};  // masks of auto, 1, 2, 5.5, 11 Mbps

inline constexpr DriverParamList kAuthentication{"AuthenticationType", kAuthTexts};
inline constexpr DriverParamList kPowerSaving{"PSMode", kPowerTexts};
inline constexpr DriverParamList kPreamble{"ShortPreamble", kPreambleTexts};
inline constexpr DriverParamList kRate{"TransmitRate", kRateTexts};

// The entry whose text is `stored`; the first entry for any other text, "" included.
inline int IndexOfText(const DriverParamList& list, const CString& stored)
{
    for (std::size_t i = 0; i < list.texts.size(); ++i)
        if (stored == list.texts[i])
            return static_cast<int>(i);
    return 0;
}

// The text of entry `index`; the first entry's for an index outside the list.
inline LPCSTR TextOfIndex(const DriverParamList& list, int index)
{
    return index >= 0 && static_cast<std::size_t>(index) < list.texts.size() ? list.texts[static_cast<std::size_t>(index)]
                                                                             : list.texts[0];
}

}  // namespace advanced_options
