#include "ExactPoint.h"
#include "MouseEditor.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

const TEditSettings Snapping{true, 10, 10};
const TEditSettings Free{false, 10, 10};

struct Bar {
    TPoint p1, p2;
};

// A profile of bars and appendices (an appendix is a Bar whose p2 is {-1,-1}).
struct Fixture {
    TProfile profile;
    TMouseEditor editor{profile};

    explicit Fixture(const std::vector<Bar>& items = {}) {
        for (const Bar& b : items) {
            const bool appendix = b.p2 == TPoint{-1, -1};
            profile.createObject(appendix ? okAppendix : okBar, b.p1, 10);
            if (!appendix)
                profile.Objects(profile.ObjectCount()).P2 = b.p2;
        }
        profile.setCurrentIndex(1);
    }
    const TProfileObject& object(int i) const { return profile.Objects(i); }
};

const TPoint NoP2{-1, -1};

struct SnapCase {
    const char* name;
    int in, out;
};

class SnapPointTest : public testing::TestWithParam<SnapCase> {};

TEST_P(SnapPointTest, RoundsToTheGridTiesToEven) {
    Fixture f;
    const SnapCase& c = GetParam();
    EXPECT_EQ(f.editor.SnapPoint({c.in, c.in}, Snapping), (TPoint{c.out, c.out}));
    EXPECT_EQ(f.editor.SnapPoint({c.in, 7}, Free), (TPoint{c.in, 7}));
}

INSTANTIATE_TEST_SUITE_P(Step10, SnapPointTest,
                         testing::Values(SnapCase{"v14", 14, 10}, SnapCase{"v15", 15, 20},
                                         SnapCase{"v25", 25, 20}, SnapCase{"v35", 35, 40},
                                         SnapCase{"v5", 5, 0}, SnapCase{"minus15", -15, -20},
                                         SnapCase{"v400", 398, 400}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(MouseEditorTest, DrawsABarWithSnapping) {
    Fixture f;
    f.editor.Tool = etAddBar;
    const TMouseResponse down = f.editor.press({13, 27}, Snapping);
    EXPECT_TRUE(down.confineCursor);
    EXPECT_EQ(down.cursor, TCursorShape::crDrag);
    EXPECT_EQ(f.object(1).P1, (TPoint{10, 30}));
    EXPECT_EQ(f.object(1).P2, (TPoint{10, 30}));
    EXPECT_EQ(f.editor.Grip, gmP2);
    f.editor.move({36, 44}, Snapping);
    EXPECT_EQ(f.object(1).P2, (TPoint{40, 40}));
    const TMouseResponse up = f.editor.release(Snapping);
    EXPECT_TRUE(up.releaseCursor);
    EXPECT_FALSE(up.removeCurrent);
    EXPECT_EQ(f.object(1).P1, (TPoint{10, 30}));
    EXPECT_EQ(f.object(1).P2, (TPoint{40, 40}));
    EXPECT_EQ(f.editor.Grip, gmNone);
}

TEST(MouseEditorTest, ClickWithoutMoveAsksToRemoveTheBar) {
    Fixture f;
    f.editor.Tool = etAddBar;
    f.editor.press({50, 50}, Snapping);
    EXPECT_EQ(f.profile.ObjectCount(), 1);
    EXPECT_TRUE(f.editor.release(Snapping).removeCurrent);
}

TEST(MouseEditorTest, AppendixToolAddsAtSnappedPointAndDragDoesNotMoveIt) {
    Fixture f(std::vector<Bar>{{{0, 0}, {77, 88}}});
    f.profile.reset(); // the next appendix reuses slot 1, which held a bar
    f.editor.Tool = etAddAppendix;
    f.editor.invalidateMarker();
    const TMouseResponse down = f.editor.press({62, 48}, Snapping);
    EXPECT_TRUE(down.confineCursor);
    EXPECT_FALSE(down.cursor.has_value());
    EXPECT_EQ(f.object(1).Kind, okAppendix);
    EXPECT_EQ(f.object(1).P1, (TPoint{60, 50}));
    EXPECT_EQ(f.object(1).P2, (TPoint{77, 88})) << "an appendix keeps the slot's stale P2";
    EXPECT_FALSE(f.editor.move({120, 120}, Snapping).redraw);
    const TMouseResponse up = f.editor.release(Snapping);
    EXPECT_TRUE(up.releaseCursor);
    EXPECT_FALSE(up.cursor.has_value()) << "an invalid marker makes the release do nothing else";
    EXPECT_EQ(f.object(1).P1, (TPoint{60, 50}));
}

TEST(MouseEditorTest, FullProfileRefusesThePress) {
    Fixture f;
    for (int i = 0; i < TProfile::Capacity; ++i)
        f.profile.createObject(okAppendix, {i, i}, 10);
    f.editor.Tool = etAddBar;
    const TMouseResponse r = f.editor.press({5, 5}, Snapping);
    EXPECT_TRUE(r.profileFull);
    EXPECT_FALSE(r.confineCursor);
    EXPECT_EQ(f.profile.ObjectCount(), TProfile::Capacity);
    EXPECT_EQ(f.editor.Grip, gmNone);
}

struct PickCase {
    const char* name;
    std::vector<Bar> objects;
    int current;
    TPoint press;
    int picked; // expected CurrentIndex afterwards
    TGripMode grip;
};

class PickTest : public testing::TestWithParam<PickCase> {};

TEST_P(PickTest, PressWithSelectToolFollowsThePriorities) {
    const PickCase& c = GetParam();
    Fixture f(c.objects);
    f.profile.setCurrentIndex(c.current);
    const TMouseResponse r = f.editor.press(c.press, Snapping);
    EXPECT_EQ(f.editor.Grip, c.grip);
    EXPECT_EQ(f.profile.CurrentIndex(), c.picked);
    EXPECT_EQ(r.confineCursor, c.grip != gmNone);
    EXPECT_TRUE(r.redraw);
    EXPECT_EQ(f.editor.DownPoint, c.press);
}

INSTANTIATE_TEST_SUITE_P(
    Priorities, PickTest,
    testing::Values(
        PickCase{"current_bar_end_beats_nearer_appendix",
                 {{{100, 100}, {200, 100}}, {{102, 100}, NoP2}},
                 1,
                 {104, 100},
                 1,
                 gmP1},
        PickCase{"appendix_beats_other_bar_end",
                 {{{100, 100}, {200, 100}}, {{10, 10}, {50, 10}}, {{50, 12}, NoP2}},
                 1,
                 {50, 11},
                 3,
                 gmAppendix},
        PickCase{"lowest_appendix_wins",
                 {{{0, 0}, {1, 0}}, {{60, 60}, NoP2}, {{62, 62}, NoP2}},
                 1,
                 {61, 61},
                 2,
                 gmAppendix},
        PickCase{"highest_bar_end_wins",
                 {{{0, 0}, {1, 0}}, {{50, 50}, {90, 50}}, {{52, 50}, {52, 90}}},
                 1,
                 {51, 50},
                 3,
                 gmP1},
        PickCase{"p1_before_p2_of_the_same_bar",
                 {{{0, 0}, {1, 0}}, {{50, 50}, {53, 50}}},
                 1,
                 {52, 50},
                 2,
                 gmP1},
        PickCase{"lowest_bar_body_wins",
                 {{{0, 0}, {1, 0}}, {{0, 100}, {100, 100}}, {{0, 102}, {100, 102}}},
                 1,
                 {50, 101},
                 2,
                 gmBar},
        PickCase{"body_band_edge_hit",
                 {{{0, 0}, {1, 0}}, {{0, 100}, {100, 100}}},
                 1,
                 {50, 104},
                 2,
                 gmBar},
        PickCase{
            "body_band_miss", {{{0, 0}, {1, 0}}, {{0, 100}, {100, 100}}}, 1, {50, 105}, 0, gmNone},
        PickCase{"end_reach_past_the_body",
                 {{{0, 0}, {1, 0}}, {{0, 100}, {100, 100}}},
                 1,
                 {104, 100},
                 2,
                 gmP2},
        PickCase{"beyond_end_reach",
                 {{{0, 0}, {1, 0}}, {{0, 100}, {100, 100}}},
                 1,
                 {105, 100},
                 0,
                 gmNone},
        PickCase{"point_bar_only_at_its_point", {{{30, 30}, {30, 30}}}, 1, {30, 30}, 1, gmP1},
        PickCase{"nothing_lets_go_of_the_current",
                 {{{0, 0}, {1, 0}}, {{30, 30}, {60, 30}}},
                 2,
                 {200, 200},
                 0,
                 gmNone}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(MouseEditorTest, GrabSetsTheMarkerFromTheObject) {
    Fixture f(std::vector<Bar>{{{10, 10}, {50, 10}}, {{80, 80}, NoP2}});
    f.editor.press({80, 81}, Snapping);
    EXPECT_EQ(f.editor.MarkP1, (TPoint{80, 80}));
    EXPECT_EQ(f.editor.MarkP2, (TPoint{80, 80}));
    EXPECT_FALSE(f.editor.markerShown()) << "a held appendix shows no marker";
    f.editor.release(Snapping);
    f.editor.press({30, 11}, Snapping);
    EXPECT_EQ(f.editor.MarkP1, (TPoint{10, 10}));
    EXPECT_EQ(f.editor.MarkP2, (TPoint{50, 10}));
    EXPECT_TRUE(f.editor.markerShown());
}

TEST(MouseEditorTest, BarMovesByWholeGridSteps) {
    Fixture f(std::vector<Bar>{{{40, 50}, {80, 50}}});
    f.editor.press({52, 50}, Snapping);
    ASSERT_EQ(f.editor.Grip, gmBar);
    f.editor.move({56, 50}, Snapping);
    EXPECT_EQ(f.object(1).P1, (TPoint{50, 50}));
    EXPECT_EQ(f.object(1).P2, (TPoint{90, 50}));
    f.editor.move({58, 50}, Snapping);
    EXPECT_EQ(f.object(1).P1, (TPoint{50, 50}));
    EXPECT_EQ(f.object(1).P2, (TPoint{90, 50}));
    f.editor.release(Snapping);
    EXPECT_EQ(f.object(1).P2, (TPoint{90, 50}));
}

// A file may hold a bar beyond the edge: it moves back in, never further out.
TEST(MouseEditorTest, BarBeyondTheEdgeOnlyMovesBackIn) {
    Fixture f(std::vector<Bar>{{{460, 0}, {400, 0}}});
    f.editor.press({430, 0}, Free);
    ASSERT_EQ(f.editor.Grip, gmBar);
    f.editor.move({440, 0}, Free);
    EXPECT_EQ(f.object(1).P1, (TPoint{460, 0}));
    f.editor.move({420, 0}, Free);
    EXPECT_EQ(f.object(1).P1, (TPoint{440, 0}));
    EXPECT_EQ(f.object(1).P2, (TPoint{380, 0}));
}

TEST(MouseEditorTest, BarFollowsThePixelsWithoutSnapping) {
    Fixture f(std::vector<Bar>{{{40, 50}, {80, 50}}});
    f.editor.press({52, 50}, Free);
    f.editor.move({55, 53}, Free);
    EXPECT_EQ(f.object(1).P1, (TPoint{43, 53}));
    EXPECT_EQ(f.object(1).P2, (TPoint{83, 53}));
}

// A bar off the whole millimetres moves by whole ones and keeps its fractions. While an end
// is dragged, each end keeps its own until it leaves its place, then lies on its point:
// snapping takes the other end to the grid as it takes a whole-millimetre one.
TEST(MouseEditorTest, DragKeepsFractionsUntilTheHeldEndLeavesItsPlace) {
    Fixture f(std::vector<Bar>{{{40, 50}, {80, 50}}});
    TProfileObject& bar = f.profile.Objects(1);
    SetExactPoint(bar, TEnd::P1, {4025, 5050}); // 50,50 rounds to 50, ties to even
    SetExactPoint(bar, TEnd::P2, {8075, 5050});
    f.editor.press({60, 50}, Free);
    ASSERT_EQ(f.editor.Grip, gmBar);
    f.editor.move({63, 51}, Free);
    f.editor.release(Free);
    EXPECT_EQ(ExactPoint(bar, TEnd::P1), (TExactPoint{4325, 5150}));
    EXPECT_EQ(ExactPoint(bar, TEnd::P2), (TExactPoint{8375, 5150}));
    EXPECT_EQ(bar.P1, (TPoint{43, 52})) << "51,50 rounds to 52";

    f.editor.press(bar.P2, Free);
    ASSERT_EQ(f.editor.Grip, gmP2);
    f.editor.release(Free);
    EXPECT_EQ(ExactPoint(bar, TEnd::P2), (TExactPoint{8375, 5150})) << "a click moves nothing";
    f.editor.press(bar.P2, Free);
    f.editor.move({90, 60}, Free);
    f.editor.release(Free);
    EXPECT_EQ(ExactPoint(bar, TEnd::P2), (TExactPoint{9000, 6000}));
    EXPECT_EQ(ExactPoint(bar, TEnd::P1), (TExactPoint{4325, 5150}));
    f.editor.press(bar.P2, Snapping);
    f.editor.move({100, 60}, Snapping);
    f.editor.release(Snapping);
    EXPECT_EQ(ExactPoint(bar, TEnd::P1), (TExactPoint{4000, 5000})) << "(43, 52) snapped";
}

TEST(MouseEditorTest, DraggingOneEndOntoTheOtherAsksToRemove) {
    Fixture f(std::vector<Bar>{{{40, 50}, {80, 50}}});
    f.editor.press({80, 50}, Snapping);
    ASSERT_EQ(f.editor.Grip, gmP2);
    f.editor.move({42, 51}, Snapping);
    EXPECT_TRUE(f.editor.release(Snapping).removeCurrent);
}

TEST(MouseEditorTest, AppendixDragMovesOnlyP1) {
    Fixture f(std::vector<Bar>{{{80, 80}, NoP2}});
    f.profile.Objects(1).P2 = {7, 7};
    f.editor.press({81, 79}, Snapping);
    f.editor.move({121, 99}, Snapping);
    EXPECT_EQ(f.object(1).P1, (TPoint{120, 100}));
    EXPECT_EQ(f.object(1).P2, (TPoint{7, 7}));
}

struct HoverCase {
    const char* name;
    TPoint at;
    TCursorShape cursor;
};

class HoverTest : public testing::TestWithParam<HoverCase> {};

TEST_P(HoverTest, CursorTellsWhatAPressWouldGrab) {
    Fixture f(std::vector<Bar>{{{0, 100}, {100, 100}}, {{200, 200}, NoP2}});
    for (TEditTool tool : {etSelect, etAddBar, etAddAppendix}) {
        f.editor.Tool = tool;
        const TMouseResponse r = f.editor.move(GetParam().at, Snapping);
        EXPECT_EQ(r.cursor, GetParam().cursor);
        EXPECT_FALSE(r.redraw);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Positions, HoverTest,
    testing::Values(HoverCase{"bar_body", {50, 104}, TCursorShape::crHandPoint},
                    HoverCase{"bar_end", {104, 96}, TCursorShape::crHandPoint},
                    HoverCase{"appendix", {196, 204}, TCursorShape::crHandPoint},
                    HoverCase{"empty", {50, 105}, TCursorShape::crDefault},
                    HoverCase{"beside_appendix", {195, 200}, TCursorShape::crDefault}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(MouseEditorTest, InvalidMarkerMakesReleaseOnlyFreeTheCursor) {
    Fixture f(std::vector<Bar>{{{10, 10}, {50, 10}}});
    f.editor.MarkP1 = {90, 90};
    f.editor.MarkP2 = {90, 90};
    f.editor.invalidateMarker();
    const TMouseResponse r = f.editor.release(Snapping);
    EXPECT_TRUE(r.releaseCursor);
    EXPECT_FALSE(r.removeCurrent);
    EXPECT_EQ(f.object(1).P1, (TPoint{10, 10}));
}

} // namespace
