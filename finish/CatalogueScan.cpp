#include "CatalogueScan.h"

#include <QXmlStreamReader>

#include <climits>

namespace {

// Depths of the tokens that matter: the root's children are the entries, the
// entries' children the Manuals, the Manuals' children their text.
constexpr int kEntryDepth = 1;
constexpr int kManualDepth = 2;
constexpr int kManualContentDepth = 3;

bool IsCSpace(QChar ch)
{
    const char16_t c = ch.unicode();
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\v' || c == u'\f' || c == u'\r';
}

// Reads an index the way atoi reads a number: white space, an optional sign,
// then digits up to the first non-digit; no digits read as 0. An empty value
// stands for no index, and neither does a number out of the int range (where
// atoi's own result is undefined).
bool ValueReadsAs(QStringView value, int nIndex)
{
    if (value.isEmpty())
        return false;
    qsizetype i = 0;
    while (i < value.size() && IsCSpace(value[i]))
        ++i;
    bool bNegative = false;
    if (i < value.size() && (value[i] == u'+' || value[i] == u'-')) {
        bNegative = value[i] == u'-';
        ++i;
    }
    long long nValue = 0;
    for (; i < value.size() && value[i] >= u'0' && value[i] <= u'9'; ++i) {
        nValue = nValue * 10 + (value[i].unicode() - u'0');
        if (nValue > static_cast<long long>(INT_MAX) + 1)
            return false;
    }
    return (bNegative ? -nValue : nValue) == nIndex;
}

bool AttributeMatches(const QXmlStreamAttribute& attribute, QStringView strName, int nIndex)
{
    return attribute.qualifiedName() == strName && ValueReadsAs(attribute.value(), nIndex);
}

}  // namespace

CCatalogueScan::CCatalogueScan(int nModel, int nComm, int nRev)
    : m_nModel(nModel), m_nComm(nComm), m_nRev(nRev)
{
}

void CCatalogueScan::Take(const QXmlStreamReader& reader)
{
    switch (reader.tokenType()) {
    case QXmlStreamReader::StartElement:
        TakeStartElement(reader);
        break;
    case QXmlStreamReader::EndElement:
        TakeEndElement();
        break;
    case QXmlStreamReader::Characters:
        TakeCharacters(reader);
        break;
    case QXmlStreamReader::Comment:
    case QXmlStreamReader::ProcessingInstruction:
    case QXmlStreamReader::EntityReference:
        TakeOtherNode();
        break;
    default:
        break;
    }
}

void CCatalogueScan::TakeStartElement(const QXmlStreamReader& reader)
{
    if (m_nDepth == kEntryDepth) {
        m_bRootHasChildren = true;
        if (!m_bEntryFound && reader.qualifiedName() == u"Instrument" && EntryMatches(reader))
            m_bEntryFound = m_bInEntry = true;
    } else if (m_nDepth == kManualDepth && m_bInEntry && reader.qualifiedName() == u"Manual") {
        m_bInManual = true;
        m_manualText = EManualText::Pending;
        m_strManualText.clear();
    } else if (m_nDepth == kManualContentDepth && m_bInManual) {
        m_manualText = EManualText::Closed;
    }
    ++m_nDepth;
}

void CCatalogueScan::TakeEndElement()
{
    --m_nDepth;
    if (m_nDepth == kManualDepth && m_bInManual) {
        m_bInManual = false;
        const QString strDocument = m_strManualText.trimmed();
        m_strManualText.clear();
        if (!strDocument.isEmpty() && m_astrDocuments.size() < kMaxDocuments)
            m_astrDocuments.append(strDocument);
    } else if (m_nDepth == kEntryDepth) {
        m_bInEntry = false;
    }
}

void CCatalogueScan::TakeCharacters(const QXmlStreamReader& reader)
{
    // White space between the root's children is layout, not a child.
    if (m_nDepth == kEntryDepth && (reader.isCDATA() || !reader.isWhitespace()))
        m_bRootHasChildren = true;
    if (m_nDepth != kManualContentDepth || !m_bInManual || m_manualText == EManualText::Closed)
        return;
    if (reader.isCDATA()) {
        m_manualText = EManualText::Closed;
        return;
    }
    // One text node may arrive in several pieces (around entity references).
    m_manualText = EManualText::Collecting;
    m_strManualText += reader.text();
    if (m_strManualText.size() > kMaxDocumentChars) {
        m_strManualText.clear();
        m_manualText = EManualText::Closed;
    }
}

void CCatalogueScan::TakeOtherNode()
{
    if (m_nDepth == kEntryDepth)
        m_bRootHasChildren = true;
    if (m_nDepth == kManualContentDepth && m_bInManual)
        m_manualText = EManualText::Closed;
}

bool CCatalogueScan::EntryMatches(const QXmlStreamReader& reader) const
{
    bool bModel = false;
    bool bComm = false;
    bool bRev = false;
    for (const QXmlStreamAttribute& attribute : reader.attributes()) {
        if (AttributeMatches(attribute, u"model", m_nModel))
            bModel = true;
        else if (AttributeMatches(attribute, u"comm", m_nComm))
            bComm = true;
        else if (AttributeMatches(attribute, u"rev", m_nRev))
            bRev = true;
    }
    return bModel && bComm && bRev;
}
