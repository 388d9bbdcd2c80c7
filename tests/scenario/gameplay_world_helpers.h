#pragma once

#include "frame/frame.h"

#include <map>
#include <string>
#include <vector>

// Sixteen map rows of '-' with some rows given ("|" and 25 tiles each, or
// any other text to test odd rows), as the keys of a screen group.
std::string map_rows(const std::map<int, std::string>& rows, const std::string& extra_keys = "");

// Asks the frame to leave for screen (x, y) as an edge crossing does and runs
// the tick of the teardown and the tick of the build.
void build_screen(class GameplayWorld& world, int x, int y);

std::vector<FrameObject*> live(Frame& frame, int type_id);
