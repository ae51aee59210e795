#include "BitmapLookup.h"

#include <windows.h>

#include <algorithm>

namespace {

BOOL CALLBACK collectId(HMODULE, LPCWSTR, LPWSTR name, LONG_PTR state) {
  if (IS_INTRESOURCE(name)) reinterpret_cast<std::vector<int>*>(state)->push_back(int(reinterpret_cast<ULONG_PTR>(name)));
  return TRUE;
}

}  // namespace

// The resources are linked into this test program itself.
bool lookupBitmapDib(int id, std::vector<std::uint8_t>& dib) {
  HMODULE module = GetModuleHandleW(nullptr);
  HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(id), RT_BITMAP);
  if (found == nullptr) return false;
  HGLOBAL loaded = LoadResource(module, found);
  const DWORD size = SizeofResource(module, found);
  const auto* data = static_cast<const std::uint8_t*>(loaded ? LockResource(loaded) : nullptr);
  if (data == nullptr) return false;
  dib.assign(data, data + size);
  return true;
}

std::vector<int> allBitmapIds() {
  std::vector<int> ids;
  EnumResourceNamesW(GetModuleHandleW(nullptr), RT_BITMAP, collectId, reinterpret_cast<LONG_PTR>(&ids));
  std::sort(ids.begin(), ids.end());
  return ids;
}
