#pragma once
// A settings store held in memory, for tests: the same semantics as the
// registry store, plus a log of every write in order.
#include "settings/SettingsStore.h"

#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

class MemorySettingsStore : public SettingsStore {
public:
    struct Write {
        std::string section;
        std::string name;
        std::int32_t value = 0;
    };

    std::int32_t readInt(const char* section, const char* name, std::int32_t defaultValue) override;
    void writeInt(const char* section, const char* name, std::int32_t value) override;

    // The stored value, when there is one.
    std::optional<std::int32_t> find(const std::string& section, const std::string& name) const;
    const std::vector<Write>& writes() const noexcept { return writes_; }
    std::size_t size() const noexcept { return values_.size(); }

private:
    std::map<std::pair<std::string, std::string>, std::int32_t> values_;
    std::vector<Write> writes_;
};
