#pragma once

#include "Diagnostics.h"
#include "MessageRecorder.h"
#include "TestFiles.h"

#include <QStringList>

#include <string>
#include <vector>

// Stands in for the desktop while it lives: records message boxes, opened
// documents, started programs and diagnostic lines instead of acting.
class CSeamRecorder : public CMessageRecorder
{
public:
    struct CStarted {
        QString strProgram;
        QStringList astrArguments;
    };

    CSeamRecorder()
    {
        BvUtility::Platform::SetOpenDocumentHandler([this](const QString& strDocument) {
            m_astrOpened.append(strDocument);
            return true;
        });
        BvUtility::Platform::SetStartDetachedHandler([this](const QString& strProgram, const QStringList& astrArguments) {
            m_aStarted.push_back({strProgram, astrArguments});
            return m_bStartSucceeds;
        });
        Diagnostics::SetSink([this](const std::string& strText) { m_strDiagnostics += strText; });
    }
    ~CSeamRecorder()
    {
        BvUtility::Platform::SetOpenDocumentHandler({});
        BvUtility::Platform::SetStartDetachedHandler({});
        Diagnostics::SetSink({});
    }

    QStringList m_astrOpened;
    std::vector<CStarted> m_aStarted;
    std::string m_strDiagnostics;
    bool m_bStartSucceeds = true;
};
