#include "objects/text_types.h"

#include <vector>

namespace {

struct TextSetup {
    bool visible;
    int width, height;
    Color color;
    int alignment;
    std::vector<const char*> paragraphs;
    // The bitmap text reads bold as "shown" and italic as "upper case".
    bool bold = false;
    bool italic = false;
};

// Every text sits on the screen, not in the scrolling world.
void set_up(Text& text, const TextSetup& setup)
{
    text.set_visible(setup.visible);
    text.scroll = false;
    for (const char* paragraph : setup.paragraphs)
        text.add_line(paragraph);
    text.width = setup.width;
    text.height = setup.height;
    text.color = setup.color;
    text.alignment = setup.alignment;
    text.bold = setup.bold;
    text.italic = setup.italic;
}

const Color black(0, 0, 0, 255);
const Color dark_red(8, 0, 0, 255);
const Color white(255, 255, 255, 255);

} // namespace

#define VELMORA_TEXT_TYPE(Class, display_name, type_id, ...)                                                           \
    Class::Class(int x, int y) : Text(display_name, x, y, type_id) { set_up(*this, TextSetup{__VA_ARGS__}); }

VELMORA_TEXT_TYPE(BrindleSettings_12, "Brindle Settings", 5, false, 150, 17, black, 4,
                  {"[Includes]\r\nData = Data\r\nshaders = shaders\r\nTutorial = Tutorial\r\nWorld = World\r\n"
                   "Game.ini = Game.ini"})
VELMORA_TEXT_TYPE(PlayerItems_86, "Player Items", 77, true, 127, 34, dark_red, 6,
                  {"Player", "0", "10", "Top", "Left", "0"}, true)
VELMORA_TEXT_TYPE(ContainerItems_87, "Container Items", 78, true, 127, 34, dark_red, 6,
                  {"Container", "0", "10", "Middle", "Left", "0"}, false, true)
VELMORA_TEXT_TYPE(TextObject_113, "Text Object", 104, true, 800, 32, white, 6,
                  {"Text Object", "5", "7", "Middle", "Center", "1"}, true)
VELMORA_TEXT_TYPE(ItemUsageInfo_136, "Item Usage Info", 127, true, 220, 73, black, 4,
                  {"Item Usage Info", "0", "26", "Middle", "Left", "0"})
VELMORA_TEXT_TYPE(SpeechBubbleText_137, "Speech Bubble Text", 128, true, 172, 111, black, 4,
                  {"Speech Bubble Text", "0", "47", "Middle", "Left", "0"})
VELMORA_TEXT_TYPE(BlockedTransferExplanation_138, "Blocked Transfer Explanation", 129, true, 355, 24, black, 6,
                  {"Blocked Transfer Explanation", "0", "4", "Top", "Left", "0"})
VELMORA_TEXT_TYPE(Item_139, "Item", 130, true, 144, 24, black, 6, {"Item", "0", "4", "Top", "Left", "0"}, true)
VELMORA_TEXT_TYPE(ErrorMessage_146, "Error Message", 135, true, 800, 512, dark_red, 7,
                  {"Error:", "Press Enter to restart or Esc to exit"})
