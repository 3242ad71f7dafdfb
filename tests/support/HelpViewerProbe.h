#pragma once

#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QWidget>

// What the help viewer owned by pOwner shows: the heading of the topic on
// screen, empty when no viewer window is visible.
inline QWidget* HelpViewer(QWidget* pOwner)
{
    return pOwner->findChild<QWidget*>(QStringLiteral("helpViewer"), Qt::FindDirectChildrenOnly);
}

inline QString ShownHeading(QWidget* pOwner)
{
    QWidget* pViewer = HelpViewer(pOwner);
    if (!pViewer || !pViewer->isVisible())
        return {};
    const auto* pTopic = pViewer->findChild<QTextBrowser*>(QStringLiteral("helpTopic"));
    return pTopic ? pTopic->document()->firstBlock().text() : QString();
}
