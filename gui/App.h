#ifndef FLOTILLA_GUI_APP_H
#define FLOTILLA_GUI_APP_H

#include "gui/DispPoint.h"
#include "gui/Error.h"
#include "gui/FrameStats.h"
#include "gui/GUITimer.h"

#include <SDL.h>

#include <cstdint>
#include <list>
#include <memory>
#include <set>
#include <string>
#include <type_traits>
#include <vector>

namespace GUI {

class Controller;
class Window;

// A registered timer command; also the handle for cancelling it.
class GUITimer_command {
public:
    explicit GUITimer_command(double period_) : period(period_) { timer.start(); }
    virtual ~GUITimer_command() = default;
    virtual void execute_command() {}

protected:
    double period;
    GUITimer timer;
};

// Catches one exception type on its way out of the event loop's frame. Each
// catcher wraps those registered after it, so the newest sees an exception
// first and every matching catcher, newest to oldest, runs its handler.
class ExceptionCatcher {
public:
    using Iterator = std::vector<ExceptionCatcher*>::const_iterator;
    virtual ~ExceptionCatcher() = default;
    // Called while an exception is being handled; it always leaves by throw.
    virtual void try_catch(Iterator next, Iterator end, bool& handled) = 0;
};

template <typename E, typename H> class ExceptionCatcher_Impl : public ExceptionCatcher {
public:
    explicit ExceptionCatcher_Impl(const H& handler_) : handler(handler_) {}

    void try_catch(Iterator next, Iterator end, bool& handled) override {
        try {
            if (next == end)
                throw;
            (*next)->try_catch(next + 1, end, handled);
        } catch (const E& exception) {
            handler(exception);
            handled = true;
            throw;
        }
    }

private:
    H handler;
};

// Ends the loop by clearing the flag it is bound to.
class App_Quitter {
public:
    explicit App_Quitter(bool& running_) : running(&running_) {}
    void operator()(const Quit&) const { *running = false; }

private:
    bool* running;
};

void print_msg(const Error& error);

// Runs the catcher chain over [first, last) for the exception being handled;
// returns if a catcher handled it, otherwise it propagates.
void call_exception_handlers(ExceptionCatcher::Iterator first, ExceptionCatcher::Iterator last);

// The one application object: the event loop, timer commands, focus and the
// exception catchers.
class App {
public:
    static App* get();
    // Null if nothing has asked for the application yet.
    static App* get_if_created() { return singleton_ptr; }

    App(const App&) = delete;
    App& operator=(const App&) = delete;

    // Runs frames until a quit request; see the frame's order in App.cpp.
    void run(Window* window_);
    void quit() { running = false; }
    bool is_running() const { return running; }
    Window* get_window() const { return window; }
    DispPoint get_screen_size() const;
    // The durations of the frames run so far (each from its start to the
    // next frame's), for the user who asks how well the window keeps time.
    FrameStats& get_frame_stats() { return frame_stats; }

    // Registers a callable to run every `period` seconds at most once a frame
    // (or once, when `repeat` is false). The returned pointer is the handle.
    template <typename F>
    GUITimer_command* repeat_on_timer(F callable, double period, bool repeat) {
        timer_commands.push_back(create_timer_command(callable, period, repeat));
        next_timer = std::prev(timer_commands.end());
        return timer_commands.back().get();
    }
    // Throws "command not found!" for a command that is not registered.
    void cancel_timer_op(GUITimer_command* command);
    std::size_t timer_command_count() const { return timer_commands.size(); }

    // The handler is copied; a plain function is held as a function pointer.
    template <typename E, typename H> void register_exception_handler(const H& handler) {
        exception_catchers.push_back(create_exception_handler<E, std::decay_t<H>>(handler));
    }

    bool has_focus(Controller* controller) const;
    void give_focus(Controller* controller);
    void release_focus(Controller* controller);

    // Destroys the controller (a view, say) at the end of the current frame,
    // once every handler that may still be running on it has returned.
    void destroy_later(Controller* controller);
    // Destroys what destroy_later was given; the loop does this every frame.
    void destroy_pending();

    // One frame's event dispatch; public so that tests can drive it.
    void dispatch_event(const SDL_Event& event);
    void cycle_timer_commands();

private:
    template <typename F> class GUITimer_command_impl : public GUITimer_command {
    public:
        GUITimer_command_impl(F callable_, double period_, bool repeat_)
            : GUITimer_command(period_), callable(callable_), repeat(repeat_) {}

        void execute_command() override {
            if (!(static_cast<double>(timer.get_time()) > 1000. * period))
                return;
            if (!repeat && has_fired)
                return;
            callable();
            timer.reset();
            has_fired = true;
        }

    private:
        F callable;
        bool repeat;
        bool has_fired = false;
    };

    template <typename F>
    static std::unique_ptr<GUITimer_command> create_timer_command(F callable, double period,
                                                                  bool repeat) {
        return std::make_unique<GUITimer_command_impl<F>>(callable, period, repeat);
    }

    template <typename E, typename H>
    static ExceptionCatcher* create_exception_handler(const H& h) {
        return new ExceptionCatcher_Impl<E, H>(h);
    }

    App();
    ~App();
    friend class App_destroyer;
    static App* singleton_ptr;

    void deliver_mouse_event(const SDL_Event& event);

    Window* window = nullptr;
    const int frames_per_second = 40;
    const bool capping_enabled = true;
    bool running = false;
    bool loop_catchers_registered = false;
    std::set<Controller*> focused_controllers;
    std::vector<ExceptionCatcher*> exception_catchers;
    std::list<std::unique_ptr<GUITimer_command>> timer_commands;
    std::list<std::unique_ptr<GUITimer_command>>::iterator next_timer;
    std::vector<Controller*> pending_destruction;
    FrameStats frame_stats;
    // A command cancelled while it runs is kept here until it has returned.
    GUITimer_command* executing = nullptr;
    std::unique_ptr<GUITimer_command> cancelled_while_executing;
};

// Start-up of the SDL layer. Video and timing are required; a missing sound
// device, joystick or CD drive is reported and the program carries on.
void initSDL(std::uint32_t flags);
void initAudio(int flags);
// Registered to run at exit.
void quit_SDL();

} // namespace GUI

// Starts SDL and makes the resource folder the working directory.
void initGUI();

#endif
