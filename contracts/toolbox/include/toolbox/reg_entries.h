// NRegEntries: names of the client's machine properties.
#pragma once

namespace NRegEntries {

// Where the application's machine properties live, below HKLM: the settings store keeps them in
// section "Properties" of the machine tree's settings file.
inline constexpr char16_t APP_PROP_PATH[] = u"Software\\Vantor\\Zavo\\Properties";
// The item limit of the statistics store (unsigned 32-bit; 0 or absent: the default limit).
inline constexpr char16_t PROP_MAX_RECORDS[] = u"MaxRecords";

}  // namespace NRegEntries
