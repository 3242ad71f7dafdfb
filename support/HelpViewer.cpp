#include "HelpViewer.h"

#include "Help.h"
#include "HelpFile.h"

#include <QAction>
#include <QFile>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QSplitter>
#include <QTabWidget>
#include <QTextBrowser>
#include <QTextDocument>
#include <QToolBar>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <QWidget>

#include <memory>
#include <vector>

namespace BvUtility::Detail {
namespace {

using HelpFile::CHelpEntry;
using HelpFile::CHelpFile;

constexpr int kTopicRole = Qt::UserRole;
const QString kScheme = QStringLiteral("help");

QUrl TopicUrl(const std::string& strTopic)
{
    QUrl url;
    url.setScheme(kScheme);
    const std::size_t nFragment = strTopic.find('#');
    url.setPath(QString::fromStdString(strTopic.substr(0, nFragment)));
    if (nFragment != std::string::npos)
        url.setFragment(QString::fromStdString(strTopic.substr(nFragment + 1)));
    return url;
}

// The topic pane: pages, pictures and style sheets come out of the help file;
// links leave it never.
class CTopicBrowser : public QTextBrowser {
public:
    explicit CTopicBrowser(QWidget* pParent) : QTextBrowser(pParent)
    {
        setObjectName(QStringLiteral("helpTopic"));
        setOpenLinks(false);
        connect(this, &QTextBrowser::anchorClicked, this, [this](const QUrl& link) {
            const QUrl url = source().resolved(link);
            if (url.scheme() == kScheme)
                setSource(url);
        });
    }
    void SetFile(const CHelpFile* pFile) { m_pFile = pFile; }

    QVariant loadResource(int nType, const QUrl& name) override
    {
        const QUrl url = name.isRelative() ? source().resolved(name) : name;
        std::string strData;
        if (!m_pFile || url.scheme() != kScheme || !m_pFile->Read(url.path().toStdString(), strData))
            return {};
        const QByteArray data(strData.data(), static_cast<qsizetype>(strData.size()));
        if (nType == QTextDocument::ImageResource)
            return data;
        return QString::fromUtf8(data);
    }

private:
    const CHelpFile* m_pFile = nullptr;
};

// A tab's pane: a line to type into above a list.
QWidget* LineAboveList(QLineEdit* pLine, QListWidget* pList)
{
    auto* pPane = new QWidget;
    auto* pLayout = new QVBoxLayout(pPane);
    pLayout->setContentsMargins(0, 0, 0, 0);
    pLayout->addWidget(pLine);
    pLayout->addWidget(pList);
    return pPane;
}

class CHelpViewer : public QWidget {
public:
    explicit CHelpViewer(QWidget* pOwner) : QWidget(pOwner, Qt::Window)
    {
        setObjectName(QStringLiteral("helpViewer"));
        setAttribute(Qt::WA_DeleteOnClose);
        resize(900, 640);

        auto* pTools = new QToolBar(this);
        m_pBack = pTools->addAction(tr("Back"));
        m_pBack->setShortcut(QKeySequence::Back);
        m_pForward = pTools->addAction(tr("Forward"));
        m_pForward->setShortcut(QKeySequence::Forward);
        QAction* pHome = pTools->addAction(tr("Home"));

        auto* pTabs = new QTabWidget;
        m_pContents = new QTreeWidget;
        m_pContents->setObjectName(QStringLiteral("helpContents"));
        m_pContents->setHeaderHidden(true);
        pTabs->addTab(m_pContents, tr("Contents"));

        m_pIndexFilter = new QLineEdit;
        m_pIndexFilter->setPlaceholderText(tr("Type a keyword"));
        m_pIndex = new QListWidget;
        m_pIndex->setObjectName(QStringLiteral("helpIndex"));
        pTabs->addTab(LineAboveList(m_pIndexFilter, m_pIndex), tr("Index"));

        m_pSearchWords = new QLineEdit;
        m_pSearchWords->setObjectName(QStringLiteral("helpSearchWords"));
        m_pSearchWords->setPlaceholderText(tr("Type the words to find, then Enter"));
        m_pSearchHits = new QListWidget;
        m_pSearchHits->setObjectName(QStringLiteral("helpSearchHits"));
        pTabs->addTab(LineAboveList(m_pSearchWords, m_pSearchHits), tr("Search"));

        m_pTopic = new CTopicBrowser(this);
        auto* pSplitter = new QSplitter;
        pSplitter->addWidget(pTabs);
        pSplitter->addWidget(m_pTopic);
        pSplitter->setStretchFactor(1, 1);
        pSplitter->setSizes({260, 640});

        auto* pLayout = new QVBoxLayout(this);
        pLayout->setContentsMargins(0, 0, 0, 0);
        pLayout->addWidget(pTools);
        pLayout->addWidget(pSplitter);

        connect(m_pBack, &QAction::triggered, m_pTopic, &QTextBrowser::backward);
        connect(m_pForward, &QAction::triggered, m_pTopic, &QTextBrowser::forward);
        connect(m_pTopic, &QTextBrowser::backwardAvailable, m_pBack, &QAction::setEnabled);
        connect(m_pTopic, &QTextBrowser::forwardAvailable, m_pForward, &QAction::setEnabled);
        connect(pHome, &QAction::triggered, this, [this] { Go(m_pFile->DefaultTopic()); });
        connect(m_pTopic, &QTextBrowser::sourceChanged, this, &CHelpViewer::OnTopicShown);
        connect(m_pContents, &QTreeWidget::itemActivated, this, &CHelpViewer::OnEntryChosen);
        connect(m_pContents, &QTreeWidget::itemClicked, this, &CHelpViewer::OnEntryChosen);
        connect(m_pIndex, &QListWidget::itemActivated, this, &CHelpViewer::OnListEntryChosen);
        connect(m_pIndex, &QListWidget::itemClicked, this, &CHelpViewer::OnListEntryChosen);
        connect(m_pIndexFilter, &QLineEdit::textChanged, this, &CHelpViewer::FilterIndex);
        connect(m_pSearchWords, &QLineEdit::returnPressed, this, &CHelpViewer::Search);
        connect(m_pSearchHits, &QListWidget::itemActivated, this, &CHelpViewer::OnListEntryChosen);
        connect(m_pSearchHits, &QListWidget::itemClicked, this, &CHelpViewer::OnListEntryChosen);

        // A screen reader's names for the panes that take the focus.
        pTabs->setAccessibleName(tr("Contents, index and search"));
        m_pContents->setAccessibleName(tr("Contents"));
        m_pIndexFilter->setAccessibleName(tr("Index keyword"));
        m_pIndex->setAccessibleName(tr("Index"));
        m_pSearchWords->setAccessibleName(tr("Words to find"));
        m_pSearchHits->setAccessibleName(tr("Topics found"));
        m_pTopic->setAccessibleName(tr("Topic"));
    }

    const QString& Path() const { return m_strPath; }

    // Takes over an opened file: its contents and index replace the old ones
    // and the history starts afresh.
    void Load(std::unique_ptr<CHelpFile> pFile, const QString& strPath)
    {
        m_pFile = std::move(pFile);
        m_strPath = strPath;
        m_pTopic->SetFile(m_pFile.get());
        m_pTopic->clearHistory();
        FillContents(m_pFile->Contents());
        m_pIndex->clear();
        for (const CHelpEntry& entry : m_pFile->Index()) {
            auto* pItem = new QListWidgetItem(QString::fromStdString(entry.strName), m_pIndex);
            pItem->setData(kTopicRole, QString::fromStdString(entry.strTopic));
        }
        FilterIndex(m_pIndexFilter->text());
        m_pSearchHits->clear();
    }

    void Go(const std::string& strTopic)
    {
        if (!strTopic.empty())
            m_pTopic->setSource(TopicUrl(strTopic));
    }

    // True when strTopic is the page on screen and has something to show.
    bool Shows(const std::string& strTopic) const
    {
        return isVisible() && m_pTopic->source().path() == TopicUrl(strTopic).path() &&
               !m_pTopic->document()->isEmpty();
    }

private:
    void FillContents(const std::vector<CHelpEntry>& aEntries)
    {
        m_pContents->clear();
        std::vector<QTreeWidgetItem*> aParents;
        for (const CHelpEntry& entry : aEntries) {
            const std::size_t nLevel = std::min<std::size_t>(static_cast<std::size_t>(entry.nLevel), aParents.size());
            aParents.resize(nLevel);
            auto* pItem = aParents.empty() ? new QTreeWidgetItem(m_pContents) : new QTreeWidgetItem(aParents.back());
            pItem->setText(0, QString::fromStdString(entry.strName));
            pItem->setData(0, kTopicRole, QString::fromStdString(entry.strTopic));
            aParents.push_back(pItem);
        }
        m_pContents->expandAll();
    }

    void OnEntryChosen(QTreeWidgetItem* pItem) { Go(pItem->data(0, kTopicRole).toString().toStdString()); }
    void OnListEntryChosen(QListWidgetItem* pItem) { Go(pItem->data(kTopicRole).toString().toStdString()); }

    void FilterIndex(const QString& strText)
    {
        for (int n = 0; n < m_pIndex->count(); ++n) {
            QListWidgetItem* pItem = m_pIndex->item(n);
            pItem->setHidden(!pItem->text().startsWith(strText, Qt::CaseInsensitive));
        }
    }

    // The topics holding every word typed, the most occurrences first.
    void Search()
    {
        m_pSearchHits->clear();
        const std::vector<HelpFile::CSearchHit> aHits = m_pFile->Search(m_pSearchWords->text().toStdString());
        for (const HelpFile::CSearchHit& hit : aHits) {
            const QString strTitle = QString::fromStdString(hit.strTitle.empty() ? hit.strTopic : hit.strTitle);
            auto* pItem = new QListWidgetItem(strTitle, m_pSearchHits);
            pItem->setData(kTopicRole, QString::fromStdString(hit.strTopic));
            pItem->setToolTip(tr("%n occurrence(s)", nullptr, static_cast<int>(hit.nCount)));
        }
        if (aHits.empty() && !m_pSearchWords->text().trimmed().isEmpty()) {
            auto* pItem = new QListWidgetItem(tr("No topic holds all these words."), m_pSearchHits);
            pItem->setFlags(Qt::NoItemFlags);
        }
    }

    // The window's title and the contents tree follow the page on screen.
    void OnTopicShown(const QUrl& url)
    {
        const QString strFile = QString::fromStdString(m_pFile->Title());
        const QString strPage = m_pTopic->documentTitle();
        setWindowTitle(strPage.isEmpty() ? strFile : strPage + QStringLiteral(" - ") + strFile);
        for (QTreeWidgetItemIterator it(m_pContents); *it; ++it) {
            if (QUrl(QStringLiteral("help:") + (*it)->data(0, kTopicRole).toString()).path() == url.path()) {
                const QSignalBlocker block(m_pContents);
                m_pContents->setCurrentItem(*it);
                break;
            }
        }
    }

    std::unique_ptr<CHelpFile> m_pFile;
    QString m_strPath;
    QAction* m_pBack;
    QAction* m_pForward;
    QTreeWidget* m_pContents;
    QLineEdit* m_pIndexFilter;
    QListWidget* m_pIndex;
    QLineEdit* m_pSearchWords;
    QListWidget* m_pSearchHits;
    CTopicBrowser* m_pTopic;
};

QPointer<CHelpViewer>& Viewer()
{
    static QPointer<CHelpViewer> pViewer;
    return pViewer;
}

}  // namespace

bool ShowHelpTopic(QWidget* pOwner, const QString& strPath, unsigned int nCommand, unsigned long nTopic)
{
    auto pFile = std::make_unique<CHelpFile>();
    if (!pFile->Open(QFile::encodeName(strPath).toStdString()))
        return false;
    std::string strTopic;
    if (nCommand == CHelp::kHelpContext) {
        if (!pFile->TopicForContext(nTopic, strTopic))
            return false;
    } else if (nTopic == 0) {
        strTopic = pFile->DefaultTopic();
    }
    std::string strPage;
    if (strTopic.empty() || !pFile->Read(TopicUrl(strTopic).path().toStdString(), strPage) || strPage.empty())
        return false;

    QPointer<CHelpViewer>& pViewer = Viewer();
    if (pViewer && pViewer->parentWidget() != pOwner)
        delete pViewer;
    if (!pViewer)
        pViewer = new CHelpViewer(pOwner);
    if (pViewer->Path() != strPath || !pViewer->isVisible())
        pViewer->Load(std::move(pFile), strPath);
    pViewer->Go(strTopic);
    pViewer->show();
    pViewer->raise();
    pViewer->activateWindow();
    return pViewer->Shows(strTopic);
}

}  // namespace BvUtility::Detail
