#pragma once

#include "frame/frame.h"

// An event that runs once in each run of its frame.
class OncePerRun {
public:
    bool fire(const Frame& frame)
    {
        if (marker == frame.run_count)
            return false;
        marker = frame.run_count;
        return true;
    }

private:
    int marker = -1;
};

// An event that runs on the first tick of an unbroken series of ticks in
// which it is reached, and again only after a tick in which it was not.
class OnceWhileTrue {
public:
    bool fire(const Frame& frame)
    {
        if (!created || run_marker != frame.run_count) {
            created = true;
            tick_marker = frame.tick;
            run_marker = frame.run_count;
        }
        bool run = frame.tick >= tick_marker;
        tick_marker = frame.tick + 2;
        return run;
    }

private:
    bool created = false;
    unsigned int tick_marker = 0;
    int run_marker = 0;
};
