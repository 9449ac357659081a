// Timers natively: the list through construction and destruction, the
// accessors, and the service's passes: which timers fire, in what order,
// across the tick count's wraps, and with handlers that make or drop timers.
#include "runtime/core/event_loop.h"
#include "runtime/interface/exports.h"
#include "runtime/ui/timer_list.h"
#include "runtime/ui/window_controls.h"
#include "tests/core/native_lifecycle_support.h"
#include "tests/ui/control_test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <vector>

namespace {

using object_tests::recorded_calls;
using Words = std::span<const zrt::Word>;

constexpr zrt::CodeAddress action_handler = 0x6100;

// What the next Action handler does besides being recorded.
std::function<void(ZObject*)> g_in_handler;

class Timers : public object_tests::NativeLifecycleTest {
 protected:
  void SetUp() override {
    NativeLifecycleTest::SetUp();
    // Made-up routine addresses, so that definitions find the setters.
    zrt::unregister_runtime_classes();
    zrt::register_runtime_classes(&control_tests::routine_address);
    use_native_lifecycles({"Timer"});
    object_tests::on_recorded_call() = [](zrt::CodeAddress routine, Words arguments) {
      const auto value = static_cast<std::int32_t>(arguments.size() > 2 ? arguments[2] : 0);
      if (routine == control_tests::routine_address("timerModeSetter"))
        timerModeSetter(zrt::pointer_of<ZObject>(arguments[0]), 0, value);
      if (routine == control_tests::routine_address("timerPeriodSetter"))
        timerPeriodSetter(zrt::pointer_of<ZObject>(arguments[0]), 0, value);
      if (routine == action_handler && g_in_handler) g_in_handler(zrt::pointer_of<ZObject>(arguments[0]));
    };
    zrt::install_timers();
    zrt::reset_timer_service();
    m_ticker = std::make_unique<object_tests::TestClass>("Ticker", &zrt::runtime_class("Timer"),
                                                         zif::timer_fields::instance_size);
    zrt::push_hook(**m_ticker, "Action", 0, action_handler);
    g_in_handler = nullptr;
  }

  void TearDown() override {
    m_timers.clear();
    g_in_handler = nullptr;
    m_ticker.reset();
    NativeLifecycleTest::TearDown();
  }

  // A timer with these fields; the list holds the timers newest first.
  ZObject* make(std::int32_t mode, std::int32_t period, std::uint32_t last_fired) {
    m_timers.push_back(zrt::ObjectRef::adopt(zrt::new_instance(**m_ticker)));
    ZObject* timer = m_timers.back().get();
    const zrt::TimerFields fields(timer);
    fields.set_mode(mode, last_fired);
    fields.set_period(period);
    return timer;
  }

  // The timers whose Action ran, by their creation number.
  std::vector<int> fired() const {
    std::vector<int> numbers;
    for (const auto& call : recorded_calls())
      for (std::size_t i = 0; i < m_timers.size(); ++i)
        if (zrt::pointer_of<ZObject>(call.arguments[0]) == m_timers[i].get()) numbers.push_back(static_cast<int>(i));
    return numbers;
  }

  std::vector<ZObject*> listed() const {
    std::vector<ZObject*> timers;
    for (ZObject* timer = zrt::newest_timer(); timer != nullptr; timer = zrt::TimerFields(timer).next())
      timers.push_back(timer);
    return timers;
  }

  std::unique_ptr<object_tests::TestClass> m_ticker;
  std::vector<zrt::ObjectRef> m_timers;
};

struct TimerSetting {
  std::int32_t mode;
  std::int32_t period;
  std::uint32_t last_fired;
};

struct PassCase {
  const char* what;
  std::vector<TimerSetting> timers;  // in creation order
  std::uint32_t now;
  std::vector<int> fired;              // creation numbers, in firing order
  std::vector<std::int32_t> modes_after;
};

TEST_F(Timers, APassFiresTheDueTimersThatAreOnNewestFirstAndSwitchesSingleOnesOff) {
  const std::vector<PassCase> cases{
      {"due single and multiple; not due; off", {{1, 500, 1000}, {2, 100, 1390}, {2, 100, 1450}, {0, 0, 0}}, 1500,
       {1, 0}, {0, 2, 2, 0}},
      {"exactly due, one tick early", {{2, 100, 1400}, {2, 100, 1401}}, 1500, {0}, {2, 2}},
      {"any other mode repeats", {{-1, 10, 0}, {7, 10, 0}}, 100, {1, 0}, {-1, 7}},
      {"a period of 0 or less fires every pass", {{2, 0, 100}, {1, -5, 100}}, 100, {1, 0}, {2, 0}},
      {"once however late", {{2, 10, 0}}, 100000, {0}, {2}},
      {"across the wrap of the unsigned tick", {{2, 200, 0xFFFFFF00u}, {2, 300, 0xFFFFFF00u}}, 0x10, {0}, {2, 2}},
      {"across the signed wrap at 2^31", {{2, 100, 0x7FFFFF00u}, {2, 500, 0x7FFFFF00u}}, 0x80000010u, {0},
       {2, 2}},
      {"a last firing just ahead of now is not due", {{2, 100, 0x80000010u}}, 0x7FFFFF00u, {}, {2}},
  };
  for (const PassCase& pass : cases) {
    SCOPED_TRACE(pass.what);
    for (const TimerSetting& setting : pass.timers) make(setting.mode, setting.period, setting.last_fired);
    recorded_calls().clear();
    zrt::reset_timer_service();
    zrt::serve_timers(pass.now);
    EXPECT_EQ(fired(), pass.fired);
    for (std::size_t i = 0; i < m_timers.size(); ++i) {
      const zrt::TimerFields timer(m_timers[i].get());
      EXPECT_EQ(timer.mode(), pass.modes_after[i]) << i;
      const bool did_fire = std::find(pass.fired.begin(), pass.fired.end(), int(i)) != pass.fired.end();
      EXPECT_EQ(timer.last_fired(), did_fire ? pass.now : pass.timers[i].last_fired) << i;
    }
    m_timers.clear();
    EXPECT_EQ(zrt::newest_timer(), nullptr);
  }
}

TEST_F(Timers, OnePassPerTickAndTheLoopPollsOnlyWhileATimerIsOn) {
  ZObject* timer = make(0, 0, 0);
  EXPECT_FALSE(zrt::any_timer_on());
  EXPECT_FALSE(zrt::loop_must_poll());
  zrt::TimerFields(timer).set_mode(2, 10);
  EXPECT_TRUE(zrt::any_timer_on());
  EXPECT_TRUE(zrt::loop_must_poll());
  zrt::serve_timers(10);
  zrt::serve_timers(10);
  zrt::serve_timers(11);
  EXPECT_EQ(fired(), (std::vector<int>{0, 0}));
  zrt::TimerFields(timer).set_mode(1, 12);
  zrt::serve_timers(12);
  EXPECT_FALSE(zrt::loop_must_poll()) << "a single timer is off after firing";
}

TEST_F(Timers, ModeKeepsSixteenBitsAndRestartsThePeriodWhilePeriodDoesNot) {
  ZObject* timer = make(2, 1000, 100);
  timerPeriodSetter(timer, 0, 300);
  EXPECT_EQ(zrt::TimerFields(timer).last_fired(), 100u) << "Period does not restart the count";
  EXPECT_EQ(timerPeriodGetter(timer, 0), 300);
  timerModeSetter(timer, 0, 0x18001);
  EXPECT_EQ(timerModeGetter(timer, 0), -32767);
  EXPECT_NE(zrt::TimerFields(timer).last_fired(), 100u) << "Mode restarts the count from the tick of the setting";
  EXPECT_EQ(object_tests::raised_class([] { static_cast<void>(timerModeGetter(nullptr, 0)); }), "NilObjectException");
}

TEST_F(Timers, TheListHoldsEveryTimerNewestFirstUntilItGoes) {
  for (int i = 0; i < 4; ++i) make(0, 0, 0);
  const auto in_list = [&](std::initializer_list<int> numbers) {
    std::vector<ZObject*> timers;
    for (int n : numbers) timers.push_back(m_timers[static_cast<std::size_t>(n)].get());
    return timers;
  };
  EXPECT_EQ(listed(), in_list({3, 2, 1, 0}));
  m_timers[2] = {};  // in the middle
  EXPECT_EQ(listed(), in_list({3, 1, 0}));
  m_timers[3] = {};  // the head
  EXPECT_EQ(listed(), in_list({1, 0}));
  m_timers[0] = {};  // the tail
  EXPECT_EQ(listed(), in_list({1}));
}

// A handler may drop its own timer and the one after it, and make new ones,
// which wait for the next pass.
TEST_F(Timers, HandlersThatDropOrMakeTimersDuringAPass) {
  make(2, 0, 0);
  make(2, 0, 0);
  make(2, 0, 0);
  ZObject* made = nullptr;
  g_in_handler = [&](ZObject* timer) {
    if (timer != m_timers[2].get()) return;
    m_timers[2] = {};
    m_timers[1] = {};
    made = make(2, 0, 0);
  };
  zrt::serve_timers(5);
  EXPECT_EQ(recorded_calls().size(), 2u) << "the newest fired, the dropped one did not, the oldest did";
  EXPECT_EQ(listed(), (std::vector<ZObject*>{made, m_timers[0].get()}));
}

// A window's definition places timers like controls, without a pane: they
// hold their window and key, take their properties, and go when it closes;
// a clone of an array member keeps its own fields.
TEST_F(Timers, AWindowsDefinitionPlacesTimersUntilItCloses) {
  object_tests::ImageDataBuilder image;
  const zrt::Address descriptor = image.application_descriptor({image.runtime_class_reference("Timer")}, {});
  ASSERT_TRUE(zrt::build_class_table(image.install_as_data1(), descriptor, &zrt::find_runtime_class).built);
  const zrt::ObjectRef window = zrt::ObjectRef::adopt(zrt::new_instance(zrt::runtime_class("Window")));
  definition_tests::DefinitionBuilder built;
  built.integer(2);
  built.control(0, {{"Name", "Blink"}, {"Period", "300"}, {"Mode", "2"}});
  built.control(0, {{"Name", "Tick"}, {"Index", "0"}, {"Period", "50"}});
  built.integer(0);
  zrt::DefinitionStream stream(built.bytes());
  ASSERT_TRUE(zrt::read_window_controls(window.get(), stream));

  const zrt::StringRef name = zrt::StringRef::adopt(zrt::make_string("blink"));
  ZObject* blink = RuntimeControlFetch(window.get(), name.get());  // the window's reference
  ASSERT_NE(blink, nullptr);
  const zrt::TimerFields fields(blink);
  EXPECT_EQ(fields.reference(zif::timer_fields::window), window.get());
  EXPECT_EQ(fields.value<std::int32_t>(zif::timer_fields::key_index), zif::control_fields::no_index);
  EXPECT_EQ(fields.period(), 300);
  EXPECT_EQ(fields.mode(), 2);
  EXPECT_EQ(zrt::window_control_count(window.get()), 0) << "a timer is no control";

  const zrt::ObjectRef clone = zrt::ObjectRef::adopt(zrt::clone_window_control(window.get(), "Tick"));
  ASSERT_NE(clone.get(), nullptr);
  EXPECT_EQ(zrt::TimerFields(clone.get()).period(), 50);
  EXPECT_EQ(zrt::TimerFields(clone.get()).value<std::int32_t>(zif::timer_fields::key_index), 1);
  EXPECT_EQ(listed().size(), 3u);

  zrt::close_window_controls(window.get());
  EXPECT_EQ(listed(), std::vector<ZObject*>{clone.get()}) << "only the clone the test holds is left";
}

}  // namespace
