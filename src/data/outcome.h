// What an operation that can fail in a way the user can act on gives back: its value, or a failure
// with a kind and a message for the user. Faults nobody expects (a file that cannot be written, a
// strict conversion) stay exceptions (error.h). Kind is ErrorKind unless an operation names the
// steps it can fail at.
#pragma once

#include <string>
#include <utility>
#include <variant>

#include "error.h"

namespace zv {

template <class Kind = ErrorKind>
struct Failure {
    Kind kind;
    std::string message;  // for the user
};

template <class T, class Kind = ErrorKind>
class Outcome {
public:
    Outcome(T value) : state_(std::in_place_index<0>, std::move(value)) {}
    Outcome(Failure<Kind> failure) : state_(std::in_place_index<1>, std::move(failure)) {}

    bool ok() const { return state_.index() == 0; }
    explicit operator bool() const { return ok(); }

    const T& value() const { return std::get<0>(state_); }
    const T& operator*() const { return value(); }
    const T* operator->() const { return &value(); }
    const Failure<Kind>& failure() const { return std::get<1>(state_); }

private:
    std::variant<T, Failure<Kind>> state_;
};

}  // namespace zv
