#include "tests/support/MemorySettingsStore.h"

std::int32_t MemorySettingsStore::readInt(const char* section, const char* name,
                                          std::int32_t defaultValue) {
    return find(section, name).value_or(defaultValue);
}

void MemorySettingsStore::writeInt(const char* section, const char* name, std::int32_t value) {
    values_[{section, name}] = value;
    writes_.push_back({section, name, value});
}

std::optional<std::int32_t> MemorySettingsStore::find(const std::string& section,
                                                      const std::string& name) const {
    const auto found = values_.find({section, name});
    if (found == values_.end()) {
        return std::nullopt;
    }
    return found->second;
}
