// NSettingsStore: the registry of this system on Linux. Two trees of registry-like keys, each
// kept as one INI file:
//   "HKCU\Software\Vantor\Zavo"  ->  $XDG_CONFIG_HOME/Vantor/Zavo/settings.ini (~/.config when
//   unset) "HKLM\Software\Vantor\Zavo"  ->  $ZAVO_MACHINE_CONFIG/settings.ini, else
//                                    /etc/xdg/Vantor/Zavo/settings.ini
// A key below a tree's root is an INI section named by its path under the root ("Logger",
// "Client\Sub"); the root's own values come before the first section. Hives are written
// "HKCU"/"HKEY_CURRENT_USER" and "HKLM"/"HKEY_LOCAL_MACHINE"; keys and names ignore case;
// "\" and "/" both separate. Keys outside the two trees are not stored.
#pragma once

#include <oslayer/oslayer_export.h>
#include <oslayer/zavo_string.h>

#include <utility>
#include <vector>

namespace NSettingsStore {

// The settings file of the tree holding key; empty for a key outside both trees.
OSLAYER_EXPORT CZavoString GetTreeFile(const CZavoString& key);
// False when the key or the value does not exist (or the file cannot be read).
OSLAYER_EXPORT bool ReadValue(const CZavoString& key, const CZavoString& name, CZavoString& value);
// Writes the whole file anew (through a temporary file renamed over it).
OSLAYER_EXPORT bool WriteValue(const CZavoString& key, const CZavoString& name,
                               const CZavoString& value);
OSLAYER_EXPORT bool DeleteValue(const CZavoString& key, const CZavoString& name);

}  // namespace NSettingsStore

// Writes the key and every key below it, with their values, as text in the manner of a
// registry export (layout in docs/file-formats.md). False for a key outside the stored trees,
// an unreadable settings file or a file that cannot be written.
OSLAYER_EXPORT bool WriteRegistryTreeToFile(const CZavoString& key, const CZavoString& file);
