// Helpers of the saved-layout tests: a dock state's archive form as bytes, and the values of the
// application's profile as the registry holds them.
#pragma once

// the standard headers come before windows.h there
#include "FakeServices.h"

#include <cstdint>

// The archive form of state (anything with Serialize(CArchive&)) as bytes.
template <class TState>
std::vector<uint8_t> StoreToBytes(TState& state)
{
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        state.Serialize(ar);
        ar.Close();
    }
    std::vector<uint8_t> data(size_t(file.GetLength()));
    file.SeekToBegin();
    file.Read(data.data(), uint32_t(data.size()));
    return data;
}

// Reads state from the bytes of an archive (the archive's exceptions pass through).
template <class TState>
void LoadFromBytes(TState& state, std::vector<uint8_t> data)
{
    CMemFile file(data.data(), uint32_t(data.size()));
    CArchive ar(&file, CArchive::load);
    state.Serialize(ar);
}

// The values of section pszSection of application pszApp's profile (HKCU\Software\Havrel\<app>) by
// name, with their registry types; none for a missing section.
inline std::map<std::string, DWORD> ProfileValueTypes(const char* pszApp, const std::string& section)
{
    std::map<std::string, DWORD> values;
    const std::string path = std::string("Software\\Havrel\\") + pszApp + "\\" + section;
    HKEY hKey = nullptr;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &hKey) != ERROR_SUCCESS)
        return values;
    char name[256];
    for (DWORD i = 0;; i++) {
        DWORD cchName = sizeof name;
        DWORD dwType = 0;
        if (::RegEnumValueA(hKey, i, name, &cchName, nullptr, &dwType, nullptr, nullptr) != ERROR_SUCCESS)
            break;
        values[name] = dwType;
    }
    ::RegCloseKey(hKey);
    return values;
}

// Deletes the sections of application pszApp's profile whose names start with pszPrefix.
inline void DeleteProfileSections(const char* pszApp, const std::string& prefix)
{
    const std::string path = std::string("Software\\Havrel\\") + pszApp;
    HKEY hKey = nullptr;
    if (::RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_ALL_ACCESS, &hKey) != ERROR_SUCCESS)
        return;
    std::vector<std::string> sections;
    char name[256];
    for (DWORD i = 0; ::RegEnumKeyA(hKey, i, name, sizeof name) == ERROR_SUCCESS; i++)
        if (std::string(name).compare(0, prefix.size(), prefix) == 0)
            sections.push_back(name);
    for (const std::string& section : sections)
        CWinApp::DelRegTree(hKey, section.c_str());
    ::RegCloseKey(hKey);
}
