#include "ResultFields.h"

#include <gtest/gtest.h>

#include <set>
#include <string_view>

// A group naming a key the table lacks would read past the table's end.
TEST(ResultFields, EveryGroupKeyIsAFieldAndEveryKeyIsOnce) {
    std::set<std::string_view> keys;
    for (const ResultField& field : ResultFields())
        EXPECT_TRUE(keys.insert(field.key).second) << field.key;
    for (const ResultGroup& group : ResultGroups())
        for (const std::string_view key : group.keys)
            EXPECT_TRUE(keys.contains(key)) << key;
}
