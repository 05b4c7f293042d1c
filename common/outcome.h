#pragma once

// New code reports a failure the user is told about as an Outcome: ok, or failed with a reason
// in the user's words naming what happened to which file (FileError makes those sentences from
// an error number), instead of a bool with a QString* out-parameter or a struct of its own.

#include <QString>

#include <utility>

class [[nodiscard]] Outcome
{
public:
    Outcome() = default; // ok

    static Outcome failed(QString reason) { return Outcome(std::move(reason)); }

    explicit operator bool() const { return good; }
    // Empty when ok.
    const QString& reason() const { return why; }

private:
    explicit Outcome(QString reason) : good(false), why(std::move(reason)) {}

    bool good = true;
    QString why;
};
