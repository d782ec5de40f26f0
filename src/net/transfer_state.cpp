#include "net/transfer_state.h"

#include <utility>

namespace blenker {

void TransferState::Finish(DownloadOutcome outcome, Records records,
                           const std::function<void(DownloadOutcome)>& report) {
    const std::lock_guard<std::mutex> hold(m_lock);
    m_records = std::move(records);
    m_succeeded = outcome == DownloadOutcome::Complete;
    m_done = true;
    if (!m_abandoned) {
        report(outcome);
    }
}

void TransferState::Abandon() {
    const std::lock_guard<std::mutex> hold(m_lock);
    m_abandoned = true;
}

bool TransferState::Done() const {
    const std::lock_guard<std::mutex> hold(m_lock);
    return m_done;
}

bool TransferState::Succeeded() const {
    return Done() && m_succeeded;
}

const std::string& TransferState::GetValue(std::string_view key) const {
    static const std::string kEmpty;
    return Done() ? m_records.GetValue(key) : kEmpty;
}

}  // namespace blenker
