#pragma once

// Placeholder until the sound manager lands.
class Media {
public:
    Media() {}
    ~Media() {}
};
