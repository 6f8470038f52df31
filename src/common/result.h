#pragma once

#include <QString>
#include <utility>
#include <variant>

namespace vantorix {

// Why something failed, in words a user can read.
struct Error
{
    QString message;
};

inline Error failure(QString message)
{
    return Error{std::move(message)};
}

// The one error style of the core: a value, or the message of what went
// wrong. A lookup that may simply find nothing returns std::optional instead.
template <typename T = void> class [[nodiscard]] Result
{
public:
    Result(T value) : m_state(std::move(value)) {}
    Result(Error error) : m_state(std::move(error)) {}

    bool ok() const { return m_state.index() == 0; }
    explicit operator bool() const { return ok(); }

    const T &value() const & { return std::get<0>(m_state); }
    T &value() & { return std::get<0>(m_state); }
    T &&value() && { return std::get<0>(std::move(m_state)); }
    const T &operator*() const & { return value(); }
    T &operator*() & { return value(); }
    const T *operator->() const { return &value(); }
    T *operator->() { return &value(); }

    // Empty when ok().
    QString error() const { return ok() ? QString() : std::get<1>(m_state).message; }

private:
    std::variant<T, Error> m_state;
};

template <> class [[nodiscard]] Result<void>
{
public:
    Result() = default;
    Result(Error error) : m_error(std::move(error.message)), m_failed(true) {}

    bool ok() const { return !m_failed; }
    explicit operator bool() const { return ok(); }
    QString error() const { return m_error; }

private:
    QString m_error;
    bool m_failed = false;
};

} // namespace vantorix
