// The user store in the registry: HKEY_CURRENT_USER\SOFTWARE\Quorvel-audio\QGWK01.
#include "UserStore.h"

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include <windows.h>

struct UserStoreKey::Handle {
    HKEY key = nullptr;
};

namespace {

const wchar_t* const kStoreKey = L"SOFTWARE\\Quorvel-audio\\QGWK01";
constexpr std::size_t kTextCharacters = 257;

// Value names are plain ASCII.
std::wstring wideName(const char* name)
{
    return std::wstring(name, name + std::strlen(name));
}

} // namespace

UserStoreKey::UserStoreKey(Access access) : handle(std::make_unique<Handle>())
{
    LONG result;
    if (access == Access::write)
        result = RegCreateKeyExW(HKEY_CURRENT_USER, kStoreKey, 0, nullptr, 0, KEY_WRITE, nullptr, &handle->key,
                                 nullptr);
    else
        result = RegOpenKeyExW(HKEY_CURRENT_USER, kStoreKey, 0,
                               access == Access::query ? KEY_QUERY_VALUE : KEY_SET_VALUE, &handle->key);
    open = result == ERROR_SUCCESS;
}

UserStoreKey::~UserStoreKey()
{
    if (open)
        RegCloseKey(handle->key);
}

void UserStoreKey::setBinary(const char* name, const void* data, std::size_t size)
{
    if (open)
        RegSetValueExW(handle->key, wideName(name).c_str(), 0, REG_BINARY, static_cast<const BYTE*>(data),
                       static_cast<DWORD>(size));
}

void UserStoreKey::setText(const char* name, const char* text)
{
    if (!open)
        return;
    wchar_t wide[kTextCharacters] = {};
    std::size_t converted = 0;
    mbstowcs_s(&converted, wide, kTextCharacters, text, _TRUNCATE);
    DWORD bytes = static_cast<DWORD>((wcslen(wide) + 1) * sizeof(wchar_t));
    RegSetValueExW(handle->key, wideName(name).c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(wide), bytes);
}

void UserStoreKey::queryBinary(const char* name, void* buffer, std::size_t size)
{
    std::memset(buffer, 0, size);
    if (!open)
        return;
    DWORD bytes = static_cast<DWORD>(size);
    // On failure (a larger value among them) the buffer's content is undefined: clear it.
    if (RegQueryValueExW(handle->key, wideName(name).c_str(), nullptr, nullptr, static_cast<BYTE*>(buffer),
                         &bytes) != ERROR_SUCCESS)
        std::memset(buffer, 0, size);
}

void UserStoreKey::queryText(const char* name, char* text, std::size_t size)
{
    if (size == 0)
        return;
    std::memset(text, 0, size);
    if (!open)
        return;
    std::wstring valueName = wideName(name);
    std::vector<wchar_t> wide(kTextCharacters, 0);
    DWORD bytes = static_cast<DWORD>(wide.size() * sizeof(wchar_t));
    LONG result = RegQueryValueExW(handle->key, valueName.c_str(), nullptr, nullptr,
                                   reinterpret_cast<BYTE*>(wide.data()), &bytes);
    if (result == ERROR_MORE_DATA) {
        // A longer text is read whole and then cut, rather than lost.
        wide.assign(bytes / sizeof(wchar_t) + 1, 0);
        bytes = static_cast<DWORD>(wide.size() * sizeof(wchar_t));
        result = RegQueryValueExW(handle->key, valueName.c_str(), nullptr, nullptr,
                                  reinterpret_cast<BYTE*>(wide.data()), &bytes);
    }
    if (result != ERROR_SUCCESS)
        return;
    // The stored text need not carry a terminator.
    wide.resize(kTextCharacters);
    wide[kTextCharacters - 1] = 0;
    std::size_t converted = 0;
    errno_t status = wcstombs_s(&converted, text, size, wide.data(), _TRUNCATE);
    if (status != 0 && status != STRUNCATE)
        std::memset(text, 0, size);
}

void UserStoreKey::deleteValue(const char* name)
{
    if (open)
        RegDeleteValueW(handle->key, wideName(name).c_str());
}
