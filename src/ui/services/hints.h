#pragma once
// The status bar's hint line as the views see it: one line about what the
// pointer or the keyboard is on, or why a keystroke was refused.

#include <QString>

class THints {
public:
    virtual ~THints() = default;
    virtual void ShowHint(const QString& text) = 0;
};
