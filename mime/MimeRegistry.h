#pragma once
#include "mime/MimeCharClass.h"

#include <string>
#include <string_view>
#include <utility>
#include <vector>

// Ordered (name, factory) list searched from the front with ASCII case ignored; the newest entry comes first.
template <typename Factory> class CMimeRegistry {
public:
    void Register(std::string_view name, Factory factory)
    {
        std::erase_if(m_entries, [&](const auto& e) { return MimeEqualNoCase(e.first, name); });
        if (factory)
            m_entries.insert(m_entries.begin(), {std::string(name), factory});
    }

    Factory Find(std::string_view name) const
    {
        for (const auto& e : m_entries)
            if (MimeEqualNoCase(e.first, name))
                return e.second;
        return nullptr;
    }

private:
    std::vector<std::pair<std::string, Factory>> m_entries;
};
