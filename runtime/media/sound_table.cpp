#include "media/media.h"

// The named sounds of the game, all in the sounds directory.
void Media::setup_sounds()
{
    add_cache("Footstep Dirt I", "Footstep Dirt I.wav");
    for (char letter = 'A'; letter <= 'H'; ++letter) {
        std::string name = std::string("Footstep Dirt ") + letter;
        add_cache(name, name + ".wav");
    }
    const char* const effects[][2] = {
        {"Splash Up", "Splash Up.wav"},
        {"Splash Down", "Splash Down.wav"},
        {"Hurt", "Hurt.ogg"},
        {"Footstep Underwater A", "Footstep Underwater A.wav"},
        {"Footstep Underwater B", "Footstep Underwater B.wav"},
        {"Footstep Underwater C", "Footstep Underwater C.wav"},
        {"Exploder Appear", "Exploder Appear.wav"},
        {"Exploder Attack", "Exploder Attack.wav"},
        {"Move Cursor", "Move Cursor.wav"},
        {"Select", "Select.wav"},
        {"Erase", "Erase.wav"},
        {"Complete Erase", "Complete Erase.wav"},
    };
    for (const auto& effect : effects)
        add_cache(effect[0], effect[1]);
}
