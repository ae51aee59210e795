// UTF-8 (the toolkit's strings) to and from UTF-16 (the Windows API's strings).
#pragma once

#include <string>

namespace qgui::win32 {

std::wstring toWide(const std::string& utf8);
std::string toUtf8(const std::wstring& wide);
// At most maxBytes bytes of text, cut before a character that would not fit whole.
std::string truncateUtf8(const std::string& text, size_t maxBytes);

} // namespace qgui::win32
