#pragma once

#include <QString>
#include <QStringList>

class QXmlStreamReader;

// Follows the token stream of the manual catalogue and keeps only what the
// lookup needs: whether the root element has children, and the Manual texts
// of the first entry whose indices match.
//
// Entries are the root's direct children named exactly "Instrument"; their
// "model", "comm" and "rev" attributes must all read as the wanted indices.
// A Manual's text is its first child's text when that child is text (a
// comment, character data or an element first gives nothing), trimmed.
class CCatalogueScan
{
public:
    // A matching entry with more Manuals than this opens only the first ones,
    // so a hostile catalogue cannot start an endless row of viewers.
    static constexpr int kMaxDocuments = 16;
    // No path or address is longer; a longer Manual text opens nothing.
    static constexpr int kMaxDocumentChars = 32768;

    CCatalogueScan(int nModel, int nComm, int nRev);

    // Takes the reader's current token.
    void Take(const QXmlStreamReader& reader);

    bool RootHasChildren() const { return m_bRootHasChildren; }
    const QStringList& Documents() const { return m_astrDocuments; }

private:
    enum class EManualText { Pending, Collecting, Closed };

    void TakeStartElement(const QXmlStreamReader& reader);
    void TakeEndElement();
    void TakeCharacters(const QXmlStreamReader& reader);
    void TakeOtherNode();
    bool EntryMatches(const QXmlStreamReader& reader) const;

    int m_nModel;
    int m_nComm;
    int m_nRev;
    int m_nDepth = 0;   // elements open around the current token
    bool m_bRootHasChildren = false;
    bool m_bEntryFound = false;
    bool m_bInEntry = false;
    bool m_bInManual = false;
    EManualText m_manualText = EManualText::Closed;
    QString m_strManualText;
    QStringList m_astrDocuments;
};
