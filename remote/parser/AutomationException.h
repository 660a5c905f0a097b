#pragma once

#include <exception>

namespace Orlix::Automation {

// The failure of a remote command: one SCPI error code and nothing else; the
// text that a client reads back comes from the error table.
class AutomationException : public std::exception
{
public:
    explicit AutomationException(int code) : m_code(code) {}

    int code() const { return m_code; }
    const char* what() const noexcept override { return "SCPI automation error"; }

private:
    int m_code;
};

} // namespace Orlix::Automation
