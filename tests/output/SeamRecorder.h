#pragma once

#include "Diagnostics.h"
#include "PlatformSeams.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QStringList>

#include <string>
#include <vector>

// Stands in for the desktop while it lives: records message boxes, opened
// documents, started programs and diagnostic lines instead of acting.
class CSeamRecorder
{
public:
    struct CStarted {
        QString strProgram;
        QStringList astrArguments;
    };

    CSeamRecorder()
    {
        using namespace BvUtility::Platform;
        SetMessageBoxHandler([this](const MessageRequest& request) {
            m_aMessages.push_back(request);
            return MessageResult::Ok;
        });
        SetOpenDocumentHandler([this](const QString& strDocument) {
            m_astrOpened.append(strDocument);
            return true;
        });
        SetStartDetachedHandler([this](const QString& strProgram, const QStringList& astrArguments) {
            m_aStarted.push_back({strProgram, astrArguments});
            return m_bStartSucceeds;
        });
        Diagnostics::SetSink([this](const std::string& strText) { m_strDiagnostics += strText; });
    }
    ~CSeamRecorder()
    {
        using namespace BvUtility::Platform;
        SetMessageBoxHandler({});
        SetOpenDocumentHandler({});
        SetStartDetachedHandler({});
        Diagnostics::SetSink({});
    }
    CSeamRecorder(const CSeamRecorder&) = delete;
    CSeamRecorder& operator=(const CSeamRecorder&) = delete;

    std::vector<BvUtility::Platform::MessageRequest> m_aMessages;
    QStringList m_astrOpened;
    std::vector<CStarted> m_aStarted;
    std::string m_strDiagnostics;
    bool m_bStartSucceeds = true;
};

inline bool WriteTestFile(const QString& strPath, const QByteArray& content)
{
    QFile file(strPath);
    return file.open(QIODevice::WriteOnly) && file.write(content) == content.size();
}

inline QByteArray ReadTestFile(const QString& strPath)
{
    QFile file(strPath);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
