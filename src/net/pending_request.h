// The life of the one request a window has pending at a time, whichever the requester (the
// release check, the Titles page): a new request drops the pending one; a reply message counts
// only when the pending request is done, and hands it over, so it counts once; a request
// dropped (a newer one replaced it, or the window went) never has its reply taken.
//
// Dropping the request deletes it: a download deleted before its end posts nothing, and a
// message it posted before is stale, since the request it came from is no longer pending.
#pragma once

#include <memory>
#include <utility>

namespace blenker {

// `Request` tells by Done() whether its outcome is ready.
template <typename Request>
class PendingRequest {
  public:
    // The new request is pending from now on; the one it replaces is dropped first.
    Request& Replace(std::unique_ptr<Request> request) {
        m_request.reset();
        m_request = std::move(request);
        return *m_request;
    }
    // On a reply message: the pending request when it is done, which the caller reads and then
    // lets go; nothing for a message of a dropped request or one that came early.
    std::unique_ptr<Request> TakeReply() {
        if (m_request == nullptr || !m_request->Done()) {
            return nullptr;
        }
        return std::move(m_request);
    }
    // The window goes, or its owner waits no longer: the reply never counts.
    void Drop() { m_request.reset(); }

  private:
    std::unique_ptr<Request> m_request;
};

}  // namespace blenker
