// The names the windows show. The maker's site name and addresses are left empty.
#pragma once

namespace dorvanta {

constexpr const char* kSiteName = "";
constexpr const char* kProductName = "Dorvanta";
constexpr const char* kWebAddress = "";
constexpr const char* kSupportAddress = "";

// Where the maker can be reached, as the help and about windows show it. A
// window leaves out the row of an empty address, label and box alike.
struct MakerAddresses {
    const char* web = kWebAddress;
    const char* support = kSupportAddress;
};

}  // namespace dorvanta
