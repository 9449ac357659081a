// The event loop: one turn takes a message (waiting for it unless some
// service needs regular turns), lets mouse tracking and the keyboard and
// menu shortcuts see it, dispatches it, runs the idle work and the periodic
// tasks, and ends the application when its last window has closed. The
// services that join the loop register here.
#pragma once

namespace zrt {

// Runs one turn (event_loop_win32.cpp).
void run_event_loop_turn();
// Turns until the quit flag is set.
void run_event_loop();

// Idle work after each message: the focused control's idle routine first,
// then those of the other services in the order they registered.
using IdleRoutine = void (*)();
void set_focus_idle_routine(IdleRoutine routine);
void register_idle_routine(IdleRoutine routine);
void unregister_idle_routine(IdleRoutine routine);
void run_idle_work();

// A service that needs turns without messages (polled sockets, movies)
// keeps the loop from waiting while it is registered.
void add_polling_service();
void remove_polling_service();
// A service whose need for turns comes and goes with its own state (a timer
// switched on, a socket with work pending) answers this test each turn.
using PollTest = bool (*)();
void register_poll_test(PollTest test);
[[nodiscard]] bool loop_must_poll();

// The keyboard and menu-shortcut handling sees each message before it is
// dispatched; true means it consumed the message. The message is the
// system's message record.
using MessageFilter = bool (*)(void* message);
void set_message_filter(MessageFilter filter);
[[nodiscard]] MessageFilter message_filter();

}  // namespace zrt
