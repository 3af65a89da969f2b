#pragma once

#include <string_view>

// The maker's home page.
inline constexpr std::string_view WebsiteAddress = "https://www.vandrel.de/";

// Command 116 of both dialogs: the home page in the default browser. A
// browser that cannot be started is not reported.
void OpenWebsite();
