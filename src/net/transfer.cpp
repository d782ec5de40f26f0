#include "net/transfer.h"

namespace blenker {

OutcomeCode CodeOf(DownloadOutcome outcome) {
    switch (outcome) {
        case DownloadOutcome::Complete:
            return {1, 0};
        case DownloadOutcome::InternetError:
            return {0, kInternetErrorCode};
        case DownloadOutcome::FileError:
            break;
    }
    return {0, kFileErrorCode};
}

bool TransferBody::Append(std::string_view chunk) {
    if (m_text.size() + chunk.size() > kMaxFileBytes) {
        return false;
    }
    m_text.append(chunk);
    return true;
}

}  // namespace blenker
