#include "net/transfer.h"

namespace blenker {

bool TransferBody::Append(std::string_view chunk) {
    if (m_text.size() + chunk.size() > kMaxFileBytes) {
        return false;
    }
    m_text.append(chunk);
    return true;
}

}  // namespace blenker
