#include "headless_game.h"

#include "image/image.h"

#include <unistd.h>

HeadlessGame::HeadlessGame()
{
    if (chdir(VELMORA_GAME_DIR) != 0)
        return;
    platform::set_backend(&headless);
    manager = std::make_unique<GameManager>(velmora_game());
    global_manager = manager.get();
    manager->set_window(false);
    set_image_path("./World/Sprites.dat");
}

HeadlessGame::~HeadlessGame()
{
    if (manager) {
        manager->frame->on_end();
        manager->close_media();
    }
    global_manager = nullptr;
    manager.reset();
    platform::set_input_callbacks(nullptr, nullptr);
    platform::set_backend(nullptr);
}

void HeadlessGame::tick()
{
    headless.poll_events();
    manager->update();
}
