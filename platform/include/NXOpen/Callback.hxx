// Callbacks the host calls back into an add-on with: made from a member function and
// the object it is called on (make_callback), or from a free function.
#pragma once
#include <functional>
#include <utility>

namespace NXOpen {

template <typename R, typename... A>
class CallbackN {
public:
  CallbackN() = default;
  explicit CallbackN(std::function<R(A...)> f) : f_(std::move(f)) {}
  R operator()(A... args) const { return f_(args...); }
  explicit operator bool() const { return static_cast<bool>(f_); }

private:
  std::function<R(A...)> f_;
};

template <typename R> using Callback0 = CallbackN<R>;
template <typename R, typename A1> using Callback1 = CallbackN<R, A1>;
template <typename R, typename A1, typename A2> using Callback2 = CallbackN<R, A1, A2>;
template <typename R, typename A1, typename A2, typename A3> using Callback3 = CallbackN<R, A1, A2, A3>;
template <typename R, typename A1, typename A2, typename A3, typename A4>
using Callback4 = CallbackN<R, A1, A2, A3, A4>;

template <class T, typename R, typename... A>
CallbackN<R, A...> make_callback(T* object, R (T::*method)(A...)) {
  return CallbackN<R, A...>([object, method](A... args) { return (object->*method)(args...); });
}

template <class T, typename R, typename... A>
CallbackN<R, A...> make_callback(const T* object, R (T::*method)(A...) const) {
  return CallbackN<R, A...>([object, method](A... args) { return (object->*method)(args...); });
}

template <typename R, typename... A>
CallbackN<R, A...> make_callback(R (*function)(A...)) {
  return CallbackN<R, A...>(function);
}

}  // namespace NXOpen
