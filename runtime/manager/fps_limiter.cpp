#include "manager/fps_limiter.h"

#include "platform/backend.h"

FPSLimiter::FPSLimiter()
    : framerate(-1), current_framerate(0.0), old_time(platform::backend().get_time()), next_update(0.0), dt(0.0)
{
}

void FPSLimiter::set(int rate) { framerate = rate; }

void FPSLimiter::start()
{
    double t = platform::backend().get_time();
    next_update = t + 1.0 / framerate;
    dt = t - old_time;
    old_time = t;
    if (dt < 0.0)
        dt = 0.001;
    current_framerate = 1.0 / dt;
}

void FPSLimiter::finish()
{
    if (framerate >= 100)
        return;
    double remaining = next_update - platform::backend().get_time();
    if (remaining > 0.0)
        platform::backend().sleep(remaining);
}
