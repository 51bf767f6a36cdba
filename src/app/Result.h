#pragma once

#include <QString>
#include <optional>
#include <utility>

// Outcome of a reader or writer: success, or a message for the user.
struct Status {
    bool ok = true;
    QString message;

    static Status success() { return {}; }
    static Status failure(QString text) { return {false, std::move(text)}; }
    explicit operator bool() const { return ok; }
};

// A value, or the message that says why there is none.
template <typename T> struct Result {
    std::optional<T> value;
    QString message;

    static Result success(T v) { return {std::move(v), {}}; }
    static Result failure(QString text) { return {std::nullopt, std::move(text)}; }
    bool ok() const { return value.has_value(); }
    explicit operator bool() const { return ok(); }
    T &operator*() { return *value; }
    const T &operator*() const { return *value; }
    T *operator->() { return &*value; }
    const T *operator->() const { return &*value; }
};
