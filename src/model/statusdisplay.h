#pragma once
// Where the agent's long operations report progress: the editor's status hint
// line, progress bar and busy pointer. TSilentStatus serves headless use.

#include <string>

class TStatusDisplay {
public:
    virtual ~TStatusDisplay() = default;
    virtual void SetHint(const std::string& text) = 0;
    virtual void SetProgressMax(int maximum) = 0;
    virtual void StepProgress(int step) = 0;
    virtual void SetProgressPosition(int position) = 0;
    virtual void SetBusy(bool busy) = 0;
};

class TSilentStatus final : public TStatusDisplay {
public:
    void SetHint(const std::string&) override {}
    void SetProgressMax(int) override {}
    void StepProgress(int) override {}
    void SetProgressPosition(int) override {}
    void SetBusy(bool) override {}
};
