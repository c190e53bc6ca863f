// Opens a web or mail link with the desktop's own program, and the addresses the program opens.
#pragma once

#include <string_view>

namespace quilloro {

class MessageBoxes;

inline constexpr std::string_view kHomePage = "https://quilloro.example.org/";
inline constexpr std::string_view kMailInformation = "info@quilloro.example.org";
inline constexpr std::string_view kMailSales = "sales@quilloro.example.org";
inline constexpr std::string_view kMailSupport = "support@quilloro.example.org";

// kind "HTTP" or "EMAIL" (any case); any other kind says "Error in parameters".
// Answers whether the desktop took the link.
bool fnOpenLink(std::string_view kind, std::string_view target, MessageBoxes& boxes);

}  // namespace quilloro
