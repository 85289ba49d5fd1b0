#include "ExtendedAttributes.h"

#include <algorithm>
#include <cerrno>
#include <string_view>
#include <sys/xattr.h>
#include <vector>

namespace {

// Calls query(buffer, size) until the buffer is large enough for the answer, which can
// grow between the call that sizes it and the one that fills it.
template <typename Query> bool Fetch(std::vector<char>& buffer, Query query) {
    for (;;) {
        const ssize_t needed = query(nullptr, 0);
        if (needed < 0)
            return false;
        buffer.resize(static_cast<std::size_t>(needed));
        const ssize_t got = query(buffer.data(), buffer.size());
        if (got >= 0) {
            buffer.resize(static_cast<std::size_t>(got));
            return true;
        }
        if (errno != ERANGE)
            return false;
    }
}

// The names in a list of NUL-terminated names, as the kernel gives them.
std::vector<std::string_view> Names(const std::vector<char>& list) {
    std::vector<std::string_view> names;
    for (std::size_t at = 0; at < list.size(); at += names.back().size() + 1)
        names.emplace_back(list.data() + at);
    return names;
}

// Whatever the new file was born with beyond the old one's attributes goes: a folder's
// default ACL, say, could name users whom the old file never let in.
bool RemoveOthers(int to, const std::vector<std::string_view>& kept) {
    std::vector<char> list;
    if (!Fetch(list, [to](char* bytes, std::size_t size) { return ::flistxattr(to, bytes, size); }))
        return errno == ENOTSUP;
    for (const std::string_view name : Names(list))
        if (std::find(kept.begin(), kept.end(), name) == kept.end() &&
            ::fremovexattr(to, name.data()) != 0)
            return false;
    return true;
}

} // namespace

bool CopyExtendedAttributes(const std::string& from, int to) {
    std::vector<char> list;
    if (!Fetch(list, [&from](char* bytes, std::size_t size) {
            return ::listxattr(from.c_str(), bytes, size);
        }))
        return errno == ENOTSUP;
    const std::vector<std::string_view> names = Names(list);
    if (!RemoveOthers(to, names))
        return false;
    std::vector<char> value;
    for (const std::string_view name : names) {
        if (!Fetch(value, [&from, &name](char* bytes, std::size_t size) {
                return ::getxattr(from.c_str(), name.data(), bytes, size);
            }))
            return false;
        if (::fsetxattr(to, name.data(), value.data(), value.size(), 0) != 0)
            return false;
    }
    return true;
}
