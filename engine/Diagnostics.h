#pragma once

#include <functional>
#include <string>

// The diagnostic output: calculation traces, catalogue entries and lookup
// notes. Silent until a program installs a sink; nothing in the engine reads
// these lines back.
namespace Diagnostics {

using Sink = std::function<void(const std::string&)>;

// Installs the sink (an empty function silences the output again).
void SetSink(Sink sink);
bool IsEnabled();

// Writes the text as it stands.
void Write(const std::string& strText);

// Writes one trace line "name = value\r\n" ("%s = %lf\r\n").
void Trace(const char* szName, double dValue);

// Silences the output while it lives: for figures worked out again to be
// shown beside the report, whose traces would only repeat the report's own.
// While the output is silent anyway it touches nothing, so plans worked out
// side by side on several threads may each mute theirs.
class CMuted {
public:
    CMuted();
    ~CMuted();
    CMuted(const CMuted&) = delete;
    CMuted& operator=(const CMuted&) = delete;

private:
    bool m_bMuting;
    Sink m_saved;
};

}  // namespace Diagnostics
