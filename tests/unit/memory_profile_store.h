// A settings store held in memory, for the tests and the benchmarks. Values keep their type, so a
// value of the wrong type reads as the default, as in the registry.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "store/profile_store.h"

namespace blenker {

class MemoryProfileStore : public ProfileStore {
  public:
    using Bytes = std::vector<std::uint8_t>;
    using Value = std::variant<std::uint32_t, std::string, Bytes>;

    int ReadNumber(const std::string& section, const std::string& key, int def) override;
    std::string ReadText(const std::string& section, const std::string& key,
                         const std::string& def) override;
    bool WriteNumber(const std::string& section, const std::string& key, int value) override;
    bool WriteText(const std::string& section, const std::string& key,
                   const std::string& value) override;

    // Stores any value as it stands, whatever type the program expects there.
    void Put(const std::string& section, const std::string& key, Value value);
    std::optional<Value> Find(const std::string& section, const std::string& key) const;
    // Number of writes so far, to tell "written" from "left alone".
    int WriteCount() const { return m_writes; }

  private:
    std::map<std::pair<std::string, std::string>, Value> m_values;
    int m_writes = 0;
};

}  // namespace blenker
