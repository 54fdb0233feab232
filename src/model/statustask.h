#pragma once
// One long operation on the status display. Whatever way the operation ends,
// normal or by an exception, a begun task resets the bar, clears the hint and
// restores the normal pointer.

#include <string>

#include "model/statusdisplay.h"

class TStatusTask {
public:
    explicit TStatusTask(TStatusDisplay& display) : display_(display) {}
    ~TStatusTask()
    {
        if (begun_) {
            display_.SetProgressPosition(0);
            display_.SetHint("");
            display_.SetBusy(false);
        }
    }
    TStatusTask(const TStatusTask&) = delete;
    TStatusTask& operator=(const TStatusTask&) = delete;

    // Writers know their length and set a maximum; readers only show the hint.
    void BeginWithProgress(int maximum, const std::string& hint)
    {
        display_.SetProgressMax(maximum);
        Begin(hint);
    }
    void Begin(const std::string& hint)
    {
        display_.SetHint(hint);
        display_.SetBusy(true);
        begun_ = true;
    }
    void Step(int step) { display_.StepProgress(step); }

private:
    TStatusDisplay& display_;
    bool begun_ = false;
};

inline constexpr const char* kSavingDataHint = "Saving Data ... ...";
inline constexpr const char* kLoadingDataHint = "Loading Data ... ...";
