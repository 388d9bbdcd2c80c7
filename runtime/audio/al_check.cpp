#include "audio/al_check.h"

#include <AL/al.h>
#include <cstdio>
#include <cstring>

namespace CorvaneAudio {

namespace {

struct ErrorText {
    ALenum code;
    const char* name;
    const char* description;
};

const ErrorText error_texts[] = {
    {AL_INVALID_NAME, "AL_INVALID_NAME", "an unacceptable name has been specified"},
    {AL_INVALID_ENUM, "AL_INVALID_ENUM", "an unacceptable value has been specified for an enumerated argument"},
    {AL_INVALID_VALUE, "AL_INVALID_VALUE", "a numeric argument is out of range"},
    {AL_INVALID_OPERATION, "AL_INVALID_OPERATION", "the specified operation is not allowed in the current state"},
    {AL_OUT_OF_MEMORY, "AL_OUT_OF_MEMORY", "there is not enough memory left to execute the command"},
};

const char* file_name_of(const char* path)
{
    const char* name = path;
    for (const char* p = path; *p != '\0'; ++p)
        if (*p == '/' || *p == '\\')
            name = p + 1;
    return name;
}

} // namespace

void _al_check(const char* file, int line)
{
    ALenum error = alGetError();
    if (error == AL_NO_ERROR)
        return;
    const char* name = "Unknown error";
    const char* description = "no description";
    for (const ErrorText& text : error_texts) {
        if (text.code == error) {
            name = text.name;
            description = text.description;
        }
    }
    std::fprintf(stderr, "An internal OpenAL call failed in %s (%d) : %s, %s\n", file_name_of(file), line, name,
                 description);
}

} // namespace CorvaneAudio
