#include "mainwnd/target_title.h"

namespace blenker {

std::string CutAppName(std::string_view text) {
    return std::string(text.substr(0, text.find_last_of("-\x97")));
}

}  // namespace blenker
