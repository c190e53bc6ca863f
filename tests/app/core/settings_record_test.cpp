// Tests of the settings record: field layout, storing and reading fields.
#include "app/core/settings_record.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace quilloro {
namespace {

TEST(SettingsFields, LieInsideTheRecordWithoutOverlapping) {
    std::vector<SettingsField> fields(field::kAll.begin(), field::kAll.end());
    std::sort(fields.begin(), fields.end(),
              [](const SettingsField& a, const SettingsField& b) { return a.position < b.position; });
    for (std::size_t i = 0; i < fields.size(); ++i) {
        EXPECT_GE(fields[i].position, 1);
        EXPECT_LE(fields[i].position + fields[i].length - 1, SettingsRecord::kSize) << fields[i].key;
        if (i > 0) {
            EXPECT_GE(fields[i].position, fields[i - 1].position + fields[i - 1].length)
                << fields[i - 1].key << " overlaps " << fields[i].key;
        }
    }
    std::set<std::string_view> keys;
    for (const auto& f : fields) {
        if (!f.key.empty()) {
            EXPECT_TRUE(keys.insert(f.key).second) << "duplicate key " << f.key;
        }
    }
    EXPECT_EQ(keys.size(), 46u);
}

TEST(SettingsRecord, SetTrimsLeadingSpacesAndFillsTheField) {
    SettingsRecord record;
    EXPECT_EQ(record.text(), std::string(750, ' '));
    record.set(field::UserDefault, "   Alice");
    EXPECT_EQ(record.text().substr(75, 30), "Alice" + std::string(25, ' '));
    EXPECT_EQ(record.get(field::UserDefault), "Alice");
    EXPECT_EQ(record.get(76, 30), "Alice");

    record.set(field::UserDefault, std::string(40, 'n'));
    EXPECT_EQ(record.get(field::UserDefault), std::string(30, 'n'));
    // Neighbouring fields are untouched.
    EXPECT_EQ(record.text()[74], ' ');
    EXPECT_EQ(record.text()[105], ' ');

    record.set(field::UserDefault, "");
    EXPECT_EQ(record.get(field::UserDefault), "");
    record.set(field::UserDefault, "a b  ");
    EXPECT_EQ(record.get(field::UserDefault), "a b");
    record.clear();
    EXPECT_EQ(record.text(), std::string(750, ' '));
}

TEST(SettingsRecord, OutOfRangeFieldsAreClippedNotFatal) {
    SettingsRecord record;
    record.set(749, 5, "abcde");
    EXPECT_EQ(record.get(749, 5), "ab");
    EXPECT_EQ(record.text().size(), 750u);
    record.set(0, 3, "xyz");
    EXPECT_EQ(record.get(1, 2), "yz");
    record.set(800, 3, "q");
    record.set(5, -1, "q");
    record.set(-2000000000, 2100000000, "q");
    EXPECT_EQ(record.get(800, 3), "");
    EXPECT_EQ(record.text().size(), 750u);
}

TEST(SettingsRecord, NumbersInTheFieldsFormat) {
    SettingsRecord record;
    EXPECT_TRUE(record.setInteger(field::BackCard, 11));
    EXPECT_EQ(record.get(field::BackCard), "011");
    EXPECT_FALSE(record.setInteger(field::BackCard, 1000));
    EXPECT_FALSE(record.setInteger(field::BackCard, -1));
    EXPECT_EQ(record.get(field::BackCard), "011");
    EXPECT_TRUE(record.setInteger(field::RunGamesWon, 7));
    EXPECT_EQ(record.get(field::RunGamesWon), "0007");
    EXPECT_TRUE(record.setInteger(field::BackgroundColour, -2147483633));
    EXPECT_EQ(record.get(field::BackgroundColour), "-2147483633");
    EXPECT_TRUE(record.setInteger(field::Score, -12345));
    EXPECT_FALSE(record.setInteger(field::Score, -123456));
    EXPECT_EQ(record.getInteger(field::Score), -12345);
    record.set(field::Language, "abc");
    EXPECT_EQ(record.getInteger(field::Language), std::nullopt);
}

}  // namespace
}  // namespace quilloro
