#pragma once
// The maker's addresses and numbers. These are placeholders on reserved example domains
// and plainly made-up numbers; they belong to no one.
#include <string_view>

namespace about {

inline constexpr std::string_view kHomePage = "https://www.example.com/";
inline constexpr std::string_view kDownloadPage = "https://www.example.org/download";
inline constexpr std::string_view kServicePage = "https://www.example.net/service";

inline constexpr std::string_view kContactNumber = "12345678";
inline constexpr std::string_view kGroupNumbers[] = {"10000001", "10000002", "10000003",
                                                     "10000004", "10000005", "10000006",
                                                     "10000007", "10000008", "10000009"};

}  // namespace about
