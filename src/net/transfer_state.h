// What a download request and its transfer's thread share: the outcome and the records, written
// once by the transfer, and whether the request was abandoned. The transfer reports its end
// only to a request that still waits for it.
#pragma once

#include <functional>
#include <mutex>
#include <string>
#include <string_view>

#include "net/records.h"
#include "net/transfer.h"

namespace blenker {

class TransferState {
  public:
    // The transfer's end: stores its outcome and records, then, unless the request was
    // abandoned, reports it; both under the lock, so an abandon never meets a report half done.
    void Finish(DownloadOutcome outcome, Records records,
                const std::function<void(DownloadOutcome)>& report);
    // The request goes: a transfer still running reports nothing.
    void Abandon();

    // True once the transfer has ended.
    bool Done() const;
    // True when the transfer ended complete.
    bool Succeeded() const;
    // The value of a record, the empty text until the transfer is done or when it had none.
    const std::string& GetValue(std::string_view key) const;

  private:
    mutable std::mutex m_lock;
    // Written by the transfer before it sets m_done; read once m_done holds.
    Records m_records;
    bool m_succeeded = false;
    // Guarded by the lock.
    bool m_done = false;
    bool m_abandoned = false;
};

}  // namespace blenker
