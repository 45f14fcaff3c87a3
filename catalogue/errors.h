#pragma once
// The two kinds of failure that end an operation and reach the application's
// general error report: a file error and a number conversion error.
#include <stdexcept>
#include <string>

namespace vd {

// A file that is missing, unreadable or too short. what() is the text shown
// to the user.
class FileError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Text that is not a number, with the wording the user sees.
class ConversionError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

} // namespace vd
