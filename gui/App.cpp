#include "gui/App.h"

#include "gui/Compatibility.h"
#include "gui/Controller.h"
#include "gui/Trace.h"
#include "gui/View.h"
#include "gui/Window.h"

#include <SDL_mixer.h>
#include <SDL_ttf.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <iostream>
#include <iterator>

namespace GUI {

namespace {

const std::uint8_t wheel_up_button_c = 4;
const std::uint8_t wheel_down_button_c = 5;
const std::uint8_t sideways_scroll_button_c = 6;
const SDLKey quit_key_c = SDLK_q;

void close_audio() {
    Mix_CloseAudio();
    Mix_Quit();
}

bool is_command_q(const SDL_keysym& key) {
    const int mod = key.mod;
    return key.sym == quit_key_c &&
           (mod == KMOD_LMETA || mod == KMOD_RMETA || mod == (KMOD_LMETA | KMOD_RMETA));
}

void call_exception_handlers_helper(ExceptionCatcher::Iterator first,
                                    ExceptionCatcher::Iterator last, bool& handled) {
    // Catchers registered while handling must not disturb this walk.
    const std::vector<ExceptionCatcher*> catchers(first, last);
    try {
        catchers.front()->try_catch(catchers.begin() + 1, catchers.end(), handled);
    } catch (...) {
        if (!handled)
            throw;
    }
}

} // namespace

App* App::singleton_ptr = nullptr;

// Deletes the application object when static objects are destroyed at exit.
class App_destroyer {
public:
    ~App_destroyer() {
        delete App::singleton_ptr;
        App::singleton_ptr = nullptr;
    }
};

namespace {
App_destroyer the_App_destroyer;
}

App* App::get() {
    if (!singleton_ptr)
        singleton_ptr = new App;
    return singleton_ptr;
}

App::App() : next_timer(timer_commands.end()) {}

App::~App() {
    destroy_pending();
    for (ExceptionCatcher* catcher : exception_catchers)
        delete catcher;
}

void print_msg(const Error& error) {
    std::cout << error.msg << '\n';
}

void call_exception_handlers(ExceptionCatcher::Iterator first, ExceptionCatcher::Iterator last) {
    bool handled = false;
    call_exception_handlers_helper(first, last, handled);
}

DispPoint App::get_screen_size() const {
    return window->get_dim();
}

void App::cancel_timer_op(GUITimer_command* command) {
    auto found = std::find_if(timer_commands.begin(), timer_commands.end(),
                              [command](const auto& held) { return held.get() == command; });
    if (found == timer_commands.end())
        throw Error("command not found!");
    // A command that cancels itself is still running: it dies once it returns.
    if (command == executing)
        cancelled_while_executing = std::move(*found);
    timer_commands.erase(found);
    next_timer = timer_commands.begin();
}

void App::cycle_timer_commands() {
    for (std::size_t i = 0; i < timer_commands.size(); ++i) {
        if (next_timer == timer_commands.end())
            next_timer = timer_commands.begin();
        GUITimer_command* command = next_timer->get();
        if (++next_timer == timer_commands.end())
            next_timer = timer_commands.begin();
        executing = command;
        try {
            command->execute_command();
        } catch (...) {
            executing = nullptr;
            cancelled_while_executing.reset();
            throw;
        }
        executing = nullptr;
        cancelled_while_executing.reset();
    }
}

void App::destroy_later(Controller* controller) {
    if (std::find(pending_destruction.begin(), pending_destruction.end(), controller) ==
        pending_destruction.end())
        pending_destruction.push_back(controller);
}

void App::destroy_pending() {
    // A destructor may itself ask for more to be destroyed.
    while (!pending_destruction.empty()) {
        std::vector<Controller*> doomed;
        doomed.swap(pending_destruction);
        for (Controller* controller : doomed)
            delete controller;
    }
}

bool App::has_focus(Controller* controller) const {
    return focused_controllers.count(controller) != 0;
}

void App::give_focus(Controller* controller) {
    focused_controllers.insert(controller);
}

void App::release_focus(Controller* controller) {
    focused_controllers.erase(controller);
}

void App::run(Window* window_) {
    window = window_;
    // The program runs the loop once; registering again on a later run would
    // only print every toolkit error twice.
    if (!loop_catchers_registered) {
        register_exception_handler<Error>(print_msg);
        register_exception_handler<Quit>(App_Quitter(running));
        loop_catchers_registered = true;
    }
    running = true;

    window->refresh();
    if (!timer_commands.empty())
        next_timer = timer_commands.begin();

    auto frame_start = std::chrono::steady_clock::now();
    while (running) {
        {
            // Sleeps out the rest of the frame once the frame is drawn, so
            // that a frame lasts its 25 ms, the redraw included.
            FrameRateCapper capper(frames_per_second);
            if (capping_enabled)
                capper.cap_frame_rate();
            try {
                SDL_Event event;
                while (SDL_PollEvent(&event) && running)
                    dispatch_event(event);
                cycle_timer_commands();
            } catch (...) {
                call_exception_handlers(exception_catchers.begin(), exception_catchers.end());
            }
            destroy_pending();
            window->refresh();
            // What the frame wrote reaches a pipe now, not when a buffer fills.
            std::cout.flush();
            trace_out().flush();
        }
        const auto frame_end = std::chrono::steady_clock::now();
        frame_stats.record(
            std::chrono::duration<double, std::milli>(frame_end - frame_start).count());
        frame_start = frame_end;
    }
}

void App::dispatch_event(const SDL_Event& event) {
    switch (event.type) {
    case SDL_KEYDOWN: {
        trace_out() << "KEYDOWN\n";
        // A handler may give or take focus while we deliver: walk a copy.
        const std::vector<Controller*> focused(focused_controllers.begin(),
                                               focused_controllers.end());
        for (Controller* controller : focused) {
            if (has_focus(controller))
                controller->handle_key_down(event.key.keysym);
        }
        break;
    }
    case SDL_KEYUP: {
        trace_out() << "KEYUP\n";
        if (is_command_q(event.key.keysym))
            throw Quit();
        const std::vector<Controller*> focused(focused_controllers.begin(),
                                               focused_controllers.end());
        for (Controller* controller : focused) {
            if (has_focus(controller))
                controller->handle_key_up(event.key.keysym);
        }
        break;
    }
    case SDL_MOUSEMOTION:
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
        deliver_mouse_event(event);
        break;
    case SDL_QUIT:
        throw Quit();
    default:
        break;
    }
}

namespace {

// Offers one mouse event to a controller (or a view's bubbling entry point)
// with the position already in its own coordinates.
template <typename Down, typename Up, typename Motion, typename ScrollStart, typename ScrollStop>
void offer_mouse_event(const SDL_Event& event, DispPoint local, Down down, Up release,
                       Motion motion, ScrollStart scroll_start, ScrollStop scroll_stop) {
    if (event.type == SDL_MOUSEMOTION) {
        motion(local, DispPoint(event.motion.xrel, event.motion.yrel));
        return;
    }
    const std::uint8_t button = event.button.button;
    const bool pressed = event.type == SDL_MOUSEBUTTONDOWN;
    if (button == wheel_up_button_c || button == wheel_down_button_c) {
        const bool up = button == wheel_up_button_c;
        if (pressed)
            scroll_start(up);
        else
            scroll_stop(up);
    } else if (pressed) {
        down(local);
    } else {
        release(local);
    }
}

} // namespace

void App::deliver_mouse_event(const SDL_Event& event) {
    const DispPoint pos = event.type == SDL_MOUSEMOTION ? DispPoint(event.motion.x, event.motion.y)
                                                        : DispPoint(event.button.x, event.button.y);
    const bool is_button = event.type != SDL_MOUSEMOTION;

    // Handlers may give or take focus while we deliver: walk a copy.
    const std::vector<Controller*> focused(focused_controllers.begin(), focused_controllers.end());
    for (Controller* controller : focused) {
        if (!has_focus(controller))
            continue;
        DispPoint local = pos;
        if (auto* view = dynamic_cast<View*>(controller))
            local = pos - view->get_abs_pos();
        if (is_button && event.button.button == sideways_scroll_button_c)
            trace_out() << "SIDEWAYS SCROLL!\n";
        offer_mouse_event(
            event, local, [controller](DispPoint p) { controller->handle_mouse_down(p); },
            [controller](DispPoint p) { controller->handle_mouse_up(p); },
            [controller](DispPoint p, DispPoint rel) { controller->handle_mouse_motion(p, rel); },
            [controller](bool up) { controller->handle_mouse_scroll_start(up); },
            [controller](bool up) { controller->handle_mouse_scroll_stop(up); });
    }

    View* target = window->get_main_view()->get_view_from_point(pos);
    if (!target)
        return;
    const DispPoint local = pos - target->get_abs_pos();
    offer_mouse_event(
        event, local, [target](DispPoint p) { target->mouse_down(p); },
        [target](DispPoint p) { target->mouse_up(p); },
        [target](DispPoint p, DispPoint rel) { target->mouse_motion(p, rel); },
        [target](bool up) { target->mouse_scroll_start(up); },
        [target](bool up) { target->mouse_scroll_stop(up); });
}

void initSDL(std::uint32_t flags) {
    // Video is what the program cannot do without; the other subsystems are
    // started one by one so that a machine without a sound device, joystick
    // or CD drive still runs the program. SDL's timer subsystem is left
    // out: it serves only SDL_AddTimer, which nothing here calls (the loop
    // keeps time with SDL_GetTicks and runs its own timer commands), and its
    // thread would wake a thousand times a second, most of what an idle
    // window costs.
    const std::uint32_t required = SDL_INIT_VIDEO;
    if (SDL_Init(flags & required) < 0)
        throw Error(std::string("Unable to init SDL: \n") + SDL_GetError());
    if (flags & SDL_INIT_JOYSTICK && SDL_InitSubSystem(SDL_INIT_JOYSTICK) < 0)
        std::cout << "Unable to init SDL joystick: \n" << SDL_GetError() << '\n';
    if (flags & SDL_INIT_CDROM && SDL_InitSubSystem(SDL_INIT_CDROM) < 0)
        std::cout << "Unable to init SDL CD-ROM: \n" << SDL_GetError() << '\n';
    if (flags & SDL_INIT_AUDIO) {
        try {
            if (SDL_InitSubSystem(SDL_INIT_AUDIO) < 0)
                throw Error(std::string("Unable to init SDL_mixer Audio: \n") + SDL_GetError());
            initAudio(static_cast<int>(flags));
        } catch (const Error& error) {
            std::cout << error.msg << '\n';
        }
    }
    TTF_Init();
    SDL_EnableUNICODE(1);
    std::atexit(quit_SDL);
}

void initAudio(int) {
    const int frequency = 22050;
    const Uint16 format = 0x8010; // signed 16-bit, little-endian
    const int channels = 2;
    const int chunk_size = 4096;
    if (Mix_OpenAudio(frequency, format, channels, chunk_size) == -1)
        throw Error(std::string("Unable to init SDL_mixer Audio: \n") + SDL_GetError());
    std::atexit(close_audio);
}

void quit_SDL() {
    std::cout << "Thanks for playing!" << std::endl;
}

} // namespace GUI

void initGUI() {
    GUI::initSDL(0xFFFF);
    nav_to_resources();
}
