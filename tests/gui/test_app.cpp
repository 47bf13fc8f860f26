#include "Gui_test_helpers.h"
#include "Gui_test_support.h"

#include "gui/App.h"
#include "gui/Compatibility.h"
#include "gui/View.h"
#include "gui/Window.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

using GUI::DispPoint;
using Log = std::vector<std::string>;

namespace {

GUI::App& app = *GUI::App::get();

void push_button(Uint8 type, int x, int y, Uint8 button = SDL_BUTTON_LEFT) {
    SDL_Event event{};
    event.button = {type, 0, button, 0, static_cast<Uint16>(x), static_cast<Uint16>(y)};
    SDL_PushEvent(&event);
}

// Any other type than a key event is pushed bare.
void push(Uint8 type, SDLKey sym = SDLK_a, int mod = KMOD_NONE) {
    SDL_Event event{};
    event.key.type = type;
    event.key.keysym.sym = sym;
    event.key.keysym.mod = static_cast<SDLMod>(mod);
    SDL_PushEvent(&event);
}

// Runs the loop on the test window and returns the milliseconds it took. A
// fallback timer ends a loop whose quit request never comes.
Uint32 run_loop() {
    GUI::GUITimer_command* fallback = app.repeat_on_timer([] { app.quit(); }, 3.0, false);
    const Uint32 start = SDL_GetTicks();
    app.run(&test_window());
    const Uint32 took = SDL_GetTicks() - start;
    EXPECT_LT(took, 2000u) << "the loop missed its quit request";
    app.cancel_timer_op(fallback);
    return took;
}

class Loop : public ::testing::Test {
protected:
    void TearDown() override {
        SDL_Event event;
        while (SDL_PollEvent(&event)) {
        }
        EXPECT_EQ(app.timer_command_count(), 0u) << "a test left a timer command behind";
    }
    Output_capture out;
};

} // namespace

TEST_F(Loop, MouseEventsReachFocusedControllersThenTheViewUnderThePointer) {
    auto* view = new Recording<GUI::View>(50, 50);
    test_window().attach_subview(view, DispPoint(100, 100));
    Recording<GUI::Controller> focused;
    focused.capture_focus();
    view->capture_focus();
    push_button(SDL_MOUSEBUTTONDOWN, 105, 107);
    push_button(SDL_MOUSEBUTTONDOWN, 105, 107, SDL_BUTTON_WHEELUP);
    push_button(SDL_MOUSEBUTTONUP, 10, 20, 6);
    push(SDL_QUIT);
    run_loop();
    // A focused view hears each event twice: once for focus, once from the tree.
    EXPECT_EQ(view->log, (Log{"down 5,7", "down 5,7", "scroll up", "scroll up", "up -90,-80"}));
    EXPECT_EQ(focused.log, (Log{"down 105,107", "scroll up", "up 10,20"}));
    EXPECT_EQ(out.take(), "mouse down!: 5, 7\nmouse down!: 105, 107\nmouse scroll!: up\n"
                          "mouse scroll!: up\nSIDEWAYS SCROLL!\nSIDEWAYS SCROLL!\n"
                          "mouse up!: 10, 20\n");
    test_window().remove_subview(view);
    delete view;
}

TEST_F(Loop, KeysGoToFocusedControllersAndOnlyBareCommandQQuits) {
    Recording<GUI::Controller> focused, unfocused;
    focused.capture_focus();
    push(SDL_KEYDOWN);
    push(SDL_KEYUP, SDLK_q, KMOD_LMETA | KMOD_LSHIFT);
    push(SDL_KEYUP, SDLK_q, KMOD_LMETA | KMOD_CAPS);
    push(SDL_KEYUP, SDLK_q, KMOD_LMETA);
    push(SDL_KEYDOWN); // still queued when the loop ends
    run_loop();
    EXPECT_EQ(out.take(), "KEYDOWN\nKEYUP\nKEYUP\nKEYUP\n");
    EXPECT_EQ(focused.log, (Log{"keydown 97", "keyup 113", "keyup 113"}));
    EXPECT_TRUE(unfocused.log.empty());
}

namespace {

// Whichever hears an event first takes its rival's focus (mouse) or destroys
// it (key), as a handler closing a dialogue might.
struct Rival : Recording<GUI::Controller> {
    Rival*& self;
    Rival*& other;
    Rival(Rival*& self_, Rival*& other_) : self(self_), other(other_) {}
    ~Rival() override { self = nullptr; }
    bool handle_mouse_down(DispPoint p) override {
        other->lose_focus();
        return Recording::handle_mouse_down(p);
    }
    bool handle_key_down(SDL_keysym key) override {
        delete other;
        return Recording::handle_key_down(key);
    }
};

} // namespace

TEST_F(Loop, ControllerThatLostFocusOrDiedDuringDeliveryIsNotCalled) {
    Rival* first = nullptr;
    Rival* second = nullptr;
    first = new Rival(first, second);
    second = new Rival(second, first);
    first->capture_focus();
    second->capture_focus();
    push_button(SDL_MOUSEBUTTONDOWN, 500, 500);
    push(SDL_QUIT);
    run_loop();
    EXPECT_EQ(first->log.size() + second->log.size(), 1u);

    first->capture_focus();
    second->capture_focus();
    push(SDL_KEYDOWN);
    push(SDL_QUIT);
    run_loop();
    ASSERT_TRUE((first == nullptr) != (second == nullptr));
    Rival* survivor = first ? first : second;
    EXPECT_EQ(survivor->log.back(), "keydown 97");
    delete survivor;
}

TEST(Timers, EachCommandIsAskedOnceACycleInCircularOrder) {
    std::string order;
    auto* a = app.repeat_on_timer([&order] { order += "A"; }, 0.001, true);
    auto* once = app.repeat_on_timer([&order] { order += "1"; }, 0.001, false);
    auto* c = app.repeat_on_timer([&order] { order += "C"; }, 0.001, true);
    for (int frame = 0; frame < 2; ++frame) {
        SDL_Delay(3);
        app.cycle_timer_commands();
    }
    // The newest starts; the one-shot stays registered but inert.
    EXPECT_EQ(order, "CA1CA");
    app.cancel_timer_op(once);
    EXPECT_EQ(thrown_message([once] { app.cancel_timer_op(once); }), "command not found!");
    SDL_Delay(3);
    app.cycle_timer_commands();
    EXPECT_EQ(order, "CA1CAAC") << "a cancel restarts the cycle at the first";
    app.cancel_timer_op(a);
    app.cancel_timer_op(c);
}

TEST(Timers, CommandCancellingItselfOutlivesItsOwnRun) {
    auto handle = std::make_shared<GUI::GUITimer_command*>();
    // The captured pointer lives inside the command, so using it after the
    // cancel touches the command itself.
    *handle = app.repeat_on_timer(
        [handle] {
            app.cancel_timer_op(*handle);
            *handle = nullptr;
        },
        0.001, true);
    int other_runs = 0;
    auto* other = app.repeat_on_timer([&other_runs] { ++other_runs; }, 0.001, true);
    SDL_Delay(3);
    app.cycle_timer_commands();
    EXPECT_EQ(other_runs, 1);
    EXPECT_EQ(*handle, nullptr);
    EXPECT_EQ(app.timer_command_count(), 1u);
    EXPECT_EQ(handle.use_count(), 1) << "the cancelled command must be destroyed";
    app.cancel_timer_op(other);
}

TEST_F(Loop, FastCommandRunsOncePerCappedFrame) {
    std::vector<Uint32> ticks;
    auto* fast = app.repeat_on_timer([&ticks] { ticks.push_back(SDL_GetTicks()); }, 0.001, true);
    auto* stop = app.repeat_on_timer([] { app.quit(); }, 0.2, false);
    const Uint32 took = run_loop();
    EXPECT_GE(took, 175u);
    EXPECT_LT(took, 600u);
    // 200 ms at 25 ms a frame is 8 or 9 frames; slow machines manage fewer.
    EXPECT_GE(ticks.size(), 3u);
    EXPECT_LE(ticks.size(), 10u);
    for (std::size_t i = 1; i < ticks.size(); ++i)
        EXPECT_GE(ticks[i] - ticks[i - 1], 15u) << "ran twice in one frame at run " << i;
    app.cancel_timer_op(fast);
    app.cancel_timer_op(stop);
}

TEST_F(Loop, ToolkitErrorFromATimerIsPrintedOnceAndTheLoopGoesOn) {
    int runs = 0;
    auto fail_twice_then_quit = [&runs] {
        if (++runs == 3)
            return app.quit();
        throw GUI::Error("timer failed");
    };
    auto* failing = app.repeat_on_timer(fail_twice_then_quit, 0.001, true);
    // A second run must not register the loop's catchers again.
    for (int round = 0; round < 2; ++round) {
        runs = 0;
        run_loop();
        EXPECT_EQ(runs, 3);
        EXPECT_EQ(out.take(), "timer failed\ntimer failed\n");
    }
    app.cancel_timer_op(failing);
}

namespace {

struct Base_error {};
struct Other_error {};
struct Both_errors : Base_error, Other_error {};

// Logs its name; with `replace`, throws a Base_error of its own.
struct Handler {
    std::string* log;
    std::string name;
    bool replace = false;
    template <typename E> void operator()(const E&) const {
        *log += name;
        if (replace)
            throw Base_error();
    }
};

} // namespace

TEST(Catchers, EveryMatchingCatcherRunsNewestFirstAndOthersPropagate) {
    std::string log;
    GUI::ExceptionCatcher_Impl<Base_error, Handler> oldest({&log, "base "});
    GUI::ExceptionCatcher_Impl<Other_error, Handler> newest({&log, "other "});
    GUI::ExceptionCatcher_Impl<Other_error, Handler> replacing({&log, "replace ", true});
    auto deliver = [](auto exception, std::vector<GUI::ExceptionCatcher*> chain) {
        try {
            throw exception;
        } catch (...) {
            GUI::call_exception_handlers(chain.begin(), chain.end());
        }
    };
    deliver(Both_errors(), {&oldest, &newest});
    EXPECT_EQ(log, "other base ");
    log.clear();
    deliver(Base_error(), {&oldest, &newest});
    EXPECT_EQ(log, "base ");
    EXPECT_THROW(deliver(42, {&oldest, &newest}), int);
    // A handler's own exception travels on through the older catchers only.
    log.clear();
    deliver(Other_error(), {&oldest, &replacing});
    EXPECT_EQ(log, "replace base ");
}

TEST(Resources, FirstPlaceHoldingAllThreeSubfoldersWinsElseAllAreNamed) {
    char name[] = "/tmp/flotilla_res_XXXXXX", saved[4096], here[4096];
    ASSERT_NE(getcwd(saved, sizeof saved), nullptr);
    const std::string folder = mkdtemp(name), incomplete = folder + "/a", complete = folder + "/b";
    std::vector<std::string> made;
    for (const char* sub :
         {"/a", "/a/images", "/a/GUIFonts", "/b", "/b/GUIImages", "/b/images", "/b/GUIFonts"}) {
        made.push_back(folder + sub);
        mkdir(made.back().c_str(), 0700);
    }
    set_resources_folder(incomplete);
    setenv("FLOTILLA_RESOURCES", complete.c_str(), 1);
    EXPECT_NO_THROW(nav_to_resources());
    EXPECT_EQ(std::string(getcwd(here, sizeof here)), complete);
    EXPECT_EQ(chdir(saved), 0);

    setenv("FLOTILLA_RESOURCES", "/nonexistent/flotilla", 1);
    const std::vector<std::string> places = resource_folder_candidates();
    EXPECT_EQ(places.at(1), "/nonexistent/flotilla");
    const std::string message = thrown_message(nav_to_resources);
    for (const std::string& place : places)
        EXPECT_NE(message.find(place), std::string::npos) << place << " missing from: " << message;
    EXPECT_EQ(std::string(getcwd(here, sizeof here)), saved);

    set_resources_folder("");
    unsetenv("FLOTILLA_RESOURCES");
    for (auto path = made.rbegin(); path != made.rend(); ++path)
        rmdir(path->c_str());
    rmdir(folder.c_str());
}
