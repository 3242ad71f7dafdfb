#pragma once

#include "PlatformSeams.h"

#include <functional>
#include <vector>

// Records every message box instead of showing it, answering with m_answer;
// m_onShow runs while the "box" is up.
class CMessageRecorder {
public:
    CMessageRecorder()
    {
        BvUtility::Platform::SetMessageBoxHandler([this](const BvUtility::Platform::MessageRequest& request) {
            m_aRequests.push_back(request);
            if (m_onShow)
                m_onShow();
            return m_answer;
        });
    }
    ~CMessageRecorder() { BvUtility::Platform::SetMessageBoxHandler({}); }
    CMessageRecorder(const CMessageRecorder&) = delete;
    CMessageRecorder& operator=(const CMessageRecorder&) = delete;

    std::vector<BvUtility::Platform::MessageRequest> m_aRequests;
    BvUtility::Platform::MessageResult m_answer = BvUtility::Platform::MessageResult::Ok;
    std::function<void()> m_onShow;
};
