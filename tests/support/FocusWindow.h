#pragma once

#include "MessageRecorder.h"

#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>

#include <gtest/gtest.h>

// A shown, active window with the field under test and a second field that
// takes the focus first, so a test can see whether the focus moved; the
// boxes the field's errors show are recorded.
class CFocusWindow : public ::testing::Test {
public:
    CFocusWindow()
    {
        auto* pLayout = new QVBoxLayout(&m_window);
        pLayout->addWidget(m_pOther = new QLineEdit);
        pLayout->addWidget(m_pEdit = new QLineEdit);
        m_window.show();
        m_window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&m_window));
        m_pOther->setFocus();
    }

    CMessageRecorder m_boxes;
    QWidget m_window;
    QLineEdit* m_pOther = nullptr;
    QLineEdit* m_pEdit = nullptr;
};
