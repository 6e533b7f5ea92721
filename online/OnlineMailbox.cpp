#include "online/OnlineMailbox.h"

void COnlineMailbox::PutUpdate(const UpdateCheckOutcome& outcome) {
    LockGuard lock(m_lock);
    m_update = outcome;
    m_bHasUpdate = true;
}

bool COnlineMailbox::TakeUpdate(UpdateCheckOutcome& outcome) {
    LockGuard lock(m_lock);
    if (!m_bHasUpdate) return false;
    outcome = m_update;
    m_update = UpdateCheckOutcome();
    m_bHasUpdate = false;
    return true;
}

void COnlineMailbox::PutSiteList(const SiteListOutcome& outcome) {
    LockGuard lock(m_lock);
    m_siteList = outcome;
    m_bHasSiteList = true;
}

bool COnlineMailbox::TakeSiteList(SiteListOutcome& outcome) {
    LockGuard lock(m_lock);
    if (!m_bHasSiteList) return false;
    outcome = m_siteList;
    m_siteList = SiteListOutcome();
    m_bHasSiteList = false;
    return true;
}

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
