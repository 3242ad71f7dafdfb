#pragma once

#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>

#include <gtest/gtest.h>

// A shown, active window with the field under test and a second field that
// takes the focus first, so a test can see whether the focus moved.
class CFocusWindow {
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

    QWidget m_window;
    QLineEdit* m_pOther = nullptr;
    QLineEdit* m_pEdit = nullptr;
};
