#pragma once
// The few user-facing operations that Qt-free logic needs. The window passes a
// Qt implementation; tests and the command-line tool pass their own.
#include <string>

namespace vd {

// A message box with one text and an OK button.
class MessageService {
  public:
    virtual ~MessageService() = default;
    virtual void ShowMessage(const std::string& text) = 0;
    // The application's general error report: a file or conversion error
    // that ended an operation.
    virtual void ShowError(const std::string& text) { ShowMessage(text); }
};

} // namespace vd
