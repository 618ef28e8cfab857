// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <optional>
#include <utility>
#include <variant>

namespace ui {

// Why an operation failed, in words for the user.
struct Failure {
    QString reason;
};

// What a file operation gives back: its value, or the reason it failed. Result<> has no value:
// it succeeded, or it failed with a reason. The one shape every file helper answers in.
template <typename T = void> class [[nodiscard]] Result {
public:
    Result(T value)
        : m_outcome(std::in_place_index<0>, std::move(value))
    {}
    Result(Failure failure)
        : m_outcome(std::in_place_index<1>, std::move(failure))
    {}

    bool ok() const { return m_outcome.index() == 0; }
    explicit operator bool() const { return ok(); }
    const T &value() const { return std::get<0>(m_outcome); }
    const T &operator*() const { return value(); }
    const T *operator->() const { return &value(); }
    const QString &error() const { return std::get<1>(m_outcome).reason; }

private:
    std::variant<T, Failure> m_outcome;
};

template <> class [[nodiscard]] Result<void> {
public:
    Result() = default;
    Result(Failure failure)
        : m_error(std::move(failure.reason))
    {}

    bool ok() const { return !m_error; }
    explicit operator bool() const { return ok(); }
    const QString &error() const { return *m_error; }

private:
    std::optional<QString> m_error;
};

} // namespace ui
