#pragma once
// What something that can fail gives back: its value, or the reason it failed in words the user
// can be shown ("TVSC1999.dat could not be read: Input/output error"). `std::optional` stays
// for what may be absent without anything being wrong.

#include <optional>
#include <string>
#include <utility>
#include <variant>

namespace tavrin {

// A failure's text is a sentence without its closing full stop, so that callers can go on.
struct Failure {
  std::string text;
};

template <typename T>
class [[nodiscard]] Outcome {
 public:
  Outcome(T value) : state_(std::in_place_index<0>, std::move(value)) {}  // NOLINT: implicit
  Outcome(Failure failure) : state_(std::in_place_index<1>, std::move(failure)) {}  // NOLINT

  explicit operator bool() const { return state_.index() == 0; }
  T& operator*() { return std::get<0>(state_); }
  const T& operator*() const { return std::get<0>(state_); }
  T* operator->() { return &std::get<0>(state_); }
  const T* operator->() const { return &std::get<0>(state_); }
  const std::string& failure() const { return std::get<1>(state_).text; }
  // For a caller that goes on without the value when it failed (and has said so, if it must).
  T value_or(T fallback) const { return *this ? **this : std::move(fallback); }

 private:
  std::variant<T, Failure> state_;
};

template <>
class [[nodiscard]] Outcome<void> {
 public:
  Outcome() = default;
  Outcome(Failure failure) : failure_(std::move(failure)) {}  // NOLINT: implicit

  explicit operator bool() const { return !failure_; }
  const std::string& failure() const { return failure_->text; }

 private:
  std::optional<Failure> failure_;
};

}  // namespace tavrin
