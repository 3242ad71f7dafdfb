#pragma once

#include "Diagnostics.h"

#include <string>

// Collects the diagnostic output while alive, and silences it again after.
class CTraceCapture {
public:
    CTraceCapture()
    {
        Diagnostics::SetSink([this](const std::string& strText) { m_strText += strText; });
    }
    ~CTraceCapture() { Diagnostics::SetSink(nullptr); }

    CTraceCapture(const CTraceCapture&) = delete;
    CTraceCapture& operator=(const CTraceCapture&) = delete;

    const std::string& Text() const { return m_strText; }

private:
    std::string m_strText;
};
