// The names the windows show. The maker's site name and addresses are left empty.
#pragma once

namespace dorvanta {

constexpr const char* kSiteName = "";
constexpr const char* kProductName = "Dorvanta";
constexpr const char* kWebAddress = "";
constexpr const char* kSupportAddress = "";

}  // namespace dorvanta
