#include "Diagnostics.h"

#include "StrFormat.h"

namespace Diagnostics {
namespace {
Sink& CurrentSink()
{
    static Sink sink;
    return sink;
}
}  // namespace

void SetSink(Sink sink) { CurrentSink() = std::move(sink); }

bool IsEnabled() { return static_cast<bool>(CurrentSink()); }

void Write(const std::string& strText)
{
    if (IsEnabled())
        CurrentSink()(strText);
}

void Trace(const char* szName, double dValue)
{
    // Formatting costs more than the arithmetic it traces: skip it when silent.
    if (IsEnabled())
        CurrentSink()(StrFormat("%s = %lf\r\n", szName, dValue));
}

CMuted::CMuted() : m_bMuting(IsEnabled())
{
    if (m_bMuting) {
        m_saved = std::move(CurrentSink());
        CurrentSink() = nullptr;
    }
}

CMuted::~CMuted()
{
    if (m_bMuting)
        CurrentSink() = std::move(m_saved);
}

}  // namespace Diagnostics
