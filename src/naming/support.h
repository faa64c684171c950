#pragma once
// How users reach the makers of the program: every number and address in one place. The numbers
// are placeholders and the addresses use reserved example domains.
namespace yav::support {

inline constexpr const char* Phones = "0000-5550100 0000-5550101";
inline constexpr const char* Accounts = "10000001 10000002";
// The account that the help text names and the chat page opens.
inline constexpr const char* Account = "10000001";
inline constexpr const char* MailAddress = "support@example.com";
inline constexpr const char* HomePage = "https://www.example.com/yavname/";
inline constexpr const char* ChatHost = "https://chat.example.org/";

} // namespace yav::support
