#include <gtest/gtest.h>

#include <vector>

#include "PageSlide.h"
#include "StepCaptions.h"
#include "WizardNavigation.h"

namespace quorvex {
namespace {

TEST(WizardNavigationTest, NextRunsTheStepOfItsPage) {
    const std::vector<NextAction> expected{
        NextAction::MenuStep,        NextAction::SourceStep, NextAction::BurnSettingsStep,
        NextAction::DestinationStep, NextAction::Nothing,    NextAction::StartBurn,
        NextAction::Nothing,         NextAction::Nothing};
    for (std::int16_t page = 0; page < WizardPage::Count; ++page)
        EXPECT_EQ(WizardNavigation::nextActionOn(page), expected[page]) << "page " << page;
}

TEST(WizardNavigationTest, EveryTaskOfTheMenuLeadsToItsFirstPage) {
    struct Row {
        std::int16_t task;
        std::optional<std::int16_t> step;
    };
    for (const Row& row : {Row{0, 4}, Row{1, 1}, Row{2, 2}, Row{3, 1}, Row{4, 7}, Row{5, {}},
                           Row{6, {}}, Row{-1, {}}})
        EXPECT_EQ(WizardNavigation::menuStepOf(row.task), row.step) << "task " << row.task;
    EXPECT_EQ(WizardNavigation::taskForMenuStep(6), 3);
    EXPECT_EQ(WizardNavigation::taskForMenuStep(2), 2);
}

TEST(WizardNavigationTest, BackGoesTheWayThePageWasReached) {
    struct Row {
        std::int16_t page;
        std::int16_t task;
        std::optional<std::int16_t> step;
        bool removesTempFolder;
    };
    const std::vector<Row> rows{{0, 1, {}, false}, {1, 1, -1, false}, {1, 3, -1, false},
                                {2, 2, -2, false}, {2, 3, -1, false}, {2, 6, -1, false},
                                {3, 1, -2, false}, {4, 1, {}, false}, {5, 3, -5, true},
                                {6, 1, -6, true},  {7, 4, -7, false}};
    for (const Row& row : rows) {
        const auto move = WizardNavigation::backFrom(row.page, row.task);
        ASSERT_EQ(move.has_value(), row.step.has_value()) << "page " << row.page;
        if (!move) continue;
        EXPECT_EQ(move->pageStep, *row.step) << "page " << row.page << " task " << row.task;
        EXPECT_EQ(move->removesTempCopyFolder, row.removesTempFolder) << "page " << row.page;
        // Back always lands where the task's page sequence came from: the menu or page 1.
        EXPECT_GE(row.page + move->pageStep, 0);
    }
}

TEST(WizardNavigationTest, CancelStopsARunBeforeABurnBeforeItEndsTheProgram) {
    EXPECT_EQ(WizardNavigation::cancelAction(true, true), CancelAction::StopRun);
    EXPECT_EQ(WizardNavigation::cancelAction(true, false), CancelAction::StopRun);
    EXPECT_EQ(WizardNavigation::cancelAction(false, true), CancelAction::CancelBurn);
    EXPECT_EQ(WizardNavigation::cancelAction(false, false), CancelAction::Exit);
}

TEST(WizardNavigationTest, MenuRowsCountFromTheRecoveryEntryOrTheContinueEntry) {
    WizardState state;
    EXPECT_EQ(WizardNavigation::taskOfMenuRow(0, state), 1);
    EXPECT_EQ(WizardNavigation::taskOfMenuRow(3, state), 4);
    EXPECT_EQ(WizardNavigation::menuRowOfTask(1, state), 0);
    state.MenuIndexBase = 1;
    EXPECT_EQ(WizardNavigation::taskOfMenuRow(0, state), 0);
    EXPECT_EQ(WizardNavigation::taskOfMenuRow(1, state), 1);
    EXPECT_EQ(WizardNavigation::menuRowOfTask(4, state), 4);
}

TEST(WizardNavigationTest, CopyingStepIsThirdAfterTheSourceAndSecondOtherwise) {
    TextTable texts{};
    texts[39] = "Step";
    texts[41] = "Copying";
    EXPECT_EQ(StepCaptions::copyingStep(1, texts), "Step 3.   Copying");
    EXPECT_EQ(StepCaptions::copyingStep(6, texts), "Step 3.   Copying");
    EXPECT_EQ(StepCaptions::copyingStep(2, texts), "Step 2.   Copying");
    EXPECT_EQ(StepCaptions::copyingStep(3, texts), "Step 2.   Copying");
}

// Every text is its own index, so a caption names the text it was made of.
TextTable numberedTexts() {
    TextTable texts{};
    for (std::size_t i = 0; i < texts.size(); ++i) texts[i] = "t" + std::to_string(i);
    return texts;
}

TEST(StepCaptionsTest, ButtonsTakeThePageTextsWithTwoBlanksInFront) {
    struct Row {
        std::int16_t page;
        std::optional<std::string> back, next, cancel;
    };
    const std::vector<Row> rows{{0, "  t37", "  t38", "  t36"},
                                {1, "  t37", "  t38", "  t36"},
                                {2, {}, {}, {}},
                                {3, "  t37", "  t38", "  t36"},
                                {4, "  t37", "  t38", "  t35"},
                                {5, "  t61", "  t34", "  t36"},
                                {6, "  t61", "  t38", "  t36"},
                                {7, {}, {}, {}}};
    const TextTable texts = numberedTexts();
    for (const Row& row : rows) {
        const StepCaptionSet set = StepCaptions::forPage(row.page, 1, texts);
        EXPECT_EQ(set.back, row.back) << "page " << row.page;
        EXPECT_EQ(set.next, row.next) << "page " << row.page;
        EXPECT_EQ(set.cancel, row.cancel) << "page " << row.page;
    }
}

TEST(StepCaptionsTest, BurnPagesAreNumberedByTask) {
    struct Row {
        std::int16_t task;
        std::optional<std::string> settings, burning;
    };
    const std::vector<Row> rows{{0, {}, {}},
                                {1, {}, {}},
                                {2, "t39 1.   t123", "t39 3.   t130"},
                                {3, "t39 2.   t115", "t39 2.   t130"},
                                {4, {}, {}},
                                {6, "t39 2.   t115", "t39 4.   t130"}};
    const TextTable texts = numberedTexts();
    for (const Row& row : rows) {
        const StepCaptionSet set = StepCaptions::forPage(2, row.task, texts);
        EXPECT_EQ(set.burnSettingsStep, row.settings) << "task " << row.task;
        EXPECT_EQ(set.burningStep, row.burning) << "task " << row.task;
    }
}

// Drives a slide tick by tick and keeps what each tick showed.
std::vector<SlideFrame> slideAll(WizardState& state) {
    PageSlide slide(state);
    std::vector<SlideFrame> frames;
    do frames.push_back(slide.tick());
    while (!frames.back().finished && frames.size() < 20);
    return frames;
}

TEST(PageSlideTest, AnyMoveTakesSevenTicksOfAHundredPixels) {
    for (const std::int16_t step : {1, 7}) {
        WizardState state;
        state.PageStep = step;
        EXPECT_EQ(PageSlide(state).arrivingStart(), step * 640);
        const std::vector<SlideFrame> frames = slideAll(state);
        ASSERT_EQ(frames.size(), 7u) << "step " << step;
        for (std::size_t tick = 0; tick < 6; ++tick) {
            const int offset = -100 * static_cast<int>(tick + 1);
            EXPECT_EQ(frames[tick].leavingLeft, offset);
            EXPECT_EQ(frames[tick].arrivingLeft, 640 + offset);
            EXPECT_FALSE(frames[tick].finished);
        }
        EXPECT_EQ(frames[6].leavingLeft, -640);
        EXPECT_EQ(frames[6].arrivingLeft, 0);
        EXPECT_EQ(state.SlideOffset, -640);
        EXPECT_EQ(state.CurrentPage, step);
    }
}

TEST(PageSlideTest, BackSlidesTheOtherWayAndLandsOnTheMenuWithNextOnly) {
    WizardState state;
    state.CurrentPage = 6;
    state.PageStep = -6;
    const std::vector<SlideFrame> frames = slideAll(state);
    ASSERT_EQ(frames.size(), 7u);
    EXPECT_EQ(frames[0].leavingLeft, 100);
    EXPECT_EQ(frames[0].arrivingLeft, -540);
    EXPECT_EQ(frames[6].arrivingLeft, 0);
    EXPECT_EQ(state.CurrentPage, 0);
    ASSERT_TRUE(frames[6].landing.has_value());
    EXPECT_FALSE(frames[6].landing->back);
    EXPECT_TRUE(frames[6].landing->next);
}

TEST(PageSlideTest, LandingOnTheSourcePageEnablesBackAndNextAndElsewhereNothing) {
    WizardState toSource;
    toSource.PageStep = 1;
    const auto landing = slideAll(toSource).back().landing;
    ASSERT_TRUE(landing.has_value());
    EXPECT_TRUE(landing->back && landing->next);
    WizardState toHistory;
    toHistory.PageStep = 7;
    EXPECT_FALSE(slideAll(toHistory).back().landing.has_value());
}

TEST(PageSlideTest, TitleFadesTowardWhite) {
    WizardState state;
    state.PageStep = 3;
    const std::vector<SlideFrame> frames = slideAll(state);
    const std::vector<TitleColour> expected{{50, 50, 200},   {100, 100, 250}, {150, 150, 255},
                                            {200, 200, 255}, {250, 250, 255}, {255, 255, 255},
                                            {255, 255, 255}};
    for (std::size_t tick = 0; tick < frames.size(); ++tick)
        EXPECT_EQ(frames[tick].title, expected[tick]) << "tick " << tick;
    EXPECT_EQ(PageSlide::titleColourAt(0), PageSlide::RestingTitle);
}

}  // namespace
}  // namespace quorvex
