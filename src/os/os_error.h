// An error the operating system reported, with its own code and text.
#pragma once

#include <stdexcept>
#include <string>

namespace os {

class OsError : public std::runtime_error {
public:
    OsError(int code, const std::string& text) : std::runtime_error(text), code_(code) {}
    int Code() const { return code_; }

private:
    int code_;
};

// The error of the last failed system call, with the OS's text for it.
OsError LastError();
OsError ErrorFromCode(int code);

}  // namespace os
