#include "support/Window_support.h"

#include "gui/App.h"
#include "gui/Controller.h"
#include "gui/Error.h"
#include "gui/GUITimer.h"

#include <memory>
#include <string>
#include <vector>

namespace {

GUI::App& app = *GUI::App::get();

// Fails, instead of hanging, when the loop misses its quit request.
void run_loop() {
    EXPECT_LT(run_frames(100), 100) << "the loop missed its quit request";
}

using Loop = Window_test;

// Takes its rival's focus or destroys it, as a handler closing a dialogue might.
struct Rival : GUI::Controller {
    Rival*& self;
    Rival*& other;
    std::vector<std::string> log;
    Rival(Rival*& self_, Rival*& other_) : self(self_), other(other_) {}
    ~Rival() override { self = nullptr; }
    bool handle_mouse_down(GUI::DispPoint) override {
        other->lose_focus();
        log.push_back("down");
        return false;
    }
    bool handle_key_down(SDL_keysym key) override {
        delete other;
        log.push_back("keydown " + std::to_string(key.sym));
        return false;
    }
};

} // namespace

TEST_F(Loop, ControllerThatLostFocusOrDiedDuringDeliveryIsNotCalled) {
    Rival *first = nullptr, *second = nullptr;
    first = new Rival(first, second);
    second = new Rival(second, first);
    first->capture_focus();
    second->capture_focus();
    push_mouse(SDL_MOUSEBUTTONDOWN, P(500, 500));
    push_key(SDL_QUIT);
    run_loop();
    EXPECT_EQ(first->log.size() + second->log.size(), 1u);

    first->capture_focus();
    second->capture_focus();
    push_key(SDL_KEYDOWN);
    push_key(SDL_QUIT);
    run_loop();
    ASSERT_TRUE((first == nullptr) != (second == nullptr));
    Rival* survivor = first ? first : second;
    EXPECT_EQ(survivor->log.back(), "keydown 97");
    delete survivor;
}

TEST(Timers, EachCommandIsAskedOnceACycleInCircularOrderAndMayCancelItself) {
    std::string order;
    const auto cycle = [] {
        SDL_Delay(3);
        app.cycle_timer_commands();
    };
    auto* a = app.repeat_on_timer([&order] { order += "A"; }, 0.001, true);
    auto* once = app.repeat_on_timer([&order] { order += "1"; }, 0.001, false);
    auto* c = app.repeat_on_timer([&order] { order += "C"; }, 0.001, true);
    cycle();
    cycle();
    EXPECT_EQ(order, "CA1CA") << "the newest starts; a one-shot stays registered but inert";
    app.cancel_timer_op(once);
    EXPECT_EQ(thrown<GUI::Error>([&] { app.cancel_timer_op(once); }), "command not found!");
    cycle();
    EXPECT_EQ(order, "CA1CAAC") << "a cancel restarts the cycle at the first";
    app.cancel_timer_op(a);
    app.cancel_timer_op(c);

    // Cancelled while it runs, the command must live until it returns.
    auto handle = std::make_shared<GUI::GUITimer_command*>();
    *handle = app.repeat_on_timer([handle] { app.cancel_timer_op(*handle); }, 0.001, true);
    auto* b = app.repeat_on_timer([&order] { order += "B"; }, 0.001, true);
    cycle();
    EXPECT_EQ(order, "CA1CAACB");
    EXPECT_EQ(handle.use_count(), 1) << "the cancelled command must be destroyed";
    app.cancel_timer_op(b);
}

TEST_F(Loop, ToolkitErrorFromATimerIsPrintedOnceAndTheLoopGoesOn) {
    int runs = 0;
    auto fail_twice_then_quit = [&runs] {
        if (++runs == 3)
            return app.quit();
        throw GUI::Error("timer failed");
    };
    auto* failing = app.repeat_on_timer(fail_twice_then_quit, 0.001, true);
    for (int round = 0; round < 2; ++round) { // a second run registers no second catcher
        runs = 0;
        run_loop();
        EXPECT_EQ(runs, 3);
        EXPECT_EQ(out.take(), "timer failed\ntimer failed\n");
    }
    app.cancel_timer_op(failing);
}

TEST(Catchers, EveryMatchingCatcherRunsNewestFirstAndOthersPropagate) {
    struct Base_error {};
    struct Other_error {};
    struct Both_errors : Base_error, Other_error {};
    std::string log;
    auto base = [&log](const Base_error&) { log += "base "; };
    auto other = [&log](const Other_error&) { log += "other "; };
    auto replace = [&log](const Other_error&) {
        log += "replace ";
        throw Base_error();
    };
    GUI::ExceptionCatcher_Impl<Base_error, decltype(base)> oldest(base);
    GUI::ExceptionCatcher_Impl<Other_error, decltype(other)> newest(other);
    GUI::ExceptionCatcher_Impl<Other_error, decltype(replace)> replacing(replace);
    auto deliver = [&log](auto exception, std::vector<GUI::ExceptionCatcher*> chain) {
        log.clear();
        try {
            throw exception;
        } catch (...) {
            GUI::call_exception_handlers(chain.begin(), chain.end());
        }
    };
    deliver(Both_errors(), {&oldest, &newest});
    EXPECT_EQ(log, "other base ");
    EXPECT_THROW(deliver(42, {&oldest, &newest}), int);
    // A handler's own exception travels on through the older catchers only.
    deliver(Other_error(), {&oldest, &replacing});
    EXPECT_EQ(log, "replace base ");
}

// Of the quit keys only a bare Command-Q ends the loop; the others reach focus.
TEST_F(Loop, OnlyABareCommandQQuits) {
    struct Keys : GUI::Controller {
        std::string log;
        bool handle_key_up(SDL_keysym key) override {
            return log += std::to_string(key.mod), false;
        }
    } focused;
    focused.capture_focus();
    push_key(SDL_KEYUP, SDLK_q, KMOD_LMETA | KMOD_LSHIFT);
    push_key(SDL_KEYUP, SDLK_q, KMOD_LMETA | KMOD_CAPS);
    push_key(SDL_KEYUP, SDLK_q, KMOD_LMETA);
    push_key(SDL_KEYDOWN); // still queued when the loop ends
    run_loop();
    focused.lose_focus();
    SDL_Event left;
    EXPECT_EQ(SDL_PollEvent(&left), 1);
    EXPECT_EQ(left.type, SDL_KEYDOWN);
    EXPECT_EQ(focused.log,
              std::to_string(KMOD_LMETA | KMOD_LSHIFT) + std::to_string(KMOD_LMETA | KMOD_CAPS));
}

TEST(FrameStats, RateMedianAndSlowFramesComeFromTheFramesSinceTheLastReading) {
    GUI::FrameStats stats;
    for (int i = 0; i < 100; ++i)
        stats.record(i < 97 ? 25. : 100.);
    const GUI::FrameStats::Summary summary = stats.take();
    EXPECT_EQ(summary.frames, 100u);
    EXPECT_NEAR(summary.frames_per_second, 100. * 1000. / (97 * 25. + 300.), 1e-9);
    EXPECT_NEAR(summary.median_ms, 25., 0.1);
    EXPECT_NEAR(summary.percentile_99_ms, 100., 0.1);
    EXPECT_EQ(stats.take().frames, 0u);
}

// A frame sleeps out only what is left of its 25 ms once it is drawn.
TEST(FrameCapper, AShortFrameSleepsTheRestAndALongOneNotAtAll) {
    using std::chrono::milliseconds;
    EXPECT_EQ(GUI::FrameRateCapper::rest_of_frame(milliseconds(15), 40), milliseconds(10));
    EXPECT_EQ(GUI::FrameRateCapper::rest_of_frame(milliseconds(0), 40), milliseconds(25));
    EXPECT_EQ(GUI::FrameRateCapper::rest_of_frame(milliseconds(30), 40), milliseconds(0));
}
