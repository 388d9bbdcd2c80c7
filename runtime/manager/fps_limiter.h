#pragma once

// Paces the main loop: it only waits, never skips or repeats updates, so a
// slow pass simply makes the game slower.
class FPSLimiter {
public:
    int framerate;
    double current_framerate;
    double old_time;
    double next_update;
    double dt;

    FPSLimiter();
    void set(int rate);
    void start();
    void finish();
};
