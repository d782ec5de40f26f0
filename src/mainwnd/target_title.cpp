#include "mainwnd/target_title.h"

namespace blenker {

std::string CutAppName(std::string_view text) {
    return std::string(text.substr(0, text.rfind('-')));
}

}  // namespace blenker
