// The settings store: values in sections, read with a default and written at once. The
// program uses the registry; tests use the in-memory store.
#pragma once

#include <string>

namespace blenker {

class ProfileStore {
  public:
    virtual ~ProfileStore() = default;

    // The stored number, or the default when the value is missing or of another type.
    virtual int ReadNumber(const std::string& section, const std::string& key, int def) = 0;
    // The stored text, or the default when the value is missing or of another type.
    virtual std::string ReadText(const std::string& section, const std::string& key,
                                 const std::string& def) = 0;
    // Writes create the section on demand; their result may be ignored.
    virtual bool WriteNumber(const std::string& section, const std::string& key, int value) = 0;
    virtual bool WriteText(const std::string& section, const std::string& key,
                           const std::string& value) = 0;
};

}  // namespace blenker
