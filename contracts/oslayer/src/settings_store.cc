#include <oslayer/file_opers.h>
#include <oslayer/settings_store.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <mutex>
#include <string>
#include <vector>

#include "ini_file.h"

namespace {

std::mutex gStoreMutex;

struct KeyPlace {
  bool valid = false;
  std::string file;
  std::string section;  // path below the tree's root, "\"-separated; "" for the root
  std::string root;     // the root in the long form, "HKEY_CURRENT_USER\Software\Vantor\Zavo"
};

bool SameText(const std::string& a, const char* b) {
  std::string lower;
  for (char c : a) lower += static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
  return lower == b;
}

std::string Env(const char* name) {
  const char* v = std::getenv(name);
  return v && *v ? v : "";
}

KeyPlace Locate(const CZavoString& key) {
  KeyPlace place;
  const std::string text = NFileOpers::NativePath(key);
  std::vector<std::string> parts;
  size_t i = 0;
  while (i <= text.size()) {
    size_t j = text.find('/', i);
    if (j == std::string::npos) j = text.size();
    if (j > i) parts.push_back(text.substr(i, j - i));
    i = j + 1;
  }
  if (parts.size() < 4 || !SameText(parts[1], "software") || !SameText(parts[2], "vantor") ||
      !SameText(parts[3], "zavo")) {
    return place;
  }
  if (SameText(parts[0], "hkcu") || SameText(parts[0], "hkey_current_user")) {
    std::string config = Env("XDG_CONFIG_HOME");
    if (config.empty()) config = Env("HOME") + "/.config";
    place.file = config + "/Vantor/Zavo/settings.ini";
    place.root = "HKEY_CURRENT_USER\\Software\\Vantor\\Zavo";
  } else if (SameText(parts[0], "hklm") || SameText(parts[0], "hkey_local_machine")) {
    const std::string machine = Env("ZAVO_MACHINE_CONFIG");
    place.file =
        (machine.empty() ? std::string("/etc/xdg/Vantor/Zavo") : machine) + "/settings.ini";
    place.root = "HKEY_LOCAL_MACHINE\\Software\\Vantor\\Zavo";
  } else {
    return place;
  }
  for (size_t k = 4; k < parts.size(); ++k) {
    if (!place.section.empty()) place.section += '\\';
    place.section += parts[k];
  }
  place.valid = true;
  return place;
}

std::string Lower(const std::string& s) {
  std::string out;
  for (char c : s) out += static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
  return out;
}

// "..." with \ and " escaped and line ends written as \n and \r.
std::string Quote(const char* text) {
  std::string out = "\"";
  for (const char* p = text; *p; ++p) {
    switch (*p) {
      case '\\':
        out += "\\\\";
        break;
      case '"':
        out += "\\\"";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      default:
        out += *p;
    }
  }
  return out + "\"";
}

}  // namespace

namespace NSettingsStore {

CZavoString GetTreeFile(const CZavoString& key) {
  const KeyPlace place = Locate(key);
  return place.valid ? CZavoString::FromUtf8(place.file) : CZavoString();
}

bool ReadValue(const CZavoString& key, const CZavoString& name, CZavoString& value) {
  const KeyPlace place = Locate(key);
  if (!place.valid || name.IsEmpty()) return false;
  std::lock_guard<std::mutex> guard(gStoreMutex);
  CSimpleIniA ini;
  if (!oslayer_internal::LoadIni(ini, place.file)) return false;
  const char* found = ini.GetValue(place.section.c_str(), name.ToUtf8().c_str(), nullptr);
  if (!found) return false;
  value = CZavoString::FromUtf8(found);
  return true;
}

bool WriteValue(const CZavoString& key, const CZavoString& name, const CZavoString& value) {
  const KeyPlace place = Locate(key);
  if (!place.valid || name.IsEmpty()) return false;
  std::lock_guard<std::mutex> guard(gStoreMutex);
  CSimpleIniA ini;
  if (!oslayer_internal::LoadIni(ini, place.file)) return false;
  if (ini.SetValue(place.section.c_str(), name.ToUtf8().c_str(), value.ToUtf8().c_str()) < 0) {
    return false;
  }
  return oslayer_internal::SaveIni(ini, place.file);
}

bool DeleteValue(const CZavoString& key, const CZavoString& name) {
  const KeyPlace place = Locate(key);
  if (!place.valid || name.IsEmpty()) return false;
  std::lock_guard<std::mutex> guard(gStoreMutex);
  CSimpleIniA ini;
  if (!oslayer_internal::LoadIni(ini, place.file)) return false;
  if (!ini.Delete(place.section.c_str(), name.ToUtf8().c_str(), true)) return false;
  return oslayer_internal::SaveIni(ini, place.file);
}

}  // namespace NSettingsStore

bool WriteRegistryTreeToFile(const CZavoString& key, const CZavoString& file) {
  const KeyPlace place = Locate(key);
  if (!place.valid) return false;
  CSimpleIniA ini;
  {
    std::lock_guard<std::mutex> guard(gStoreMutex);
    if (!oslayer_internal::LoadIni(ini, place.file)) return false;
  }
  const std::string wanted = Lower(place.section);
  CSimpleIniA::TNamesDepend sections;
  ini.GetAllSections(sections);
  std::vector<std::string> keys;
  for (const auto& s : sections) {
    const std::string lower = Lower(s.pItem);
    if (wanted.empty() || lower == wanted || lower.rfind(wanted + "\\", 0) == 0) {
      keys.push_back(s.pItem);
    }
  }
  if (std::none_of(keys.begin(), keys.end(),
                   [&](const std::string& k) { return Lower(k) == wanted; })) {
    keys.push_back(place.section);
  }
  std::sort(keys.begin(), keys.end(),
            [](const std::string& a, const std::string& b) { return Lower(a) < Lower(b); });

  std::string text = "Zavo Registry Export 1\n";
  for (const std::string& section : keys) {
    text += "\n[" + place.root + (section.empty() ? "" : "\\" + section) + "]\n";
    CSimpleIniA::TNamesDepend names;
    ini.GetAllKeys(section.c_str(), names);
    names.sort(CSimpleIniA::Entry::LoadOrder());
    for (const auto& n : names) {
      const char* v = ini.GetValue(section.c_str(), n.pItem, "");
      text += Quote(n.pItem) + "=" + Quote(v) + "\n";
    }
  }
  std::ofstream out(NFileOpers::NativePath(file), std::ios::binary | std::ios::trunc);
  if (!out) return false;
  out << text;
  out.close();
  return static_cast<bool>(out);
}
