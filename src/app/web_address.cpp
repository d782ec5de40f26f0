#include "app/web_address.h"

#include "titles/title_text.h"

namespace blenker {

namespace {

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() && EqualNoCase(text.substr(0, prefix.size()), prefix);
}

}  // namespace

bool IsWebAddress(std::string_view url) {
    return StartsWithNoCase(url, "http://") || IsSecureAddress(url);
}

bool IsSecureAddress(std::string_view url) {
    return StartsWithNoCase(url, "https://");
}

}  // namespace blenker
