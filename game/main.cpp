#include "frames/frames.h"
#include "manager/game_manager.h"

int main(int, char**)
{
    GameManager manager(velmora_game());
    global_manager = &manager;
    manager.run();
    global_manager = nullptr;
    return 0;
}
