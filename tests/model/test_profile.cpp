#include "MaterialList.h"
#include "Profile.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// A profile of `count` bars whose P1.X tells them apart (10, 20, 30, ...).
TProfile ProfileOfBars(int count) {
    TProfile p;
    for (int i = 1; i <= count; ++i)
        p.createObject(okBar, {10 * i, 0}, 10);
    return p;
}

std::vector<int> Xs(const TProfile& p) {
    std::vector<int> xs;
    for (const TProfileObject& o : p.liveObjects())
        xs.push_back(o.P1.X);
    return xs;
}

std::vector<int> Numbers(const TProfile& p) {
    std::vector<int> ns;
    for (const TProfileObject& o : p.liveObjects())
        ns.push_back(o.Number);
    return ns;
}

TEST(ProfileCreateTest, NewBarAndAppendix) {
    TProfile p;
    ASSERT_TRUE(p.createObject(okBar, {10, 30}, 15));
    const TProfileObject& bar = p.Objects(1);
    EXPECT_EQ(bar.Number, 1);
    EXPECT_EQ(bar.Kind, okBar);
    EXPECT_EQ(bar.Thickness, 1.5);
    EXPECT_EQ(bar.P1, (TPoint{10, 30}));
    EXPECT_EQ(bar.P2, (TPoint{10, 30}));
    ASSERT_TRUE(p.createObject(okAppendix, {50, 60}, 1));
    EXPECT_EQ(p.ObjectCount(), 2);
    EXPECT_EQ(p.CurrentIndex(), 2);
    EXPECT_EQ(p.Objects(2).Thickness, 0.1);
    EXPECT_EQ(p.Objects(2).P2, (TPoint{0, 0})) << "an appendix never writes P2";
}

TEST(ProfileCreateTest, RefusesThe256thObject) {
    TProfile p = ProfileOfBars(TProfile::Capacity);
    const TProfileObject last = p.Objects(TProfile::Capacity);
    EXPECT_FALSE(p.createObject(okBar, {1, 1}, 10));
    EXPECT_EQ(p.ObjectCount(), TProfile::Capacity);
    EXPECT_EQ(p.CurrentIndex(), TProfile::Capacity);
    EXPECT_EQ(p.Objects(TProfile::Capacity), last);
    EXPECT_THROW(p.Objects(TProfile::Capacity + 1), std::out_of_range);
    EXPECT_THROW(p.Objects(0), std::out_of_range);
}

TEST(ProfileStaleSlotTest, NewAppendixKeepsTheOldBarsP2AndReserved) {
    TProfile p;
    p.createObject(okBar, {10, 10}, 10);
    p.Objects(1).P2 = {90, 40};
    p.Objects(1).Reserved[7] = 0xAB;
    p.reset();
    p.createObject(okAppendix, {5, 5}, 20);
    EXPECT_EQ(p.Objects(1).Kind, okAppendix);
    EXPECT_EQ(p.Objects(1).P1, (TPoint{5, 5}));
    EXPECT_EQ(p.Objects(1).P2, (TPoint{90, 40}));
    EXPECT_EQ(p.Objects(1).Reserved[7], 0xAB);
}

struct DeleteCase {
    const char* name;
    int objects;
    int current;
    std::vector<int> remainingXs;
    int currentAfter;
};

class ProfileDeleteTest : public testing::TestWithParam<DeleteCase> {};

TEST_P(ProfileDeleteTest, DeletesCurrentAndRenumbers) {
    const DeleteCase& c = GetParam();
    TProfile p = ProfileOfBars(c.objects);
    p.setCurrentIndex(c.current);
    p.deleteCurrent();
    EXPECT_EQ(Xs(p), c.remainingXs);
    std::vector<int> expectedNumbers;
    for (std::size_t i = 1; i <= c.remainingXs.size(); ++i)
        expectedNumbers.push_back(static_cast<int>(i));
    EXPECT_EQ(Numbers(p), expectedNumbers);
    EXPECT_EQ(p.CurrentIndex(), c.currentAfter);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ProfileDeleteTest,
    testing::Values(DeleteCase{"middle", 3, 2, {10, 30}, 2}, DeleteCase{"last", 3, 3, {10, 20}, 3},
                    DeleteCase{"past_the_end_changes_nothing", 2, 3, {10, 20}, 3},
                    DeleteCase{"empty_profile", 0, 1, {}, 1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ProfileDeleteTest, SecondDeleteAfterLastChangesNothing) {
    TProfile p = ProfileOfBars(3);
    p.setCurrentIndex(3);
    p.deleteCurrent();
    p.deleteCurrent();
    EXPECT_EQ(Xs(p), (std::vector<int>{10, 20}));
}

TEST(ProfileCompactTest, LoadedNumbersBecomeConsecutive) {
    TProfile p;
    std::vector<TProfileObject> records(3);
    records[0].Number = 5;
    records[0].P1.X = 1;
    records[1].Number = 0;
    records[1].P1.X = 2;
    records[2].Number = 7;
    records[2].P1.X = 3;
    records[2].Reserved[35] = 9;
    p.replace(records, 4);
    EXPECT_EQ(p.CurrentIndex(), 1);
    EXPECT_EQ(p.MaterialIndex(), 4);
    p.CompactObjects();
    EXPECT_EQ(Numbers(p), (std::vector<int>{1, 2}));
    EXPECT_EQ(Xs(p), (std::vector<int>{1, 3}));
    EXPECT_EQ(p.Objects(2).Reserved[35], 9) << "compaction copies whole records";
    EXPECT_EQ(p.Objects(3).P1.X, 3) << "slots past the count keep their stale contents";
}

TEST(ProfileResetTest, EmptiesButKeepsSlotsAndMaterial) {
    TProfile p = ProfileOfBars(2);
    p.selectMaterial("Aço - 7,85");
    p.reset();
    EXPECT_EQ(p.ObjectCount(), 0);
    EXPECT_EQ(p.CurrentIndex(), 1);
    EXPECT_EQ(p.MaterialIndex(), -1);
    EXPECT_EQ(p.Objects(2).P1.X, 20);
    p.deleteCurrent();
    EXPECT_EQ(p.ObjectCount(), 0);
}

TEST(MaterialListTest, IndexOutsideTheListGivesEmptyText) {
    EXPECT_EQ(MaterialText(0), "Aço - 7,75");
    EXPECT_EQ(MaterialText(3), "Chumbo -  11,37");
    EXPECT_EQ(MaterialText(7), "Titânio - 3,49");
    EXPECT_EQ(MaterialText(-1), "");
    EXPECT_EQ(MaterialText(8), "");
}

} // namespace
