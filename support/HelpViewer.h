#pragma once

#include <QString>

class QWidget;

// The help launcher's viewer: one window of the program, reused by every
// request, showing the compiled help file's contents, index and topics.
namespace BvUtility::Detail {

// Shows a topic of the help file at strPath in the viewer window, owned by
// pOwner: command 1 the topic the file's context map gives nTopic, command 3
// with topic 0 the file's default topic. True only when the topic is on
// screen; false when the file is missing, not a compiled help file, damaged,
// or has no such topic (the window is then left as it was).
bool ShowHelpTopic(QWidget* pOwner, const QString& strPath, unsigned int nCommand, unsigned long nTopic);

}  // namespace BvUtility::Detail
