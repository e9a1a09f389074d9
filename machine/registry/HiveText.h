#pragma once
// The registry hive as text a person can read and diff: one section per key, one line per
// value with its type. Names and strings are escaped so that every byte comes back.
//
//   [HKEY_LOCAL_MACHINE\Software\Norvel\KX710\Profiles\Lakeside]
//   "ESSID"=sz:"Lakeside"
//   "WepAuto"=dword:00000001
//   @=sz:"htmlfile"                 (the key's default value)
//   "Raw"=hex(3):00,ff              (any other type or layout)
//
// In key paths a byte outside printable ASCII, and '%', is written %HH; in quoted names
// and strings as \xHH, with \\, \", \n, \r and \t for the common ones.

#include <optional>
#include <string>
#include <string_view>

#include "machine/registry/RegistryHive.h"

namespace machine {

std::string format_hive(const RegistryHive& hive);

struct HiveParse {
    std::optional<RegistryHive> hive;
    std::string error;  // "line N: what is wrong" when `hive` is empty
};

HiveParse parse_hive(std::string_view text);

}  // namespace machine
