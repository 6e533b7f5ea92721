#include "online/OnlineMailbox.h"

COnlineMailbox& OnlineMailbox() {
    static COnlineMailbox* box = new COnlineMailbox;
    return *box;
}

bool CDownloadSlot::Begin() {
    if (m_state != Idle) return false;
    m_state = Running;
    return true;
}

bool CDownloadSlot::BeginRetry() {
    if (m_state != WaitingRetry) return false;
    m_state = Running;
    return true;
}

bool CDownloadSlot::Finish(bool offline) {
    if (m_state != Running) return false;
    m_state = offline ? WaitingRetry : Done;
    return true;
}

void CDownloadSlot::Abandon() {
    if (m_state == Running) m_state = Done;
}
