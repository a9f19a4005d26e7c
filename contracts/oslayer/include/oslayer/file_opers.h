// NFileOpers: paths and whole-file operations. Paths accept "\" and "/" as separators.
#pragma once

#include <oslayer/oslayer_export.h>
#include <oslayer/zavo_string.h>

#include <string>
#include <vector>

// Names (not paths) of a folder's entries, sorted by name.
typedef std::vector<CZavoString> SFileNameList;

namespace NFileOpers {

// $ZAVO_HOME, else $XDG_DATA_HOME/zavo, else ~/.local/share/zavo; created when missing.
// Without a trailing separator.
OSLAYER_EXPORT CZavoString GetInstallPath();
// A relative name resolved against the install folder; an absolute one only normalised.
OSLAYER_EXPORT CZavoString GetFullPath(const CZavoString& name);
// base + "/" + name, with every "\" turned into "/" and repeated separators merged.
OSLAYER_EXPORT CZavoString CombinePath(const CZavoString& base, const CZavoString& name);
// The UTF-8 path the file system is given: "\" turned into "/", repeated separators merged.
OSLAYER_EXPORT std::string NativePath(const CZavoString& path);

OSLAYER_EXPORT bool FileExists(const CZavoString& path);
OSLAYER_EXPORT bool FolderExists(const CZavoString& path);
// Creates the folder and any missing parents; true also when it already exists.
OSLAYER_EXPORT bool CreateFolder(const CZavoString& path);
// Removes a file (not a folder); false when there was none.
OSLAYER_EXPORT bool EraseFile(const CZavoString& path);
// Removes an empty folder; a folder that still holds entries is kept and gives false.
OSLAYER_EXPORT bool EraseFolder(const CZavoString& path);
// Copies source over target (replaced when it exists); false when source is no file.
OSLAYER_EXPORT bool CloneFile(const CZavoString& source, const CZavoString& target);
// Replaces names with the entries of folder (files and folders, without "." and "..").
OSLAYER_EXPORT bool GetFolderFiles(const CZavoString& folder, SFileNameList& names);

}  // namespace NFileOpers
