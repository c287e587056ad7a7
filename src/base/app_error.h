#pragma once
// The program's one error type: a number and a description, thrown where a
// procedure raises and caught exactly where a procedure traps.

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

namespace base {

class AppError : public std::runtime_error {
public:
    AppError(int32_t number, const std::string& description)
        : std::runtime_error(description), number_(number) {}

    int32_t number() const noexcept { return number_; }
    std::string description() const { return what(); }

private:
    int32_t number_;
};

// Numbers of the runtime errors the program raises itself.
namespace error_number {
inline constexpr int32_t fileNotFound = 53;
inline constexpr int32_t permissionDenied = 70;
inline constexpr int32_t pathFileAccess = 75;
inline constexpr int32_t pathNotFound = 76;
inline constexpr int32_t typeMismatch = 13;
inline constexpr int32_t overflow = 6;
inline constexpr int32_t divisionByZero = 11;
inline constexpr int32_t outOfMemory = 7;
inline constexpr int32_t invalidPropertyValue = 380;
inline constexpr int32_t invalidPicture = 481;
inline constexpr int32_t printerError = 482;
inline constexpr int32_t printerUnavailable = 484;
inline constexpr int32_t dialogCancelled = 32755;
}  // namespace error_number

// Whether `error` is the user's Cancel: the number a cancelled dialog raises,
// or an error whose description speaks of a cancel, in any letter case.
inline bool isCancel(const AppError& error) {
    if (error.number() == error_number::dialogCancelled) return true;
    const std::string text = error.description();
    constexpr std::string_view word = "CANCEL";
    return std::search(text.begin(), text.end(), word.begin(), word.end(), [](char a, char b) {
               return std::toupper(static_cast<unsigned char>(a)) == b;
           }) != text.end();
}

}  // namespace base
