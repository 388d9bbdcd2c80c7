// Parses arbitrary bytes into an INI document, writes it back as text and
// reads that again: the text a document writes must load into the same
// document and write the same text. Every value the parser stores is already
// stripped and cut at inline comments, so nothing may change on the way.
#include "ini/ini.h"

#include <cstdint>
#include <cstdlib>
#include <iostream>
#include <string>

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    // The failure lines of bad input would drown the fuzzer's own output.
    std::cout.setstate(std::ios::badbit);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    INI first("Fuzz", 0, 0, 0);
    first.load_string(std::string(reinterpret_cast<const char*>(data), size), false);
    std::string text = first.as_string();

    INI second("Fuzz", 0, 0, 0);
    second.load_string(text, false);
    if (second.document != first.document || second.as_string() != text)
        std::abort();

    // Merging the text into its own document changes nothing either.
    second.load_string(text, true);
    if (second.document != first.document)
        std::abort();
    return 0;
}
