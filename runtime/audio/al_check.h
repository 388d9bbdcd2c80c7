#pragma once

namespace CorvaneAudio {

// Prints the pending OpenAL error, if there is one, with the place of the
// call that caused it. Processing always continues.
void _al_check(const char* file, int line);

} // namespace CorvaneAudio

// Every OpenAL call of the audio layer goes through this, so a failing call
// names its own source line.
#define AL_CHECK(call)                                                                                                 \
    do {                                                                                                               \
        call;                                                                                                          \
        CorvaneAudio::_al_check(__FILE__, __LINE__);                                                                   \
    } while (false)
